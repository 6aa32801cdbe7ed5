#pragma once
#include "sound/command_sound_player.h"

#include <string>
#include <vector>

namespace tintineables {

// A form's sound player in the page: a player of its own in the page's Web Audio graph, for its
// whole life, so a cue on one form never stops another form's. The recordings were decoded once
// when the page loaded; "open" checks the names, "play" hands them to the page.
class WebSoundPlayer final : public CommandSoundPlayer {
public:
    WebSoundPlayer();
    ~WebSoundPlayer() override; // stops its sound and gives the player back
    WebSoundPlayer(const WebSoundPlayer&) = delete;
    WebSoundPlayer& operator=(const WebSoundPlayer&) = delete;

private:
    std::optional<double> Close() override;
    void Open(const std::vector<std::string_view>& recordings) override;
    void Play(double fromSeconds) override;
    std::optional<double> Heard() const override;

    int player_;
    std::string opened_; // the recordings, joined as the page takes them
};

} // namespace tintineables
