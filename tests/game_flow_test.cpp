// The flow between the four screens, decided by the game itself, on a host of the test's own.
#include "game/design_data.h"
#include "sound/run_time_error.h"
#include "tests/game_harness.h"
#include "tests/recording_sound_player.h"

#include <gtest/gtest.h>

namespace tintineables::testing {
namespace {

using C = std::vector<SoundCue>;
constexpr std::int16_t Shift = 1;
constexpr std::int16_t Ctrl = 2;

TEST(ScreenFlow, StartsOnTheMenuWithItsPresentationAlone) {
    TestHost h;
    h.Start();
    EXPECT_EQ(h.LoadedScreen(), Screen::Menu);
    EXPECT_EQ(h.TheGame().LoadedCount(), 1);
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Presentation});
}

struct FlowCase {
    std::vector<KeyCode> path; // from the menu to the screen under test
    Screen from;
    KeyCode key;
    Screen to;
    C cues;
};

TEST(ScreenFlow, EveryKeyOfEveryScreenLeavesExactlyOneFormLoaded) {
    constexpr KeyCode F1 = Key::F1, F2 = Key::F2, F3 = Key::F3, Esc = Key::Escape;
    const FlowCase cases[] = {
        {{}, Screen::Menu, F1, Screen::Tutorial, {SoundCue::Tutorial}},
        {{}, Screen::Menu, F2, Screen::Board, {SoundCue::Ball}},
        {{}, Screen::Menu, F3, Screen::Credits, {SoundCue::Credits}},
        {{F1}, Screen::Tutorial, F1, Screen::Tutorial, {SoundCue::Tutorial}},
        {{F1}, Screen::Tutorial, F2, Screen::Board, {SoundCue::Ball}},
        {{F1}, Screen::Tutorial, F3, Screen::Credits, {SoundCue::Credits}},
        {{F1}, Screen::Tutorial, Esc, Screen::Menu, {SoundCue::Presentation}},
        {{F3}, Screen::Credits, F1, Screen::Tutorial, {SoundCue::Tutorial}},
        {{F3}, Screen::Credits, F2, Screen::Board, {SoundCue::Ball}},
        {{F3}, Screen::Credits, F3, Screen::Credits, {SoundCue::Credits}},
        {{F3}, Screen::Credits, Esc, Screen::Menu, {SoundCue::Presentation}},
        {{F2}, Screen::Board, F1, Screen::Board, {}},
        {{F2}, Screen::Board, F2, Screen::Board, {SoundCue::Restart}},
        {{F2}, Screen::Board, F3, Screen::Board, {}},
        {{F2}, Screen::Board, Esc, Screen::Menu, {SoundCue::Presentation}},
        // Keys that mean nothing to a screen.
        {{}, Screen::Menu, Key::A, Screen::Menu, {}},
        {{}, Screen::Menu, 13 /* Enter */, Screen::Menu, {}},
        {{}, Screen::Menu, Key::Left, Screen::Menu, {}},
        {{F1}, Screen::Tutorial, '5', Screen::Tutorial, {}},
        {{F3}, Screen::Credits, Key::Down, Screen::Credits, {}},
    };
    for (const FlowCase& c : cases) {
        TestHost h;
        h.Start();
        for (KeyCode key : c.path) {
            h.Press(key);
        }
        ASSERT_EQ(h.LoadedScreen(), c.from);
        const int windowBefore = h.WindowNumber(c.from);
        h.TakeCues();
        h.Press(c.key);
        const std::string what =
            DesignOf(c.from).formName + std::string(" key ") + std::to_string(c.key);
        EXPECT_EQ(h.TheGame().LoadedCount(), 1) << what;
        EXPECT_EQ(h.LoadedScreen(), c.to) << what;
        EXPECT_EQ(h.TakeCues(), c.cues) << what;
        // Replays and restarts keep the window; a switch loads the new screen afresh.
        EXPECT_EQ(h.WindowNumber(c.to) == windowBefore, c.from == c.to) << what;
        EXPECT_EQ(h.endStatus, -1) << what;
    }
}

TEST(ScreenFlow, EscapeOnTheMenuEndsTheProgramWithStatusZero) {
    TestHost h;
    h.Start();
    h.Press(Key::F2);
    h.Press(Key::Escape);
    EXPECT_EQ(h.endStatus, -1);
    h.Press(Key::Escape);
    EXPECT_EQ(h.endStatus, 0);
    EXPECT_EQ(h.TheGame().LoadedCount(), 0);
    EXPECT_EQ(h.error, "");
}

TEST(ScreenFlow, ModifiersHeldChangeNoScreenKey) {
    TestHost h;
    h.Start();
    h.Press(Key::F1, Ctrl);
    EXPECT_EQ(h.LoadedScreen(), Screen::Tutorial);
    h.Press(Key::F2, Shift);
    EXPECT_EQ(h.LoadedScreen(), Screen::Board);
    h.TakeCues();
    h.Press(Key::F2, Shift);
    EXPECT_EQ(h.TakeCues(), C{SoundCue::Restart});
    h.Press(Key::Escape, Shift);
    EXPECT_EQ(h.LoadedScreen(), Screen::Menu);
}

TEST(ScreenFlow, ClosingTheLastWindowThroughItsFrameEndsTheProgram) {
    TestHost h;
    h.Start();
    h.Press(Key::F3);
    h.TheGame().Close(Screen::Credits);
    EXPECT_EQ(h.TheGame().LoadedCount(), 0);
    EXPECT_EQ(h.endStatus, 0);
}

// What a host may leave to the platform: the game's keys never, the others always.
TEST(ScreenFlow, TheGameTakesItsOwnKeysOnEveryScreenAndNoOther) {
    TestHost h;
    h.Start();
    Game& game = h.TheGame();
    for (KeyCode key : {Key::Left, Key::Up, Key::Backspace, Key::Tab, Key::Space, Key::B,
                        KeyCode{33} /* Page Up */, KeyCode{34} /* Page Down */}) {
        EXPECT_EQ(game.KeyDown(Screen::Menu, key, 0, NoControl), KeyUse::Taken) << key;
    }
    for (KeyCode key : {KeyCode{13}, KeyCode{'X'}, KeyCode{116} /* F5 */, KeyCode{35}}) {
        EXPECT_EQ(game.KeyDown(Screen::Menu, key, 0, NoControl), KeyUse::NotTheGames) << key;
    }
    // Alt+F4 is the platform's: it closes the window, and opens no puzzle.
    EXPECT_EQ(game.KeyDown(Screen::Menu, Key::F4, 4, NoControl), KeyUse::NotTheGames);
    EXPECT_EQ(h.LoadedScreen(), Screen::Menu);
    h.Press(Key::F2);
    EXPECT_EQ(game.KeyDown(Screen::Board, Key::Space, 0, Command9Control), KeyUse::ForTheControl);
    EXPECT_EQ(game.KeyDown(Screen::Board, Key::Space, 0, PictureControl(1)), KeyUse::Taken);
    // A window the game has unloaded hears nothing, and keeps nothing for the platform.
    EXPECT_EQ(game.KeyDown(Screen::Credits, 'X', 0, NoControl), KeyUse::Taken);
}

// A run-time error in any event procedure is reported, every form is unloaded, and the program
// ends with status 1; no procedure runs after it.
TEST(ScreenFlow, ARunTimeErrorIsReportedAndEndsTheProgramWithStatusOne) {
    bool failNow = true;
    TestHost h(TestHost::Solver::AnswersAtOnce, [&] {
        return std::make_unique<RecordingSoundPlayer>(nullptr, [&](int id, std::string_view value) {
            if (failNow && id == DispatchId::Command && IsCommand(value, "play")) {
                throw RunTimeError("Sound player: cannot play");
            }
        });
    });
    h.Start(); // the menu's presentation fails at once
    EXPECT_EQ(h.endStatus, 1);
    EXPECT_NE(h.error.find("cannot play"), std::string::npos) << h.error;
    EXPECT_EQ(h.TheGame().LoadedCount(), 0);
    EXPECT_TRUE(h.TheGame().Ended());
    failNow = false;
    h.TheGame().Start();
    EXPECT_EQ(h.TheGame().LoadedCount(), 0) << "a procedure ran after the end";
}

} // namespace
} // namespace tintineables::testing
