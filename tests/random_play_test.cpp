#include "board/hole_table.h"
#include "board/invariant.h"
#include "sound/run_time_error.h"
#include "tests/board_player.h"

#include <gtest/gtest.h>

#include <random>

namespace tintineables::testing {
namespace {

// Long random sessions of focus moves, Tab, Space, Ctrl and new games: no key ever indexes off
// the grid, and the peg count stays whole between any two keys.
TEST(RandomPlay, KeepsTheInvariantOverLongSequences) {
    const KeyCode keys[] = {Key::Left,  Key::Up,      Key::Right, Key::Down,
                            Key::Space, Key::Control, Key::Space, Key::Control};
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        BoardPlayer p;
        int jumps = 0;
        for (int i = 0; i < 20000; ++i) {
            const unsigned roll = random() % 1000;
            if (roll == 0) {
                p.NewGameWithRestart();
            } else if (roll < 30) {
                p.Focus(static_cast<int>(random() % HoleCount) + 1); // Tab or a fresh show
            } else if (roll < 300) {
                // A jump attempt as a player makes it: Space, the same arrow twice, Ctrl.
                const KeyCode arrow = keys[random() % 4];
                for (KeyCode key : {Key::Space, arrow, arrow, Key::Control}) {
                    ASSERT_NO_THROW(p.Press(key));
                    ASSERT_EQ(CheckInvariant(p.state, p.won), "") << "seed " << seed;
                }
            } else {
                ASSERT_NO_THROW(p.Press(keys[random() % std::size(keys)]));
            }
            jumps += p.LastCue() == SoundCue::Place && i > 0;
            const std::string broken = CheckInvariant(p.state, p.won);
            ASSERT_EQ(broken, "") << "seed " << seed << " key " << i;
            ASSERT_GE(p.state.MoveCount, 1);
            ASSERT_LE(p.state.MoveCount, 32);
        }
        EXPECT_GT(jumps, 20) << "seed " << seed << ": the walk hardly ever jumps";
    }
}

} // namespace
} // namespace tintineables::testing
