#pragma once
// The slower ways to sound a cue, measured against the game's own player.
#include "sound/sound_player.h"

#include <filesystem>
#include <string>

struct Mix_Chunk;

namespace tintineables {
class AudioEngine;
}

namespace tintineables::bench {

// A player that reads and decodes the wave file from disk at every "open".
class DiskDecodingPlayer final : public SoundPlayer {
public:
    DiskDecodingPlayer(AudioEngine& engine, std::filesystem::path folder);
    ~DiskDecodingPlayer() override;
    void SetString(int dispatchId, std::string_view value) override;

private:
    AudioEngine& engine_;
    std::filesystem::path folder_;
    int channel_;
    std::string fileName_;
    Mix_Chunk* chunk_ = nullptr;
};

// Seconds from spawning a separate player process on a file to its exit, or a negative
// number when the player program is not installed.
double SpawnPlayerProcess(const std::string& program, const std::filesystem::path& file);

} // namespace tintineables::bench
