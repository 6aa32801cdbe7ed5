#include "sound/mixer_sound_player.h"

#include "sound/audio_engine.h"
#include "sound/run_time_error.h"

#include <algorithm>
#include <cctype>

namespace tintineables {

namespace {

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
        opened_ = engine_.Decoded(fileName_);
        if (opened_ == nullptr) {
            throw RunTimeError("Sound player: cannot open \"" + fileName_ +
                               "\": not one of the game's recordings");
        }
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

} // namespace tintineables
