#include "bench/slow_players.h"

#include "sound/audio_engine.h"
#include "sound/run_time_error.h"

#include <SDL2/SDL_mixer.h>

#include <chrono>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace tintineables::bench {

DiskDecodingPlayer::DiskDecodingPlayer(AudioEngine& engine, std::filesystem::path folder)
    : engine_(engine), folder_(std::move(folder)), channel_(engine.AcquireChannel()) {}

DiskDecodingPlayer::~DiskDecodingPlayer() {
    engine_.ReleaseChannel(channel_);
    Mix_FreeChunk(chunk_);
}

void DiskDecodingPlayer::SetString(int dispatchId, std::string_view value) {
    if (dispatchId == DispatchId::FileName) {
        fileName_ = value;
    } else if (dispatchId == DispatchId::Command) {
        if (value == "close" || value == "Close") {
            Mix_HaltChannel(channel_);
            Mix_FreeChunk(chunk_);
            chunk_ = nullptr;
        } else if (value == "open" || value == "Open") {
            chunk_ = Mix_LoadWAV((folder_ / fileName_).c_str());
            if (chunk_ == nullptr) {
                throw RunTimeError(Mix_GetError());
            }
        } else if (value == "play" || value == "Play") {
            Mix_PlayChannel(channel_, chunk_, 0);
        }
    }
}

double SpawnPlayerProcess(const std::string& program, const std::filesystem::path& file) {
    std::string path = "/usr/bin/" + program;
    if (!std::filesystem::exists(path)) {
        return -1;
    }
    std::string quiet = "-q", device = "-D", null = "null", name = file.string();
    char* argv[] = {path.data(), quiet.data(), device.data(), null.data(), name.data(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) != 0) {
        return -1;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace tintineables::bench
