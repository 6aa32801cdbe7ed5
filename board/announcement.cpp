#include "board/announcement.h"

#include "board/hole_table.h"

#include <cstdlib>

namespace tintineables {

namespace {

// -d/2 for a distance of two, 0 for none; any other distance leaves the step as it was,
// which is harmless: a step is used only with JumpOk, and JumpOk implies both were set here.
void UpdateStep(std::int16_t& step, int distance) {
    if (distance == 0) {
        step = 0;
    } else if (distance == 2) {
        step = -1;
    } else if (distance == -2) {
        step = 1;
    }
}

} // namespace

SoundCue Announce(GameState& state, int holeNumber) {
    const Hole& hole = HoleByNumber(holeNumber);
    const bool hasPeg = state.Board.At(hole.x, hole.y) == Peg;
    const bool isCentre = hole.number == CentreHole;
    const SoundCue cue = isCentre ? (hasPeg ? SoundCue::CentreBall : SoundCue::Centre)
                                  : (hasPeg ? SoundCue::Ball : SoundCue::Empty);

    state.CurY = static_cast<std::int16_t>(hole.y);
    state.CurX = static_cast<std::int16_t>(hole.x);

    const int dX = state.CurX - state.FromX;
    const int dY = state.CurY - state.FromY;
    const bool inLine = (std::abs(dY) == 2 && dX == 0) || (std::abs(dX) == 2 && dY == 0);
    state.JumpOk = inLine ? True : False;
    UpdateStep(state.StepX, dX);
    UpdateStep(state.StepY, dY);
    return cue;
}

} // namespace tintineables
