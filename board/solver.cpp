#include "board/solver.h"

#include "board/winnable_table.h"

#include <array>
#include <climits>

namespace tintineables {

namespace {

// Arrow steps from `start` to every hole, walking the cross as the cursor does.
std::array<int, HoleCount + 1> StepsFrom(int start) {
    std::array<int, HoleCount + 1> steps;
    steps.fill(INT_MAX);
    std::array<int, HoleCount> queue{};
    std::size_t head = 0;
    std::size_t tail = 0;
    steps[static_cast<std::size_t>(start)] = 0;
    queue[tail++] = start;
    while (head < tail) {
        const int hole = queue[head++];
        for (int neighbour : HoleByNumber(hole).neighbour) {
            if (neighbour != NoHole && steps[static_cast<std::size_t>(neighbour)] == INT_MAX) {
                steps[static_cast<std::size_t>(neighbour)] =
                    steps[static_cast<std::size_t>(hole)] + 1;
                queue[tail++] = neighbour;
            }
        }
    }
    return steps;
}

} // namespace

Outlook OutlookOf(PegSet pegs) {
    if (pegs == WonPosition) {
        return Outlook::Won;
    }
    return OnAWinningPath(pegs) ? Outlook::CanWin : Outlook::CannotWin;
}

std::optional<Hint> HintFor(PegSet pegs, int nearHole) {
    if (OutlookOf(pegs) != Outlook::CanWin) {
        return std::nullopt;
    }
    const auto steps = StepsFrom(nearHole);
    std::optional<Hint> best;
    int bestSteps = INT_MAX;
    for (const PegJump& jump : AllJumps()) {
        const int distance = steps[static_cast<std::size_t>(jump.from)];
        if (distance < bestSteps && CanJump(pegs, jump) && OnAWinningPath(AfterJump(pegs, jump))) {
            best = Hint{jump.from, jump.direction};
            bestSteps = distance;
        }
    }
    return best;
}

} // namespace tintineables
