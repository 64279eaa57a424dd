#pragma once

// Process-wide switches that several windows read.
namespace ProcessFlags {

// Set when the update manager started a setup or a program update: the main window then
// closes without any question.
inline bool quitWithoutAsking = false;
// Set by the update installation when the program must end for the update.
inline bool terminationRequested = false;

} // namespace ProcessFlags
