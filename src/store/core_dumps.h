#pragma once

namespace quillox {

// Keeps the process's memory, which holds passwords and card texts, out of
// core files: no core is written, and other processes of the same user may
// not attach to it. Called first thing by both programs.
void DisableCoreDumps();

}  // namespace quillox
