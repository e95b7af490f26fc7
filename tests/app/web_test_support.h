#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/app_fixture.h"

// What the tests of the browser and helper programs share: reading what
// stand-ins recorded, the toolbar's route.

// The text of a file, empty when there is none.
std::string ReadText(const std::filesystem::path& path);
std::vector<std::string> ReadLines(const std::filesystem::path& path);

// Presses a toolbar button: the command reaches the frame from its toolbar.
void ClickTool(int id);
