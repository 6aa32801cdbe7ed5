#pragma once
#include "sound/sound_player.h"

#include <string>

struct Mix_Chunk;

namespace tintineables {

class AudioEngine;

// A form's sound player on the audio engine: one mixer channel of its own for its whole life,
// so a cue on one form never stops another form's cue. "open" and "play" touch no disk and
// convert nothing: they pick a cue the engine decoded at start-up and hand it to the mixer.
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

    AudioEngine& engine_;
    int channel_;
    std::string deviceType_;
    std::string fileName_;
    const Mix_Chunk* opened_ = nullptr;
};

} // namespace tintineables
