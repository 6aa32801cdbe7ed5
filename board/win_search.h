#pragma once
// Whether a position can still end with one peg in the centre, worked out by trying its jumps.
// For the positions the table of winnable positions cannot judge: those of a puzzle that no game
// from the full cross passes through. A position the table holds is winnable at once; every
// position found lost is remembered, up to its turns and mirrors, for the rest of the search.
#include "board/peg_set.h"

#include <vector>

namespace tintineables {

class WinSearch {
public:
    bool CanWin(PegSet pegs);

private:
    bool KnownLost(PegSet canonical) const;
    void RememberLost(PegSet canonical);

    // Open addressing, 0 for a free slot: a lost position has pegs, so it is never 0.
    std::vector<PegSet> lost_ = std::vector<PegSet>(1 << 12, 0);
    std::size_t lostCount_ = 0;
};

} // namespace tintineables
