#include "board/undo.h"

#include "board/hole_table.h"

namespace tintineables {

bool PutBackPegInHand(GameState& state) {
    if (state.Holding != True) {
        return false;
    }
    state.Board.Set(state.FromX, state.FromY, Peg);
    state.Holding = False;
    return true;
}

HoleKeyResult Undo(GameState& state) {
    HoleKeyResult result;
    if (PutBackPegInHand(state)) {
        result.cue = SoundCue::Place;
        return result;
    }
    if (state.JumpsMade == 0) {
        result.cue = SoundCue::Error;
        return result;
    }
    const JumpRecord& jump = state.Jumps[static_cast<std::size_t>(--state.JumpsMade)];
    state.Board.Set(jump.toX, jump.toY, NoPeg);
    state.Board.Set(jump.overX, jump.overY, Peg);
    state.Board.Set(jump.fromX, jump.fromY, Peg);
    state.MoveCount = jump.moveCountBefore;
    result.focusHole = HoleNumberAt(jump.fromX, jump.fromY);
    return result;
}

} // namespace tintineables
