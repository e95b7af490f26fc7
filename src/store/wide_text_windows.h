#pragma once

#include <windows.h>

#include <string>

namespace quillox {

// Paths and texts cross into Windows' wide-character calls as UTF-16; the
// rest of the program speaks UTF-8.
std::wstring WidenUtf8(const std::string& utf8);
std::string NarrowToUtf8(const wchar_t* wide, std::size_t length);
std::string NarrowToUtf8(const std::wstring& wide);

// The system's description of an error code, without a final full stop.
std::string WindowsErrorText(DWORD code);

}  // namespace quillox
