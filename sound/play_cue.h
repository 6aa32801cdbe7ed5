#pragma once
#include "sound/sound_cue.h"
#include "sound/sound_player.h"

namespace tintineables {

// Plays a cue from its beginning on a form's sound player, stopping whatever that player
// was sounding: device type, file name, then "close", "open", "play", "prev".
void PlayCue(SoundPlayer& player, SoundCue cue);

} // namespace tintineables
