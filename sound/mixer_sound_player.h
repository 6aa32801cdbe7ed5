#pragma once
#include "sound/command_sound_player.h"

#include <SDL2/SDL_mixer.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tintineables {

class AudioEngine;

// A form's sound player on the audio engine: one mixer channel of its own for its whole life,
// so a cue on one form never stops another form's cue. "open" and "play" touch no disk and
// convert nothing: they pick a cue the engine decoded at start-up (or made at the speech's
// pace) and hand it to the mixer at the player's loudness for it. Recordings joined in one file
// name are laid end to end, each at its own loudness, with a short pause between them, in
// buffers of the player's own that it keeps from one sound to the next.
class MixerSoundPlayer final : public CommandSoundPlayer {
public:
    explicit MixerSoundPlayer(AudioEngine& engine);
    ~MixerSoundPlayer() override; // stops its cue and gives its channel back
    MixerSoundPlayer(const MixerSoundPlayer&) = delete;
    MixerSoundPlayer& operator=(const MixerSoundPlayer&) = delete;

    int Channel() const { return channel_; }

private:
    std::optional<double> Close() override;
    void Open(const std::vector<std::string_view>& recordings) override;
    void Play(double fromSeconds) override;
    std::optional<double> Heard() const override;

    // A sound as the mixer reads it: the chunk, and what its samples belong to.
    struct Sound {
        std::vector<std::uint8_t> joined; // the samples, when they are recordings joined here
        std::shared_ptr<const void> kept; // the samples, when made at the speech's pace
        Mix_Chunk chunk{};
        bool single = false;
        double pace = 1.0;
    };

    AudioEngine& engine_;
    int channel_;
    Sound sounds_[2]; // one to play while the other is written
    Sound* opened_ = nullptr;
    const Sound* played_ = nullptr;   // the one the mixer may be reading
    std::uint64_t playedAtFrame_ = 0; // the engine's MixedFrames when it was played
    double playedFrom_ = 0;
};

} // namespace tintineables
