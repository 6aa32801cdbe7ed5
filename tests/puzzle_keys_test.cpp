// The puzzles on the board as the game decides them, heard as the files it opens (words joined
// by '+'): F4 opens them, each says its name after the first arrival, Page Down and Page Up go
// from one to the next, F2 starts the same one again, and its win is applauded.
#include "tests/game_harness.h"

#include <gtest/gtest.h>

namespace tintineables::testing {
namespace {

using Files = std::vector<std::string>;

class PuzzleKeys : public ::testing::Test {
protected:
    void SetUp() override { h.Start(); }
    Files Heard(KeyCode key) {
        h.Press(key);
        return h.TakePlayedFiles();
    }
    const GameState& State() { return h.TheGame().BoardState(); }
    int Pegs() {
        int pegs = 0;
        for (int x = 1; x <= 7; ++x) {
            for (int y = 1; y <= 7; ++y) {
                pegs += ((x >= 3 && x <= 5) || (y >= 3 && y <= 5)) && State().Board.At(x, y) == Peg;
            }
        }
        return pegs;
    }
    std::string FirstHole() { return State().Board.At(3, 1) == Peg ? "bola.wav" : "vacio.wav"; }
    TestHost h;
};

TEST_F(PuzzleKeys, F4OpensThePuzzlesAndPageKeysGoFromOneToTheNext) {
    h.TakePlayedFiles();
    const Files opened = Heard(Key::F4);
    ASSERT_EQ(h.LoadedScreen(), Screen::Board);
    EXPECT_EQ(h.FocusedName(), "Picture1");
    EXPECT_EQ(Pegs(), 2);
    EXPECT_EQ(opened, Files{FirstHole() + "+voz_2.wav+voz_reto_bolas.wav"});
    EXPECT_EQ(Heard(Key::PageUp), Files{"error.wav"}); // none before the first
    EXPECT_EQ(Pegs(), 2);

    h.Press(Key::Up); // the cursor away from the first hole: the next puzzle brings it back
    h.TakePlayedFiles();
    EXPECT_EQ(Heard(Key::PageDown), Files{FirstHole() + "+voz_3.wav+voz_reto_bolas.wav"});
    EXPECT_EQ(h.FocusedName(), "Picture1");
    EXPECT_EQ(Pegs(), 3);
    h.PressTimes(Key::PageDown, 2);
    h.TakePlayedFiles();
    // The fifth is the Cross: (4,3), (4,4), (3,5), (4,5), (5,5), (4,6); the first hole is empty.
    EXPECT_EQ(Heard(Key::PageDown), Files{"vacio.wav+voz_cruz.wav"});
    EXPECT_EQ(Pegs(), 6);
    EXPECT_EQ(State().MoveCount, 27); // pegs + MoveCount make 33, as in the game

    // F2 starts the same puzzle again and says it; the cursor stays where it is.
    h.PressTimes(Key::Up, 3); // (3,4)
    h.Press(Key::Right);      // the centre, with a peg
    h.Press(Key::Space);
    h.TakePlayedFiles();
    EXPECT_EQ(Heard(Key::F2), Files{"reiniciar.wav+voz_cruz.wav"});
    EXPECT_EQ(h.FocusedName(), "Picture17");
    EXPECT_EQ(State().Holding, 0);
    EXPECT_EQ(State().Board.At(4, 4), Peg);
    EXPECT_EQ(Pegs(), 6);

    // Leaving and coming back by F4 finds the puzzle the player was on; F2 on the menu the game.
    h.Press(Key::Escape);
    h.TakePlayedFiles();
    EXPECT_EQ(Heard(Key::F4), Files{"vacio.wav+voz_cruz.wav"});
    h.Press(Key::Escape);
    h.Press(Key::F2);
    EXPECT_EQ(Pegs(), 32);
    h.TakePlayedFiles();
    EXPECT_EQ(Heard(Key::PageDown), Files{}); // the game has no next puzzle
    EXPECT_EQ(Pegs(), 32);
    EXPECT_EQ(State().MoveCount, 1);
}

TEST_F(PuzzleKeys, TheCrossIsWonByKeysAndItsLastJumpIsApplauded) {
    h.Press(Key::F4);
    h.PressTimes(Key::PageDown, 4);
    h.TakePlayedFiles();
    // (4,5) over (3,5) to (2,5); (4,3) over the centre to (4,5); (5,5) over (4,5) to (3,5);
    // (2,5) over (3,5) to (4,5); (4,6) over (4,5) into the centre.
    const std::vector<std::vector<KeyCode>> jumps = {
        {Key::Up, Key::Up, Key::Up, Key::Up, Key::Right, Key::Space, Key::Left, Key::Left},
        {Key::Down, Key::Down, Key::Right, Key::Right, Key::Space, Key::Up, Key::Up},
        {Key::Right, Key::Space, Key::Left, Key::Left},
        {Key::Left, Key::Space, Key::Right, Key::Right},
        {Key::Up, Key::Space, Key::Down, Key::Down}};
    for (std::size_t jump = 0; jump < jumps.size(); ++jump) {
        for (KeyCode key : jumps[jump]) {
            h.Press(key);
        }
        h.TakePlayedFiles();
        EXPECT_EQ(Heard(Key::G), Files{"voz_puedes_ganar.wav"}) << jump;
        EXPECT_EQ(Heard(Key::Control),
                  Files{jump + 1 == jumps.size() ? "aplauso.wav" : "poner1.wav"})
            << jump;
    }
    EXPECT_EQ(Heard(Key::B), Files{"voz_queda.wav+voz_1.wav+voz_bola.wav"});
    EXPECT_EQ(Heard(Key::G), Files{"voz_has_ganado.wav"});
    // Taken back, the win can be played again.
    EXPECT_EQ(Heard(Key::Backspace), Files{"bola.wav"});
    EXPECT_EQ(h.FocusedName(), "Picture29"); // (4,6)
}

} // namespace
} // namespace tintineables::testing
