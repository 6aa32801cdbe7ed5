#include "board/moves.h"

#include "sound/run_time_error.h"

#include <limits>

namespace tintineables {

namespace {

// The 31st jump leaves one peg, so the count never passes 32; should it ever reach the
// top of its 8-bit range, that is a fault to report, not a number to wrap.
void RaiseMoveCount(GameState& state) {
    if (state.MoveCount == std::numeric_limits<std::uint8_t>::max()) {
        throw RunTimeError("Overflow: MoveCount");
    }
    ++state.MoveCount;
}

// Before the jump changes the board: what undo needs to take it back.
void RecordJump(GameState& state) {
    if (state.JumpsMade == MaxJumps) {
        throw RunTimeError("Overflow: more jumps than a game holds");
    }
    state.Jumps[static_cast<std::size_t>(state.JumpsMade++)] = {
        state.FromX,
        state.FromY,
        static_cast<std::int16_t>(state.CurX + state.StepX),
        static_cast<std::int16_t>(state.CurY + state.StepY),
        state.CurX,
        state.CurY,
        state.MoveCount};
}

bool IsLegalJump(const GameState& state) {
    if (state.Board.At(state.CurX, state.CurY) != NoPeg || state.JumpOk != True) {
        return false;
    }
    return state.Board.At(state.CurX + state.StepX, state.CurY + state.StepY) == Peg;
}

} // namespace

// A peg in hand is the first reason: Space again on the hole it came from finds it empty too.
Refusal PickUpRefusal(const GameState& state) {
    if (state.Holding != False) {
        return Refusal::PegInHand;
    }
    return state.Board.At(state.CurX, state.CurY) != Peg ? Refusal::EmptyHole : Refusal::None;
}

Refusal DropRefusal(const GameState& state) {
    if (state.Holding != True) {
        return Refusal::NothingInHand;
    }
    return IsLegalJump(state) ? Refusal::None : Refusal::NotAJump;
}

SoundCue PickUp(GameState& state) {
    if (PickUpRefusal(state) != Refusal::None) {
        return SoundCue::Error;
    }
    state.Holding = True;
    state.Board.Set(state.CurX, state.CurY, NoPeg);
    state.FromX = state.CurX;
    state.FromY = state.CurY;
    state.JumpOk = False; // the pick-up hole is no landing place until the focus moves on
    return SoundCue::Select;
}

SoundCue Drop(GameState& state, bool mayWin) {
    const Refusal refusal = DropRefusal(state);
    if (refusal == Refusal::NothingInHand) {
        return SoundCue::Error;
    }
    if (refusal == Refusal::NotAJump) {
        state.Board.Set(state.FromX, state.FromY, Peg);
        state.Holding = False;
        return SoundCue::Error;
    }
    // MoveCount 31 at a legal jump means two pegs in play: the one in hand and the one
    // jumped over. Landing that jump in the centre leaves the single peg there: the win.
    const bool wins = mayWin && state.MoveCount == 31;
    RecordJump(state);
    state.Board.Set(state.CurX, state.CurY, Peg);
    state.Holding = False;
    state.Board.Set(state.CurX + state.StepX, state.CurY + state.StepY, NoPeg);
    if (wins) {
        return SoundCue::Applause;
    }
    RaiseMoveCount(state);
    return SoundCue::Place;
}

} // namespace tintineables
