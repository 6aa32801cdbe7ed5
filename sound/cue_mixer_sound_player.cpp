#include "sound/cue_mixer_sound_player.h"

#include "sound/joined_parts.h"
#include "sound/run_time_error.h"

namespace tintineables {

CueMixerSoundPlayer::CueMixerSoundPlayer(CueMixer& mixer)
    : mixer_(mixer), channel_(mixer.OpenChannel()) {}

CueMixerSoundPlayer::~CueMixerSoundPlayer() { mixer_.CloseChannel(channel_); }

std::optional<double> CueMixerSoundPlayer::Close() {
    opened_.clear();
    return mixer_.Stop(channel_);
}

void CueMixerSoundPlayer::Open(const std::vector<std::string_view>& recordings) {
    for (std::string_view name : recordings) {
        if (const std::optional<JoinedPart> part = ReadJoinedPart(name);
            !part || !mixer_.Has(part->fileName)) {
            throw RunTimeError("Sound player: cannot open \"" + std::string(name) +
                               "\": not one of the game's recordings");
        }
    }
    opened_.assign(recordings.begin(), recordings.end());
}

void CueMixerSoundPlayer::Play(double fromSeconds) {
    mixer_.Play(channel_, std::vector<std::string_view>(opened_.begin(), opened_.end()),
                fromSeconds);
}

std::optional<double> CueMixerSoundPlayer::Heard() const { return mixer_.Position(channel_); }

} // namespace tintineables
