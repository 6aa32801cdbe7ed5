#include "sound/mixer_sound_player.h"

#include "sound/audio_engine.h"
#include "sound/run_time_error.h"

#include <algorithm>
#include <cctype>

namespace tintineables {

namespace {

// Between two joined recordings, as a speaker pauses between words.
constexpr int PauseFrames = AudioEngine::Frequency * 70 / 1000;
constexpr std::size_t BytesPerFrame = AudioEngine::Channels * 2;

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

} // namespace

MixerSoundPlayer::MixerSoundPlayer(AudioEngine& engine)
    : engine_(engine), channel_(engine.AcquireChannel()) {}

MixerSoundPlayer::~MixerSoundPlayer() { engine_.ReleaseChannel(channel_); }

void MixerSoundPlayer::SetString(int dispatchId, std::string_view value) {
    switch (dispatchId) {
    case DispatchId::DeviceType:
        if (Lower(value) != "waveaudio") {
            throw RunTimeError("Sound player: unsupported device type \"" + std::string(value) +
                               "\"");
        }
        deviceType_ = value;
        return;
    case DispatchId::FileName:
        fileName_ = value;
        return;
    case DispatchId::Command:
        RunCommand(Lower(value));
        return;
    default:
        throw RunTimeError("Sound player: no setting with dispatch id " +
                           std::to_string(dispatchId));
    }
}

void MixerSoundPlayer::RunCommand(std::string_view command) {
    if (command == "close") {
        engine_.Halt(channel_); // harmless with nothing open
        opened_ = nullptr;
    } else if (command == "open") {
        if (deviceType_.empty()) {
            throw RunTimeError("Sound player: \"open\" before a device type was set");
        }
        opened_ = Open(fileName_);
    } else if (command == "play") {
        if (opened_ == nullptr) {
            throw RunTimeError("Sound player: \"play\" with nothing open");
        }
        if (std::string problem; !engine_.Play(channel_, opened_, problem)) {
            throw RunTimeError("Sound player: cannot play \"" + fileName_ + "\": " + problem);
        }
    } else if (command == "prev") {
        // Rewinds the opened sound to its start for the next "play"; it does not touch a sound
        // that is playing. Right after "play" the sound is at its start already, and a restart
        // a few frames in would be heard as a stutter.
        if (opened_ == nullptr) {
            throw RunTimeError("Sound player: \"prev\" with nothing open");
        }
    } else {
        throw RunTimeError("Sound player: unknown command \"" + std::string(command) + "\"");
    }
}

const Mix_Chunk* MixerSoundPlayer::Open(std::string_view fileName) {
    if (fileName.find(JoinedFileSeparator) != std::string_view::npos) {
        return OpenJoined(fileName);
    }
    const Mix_Chunk* chunk = engine_.Decoded(fileName);
    if (chunk == nullptr) {
        throw RunTimeError("Sound player: cannot open \"" + std::string(fileName) +
                           "\": not one of the game's recordings");
    }
    return chunk;
}

const Mix_Chunk* MixerSoundPlayer::OpenJoined(std::string_view fileNames) {
    // The buffer is about to be written again: nothing of this channel may still read it.
    engine_.Halt(channel_);
    joined_.clear();
    for (std::size_t start = 0; start <= fileNames.size();) {
        std::size_t end = fileNames.find(JoinedFileSeparator, start);
        end = end == std::string_view::npos ? fileNames.size() : end;
        const Mix_Chunk* part = Open(fileNames.substr(start, end - start));
        if (!joined_.empty()) {
            joined_.insert(joined_.end(), PauseFrames * BytesPerFrame, 0);
        }
        joined_.insert(joined_.end(), part->abuf, part->abuf + part->alen);
        start = end + 1;
    }
    joinedChunk_ =
        Mix_Chunk{0, joined_.data(), static_cast<Uint32>(joined_.size()), MIX_MAX_VOLUME};
    return &joinedChunk_;
}

} // namespace tintineables
