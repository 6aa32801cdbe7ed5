#pragma once
#include "sound/sound_player.h"

#include <SDL2/SDL_mixer.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tintineables {

class AudioEngine;

// A form's sound player on the audio engine: one mixer channel of its own for its whole life,
// so a cue on one form never stops another form's cue. "open" and "play" touch no disk and
// convert nothing: they pick a cue the engine decoded at start-up and hand it to the mixer.
// Recordings joined in one file name are laid end to end, with a short pause between them, in a
// buffer of the player's own that it keeps from one sound to the next.
class MixerSoundPlayer final : public SoundPlayer {
public:
    explicit MixerSoundPlayer(AudioEngine& engine);
    ~MixerSoundPlayer() override; // stops its cue and gives its channel back
    MixerSoundPlayer(const MixerSoundPlayer&) = delete;
    MixerSoundPlayer& operator=(const MixerSoundPlayer&) = delete;

    void SetString(int dispatchId, std::string_view value) override;

    int Channel() const { return channel_; }

private:
    void RunCommand(std::string_view command);
    const Mix_Chunk* Open(std::string_view fileName);
    const Mix_Chunk* OpenJoined(std::string_view fileNames);

    AudioEngine& engine_;
    int channel_;
    std::string deviceType_;
    std::string fileName_;
    const Mix_Chunk* opened_ = nullptr;
    std::vector<std::uint8_t> joined_;
    Mix_Chunk joinedChunk_{};
};

} // namespace tintineables
