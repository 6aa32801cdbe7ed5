// Play by touch as the game decides it: each gesture is the key the touch screens name, a slip
// of the finger is nothing, the board's holes carry their state and place as names for a phone's
// screen reader, and its double tap on a hole plays it; a game started by touch hears its screens
// name gestures.
#include "tests/game_harness.h"
#include "tests/winning_jumps.h"

#include <gtest/gtest.h>

namespace tintineables::testing {
namespace {

using Kind = TouchGesture::Kind;
using Way = TouchGesture::Way;
using Files = std::vector<std::string>;
using Told = std::vector<std::string>;

TouchGesture Swipe(Way way, int fingers = 1) { return {Kind::Swipe, fingers, 0, way, 0}; }
TouchGesture Tap(int fingers, int taps, int band = 1) {
    return {Kind::Tap, fingers, taps, Way::None, band};
}
TouchGesture Scrub() { return {Kind::Scrub, 2, 0, Way::None, 0}; }

class Touch : public ::testing::Test {
protected:
    void SetUp() override {
        h.TheGame().SetTouch(true);
        h.Start();
    }
    bool Do(const TouchGesture& gesture) {
        return h.TheGame().Gesture(*h.LoadedScreen(), gesture, h.Focused());
    }
    TestHost h;
};

// The screens: the touch recordings, the bands, the puzzles' page turn and the scrub back.
TEST_F(Touch, TheSpokenScreensNameGesturesAndAnswerTheBands) {
    EXPECT_EQ(h.TakePlayedFiles(), Files{"presentacion_tactil.wav"});
    EXPECT_TRUE(Do(Tap(1, 1, 0)));
    EXPECT_EQ(h.LoadedScreen(), Screen::Tutorial);
    EXPECT_EQ(h.TakePlayedFiles(), Files{"tutorial_tactil.wav"});
    EXPECT_TRUE(Do(Tap(1, 1, 2)));
    EXPECT_EQ(h.LoadedScreen(), Screen::Credits);
    EXPECT_EQ(h.TakePlayedFiles(), Files{"creditos_tactil.wav"});
    EXPECT_TRUE(Do(Tap(1, 1, 2))); // F3 on the credits: again
    EXPECT_EQ(h.TakePlayedFiles(), Files{"creditos_tactil.wav"});
    // Nothing a board's gesture means does anything here.
    for (const TouchGesture& slip : {Swipe(Way::Left), Tap(1, 2), Swipe(Way::Left, 2), Tap(2, 3)}) {
        EXPECT_FALSE(Do(slip));
    }
    EXPECT_TRUE(Do(Scrub()));
    EXPECT_EQ(h.LoadedScreen(), Screen::Menu);
    EXPECT_TRUE(Do(Swipe(Way::Left, 3))); // F4: the puzzles
    EXPECT_EQ(h.LoadedScreen(), Screen::Board);
    EXPECT_EQ(h.TheGame().BoardPuzzle(), 1);
    EXPECT_TRUE(Do(Scrub()));
    EXPECT_TRUE(Do(Tap(1, 1, 1)));
    EXPECT_EQ(h.TheGame().BoardPuzzle(), 0);
    EXPECT_TRUE(Do(Scrub()));
    EXPECT_TRUE(Do(Scrub())); // Escape on the menu: the end
    EXPECT_EQ(h.endStatus, 0);
}

// The board by gestures sounds exactly as by the keys they stand for, the double tap picking up
// or dropping by what is in hand; the slips between them sound nothing and change nothing.
TEST_F(Touch, GesturesOnTheBoardAreItsKeysAndSlipsAreNothing) {
    TestHost keys;
    keys.Start();
    keys.Press(Key::F2);
    keys.TakePlayedFiles();
    Do(Tap(1, 1, 1));
    h.TakePlayedFiles();
    const std::vector<std::pair<KeyCode, TouchGesture>> played = {
        {Key::Up, Swipe(Way::Up)},
        {Key::Up, Swipe(Way::Up)},
        {Key::Right, Swipe(Way::Right)},
        {Key::Space, Tap(1, 2)},
        {Key::Left, Swipe(Way::Left)},
        {Key::Left, Swipe(Way::Left)},
        {Key::Control, Tap(1, 2)},
        {Key::B, Swipe(Way::Up, 2)},
        {Key::P, Tap(3, 1)},
        {Key::G, Swipe(Way::Down, 2)},
        {Key::A, Swipe(Way::Right, 2)},
        {Key::V, Swipe(Way::Up, 3)},
        {Key::F, Swipe(Way::Right, 4)},
        {Key::C, Swipe(Way::Up, 4)},
        {Key::S, Tap(4, 1)},
        {Key::S, Tap(4, 2)},
        {Key::Space, Tap(1, 2)},
        {Key::Control, Tap(1, 2)},
        {Key::Backspace, Swipe(Way::Left, 2)},
        {Key::Down, Swipe(Way::Down)},
        {Key::Backspace, Swipe(Way::Left, 2)},
        {Key::F2, Tap(2, 3)},
    };
    const std::vector<TouchGesture> slips = {Tap(1, 1), Tap(1, 3), Tap(2, 1),
                                             Tap(2, 2), Tap(3, 2), Swipe(Way::Down, 4)};
    for (const auto& [key, gesture] : played) {
        // A four-finger double tap is Shift+S, the whole board's jumps, a key no other gesture
        // has: pressed with Shift here.
        const bool boardsJumps = gesture.fingers == 4 && gesture.taps == 2;
        keys.Press(key, boardsJumps ? 1 : 0);
        EXPECT_TRUE(Do(gesture)) << key;
        EXPECT_EQ(h.TakePlayedFiles(), keys.TakePlayedFiles()) << "after key " << key;
        EXPECT_EQ(h.Focused(), keys.Focused()) << "after key " << key;
        for (const TouchGesture& slip : slips) {
            EXPECT_FALSE(Do(slip));
        }
        EXPECT_EQ(h.TakePlayedFiles(), Files{}) << "a slip after key " << key;
        for (int hole = 1; hole <= 33; ++hole) {
            const Hole& at = HoleByNumber(hole);
            ASSERT_EQ(h.TheGame().BoardState().Board.At(at.x, at.y),
                      keys.TheGame().BoardState().Board.At(at.x, at.y))
                << "hole " << hole << " after key " << key;
        }
    }
    EXPECT_TRUE(Do(Scrub()));
    EXPECT_EQ(h.LoadedScreen(), Screen::Menu);
}

// A phone's screen reader: every hole named by its state and place from the start and after
// every jump; its double tap on a hole moves the cursor there and plays it, and a whole game is
// won so.
TEST_F(Touch, HolesCarryTheirNamesAndTheScreenReadersDoubleTapWinsAGame) {
    Do(Tap(1, 1, 1));
    h.TakeTold();
    h.TakePlayedFiles();
    EXPECT_EQ(h.NameOf(PictureControl(1)), "bola, fila 1, columna 3");
    EXPECT_EQ(h.NameOf(PictureControl(14)), "bola, fila 4, columna 1");
    EXPECT_EQ(h.NameOf(PictureControl(17)), "centro, vacío");
    EXPECT_EQ(h.NameOf(PictureControl(33)), "bola, fila 7, columna 5");
    int named = 0;
    for (int hole = 1; hole <= 33; ++hole) {
        named += h.NameOf(PictureControl(hole)).empty() ? 0 : 1;
    }
    EXPECT_EQ(named, 33);

    // The first jump, from column 2 over column 3 into the centre: the reader moves the focus, then
    // activates; then activates the centre without moving there first (TalkBack's way).
    h.SetFocus(Screen::Board, PictureControl(15));
    EXPECT_EQ(h.TakeTold(), Told{"bola, fila 4, columna 2"}); // read as the focus arrives
    EXPECT_EQ(h.TakePlayedFiles(), Files{"bola.wav"});
    h.TheGame().Activate(Screen::Board, PictureControl(15), h.Focused());
    EXPECT_EQ(h.TakePlayedFiles(), Files{"seleccion.wav"});
    EXPECT_EQ(h.NameOf(PictureControl(15)), "vacío, fila 4, columna 2");
    h.TheGame().Activate(Screen::Board, PictureControl(17), h.Focused());
    EXPECT_EQ(h.FocusedName(), "Picture17");
    EXPECT_EQ(h.TakePlayedFiles(), (Files{"central.wav", "poner1.wav"}));
    EXPECT_EQ(h.NameOf(PictureControl(16)), "vacío, fila 4, columna 3");
    EXPECT_EQ(h.NameOf(PictureControl(17)), "centro, bola");

    for (std::size_t jump = 1; jump < WinningJumps.size(); ++jump) {
        h.TheGame().Activate(Screen::Board, PictureControl(WinningJumps[jump].first), h.Focused());
        h.TheGame().Activate(Screen::Board, PictureControl(WinningJumps[jump].second), h.Focused());
    }
    EXPECT_EQ(h.TakePlayedFiles().back(), "aplauso.wav");
    EXPECT_EQ(h.NameOf(PictureControl(17)), "centro, bola");
    EXPECT_EQ(h.NameOf(PictureControl(1)), "vacío, fila 1, columna 3");
    // Command9 activated is pressed.
    h.TheGame().Activate(Screen::Board, Command9Control, h.Focused());
    EXPECT_EQ(h.TakePlayedFiles(), Files{"bolacentral.wav"});
}

// Started by a key, the game is as it always was: its screens name keys, its holes no names.
TEST(TouchOff, AGameStartedByAKeyNamesKeysAndLeavesHolesUnnamed) {
    TestHost h;
    h.Start();
    EXPECT_EQ(h.TakePlayedFiles(), Files{"presentacion.wav"});
    h.Press(Key::F2);
    EXPECT_EQ(h.NameOf(PictureControl(1)), "");
    EXPECT_EQ(h.TakeTold(), Told{});
}

} // namespace
} // namespace tintineables::testing
