// What every target needs around the engine: the program's services made quiet (reports answered
// Continue, boxes answered No, nothing printed), a scratch folder of the process's own with the small
// scenario game in it, and the input written where the engine reads files.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace fuzzing {

// Once per process: quiet services, the private heap's program state, the scratch game.
void prepareProgram();

// The scratch game folder ("data" holds the scenario database, rewritten by restoreGame()).
const std::filesystem::path& scratchGame();
// Puts the scenario database back as it was (after a target changed or replaced its files).
void restoreGame();

// Writes `bytes` to `name` in the scratch game folder and returns its path.
std::string writeInput(std::string_view name, std::string_view bytes);
std::string readFile(const std::string& path);

}  // namespace fuzzing
