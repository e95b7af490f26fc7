#pragma once

#include <filesystem>

// The system's side of the tests' environment, under root: where the program
// keeps its service folder (runtime, on systems that have one) and finds the
// programs it starts.
void PrepareStandIns(const std::filesystem::path& root, const std::filesystem::path& runtime);
