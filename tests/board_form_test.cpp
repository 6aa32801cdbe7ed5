// The board's keys and focus as the game decides them, on a host of the test's own.
#include "board/invariant.h"
#include "tests/board_player.h"
#include "tests/game_harness.h"
#include "tests/heard_cues.h"
#include "tests/winning_jumps.h"

#include <gtest/gtest.h>

namespace tintineables::testing {
namespace {

using C = std::vector<SoundCue>;
constexpr std::int16_t Shift = 1;

class BoardForm : public ::testing::Test {
protected:
    void SetUp() override {
        h.Start();
        h.TakeCues();
        h.Press(Key::F2);
        ASSERT_EQ(h.FocusedName(), "Picture1");
        ASSERT_EQ(h.TakeCues(), C{SoundCue::Ball}); // the first hole announces itself
    }
    const GameState& State() { return h.TheGame().BoardState(); }
    TestHost h;
};

TEST_F(BoardForm, TabAndShiftTabCycleThroughTheHolesAndCommand9) {
    for (int hole = 2; hole <= 33; ++hole) {
        h.Press(Key::Tab);
        ASSERT_EQ(h.FocusedName(), "Picture" + std::to_string(hole));
    }
    EXPECT_EQ(h.TakeCues().size(), 32u); // every hole reached by Tab is announced
    h.Press(Key::Tab);
    EXPECT_EQ(h.FocusedName(), "Command9");
    EXPECT_EQ(h.TakeCues(), C{});
    h.Press(Key::Tab);
    EXPECT_EQ(h.FocusedName(), "Picture1");
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Ball});
    h.Press(Key::Tab, Shift);
    EXPECT_EQ(h.FocusedName(), "Command9");
    h.Press(Key::Tab, Shift);
    EXPECT_EQ(h.FocusedName(), "Picture33");
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Ball});
    EXPECT_EQ(State().CurX, 5);
    EXPECT_EQ(State().CurY, 7);
}

TEST_F(BoardForm, ArrowsMoveTheFocusAndAnnounceOrMeetTheEdge) {
    h.Press(Key::Up);
    EXPECT_EQ(h.FocusedName(), "Picture4");
    h.Press(Key::Left);
    EXPECT_EQ(h.FocusedName(), "Picture4");
    h.PressTimes(Key::Up, 2);
    EXPECT_EQ(h.FocusedName(), "Picture16");
    h.Press(Key::Right, Shift);
    EXPECT_EQ(h.FocusedName(), "Picture17");
    EXPECT_EQ(h.TakeCues(), (C{SoundCue::Ball, SoundCue::Edge, SoundCue::Ball, SoundCue::Ball,
                               SoundCue::Centre}));
}

TEST_F(BoardForm, F2KeepsTheFocusAndPlaysOnlyRestart) {
    h.Press(Key::Right);
    h.Press(Key::Space); // a peg in hand
    h.TakeCues();
    h.Press(Key::F2);
    EXPECT_EQ(h.FocusedName(), "Picture2");
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Restart});
    EXPECT_EQ(State().Holding, False);
    EXPECT_EQ(PegsOnHoles(State()), 32);
    h.Press(Key::Space); // the focused hole still counts as the current one
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Select});
}

TEST_F(BoardForm, F1AndF3DoNothing) {
    h.Press(Key::Space);
    h.TakeCues();
    h.Press(Key::F1);
    h.Press(Key::F3);
    EXPECT_EQ(h.TakeCues(), C{});
    EXPECT_EQ(h.LoadedScreen(), Screen::Board);
    EXPECT_EQ(State().Holding, True);
}

TEST_F(BoardForm, EscapeLeavesBeforeTheHoleSeesItAndANewBoardHoldsANewGame) {
    h.Press(Key::Space); // were the hole to see Escape, nothing would show it; a jump would
    h.PressTimes(Key::Up, 2);
    h.TakeCues();
    h.Press(Key::Escape);
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Presentation});
    EXPECT_FALSE(h.TheGame().Loaded(Screen::Board));
    EXPECT_EQ(h.error, "");
    h.Press(Key::F2);
    EXPECT_EQ(PegsOnHoles(State()), 32);
    EXPECT_EQ(State().Holding, False);
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Ball});
}

TEST_F(BoardForm, Command9PlaysCentreBallOnSpaceAndIgnoresEverythingElse) {
    h.Press(Key::Space); // peg in hand from Picture1
    h.TakeCues();
    h.PressTimes(Key::Tab, 33);
    ASSERT_EQ(h.FocusedName(), "Command9");
    h.TakeCues();
    for (KeyCode key : {Key::Left, Key::Up, Key::Right, Key::Down, Key::Control}) {
        h.Press(key);
        EXPECT_EQ(h.FocusedName(), "Command9");
    }
    EXPECT_EQ(h.TakeCues(), C{});
    h.Press(Key::Space);
    EXPECT_EQ(h.TakeCues(), C{SoundCue::CentreBall});
    EXPECT_EQ(State().Holding, True); // a peg in hand stays in hand
    h.Press(Key::Tab);
    h.Press(Key::Control); // back on Picture1: the drop is judged as usual
    EXPECT_EQ(h.TakeCues(), (C{SoundCue::Empty, SoundCue::Error}));
    EXPECT_EQ(State().Holding, False);
}

// Every action of the board, and every screen, heard as the file the game must open.
TEST_F(BoardForm, EveryActionIsHeardAsItsOwnFile) {
    const std::pair<KeyCode, const char*> steps[] = {
        {Key::Up, "bola.wav"},           // Picture4
        {Key::Left, "borde.wav"},        // (2, 2) is no hole
        {Key::Up, "bola.wav"},           // Picture9
        {Key::Up, "bola.wav"},           // Picture16
        {Key::Right, "central.wav"},     // the empty centre
        {Key::Left, "bola.wav"},         // Picture16
        {Key::Left, "bola.wav"},         // Picture15
        {Key::Space, "seleccion.wav"},   // a peg in hand
        {Key::Right, "bola.wav"},        // Picture16
        {Key::Right, "central.wav"},     // the centre, two holes on
        {Key::Control, "poner1.wav"},    // 15 over 16 into 17
        {Key::Left, "vacio.wav"},        // the jumped peg is gone
        {Key::Space, "error.wav"},       // nothing to pick up
        {Key::Right, "bolacentral.wav"}, // the centre holds the peg
        {Key::F2, "reiniciar.wav"},      // a new game
        {Key::Escape, "presentacion.wav"},
        {Key::F1, "tutorial.wav"},
        {Key::F3, "creditos.wav"},
    };
    for (const auto& [key, file] : steps) {
        h.Press(key);
        EXPECT_EQ(h.TakePlayedFiles(), std::vector<std::string>{file}) << "after key " << key;
    }
    // The applause is the winning jump's, heard at the end of the whole game below.
}

// Each button's Click plays its own cue, whoever calls it.
TEST_F(BoardForm, EachSoundButtonPlaysItsOwnFile) {
    for (const HeardCue& row : HeardCues) {
        if (row.button != 0) {
            h.TheGame().Click(Screen::Board, CommandControl(row.button));
            EXPECT_EQ(h.TakePlayedFiles(), std::vector<std::string>{std::string(row.file)})
                << "Command" << row.button;
        }
    }
}

TEST_F(BoardForm, CtrlAsTheFirstKeyIsRefused) {
    h.Press(Key::Control);
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Error});
    EXPECT_EQ(PegsOnHoles(State()), 32);
}

TEST_F(BoardForm, AWholeWinningGameByKeysAloneEndsInApplause) {
    int focus = 1;
    auto walkTo = [&](int target) {
        // Tab walks the holes in number order; Shift+Tab back.
        while (focus != target) {
            h.Press(Key::Tab, focus < target ? 0 : Shift);
            focus += focus < target ? 1 : -1;
        }
    };
    for (const auto& [from, to] : WinningJumps) {
        walkTo(from);
        h.Press(Key::Space);
        h.PressTimes(ArrowFromTo(from, to), 2);
        focus = to;
        ASSERT_EQ(h.FocusedName(), "Picture" + std::to_string(to));
        h.TakeCues();
        h.Press(Key::Control);
        const C heard = h.TakeCues();
        ASSERT_EQ(heard.size(), 1u);
        if (to == WinningJumps[30].second && from == WinningJumps[30].first) {
            EXPECT_EQ(heard[0], SoundCue::Applause);
        } else {
            ASSERT_EQ(heard[0], SoundCue::Place) << from << " -> " << to;
        }
    }
    EXPECT_EQ(PegsOnHoles(State()), 1);
    EXPECT_EQ(State().MoveCount, 31);
    EXPECT_EQ(CheckInvariant(State(), true), "");
}

// The texts the board shows come from the host's translation, each asked for by its Spanish
// original: the title, and the name a screen reader gives Command9 (its caption stays).
TEST(BoardFormTexts, TitleAndCommand9sNameAreTranslatedByTheHost) {
    TestHost h;
    h.translate = [](const char* text) { return std::string("<") + text + ">"; };
    h.Start();
    h.Press(Key::F2);
    const FormView* board = h.View(Screen::Board);
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->title, "<TABLERO>");
    ASSERT_EQ(board->controls.size(), 43u);
    const ControlView& command9 = board->controls[42];
    EXPECT_EQ(command9.name, "Command9");
    EXPECT_EQ(command9.caption, "Command9");
    EXPECT_EQ(command9.accessibleName, "<Sonido del centro con bola>");
    for (const ControlView& control : board->controls) {
        if (control.id != Command9Control) {
            EXPECT_EQ(control.accessibleName, "") << control.name;
        }
    }
}

} // namespace
} // namespace tintineables::testing
