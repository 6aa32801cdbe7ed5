#include "screens/design_data.h"
#include "tests/screen_harness.h"

#include <QKeySequence>

#include <gtest/gtest.h>

namespace tintineables::testing {
namespace {

using C = std::vector<SoundCue>;

Screen LoadedScreen(ScreenHarness& h) {
    Form* form = h.LoadedForm();
    EXPECT_NE(form, nullptr) << "not exactly one form loaded";
    return form ? form->WhichScreen() : Screen::Menu;
}

TEST(ScreenFlow, StartsOnTheMenuWithItsPresentationAlone) {
    ScreenHarness h;
    h.Start();
    EXPECT_EQ(LoadedScreen(h), Screen::Menu);
    EXPECT_EQ(h.Host().LoadedCount(), 1);
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Presentation});
}

struct FlowCase {
    std::vector<Qt::Key> path; // from the menu to the screen under test
    Screen from;
    Qt::Key key;
    Screen to;
    C cues;
};

TEST(ScreenFlow, EveryKeyOfEveryScreenLeavesExactlyOneFormLoaded) {
    const FlowCase cases[] = {
        {{}, Screen::Menu, Qt::Key_F1, Screen::Tutorial, {SoundCue::Tutorial}},
        {{}, Screen::Menu, Qt::Key_F2, Screen::Board, {SoundCue::Ball}},
        {{}, Screen::Menu, Qt::Key_F3, Screen::Credits, {SoundCue::Credits}},
        {{Qt::Key_F1}, Screen::Tutorial, Qt::Key_F1, Screen::Tutorial, {SoundCue::Tutorial}},
        {{Qt::Key_F1}, Screen::Tutorial, Qt::Key_F2, Screen::Board, {SoundCue::Ball}},
        {{Qt::Key_F1}, Screen::Tutorial, Qt::Key_F3, Screen::Credits, {SoundCue::Credits}},
        {{Qt::Key_F1}, Screen::Tutorial, Qt::Key_Escape, Screen::Menu, {SoundCue::Presentation}},
        {{Qt::Key_F3}, Screen::Credits, Qt::Key_F1, Screen::Tutorial, {SoundCue::Tutorial}},
        {{Qt::Key_F3}, Screen::Credits, Qt::Key_F2, Screen::Board, {SoundCue::Ball}},
        {{Qt::Key_F3}, Screen::Credits, Qt::Key_F3, Screen::Credits, {SoundCue::Credits}},
        {{Qt::Key_F3}, Screen::Credits, Qt::Key_Escape, Screen::Menu, {SoundCue::Presentation}},
        {{Qt::Key_F2}, Screen::Board, Qt::Key_F1, Screen::Board, {}},
        {{Qt::Key_F2}, Screen::Board, Qt::Key_F2, Screen::Board, {SoundCue::Restart}},
        {{Qt::Key_F2}, Screen::Board, Qt::Key_F3, Screen::Board, {}},
        {{Qt::Key_F2}, Screen::Board, Qt::Key_Escape, Screen::Menu, {SoundCue::Presentation}},
        // Keys that mean nothing to a screen.
        {{}, Screen::Menu, Qt::Key_A, Screen::Menu, {}},
        {{}, Screen::Menu, Qt::Key_Return, Screen::Menu, {}},
        {{}, Screen::Menu, Qt::Key_Left, Screen::Menu, {}},
        {{Qt::Key_F1}, Screen::Tutorial, Qt::Key_5, Screen::Tutorial, {}},
        {{Qt::Key_F3}, Screen::Credits, Qt::Key_Down, Screen::Credits, {}},
    };
    for (const FlowCase& c : cases) {
        ScreenHarness h;
        h.Start();
        for (Qt::Key key : c.path) {
            h.Press(key);
        }
        ASSERT_EQ(LoadedScreen(h), c.from);
        QWidget* windowBefore = h.LoadedForm()->Window();
        h.TakeCues();
        h.Press(c.key);
        const std::string what = DesignOf(c.from).formName + std::string(" key ") +
                                 QKeySequence(c.key).toString().toStdString();
        EXPECT_EQ(h.Host().LoadedCount(), 1) << what;
        EXPECT_EQ(LoadedScreen(h), c.to) << what;
        EXPECT_EQ(h.TakeCues(), c.cues) << what;
        // Replays and restarts keep the window; a switch loads the new screen afresh.
        EXPECT_EQ(h.LoadedForm()->Window() == windowBefore, c.from == c.to) << what;
        EXPECT_EQ(h.endStatus, -1) << what;
    }
}

TEST(ScreenFlow, EscapeOnTheMenuEndsTheProgramWithStatusZero) {
    ScreenHarness h;
    h.Start();
    h.Press(Qt::Key_F2);
    h.Press(Qt::Key_Escape);
    EXPECT_EQ(h.endStatus, -1);
    h.Press(Qt::Key_Escape);
    EXPECT_EQ(h.endStatus, 0);
    EXPECT_EQ(h.Host().LoadedCount(), 0);
    EXPECT_EQ(h.error, "");
}

TEST(ScreenFlow, ModifiersHeldChangeNoScreenKey) {
    ScreenHarness h;
    h.Start();
    h.Press(Qt::Key_F1, Qt::ControlModifier);
    EXPECT_EQ(LoadedScreen(h), Screen::Tutorial);
    h.Press(Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_EQ(LoadedScreen(h), Screen::Board);
    h.TakeCues();
    h.Press(Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Restart});
    h.Press(Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_EQ(LoadedScreen(h), Screen::Menu);
}

TEST(ScreenFlow, ClosingTheLastWindowThroughItsFrameEndsTheProgram) {
    ScreenHarness h;
    h.Start();
    h.Press(Qt::Key_F3);
    h.LoadedForm()->Window()->close();
    ProcessEvents();
    EXPECT_EQ(h.Host().LoadedCount(), 0);
    EXPECT_EQ(h.endStatus, 0);
}

} // namespace
} // namespace tintineables::testing
