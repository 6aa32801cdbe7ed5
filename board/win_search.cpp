#include "board/win_search.h"

#include "board/winnable_table.h"

namespace tintineables {

namespace {

std::size_t SlotOf(PegSet canonical, std::size_t slots) {
    return static_cast<std::size_t>((canonical * 0x9E3779B97F4A7C15ULL) >> 20) & (slots - 1);
}

} // namespace

bool WinSearch::CanWin(PegSet pegs) {
    if (pegs == WonPosition || OnAWinningPath(pegs)) {
        return true;
    }
    if (PegCount(pegs) <= 1) {
        return false;
    }
    const PegSet canonical = Canonical(pegs);
    if (KnownLost(canonical)) {
        return false;
    }
    for (const PegJump& jump : AllJumps()) {
        if (CanJump(pegs, jump) && CanWin(AfterJump(pegs, jump))) {
            return true;
        }
    }
    RememberLost(canonical);
    return false;
}

bool WinSearch::KnownLost(PegSet canonical) const {
    for (std::size_t slot = SlotOf(canonical, lost_.size());;
         slot = (slot + 1) & (lost_.size() - 1)) {
        if (lost_[slot] == canonical) {
            return true;
        }
        if (lost_[slot] == 0) {
            return false;
        }
    }
}

void WinSearch::RememberLost(PegSet canonical) {
    if (2 * (lostCount_ + 1) > lost_.size()) {
        std::vector<PegSet> old(2 * lost_.size(), 0);
        old.swap(lost_);
        lostCount_ = 0;
        for (PegSet kept : old) {
            if (kept != 0) {
                RememberLost(kept);
            }
        }
    }
    std::size_t slot = SlotOf(canonical, lost_.size());
    while (lost_[slot] != 0) {
        slot = (slot + 1) & (lost_.size() - 1);
    }
    lost_[slot] = canonical;
    ++lostCount_;
}

} // namespace tintineables
