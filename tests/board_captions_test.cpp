// The board's captions and status line as the game decides them, and play by mouse: the last
// words the board said, shown whether or not the text mode is on, the same words the mode tells
// a screen reader; L hiding and showing them; a click on a hole moving the cursor or picking up
// and dropping, the right button taking back, heard as the same moves by keys.
#include "tests/game_harness.h"

#include <gtest/gtest.h>

#include <random>

namespace tintineables::testing {
namespace {

using Files = std::vector<std::string>;

class BoardCaptions : public ::testing::Test {
protected:
    void SetUp() override {
        h.Start();
        h.Press(Key::F2);
        ASSERT_EQ(h.FocusedName(), "Picture1");
        h.TakePlayedFiles();
    }
    const FormLook& Board() { return h.looks[Screen::Board]; }
    std::string Caption(KeyCode key) {
        h.Press(key);
        return Board().caption;
    }
    void Click(int hole, bool right = false) {
        h.TheGame().MouseDown(Screen::Board, hole == 0 ? NoControl : PictureControl(hole), right,
                              h.Focused());
    }
    TestHost h;
};

TEST_F(BoardCaptions, SayTheLastWordsAndTheStatusLineCountsPegsJumpsAndThePuzzle) {
    EXPECT_TRUE(Board().captioned);
    EXPECT_EQ(Board().caption, "bola, fila 1, columna 3"); // the board's first arrival
    EXPECT_EQ(Board().status, "bolas: 32 · saltos: 0");
    h.Press(Key::Right);
    EXPECT_EQ(Caption(Key::Up), "bola, fila 2, columna 4");
    EXPECT_EQ(Caption(Key::Space), "bola en la mano");
    h.Press(Key::Up);
    EXPECT_EQ(Caption(Key::Up), "centro, vacío");
    EXPECT_EQ(Caption(Key::Control), "salto");
    EXPECT_EQ(Board().status, "bolas: 31 · saltos: 1");
    EXPECT_EQ(Caption(Key::B), "quedan 31 bolas");
    EXPECT_EQ(Caption(Key::Control), "error: no tienes ninguna bola");
    EXPECT_EQ(Caption(Key::P), "fila 4, columna 4");
    // A drop that is no jump: the reason; the cursor stays.
    h.Press(Key::Space);
    h.Press(Key::Right);
    EXPECT_EQ(Caption(Key::Control), "error: no es un salto, la bola vuelve a su sitio");
    EXPECT_EQ(Board().status, "bolas: 31 · saltos: 1");
    EXPECT_EQ(Caption(Key::Up), "bola, fila 5, columna 5");
    EXPECT_EQ(Caption(Key::Up), "bola, fila 6, columna 5");
    EXPECT_EQ(Caption(Key::Up), "bola, fila 7, columna 5");
    EXPECT_EQ(Caption(Key::Up), "borde");
    // Taken back: the peg's hole, then what was done; the count goes back with it.
    EXPECT_EQ(Caption(Key::Backspace), "bola, fila 2, columna 4. salto deshecho");
    EXPECT_EQ(Board().status, "bolas: 32 · saltos: 0");
    EXPECT_EQ(Caption(Key::Digit8), "velocidad 125 %"); // a setting changed

    // L hides both, says so, and leaves the cross the window; again, shows them as they were.
    h.TakePlayedFiles();
    h.Press(Key::L);
    EXPECT_EQ(h.TakePlayedFiles(), Files{"voz_subtitulos_no.wav"});
    EXPECT_FALSE(Board().captioned);
    EXPECT_EQ(Board().caption, "");
    EXPECT_EQ(Board().status, "");
    h.Press(Key::B); // still kept while hidden
    h.Press(Key::L);
    EXPECT_EQ(h.TakePlayedFiles(),
              (Files{"voz_quedan.wav+voz_32.wav+voz_bolas.wav", "voz_subtitulos_si.wav"}));
    EXPECT_TRUE(Board().captioned);
    EXPECT_EQ(Board().caption, "subtítulos a la vista");

    // Kept hidden on the next board, as the text mode is; a puzzle's name heads its status.
    h.Press(Key::L);
    h.Press(Key::Escape);
    h.Press(Key::F2);
    EXPECT_FALSE(h.looks[Screen::Board].captioned);
    h.Press(Key::L);
    h.Press(Key::Escape);
    h.Press(Key::F4);
    EXPECT_EQ(Board().status, "2 bolas · bolas: 2 · saltos: 0"); // the first puzzle
    EXPECT_EQ(Board().caption, "vacío, fila 1, columna 3. 2 bolas") << "the arrival, the name";
}

// Whatever the keys, the caption is what the text mode tells a screen reader for the same key,
// with the mode on or off, and stays as it was after a key that tells nothing.
TEST_F(BoardCaptions, AreTheTextModesWordsForEveryKeyWithTheModeOnOrOff) {
    TestHost off;
    off.Start();
    off.Press(Key::F2);
    h.Press(Key::T);
    h.TakeTold();
    const KeyCode keys[] = {Key::Left,    Key::Up,        Key::Right,  Key::Down, Key::Space,
                            Key::Control, Key::Backspace, Key::B,      Key::P,    Key::G,
                            Key::A,       Key::F,         Key::C,      Key::V,    Key::S,
                            Key::E,       Key::Digit7,    Key::Digit8, Key::F2};
    std::mt19937 random(49);
    std::string before = Board().caption;
    int told = 0;
    for (int i = 0; i < 3000; ++i) {
        const KeyCode key = keys[random() % std::size(keys)];
        h.Press(key);
        off.Press(key);
        const std::vector<std::string> said = h.TakeTold();
        std::string words;
        for (const std::string& text : said) {
            words += (words.empty() ? "" : ". ") + text;
        }
        const std::string& caption = Board().caption;
        EXPECT_EQ(caption, said.empty() ? before : words) << "key " << key << ", step " << i;
        EXPECT_EQ(off.looks[Screen::Board].caption, caption) << "key " << key << ", step " << i;
        EXPECT_EQ(off.looks[Screen::Board].status, Board().status);
        EXPECT_TRUE(off.TakeTold().empty());
        told += said.empty() ? 0 : 1;
        before = caption;
        if (HasFailure()) {
            return;
        }
    }
    EXPECT_GT(told, 2000);
}

// A game by mouse: each click on another hole arrives there as an arrow's arrival does; a
// click on the cursor's hole picks up, and with a peg in hand drops; the right button takes
// back. Heard as the same holes visited by keys.
TEST_F(BoardCaptions, AGameByMouseSoundsAsTheSameMovesByKeys) {
    Click(5); // Picture5, row 2, column 4
    EXPECT_EQ(h.FocusedName(), "Picture5");
    EXPECT_EQ(h.TakePlayedFiles(), Files{"bola.wav"});
    Click(5);
    EXPECT_EQ(h.TakePlayedFiles(), Files{"seleccion.wav"});
    Click(CentreHole);
    EXPECT_EQ(h.TakePlayedFiles(), Files{"central.wav"});
    Click(CentreHole);
    EXPECT_EQ(h.TakePlayedFiles(), Files{"poner1.wav"});
    EXPECT_EQ(Board().status, "bolas: 31 · saltos: 1");
    Click(10); // the peg jumped over is gone: an empty hole's arrival, then Space refused
    EXPECT_EQ(h.TakePlayedFiles(), Files{"vacio.wav"});
    Click(10);
    EXPECT_EQ(h.TakePlayedFiles(), Files{"error.wav"});
    EXPECT_EQ(Board().caption, "error: vacío");
    Click(0, true); // the right button anywhere: Backspace
    EXPECT_EQ(h.FocusedName(), "Picture5");
    EXPECT_EQ(Board().status, "bolas: 32 · saltos: 0");
    h.TakePlayedFiles();

    // The same moves by keys, from the same start, play the same files at each hole.
    TestHost keys;
    keys.Start();
    keys.Press(Key::F2);
    keys.Press(Key::Right);
    keys.TakePlayedFiles();
    const std::pair<KeyCode, Files> byKeys[] = {
        {Key::Up, {"bola.wav"}},    {Key::Space, {"seleccion.wav"}}, {Key::Up, {}},
        {Key::Up, {"central.wav"}}, {Key::Control, {"poner1.wav"}},  {Key::Down, {"vacio.wav"}},
        {Key::Space, {"error.wav"}}};
    for (const auto& [key, files] : byKeys) {
        keys.Press(key);
        const Files played = keys.TakePlayedFiles();
        if (!files.empty()) {
            EXPECT_EQ(played, files) << "key " << key;
        }
    }

    // Clicks on the spoken screens' windows, and between the holes with the left button, are
    // not the game's here: their hosts press what was clicked.
    Click(0);
    EXPECT_TRUE(h.TakePlayedFiles().empty());
    EXPECT_EQ(h.FocusedName(), "Picture5");
}

} // namespace
} // namespace tintineables::testing
