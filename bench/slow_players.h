#pragma once
// A slower way to sound a cue, measured against the game's own player.
#include <filesystem>
#include <string>

namespace tintineables::bench {

// Seconds from spawning a separate player process on a file to its exit, or a negative
// number when the player program is not installed.
double SpawnPlayerProcess(const std::string& program, const std::filesystem::path& file);

} // namespace tintineables::bench
