#include "game/board_sweep.h"

#include "board/hole_table.h"
#include "sound/joined_parts.h"
#include "sound/sweep_sounds.h"

#include <cmath>

namespace tintineables {

bool InSweep(const Hole& hole, const Hole& cursor, SweepKind kind) {
    return kind == SweepKind::Cross || (kind == SweepKind::Row && hole.y == cursor.y) ||
           (kind == SweepKind::Column && hole.x == cursor.x);
}

int PlaceOfColumn(int x) { return static_cast<int>(std::lround((x - 4) * 80.0 / 3.0)); }

std::vector<SweepNote> Sweep(const GameState& state, int cursorHole, SweepKind kind, double pace) {
    const Hole& cursor = HoleByNumber(cursorHole);
    const auto paced = [pace](int milliseconds) {
        return static_cast<int>(std::lround(milliseconds / pace));
    };
    std::vector<const Hole*> holes;
    for (const Hole& hole : HoleTable) { // row by row from the bottom, left to right
        if (InSweep(hole, cursor, kind)) {
            holes.push_back(&hole);
        }
    }
    std::vector<SweepNote> notes;
    int lastRow = 0;
    for (const Hole* hole : holes) {
        const bool peg = state.Board.At(hole->x, hole->y) == Peg;
        const std::string_view file = SweepFileOf(hole->y, peg, hole->number == CentreHole);
        const int pause = notes.empty() ? 0
                          : kind == SweepKind::Cross && hole->y != lastRow
                              ? paced(SweepRowPauseMilliseconds)
                              : paced(SweepHolePauseMilliseconds);
        notes.push_back({hole->number, file, PlaceOfColumn(hole->x), pause});
        if (hole->number == cursorHole) {
            notes.push_back(
                {hole->number, file, PlaceOfColumn(hole->x), paced(SweepCursorPauseMilliseconds)});
        }
        lastRow = hole->y;
    }
    return notes;
}

std::vector<std::string> SweepParts(const std::vector<SweepNote>& notes) {
    std::vector<std::string> parts;
    parts.reserve(notes.size());
    for (const SweepNote& note : notes) {
        parts.push_back(WriteJoinedPart(note.file, note.place, note.pauseMilliseconds));
    }
    return parts;
}

} // namespace tintineables
