#pragma once

#include <filesystem>
#include <string>

// Makes a fresh folder of the test program's own in the temporary folder,
// named by prefix and removed however the program ends, with the program's
// settings store, its service-socket folder and a folder of stand-in
// programs first on PATH (a browser among them, so that the first start asks
// for none). Returns the service-socket folder's parent, the runtime folder.
std::filesystem::path PrepareTestEnvironment(const std::string& prefix);
// The folder of stand-in programs, first on the tests' PATH.
std::filesystem::path TestProgramsFolder();
// Writes a shell script of that name there, run by the user only.
void WriteTestProgram(const std::string& name, const std::string& body);
