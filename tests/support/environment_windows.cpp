#include <windows.h>

#include <cstdlib>

#include "store/wide_text_windows.h"
#include "support/environment.h"

namespace quillox::testing {

// Values are often paths: UTF-8 in, the wide environment (which the C
// runtime keeps in step with the narrow one) out.
void SetEnvironment(const std::string& name, const std::string& value) {
    _wputenv_s(WidenUtf8(name).c_str(), WidenUtf8(value).c_str());
}

// An empty value removes the variable.
void UnsetEnvironment(const std::string& name) {
    _wputenv_s(WidenUtf8(name).c_str(), L"");
}

}  // namespace quillox::testing
