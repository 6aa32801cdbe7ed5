#include "web/web_sound_player.h"

#include "sound/joined_parts.h"
#include "sound/recording_files.h"
#include "sound/run_time_error.h"
#include "web/page_calls.h"

namespace tintineables {

WebSoundPlayer::WebSoundPlayer() : player_(tintineables_page_new_player()) {}

WebSoundPlayer::~WebSoundPlayer() { tintineables_page_free_player(player_); }

std::optional<double> WebSoundPlayer::Close() {
    opened_.clear();
    const double at = tintineables_page_stop(player_);
    return at < 0 ? std::nullopt : std::optional<double>(at);
}

void WebSoundPlayer::Open(const std::vector<std::string_view>& recordings) {
    std::string joined;
    for (std::string_view name : recordings) {
        if (const std::optional<JoinedPart> part = ReadJoinedPart(name);
            !part || !IsRecording(part->fileName)) {
            throw RunTimeError("Sound player: cannot open \"" + std::string(name) +
                               "\": not one of the game's recordings");
        }
        if (!joined.empty()) {
            joined += JoinedFileSeparator;
        }
        joined += name;
    }
    opened_ = joined;
}

std::optional<double> WebSoundPlayer::Heard() const {
    const double at = tintineables_page_position(player_);
    return at < 0 ? std::nullopt : std::optional<double>(at);
}

void WebSoundPlayer::Play(double fromSeconds) {
    tintineables_page_play(player_, opened_.c_str(), fromSeconds);
}

} // namespace tintineables
