#include <cstdlib>
#include <optional>

#include "web/default_browser.h"
#include "web/installed_browsers.h"

namespace quillox::web {

DetectedBrowsers FindInstalledBrowsers() {
    const char* path = std::getenv("PATH");
    return DetectBrowsers(DefaultBrowserCommand(std::nullopt).value_or(ArgumentVector()),
                          path != nullptr ? path : "", IsExecutableFile);
}

}  // namespace quillox::web
