#pragma once
#include "sound/command_sound_player.h"

#include <SDL2/SDL_mixer.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tintineables {

class AudioEngine;

// A form's sound player on the audio engine: one mixer channel of its own for its whole life,
// so a cue on one form never stops another form's cue. "open" and "play" touch no disk and
// convert nothing: they pick a cue the engine decoded at start-up and hand it to the mixer.
// Recordings joined in one file name are laid end to end, with a short pause between them, in
// buffers of the player's own that it keeps from one sound to the next.
class MixerSoundPlayer final : public CommandSoundPlayer {
public:
    explicit MixerSoundPlayer(AudioEngine& engine);
    ~MixerSoundPlayer() override; // stops its cue and gives its channel back
    MixerSoundPlayer(const MixerSoundPlayer&) = delete;
    MixerSoundPlayer& operator=(const MixerSoundPlayer&) = delete;

    int Channel() const { return channel_; }

private:
    void Close() override;
    void Open(const std::vector<std::string_view>& recordings) override;
    void Play() override;
    const Mix_Chunk* Decoded(std::string_view fileName) const;

    struct JoinedBuffer {
        std::vector<std::uint8_t> bytes;
        Mix_Chunk chunk{};
    };

    AudioEngine& engine_;
    int channel_;
    const Mix_Chunk* opened_ = nullptr;
    const Mix_Chunk* played_ = nullptr; // the one the mixer may be reading
    JoinedBuffer joined_[2];            // one to play while the other is written
};

} // namespace tintineables
