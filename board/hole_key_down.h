#pragma once
#include "board/game_state.h"
#include "board/key_codes.h"
#include "board/moves.h"
#include "sound/sound_cue.h"

#include <optional>

namespace tintineables {

// What a key on a focused hole asks of the screen: move the focus, play a cue, or nothing.
struct HoleKeyResult {
    std::optional<int> focusHole;
    std::optional<SoundCue> cue;
    Refusal refusal = Refusal::None; // why an Error cue refused Space or Ctrl
};

// The key-down of every hole: the arrows navigate (or meet the edge), Space picks up, Ctrl
// drops. Each step tests the key code anew, so one key sets off at most one of them.
HoleKeyResult HoleKeyDown(GameState& state, int hole, KeyCode keyCode);

} // namespace tintineables
