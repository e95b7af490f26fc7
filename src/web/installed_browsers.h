#pragma once

#include "web/browser_detection.h"

namespace quillox::web {

// The browsers this system has, as the first start records them: from the
// registry on Windows, the desktop's default browser and PATH elsewhere.
DetectedBrowsers FindInstalledBrowsers();

}  // namespace quillox::web
