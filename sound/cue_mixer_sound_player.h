#pragma once
// A form's sound player on the game's own mixer (CueMixer): a channel of its own for its whole
// life; "open" and "play" touch no disk and decode nothing.
#include "sound/command_sound_player.h"
#include "sound/cue_mixer.h"

#include <string>
#include <vector>

namespace tintineables {

class CueMixerSoundPlayer final : public CommandSoundPlayer {
public:
    explicit CueMixerSoundPlayer(CueMixer& mixer);
    ~CueMixerSoundPlayer() override; // stops its sound and gives its channel back
    CueMixerSoundPlayer(const CueMixerSoundPlayer&) = delete;
    CueMixerSoundPlayer& operator=(const CueMixerSoundPlayer&) = delete;

    int Channel() const { return channel_; }

private:
    std::optional<double> Close() override;
    void Open(const std::vector<std::string_view>& recordings) override;
    void Play(double fromSeconds) override;
    std::optional<double> Heard() const override;

    CueMixer& mixer_;
    int channel_;
    std::vector<std::string> opened_;
};

} // namespace tintineables
