#include "board/invariant.h"
#include "tests/board_player.h"
#include "tests/heard_cues.h"
#include "tests/screen_harness.h"
#include "tests/winning_jumps.h"

#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace tintineables::testing {
namespace {

using C = std::vector<SoundCue>;

class BoardKeys : public ::testing::Test {
protected:
    void SetUp() override {
        h.Start();
        h.TakeCues();
        h.Press(Qt::Key_F2);
        ASSERT_EQ(h.FocusedName(), "Picture1");
        ASSERT_EQ(h.TakeCues(), C{SoundCue::Ball}); // the first hole announces itself
    }
    ScreenHarness h;
};

TEST_F(BoardKeys, TabAndShiftTabCycleThroughTheHolesAndCommand9) {
    for (int hole = 2; hole <= 33; ++hole) {
        h.Press(Qt::Key_Tab);
        ASSERT_EQ(h.FocusedName(), "Picture" + std::to_string(hole));
    }
    EXPECT_EQ(h.TakeCues().size(), 32u); // every hole reached by Tab is announced
    h.Press(Qt::Key_Tab);
    EXPECT_EQ(h.FocusedName(), "Command9");
    EXPECT_EQ(h.TakeCues(), C{});
    h.Press(Qt::Key_Tab);
    EXPECT_EQ(h.FocusedName(), "Picture1");
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Ball});
    h.Press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(h.FocusedName(), "Command9");
    h.Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(h.FocusedName(), "Picture33");
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Ball});
    EXPECT_EQ(h.Board().State().CurX, 5);
    EXPECT_EQ(h.Board().State().CurY, 7);
}

TEST_F(BoardKeys, ArrowsMoveTheFocusAndAnnounceOrMeetTheEdge) {
    h.Press(Qt::Key_Up);
    EXPECT_EQ(h.FocusedName(), "Picture4");
    h.Press(Qt::Key_Left);
    EXPECT_EQ(h.FocusedName(), "Picture4");
    h.PressTimes(Qt::Key_Up, 2);
    EXPECT_EQ(h.FocusedName(), "Picture16");
    h.Press(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(h.FocusedName(), "Picture17");
    EXPECT_EQ(h.TakeCues(), (C{SoundCue::Ball, SoundCue::Edge, SoundCue::Ball, SoundCue::Ball,
                               SoundCue::Centre}));
}

TEST_F(BoardKeys, F2KeepsTheFocusAndPlaysOnlyRestart) {
    h.Press(Qt::Key_Right);
    h.Press(Qt::Key_Space); // a peg in hand
    h.TakeCues();
    h.Press(Qt::Key_F2);
    EXPECT_EQ(h.FocusedName(), "Picture2");
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Restart});
    EXPECT_EQ(h.Board().State().Holding, False);
    EXPECT_EQ(PegsOnHoles(h.Board().State()), 32);
    h.Press(Qt::Key_Space); // the focused hole still counts as the current one
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Select});
}

TEST_F(BoardKeys, F1AndF3DoNothing) {
    h.Press(Qt::Key_Space);
    h.TakeCues();
    h.Press(Qt::Key_F1);
    h.Press(Qt::Key_F3);
    EXPECT_EQ(h.TakeCues(), C{});
    EXPECT_EQ(h.LoadedForm()->WhichScreen(), Screen::Board);
    EXPECT_EQ(h.Board().State().Holding, True);
}

TEST_F(BoardKeys, EscapeUnloadsTheBoardBeforeTheHoleSeesIt) {
    QPointer<QWidget> board = h.Board().Window();
    QPointer<QWidget> hole = h.Board().Picture(1);
    h.Press(Qt::Key_Escape);
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Presentation});
    EXPECT_FALSE(h.Board().Loaded());
    EXPECT_TRUE(board.isNull()) << "the board was hidden, not destroyed";
    EXPECT_TRUE(hole.isNull());
    EXPECT_EQ(h.error, "");
    h.Press(Qt::Key_F2); // a new board holds a new game
    EXPECT_EQ(PegsOnHoles(h.Board().State()), 32);
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Ball});
}

TEST_F(BoardKeys, Command9PlaysCentreBallOnSpaceAndIgnoresEverythingElse) {
    h.Press(Qt::Key_Space); // peg in hand from Picture1
    h.TakeCues();
    h.PressTimes(Qt::Key_Tab, 33);
    ASSERT_EQ(h.FocusedName(), "Command9");
    h.TakeCues();
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Control}) {
        h.Press(key);
        EXPECT_EQ(h.FocusedName(), "Command9");
    }
    EXPECT_EQ(h.TakeCues(), C{});
    h.Press(Qt::Key_Space);
    EXPECT_EQ(h.TakeCues(), C{SoundCue::CentreBall});
    EXPECT_EQ(h.Board().State().Holding, True); // a peg in hand stays in hand
    h.Press(Qt::Key_Tab);
    h.Press(Qt::Key_Control); // back on Picture1: the drop is judged as usual
    EXPECT_EQ(h.TakeCues(), (C{SoundCue::Empty, SoundCue::Error}));
    EXPECT_EQ(h.Board().State().Holding, False);
}

// Every action of the board, and every screen, heard as the file the game must open.
TEST_F(BoardKeys, EveryActionIsHeardAsItsOwnFile) {
    const std::pair<Qt::Key, const char*> steps[] = {
        {Qt::Key_Up, "bola.wav"},           // Picture4
        {Qt::Key_Left, "borde.wav"},        // (2, 2) is no hole
        {Qt::Key_Up, "bola.wav"},           // Picture9
        {Qt::Key_Up, "bola.wav"},           // Picture16
        {Qt::Key_Right, "central.wav"},     // the empty centre
        {Qt::Key_Left, "bola.wav"},         // Picture16
        {Qt::Key_Left, "bola.wav"},         // Picture15
        {Qt::Key_Space, "seleccion.wav"},   // a peg in hand
        {Qt::Key_Right, "bola.wav"},        // Picture16
        {Qt::Key_Right, "central.wav"},     // the centre, two holes on
        {Qt::Key_Control, "poner1.wav"},    // 15 over 16 into 17
        {Qt::Key_Left, "vacio.wav"},        // the jumped peg is gone
        {Qt::Key_Space, "error.wav"},       // nothing to pick up
        {Qt::Key_Right, "bolacentral.wav"}, // the centre holds the peg
        {Qt::Key_F2, "reiniciar.wav"},      // a new game
        {Qt::Key_Escape, "presentacion.wav"},
        {Qt::Key_F1, "tutorial.wav"},
        {Qt::Key_F3, "creditos.wav"},
    };
    for (const auto& [key, file] : steps) {
        h.Press(key);
        EXPECT_EQ(h.TakePlayedFiles(), std::vector<std::string>{file})
            << "after key " << std::hex << key;
    }
    // The applause is the winning jump's, heard at the end of the whole game below.
}

// Each button's Click plays its own cue, whoever calls it.
TEST_F(BoardKeys, EachSoundButtonPlaysItsOwnFile) {
    for (const HeardCue& row : HeardCues) {
        if (row.button != 0) {
            h.Board().Command_Click(row.button);
            EXPECT_EQ(h.TakePlayedFiles(), std::vector<std::string>{std::string(row.file)})
                << "Command" << row.button;
        }
    }
}

// A held arrow: every auto-repeated key-down moves one more hole, and at the border every
// repeat meets the edge again.
TEST_F(BoardKeys, AHeldArrowMovesOnEveryRepeatAndMeetsTheEdgeEachTime) {
    h.PressHeld(Qt::Key_Right, 4); // Picture2, Picture3, then the edge three times
    EXPECT_EQ(h.FocusedName(), "Picture3");
    EXPECT_EQ(h.TakeCues(),
              (C{SoundCue::Ball, SoundCue::Ball, SoundCue::Edge, SoundCue::Edge, SoundCue::Edge}));
    h.PressHeld(Qt::Key_Up, 6, Qt::ShiftModifier); // up column 5 to its top, then the edge
    EXPECT_EQ(h.FocusedName(), "Picture33");
    EXPECT_EQ(h.TakeCues(), (C{SoundCue::Ball, SoundCue::Ball, SoundCue::Ball, SoundCue::Ball,
                               SoundCue::Ball, SoundCue::Ball, SoundCue::Edge}));
}

// Another program takes the window's activation and gives it back: the focus never moved in
// the game, so no hole announces itself and nothing playing is cut.
TEST_F(BoardKeys, LeavingTheWindowAndComingBackPlaysNothing) {
    h.Press(Qt::Key_Right);
    h.TakeCues();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QWidget* board = h.Board().Window();
    board->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(board));
    ProcessEvents();
    EXPECT_EQ(h.FocusedName(), "Picture2");
    EXPECT_EQ(h.TakeCues(), C{});
    h.Press(Qt::Key_Right); // and the game goes on as before
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Ball});
}

TEST_F(BoardKeys, CtrlAsTheFirstKeyIsRefused) {
    h.Press(Qt::Key_Control);
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Error});
    EXPECT_EQ(PegsOnHoles(h.Board().State()), 32);
}

TEST_F(BoardKeys, AWholeWinningGameByKeysAloneEndsInApplause) {
    int focus = 1;
    auto walkTo = [&](int target) {
        // Tab walks the holes in number order; Shift+Tab back.
        while (focus != target) {
            h.Press(Qt::Key_Tab, focus < target ? Qt::NoModifier : Qt::ShiftModifier);
            focus += focus < target ? 1 : -1;
        }
    };
    for (const auto& [from, to] : WinningJumps) {
        walkTo(from);
        h.Press(Qt::Key_Space);
        // Qt's arrow keys run Left, Up, Right, Down as the virtual-key codes do.
        const auto arrow = static_cast<Qt::Key>(Qt::Key_Left + (ArrowFromTo(from, to) - Key::Left));
        h.PressTimes(arrow, 2);
        focus = to;
        ASSERT_EQ(h.FocusedName(), "Picture" + std::to_string(to));
        h.TakeCues();
        h.Press(Qt::Key_Control);
        const C heard = h.TakeCues();
        ASSERT_EQ(heard.size(), 1u);
        if (to == WinningJumps[30].second && from == WinningJumps[30].first) {
            EXPECT_EQ(heard[0], SoundCue::Applause);
        } else {
            ASSERT_EQ(heard[0], SoundCue::Place) << from << " -> " << to;
        }
    }
    EXPECT_EQ(PegsOnHoles(h.Board().State()), 1);
    EXPECT_EQ(h.Board().State().MoveCount, 31);
    EXPECT_EQ(CheckInvariant(h.Board().State(), true), "");
}

} // namespace
} // namespace tintineables::testing
