#include "board/hole_key_down.h"

#include "board/hole_table.h"
#include "board/moves.h"
#include "board/navigation.h"

namespace tintineables {

HoleKeyResult HoleKeyDown(GameState& state, int hole, KeyCode keyCode) {
    HoleKeyResult result;
    const NavigationStep step = Navigate(hole, keyCode);
    if (step.kind == NavigationStep::Kind::MoveTo) {
        result.focusHole = step.targetHole;
    } else if (step.kind == NavigationStep::Kind::Edge) {
        result.cue = SoundCue::Edge;
    }
    if (keyCode == Key::Space) {
        result.refusal = PickUpRefusal(state);
        result.cue = PickUp(state);
    }
    if (keyCode == Key::Control) {
        result.refusal = DropRefusal(state);
        result.cue = Drop(state, hole == CentreHole);
    }
    return result;
}

} // namespace tintineables
