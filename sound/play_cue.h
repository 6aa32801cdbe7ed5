#pragma once
#include "sound/sound_cue.h"
#include "sound/sound_player.h"

#include <span>
#include <string_view>

namespace tintineables {

// Plays a cue from its beginning on a form's sound player, stopping whatever that player
// was sounding: device type, file name, then "close", "open", "play", "prev".
void PlayCue(SoundPlayer& player, SoundCue cue);

// Plays several recordings back to back as one sound, by the same six settings: the file name
// joins their names with JoinedFileSeparator. A spoken answer is played so, word after word.
void PlayJoined(SoundPlayer& player, std::span<const std::string_view> fileNames);

// Plays a recording on from where this player last cut it short, or from its beginning: the same
// settings with "resume" where "play" stands.
void Resume(SoundPlayer& player, std::string_view fileName);

} // namespace tintineables
