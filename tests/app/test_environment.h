#pragma once

#include <filesystem>
#include <string>

// Makes a fresh folder of the test program's own in the temporary folder,
// named by prefix and removed however the program ends, with the program's
// own settings store, its runtime folder and stand-ins for the programs it
// starts. Returns the runtime folder, the service folder's parent.
std::filesystem::path PrepareTestEnvironment(const std::string& prefix);
