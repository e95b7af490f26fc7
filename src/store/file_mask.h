#pragma once

namespace quillox {

// Makes every file the process creates from now on readable and writable by
// its owner alone, whoever creates it: the toolkit's print-to-file writes
// pages full of passwords with the process's file mask. Called first thing
// by both programs.
void MakeNewFilesOwnerOnly();

}  // namespace quillox
