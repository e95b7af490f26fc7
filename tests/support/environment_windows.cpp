#include <windows.h>

#include <cstdlib>

#include "support/environment.h"

namespace quillox::testing {

namespace {

// Values are often paths: UTF-8 in, the wide environment (which the C
// runtime keeps in step with the narrow one) out.
std::wstring Wide(const std::string& text) {
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

}  // namespace

void SetEnvironment(const std::string& name, const std::string& value) {
    _wputenv_s(Wide(name).c_str(), Wide(value).c_str());
}

// An empty value removes the variable.
void UnsetEnvironment(const std::string& name) {
    _wputenv_s(Wide(name).c_str(), L"");
}

}  // namespace quillox::testing
