#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/app_fixture.h"

// What the tests of the browser and helper programs share: waiting for
// programs, reading what stand-ins recorded, the toolbar's route.

// The text of a file, empty when there is none.
std::string ReadText(const std::filesystem::path& path);
std::vector<std::string> ReadLines(const std::filesystem::path& path);

// A script that appends "<its name> <number of arguments>" and then each
// argument on lines of their own to record, and exits with status.
std::string RecordingProgram(const std::filesystem::path& record, int status = 0);

// Presses a toolbar button: the command reaches the frame from its toolbar.
void ClickTool(int id);

// The folder of the program's service sockets.
std::string ServiceFolder();
