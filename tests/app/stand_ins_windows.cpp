#include "app/stand_ins.h"

// The browser conversation is DDE, which needs no folder, and the programs
// the tests start are found by their paths in the settings.
void PrepareStandIns(const std::filesystem::path&, const std::filesystem::path&) {}
