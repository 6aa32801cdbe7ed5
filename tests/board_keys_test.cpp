// The board on the desktop host, through real Qt key events: what the window system adds to the
// game's own decisions (tested without Qt in board_form_test.cpp) is Qt's focus, auto-repeat,
// the button Qt presses, windows that are destroyed, and the solver's own thread.
#include "board/invariant.h"
#include "tests/screen_harness.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace tintineables::testing {
namespace {

using C = std::vector<SoundCue>;
using Files = std::vector<std::string>;

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

// Tab goes where the game sends it, and Qt's own focus chain moves nothing more: Shift+Tab
// comes as Backtab, with or without Shift held.
TEST_F(BoardKeys, TabAndBacktabMoveQtsFocusWhereTheGameSendsIt) {
    h.Press(Qt::Key_Tab);
    EXPECT_EQ(h.FocusedName(), "Picture2");
    h.Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(h.FocusedName(), "Picture1");
    h.Press(Qt::Key_Backtab);
    EXPECT_EQ(h.FocusedName(), "Command9");
    h.Press(Qt::Key_Tab);
    EXPECT_EQ(h.FocusedName(), "Picture1");
    EXPECT_EQ(h.TakeCues(), (C{SoundCue::Ball, SoundCue::Ball, SoundCue::Ball}));
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

TEST_F(BoardKeys, EscapeDestroysTheBoardsWindowAndHoles) {
    QPointer<QWidget> board = h.LoadedWindow();
    QPointer<QWidget> hole = h.Picture(1);
    h.Press(Qt::Key_Escape);
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Presentation});
    EXPECT_TRUE(board.isNull()) << "the board was hidden, not destroyed";
    EXPECT_TRUE(hole.isNull());
    EXPECT_EQ(h.error, "");
}

// Space on Command9 is pressed by Qt, on the key's release, and plays its cue; the arrows move
// no focus between buttons.
TEST_F(BoardKeys, QtPressesCommand9OnSpaceAndNothingElse) {
    h.Press(Qt::Key_Backtab);
    ASSERT_EQ(h.FocusedName(), "Command9");
    h.TakeCues();
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return}) {
        h.Press(key);
        EXPECT_EQ(h.FocusedName(), "Command9");
    }
    EXPECT_EQ(h.TakeCues(), C{});
    h.Press(Qt::Key_Space);
    EXPECT_EQ(h.TakeCues(), C{SoundCue::CentreBall});
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
    QWidget* board = h.LoadedWindow();
    board->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(board));
    ProcessEvents();
    EXPECT_EQ(h.FocusedName(), "Picture2");
    EXPECT_EQ(h.TakeCues(), C{});
    h.Press(Qt::Key_Right); // and the game goes on as before
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Ball});
}

// The solver works on a thread of its own and its answer comes back on a later turn of Qt's
// event loop: said when it comes, dropped when F2 or Escape came first, even when the thread has
// sent it already. (The keys go straight to the window: QTest's run the event loop.)
TEST_F(BoardKeys, TheSolversThreadAnswersOnQtsThreadUnlessOvertaken) {
    h.Press(Qt::Key_G);
    EXPECT_TRUE(h.WaitForSound()) << "no answer";
    EXPECT_EQ(h.TakePlayedFiles(), Files{"voz_puedes_ganar.wav"});
    QWindow* window = h.LoadedWindow()->windowHandle();
    auto press = [&](Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &event);
    };
    press(Qt::Key_A);
    std::this_thread::sleep_for(std::chrono::milliseconds(50)); // the answer is on its way
    press(Qt::Key_F2);
    QTest::qWait(300);
    EXPECT_EQ(h.TakePlayedFiles(), Files{"reiniciar.wav"});
    EXPECT_EQ(h.FocusedName(), "Picture1");
    press(Qt::Key_G);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    press(Qt::Key_Escape);
    QTest::qWait(300);
    EXPECT_EQ(h.TakePlayedFiles(), Files{"presentacion.wav"});
    EXPECT_EQ(h.error, "");
}

// Every text a screen reader can find in a window, the window's accessible tree walked whole.
std::vector<QString> AccessibleTexts(QWidget* window) {
    std::vector<QString> texts;
    std::vector<QAccessibleInterface*> waiting{QAccessible::queryAccessibleInterface(window)};
    while (!waiting.empty()) {
        QAccessibleInterface* node = waiting.back();
        waiting.pop_back();
        for (QAccessible::Text kind :
             {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help}) {
            texts.push_back(node->text(kind));
        }
        for (int i = 0; i < node->childCount(); ++i) {
            waiting.push_back(node->child(i));
        }
    }
    return texts;
}

bool Holds(const std::vector<QString>& texts, const QString& words) {
    return std::any_of(texts.begin(), texts.end(),
                       [&](const QString& text) { return text.contains(words); });
}

// The captions are drawn, never read: no screen reader finds them out of the text mode, where
// the same words reach it once, as the mode's; the band under the cross shows them.
TEST_F(BoardKeys, TheCaptionsAreSeenAndNotReadOutOfTheTextMode) {
    h.Press(Qt::Key_B);
    QWidget* window = h.LoadedWindow();
    const QImage shown = window->grab().toImage();
    const QRect band(0, window->width(), window->width(), window->height() - window->width());
    int status = 0; // the status line's yellow and the caption's white, in the band
    int caption = 0;
    for (int y = band.top(); y <= band.bottom(); ++y) {
        for (int x = band.left(); x <= band.right(); ++x) {
            status += shown.pixelColor(x, y) == QColor(0xFF, 0xD0, 0x00) ? 1 : 0;
            caption += shown.pixelColor(x, y) == QColor(Qt::white) ? 1 : 0;
        }
    }
    EXPECT_GT(status, 200);
    EXPECT_GT(caption, 200);
    std::vector<QString> texts = AccessibleTexts(window);
    EXPECT_FALSE(Holds(texts, QStringLiteral("quedan 32 bolas")));
    EXPECT_FALSE(Holds(texts, QStringLiteral("bolas: 32")));
    // In the text mode the answer is the mode's, found; the status line still nowhere.
    h.Press(Qt::Key_T);
    h.Press(Qt::Key_B);
    texts = AccessibleTexts(window);
    EXPECT_TRUE(Holds(texts, QStringLiteral("quedan 32 bolas")));
    EXPECT_FALSE(Holds(texts, QStringLiteral("bolas: 32")));
}

// Clicks on the holes: Qt's own focus stays out of it (a hole takes the focus from the game
// alone), so the first click arrives and the second picks up; the right button takes back.
TEST_F(BoardKeys, ClicksOnTheHolesPlayAsTheGameDecides) {
    QTest::mouseClick(h.Picture(5), Qt::LeftButton);
    EXPECT_EQ(h.FocusedName(), "Picture5");
    QTest::mouseClick(h.Picture(5), Qt::LeftButton);
    QTest::mouseClick(h.Picture(CentreHole), Qt::LeftButton);
    QTest::mouseClick(h.Picture(CentreHole), Qt::LeftButton);
    EXPECT_EQ(h.TakeCues(),
              (C{SoundCue::Ball, SoundCue::Select, SoundCue::Centre, SoundCue::Place}));
    EXPECT_EQ(h.BoardState().JumpsMade, 1);
    QTest::mouseClick(h.LoadedWindow(), Qt::RightButton, {}, QPoint(4, 4));
    EXPECT_EQ(h.BoardState().JumpsMade, 0);
    EXPECT_EQ(h.FocusedName(), "Picture5");
}

} // namespace
} // namespace tintineables::testing
