#pragma once
// A sweep: the board heard at a glance, as a quick run of short sounds, one a hole. A row from
// left to right, a column from the bottom up, or the whole cross row by row from the bottom, in
// the order Tab visits the holes. Each hole's sound says peg or empty, its row (a whole tone a
// row) and, by where it is heard, its column; the centre has its own pair, and the cursor's hole
// is knocked twice. The player plays it as one sound that the next key cuts.
#include "board/game_state.h"
#include "board/hole_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace tintineables {

enum class SweepKind { Row, Column, Cross };

// The silences of a sweep at the recordings' own pace: between two holes, between two rows of
// the cross, and between the cursor's two knocks. At a faster speech they shrink with it.
inline constexpr int SweepHolePauseMilliseconds = 20;
inline constexpr int SweepRowPauseMilliseconds = 110;
inline constexpr int SweepCursorPauseMilliseconds = 20;

// One sound of a sweep.
struct SweepNote {
    int hole;
    std::string_view file;
    int place;             // -100 left .. 100 right, by the hole's column
    int pauseMilliseconds; // the silence before it
};

// Whether a hole is one the sweep plays, for a sweep through the cursor's hole.
bool InSweep(const Hole& hole, const Hole& cursor, SweepKind kind);

// Where a column is heard: the seven spread from -80 to 80 by equal steps, never wholly in one
// ear, so a player who hears with one ear alone still hears every hole.
int PlaceOfColumn(int x);

// The notes of a sweep of the board as it stands, through the cursor's hole, at the speech's
// pace (1 to 2.5).
std::vector<SweepNote> Sweep(const GameState& state, int cursorHole, SweepKind kind, double pace);

// The notes as the parts of one joined file name.
std::vector<std::string> SweepParts(const std::vector<SweepNote>& notes);

} // namespace tintineables
