#pragma once
#include "board/game_state.h"
#include "sound/sound_cue.h"

namespace tintineables {

// A hole has received the focus: records it as the current hole, works out whether it is a
// landing place for a jump from (FromX, FromY) and where the jumped-over hole lies, and
// returns the cue that tells the player what is under the cursor.
SoundCue Announce(GameState& state, int hole);

} // namespace tintineables
