#pragma once

// The program's addresses on the web, shown by Help > "Quillox Home Page"
// and the About box.
namespace quillox {

inline constexpr char kHomePageAddress[] = "https://quillox.github.io/";
inline constexpr char kAuthorContactAddress[] = "mailto:quillox@users.noreply.github.com";

}  // namespace quillox
