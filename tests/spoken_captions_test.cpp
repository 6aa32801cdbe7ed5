// The spoken screens' captions as the game decides them: the sentence of the screen's recording
// being said, and the next one, following the player's position in the recording (in the
// recording's own seconds, so whatever the speech's pace), in the game's language and in the
// version for a player who started by touch; kept while anything else sounds or nothing does.
// The sentences and where they fall are the recordings' texts, written out.
#include "tests/game_harness.h"

#include <gtest/gtest.h>

namespace tintineables::testing {
namespace {

class SpokenCaptions : public ::testing::Test {
protected:
    // The screen's player `seconds` into what it sounds; the game's clock ticks.
    void HeardAt(std::optional<double> seconds) {
        h.heardSeconds = seconds;
        h.TheGame().Tick();
    }
    const FormLook& Shown(Screen screen) { return h.looks[screen]; }
    TestHost h;
};

TEST_F(SpokenCaptions, FollowThePresentationSentenceBySentence) {
    h.Start();
    const FormLook& menu = Shown(Screen::Menu);
    EXPECT_TRUE(menu.captioned);
    EXPECT_EQ(menu.caption, "Tintineables.");
    EXPECT_EQ(menu.nextCaption, "Solitario de treinta y dos bolas para jugar con el oído.");
    EXPECT_EQ(menu.status, "");
    HeardAt(2.5);
    EXPECT_EQ(menu.caption, "Solitario de treinta y dos bolas para jugar con el oído.");
    EXPECT_EQ(menu.nextCaption, "F1, tutorial.");
    HeardAt(5.5);
    EXPECT_EQ(menu.caption, "F1, tutorial.");
    EXPECT_EQ(menu.nextCaption, "F2, jugar.");
    const int shown = h.looksShown;
    HeardAt(5.9); // the same sentence: nothing new to show
    EXPECT_EQ(h.looksShown, shown);
    HeardAt(20.0);
    EXPECT_EQ(menu.caption, "En todas las pantallas, F8 repite; siete y ocho, voz más lenta o más "
                            "rápida; nueve y cero, más baja o más alta.");
    HeardAt(25.0);
    EXPECT_EQ(menu.caption,
              "En el tablero, F, C y V lo recorren con el oído, y S dice los saltos.");
    EXPECT_EQ(menu.nextCaption, "");
    // The recording over: its last sentence stays for a slower reader.
    HeardAt(std::nullopt);
    EXPECT_EQ(menu.caption,
              "En el tablero, F, C y V lo recorren con el oído, y S dice los saltos.");
}

TEST_F(SpokenCaptions, StayWhileAnAnswerSoundsAndGoOnWhereF8ResumesTheRecording) {
    h.Start();
    HeardAt(7.5);
    ASSERT_EQ(Shown(Screen::Menu).caption, "F2, jugar.");
    // 8: the speech faster, said on the screen's player, which cuts the presentation.
    h.Press(Key::Digit8);
    HeardAt(0.5); // half a second into the answer
    EXPECT_EQ(Shown(Screen::Menu).caption, "F2, jugar.");
    h.Press(Key::F8);
    HeardAt(9.0); // F8 took it up where it was cut, and on
    EXPECT_EQ(Shown(Screen::Menu).caption, "F3, créditos.");
}

TEST_F(SpokenCaptions, EveryScreenInTheGamesLanguageAndForTouch) {
    h.language = Language::English;
    h.Start();
    EXPECT_EQ(Shown(Screen::Menu).nextCaption,
              "Peg solitaire with thirty-two pegs, to play by ear.");
    HeardAt(5.0);
    EXPECT_EQ(Shown(Screen::Menu).caption, "F1, tutorial.");

    TestHost french;
    french.language = Language::French;
    french.Start();
    french.Press(Key::F1);
    french.heardSeconds = 6.0;
    french.TheGame().Tick();
    EXPECT_EQ(french.looks[Screen::Tutorial].caption,
              "Les deux lignes du haut et les deux du bas ont trois trous ; les trois lignes du "
              "milieu en ont sept.");

    TestHost touch;
    touch.TheGame().SetTouch(true);
    touch.Start();
    touch.heardSeconds = 5.0;
    touch.TheGame().Tick();
    EXPECT_EQ(touch.looks[Screen::Menu].caption,
              "Toca la parte de arriba de la pantalla para el tutorial, el centro para jugar, y "
              "la parte de abajo para los créditos.");

    TestHost credits;
    credits.Start();
    credits.Press(Key::F3);
    credits.heardSeconds = 19.0;
    credits.TheGame().Tick();
    EXPECT_EQ(credits.looks[Screen::Credits].caption, "Escape, volver al menú.");
    EXPECT_EQ(credits.looks[Screen::Credits].nextCaption, "");
}

TEST_F(SpokenCaptions, HiddenWithTheBoardsOnTheWayBackToTheMenu) {
    h.Start();
    h.Press(Key::F2);
    h.Press(Key::L); // the board's captions hidden: every screen's
    h.Press(Key::Escape);
    ASSERT_TRUE(h.LoadedScreen() == Screen::Menu);
    HeardAt(2.5);
    EXPECT_FALSE(Shown(Screen::Menu).captioned);
    EXPECT_EQ(Shown(Screen::Menu).caption, "");
    EXPECT_EQ(Shown(Screen::Menu).nextCaption, "");
}

} // namespace
} // namespace tintineables::testing
