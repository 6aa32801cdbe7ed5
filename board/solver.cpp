#include "board/solver.h"

#include "board/win_search.h"
#include "board/winnable_table.h"

#include <algorithm>
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

// Every position a game reaches from a start on a path from the full cross to the win is
// reachable from the full cross too, so the table judges it exactly: held, it can be won; not
// held, it cannot. Any other start needs the search, which the table only shortens. The search
// remembers what it found for as long as the questions are about games from the same start.
class Judge {
public:
    explicit Judge(PegSet gameStart) : byTable_(OnAWinningPath(gameStart)) {
        thread_local PegSet searchedFrom = 0;
        thread_local WinSearch search;
        if (!byTable_ && searchedFrom != gameStart) {
            search = WinSearch();
            searchedFrom = gameStart;
        }
        search_ = &search;
    }

    bool CanWin(PegSet pegs) {
        if (byTable_) {
            return pegs == WonPosition || OnAWinningPath(pegs);
        }
        return search_->CanWin(pegs);
    }

private:
    bool byTable_;
    WinSearch* search_ = nullptr;
};

Outlook OutlookWith(Judge& judge, PegSet pegs) {
    if (pegs == WonPosition) {
        return Outlook::Won;
    }
    return judge.CanWin(pegs) ? Outlook::CanWin : Outlook::CannotWin;
}

} // namespace

Outlook OutlookOf(PegSet pegs, PegSet gameStart) {
    Judge judge(gameStart);
    return OutlookWith(judge, pegs);
}

std::optional<Hint> HintFor(PegSet pegs, int nearHole, PegSet gameStart) {
    Judge judge(gameStart);
    if (OutlookWith(judge, pegs) != Outlook::CanWin) {
        return std::nullopt;
    }
    // The nearest pegs first, in the order of the holes and then of the directions: the first
    // jump that keeps the game winnable is the hint, and no farther one is worked out.
    const auto steps = StepsFrom(nearHole);
    std::array<const PegJump*, JumpCount> byDistance{};
    std::transform(AllJumps().begin(), AllJumps().end(), byDistance.begin(),
                   [](const PegJump& jump) { return &jump; });
    std::stable_sort(byDistance.begin(), byDistance.end(), [&](const PegJump* a, const PegJump* b) {
        return steps[static_cast<std::size_t>(a->from)] < steps[static_cast<std::size_t>(b->from)];
    });
    for (const PegJump* jump : byDistance) {
        if (CanJump(pegs, *jump) && judge.CanWin(AfterJump(pegs, *jump))) {
            return Hint{jump->from, jump->direction};
        }
    }
    return std::nullopt;
}

} // namespace tintineables
