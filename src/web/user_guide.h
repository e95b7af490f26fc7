#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillox::web {

// Where the user guide that ships with the program may be, in the order they
// are tried: the HTML page beside the program (installed, or rendered into the
// build folder with the same layout), and the guide's source in the source
// tree for a program run from a build without the rendered page.
std::vector<std::string> UserGuideCandidates();

// The file:// address of the first candidate that is a file; nothing when
// there is none.
std::optional<std::string> UserGuideAddress(const std::vector<std::string>& candidates);

}  // namespace quillox::web
