// The board's text mode as the game decides it: T switches it; in it every arrival says the
// hole's state and place, and every move, refusal and answer its words, to a screen reader that
// reads a control's name when the focus arrives on it and hears an answer at once (the test's
// host reads them that way). Out of it nothing is told, and the sounds are the same either way.
#include "tests/game_harness.h"
#include "tests/winning_jumps.h"

#include <gtest/gtest.h>

#include <regex>

namespace tintineables::testing {
namespace {

using Told = std::vector<std::string>;

// The cross written out: rows from the bottom, each with its columns; holes are numbered along
// the rows, bottom row first, left to right.
struct Place {
    int column;
    int row;
};
Place PlaceOf(int hole) {
    const int firstColumn[] = {3, 3, 1, 1, 1, 3, 3};
    const int width[] = {3, 3, 7, 7, 7, 3, 3};
    for (int row = 1, first = 1; row <= 7; first += width[row - 1], ++row) {
        if (hole < first + width[row - 1]) {
            return {firstColumn[row - 1] + hole - first, row};
        }
    }
    ADD_FAILURE() << "no hole " << hole;
    return {0, 0};
}
int HoleAt(Place place) {
    for (int hole = 1; hole <= 33; ++hole) {
        if (PlaceOf(hole).column == place.column && PlaceOf(hole).row == place.row) {
            return hole;
        }
    }
    return 0;
}

class TextMode : public ::testing::Test {
protected:
    void SetUp() override {
        h.Start();
        h.Press(Key::F2);
        ASSERT_EQ(h.FocusedName(), "Picture1");
        h.TakePlayedFiles();
    }
    Told Said(KeyCode key) {
        h.Press(key);
        return h.TakeTold();
    }
    int FocusedHole() { return std::stoi(h.FocusedName().substr(std::string("Picture").size())); }
    // What an arrival on the hole must say, from the board as it stands.
    std::string Arrival(int hole) {
        const Place place = PlaceOf(hole);
        const bool peg = h.TheGame().BoardState().Board.At(place.column, place.row) == Peg;
        if (place.column == 4 && place.row == 4) {
            return peg ? "centro, bola" : "centro, vacío";
        }
        return std::string(peg ? "bola" : "vacío") + ", fila " + std::to_string(place.row) +
               ", columna " + std::to_string(place.column);
    }
    // Arrow by arrow along row, column 4, row: every hole on the way says itself.
    void WalkTo(int hole) {
        const Place to = PlaceOf(hole);
        const auto step = [&](KeyCode key) {
            h.Press(key);
            EXPECT_EQ(h.TakeTold(), Told{Arrival(FocusedHole())}) << "on the way to " << hole;
        };
        while (PlaceOf(FocusedHole()).column != 4 && PlaceOf(FocusedHole()).row != to.row) {
            step(PlaceOf(FocusedHole()).column < 4 ? Key::Right : Key::Left);
        }
        while (PlaceOf(FocusedHole()).row != to.row) {
            step(PlaceOf(FocusedHole()).row < to.row ? Key::Up : Key::Down);
        }
        while (PlaceOf(FocusedHole()).column != to.column) {
            step(PlaceOf(FocusedHole()).column < to.column ? Key::Right : Key::Left);
        }
    }
    TestHost h;
};

TEST_F(TextMode, AWonGameSaysEveryArrivalMoveAndAnswerInWords) {
    EXPECT_EQ(Said(Key::Up), Told{}); // out of the mode the holes say nothing
    EXPECT_EQ(h.NameOf(h.Focused()), "");
    h.TakePlayedFiles();
    EXPECT_EQ(Said(Key::T), Told{"modo texto activado"});
    EXPECT_EQ(h.TakePlayedFiles(), std::vector<std::string>{"voz_modo_texto_si.wav"});
    EXPECT_EQ(Said(Key::Left), Told{"borde"});

    for (std::size_t i = 0; i < WinningJumps.size(); ++i) {
        const auto [from, to] = WinningJumps[i];
        WalkTo(from);
        EXPECT_EQ(Said(Key::Space), Told{"bola en la mano"});
        WalkTo(to);
        const bool last = i + 1 == WinningJumps.size();
        EXPECT_EQ(Said(Key::Control), Told{last ? "¡has ganado!" : "salto"}) << "jump " << i + 1;
        EXPECT_EQ(h.NameOf(h.Focused()), last ? "¡has ganado!" : "salto"); // on the display
    }
    EXPECT_EQ(Said(Key::B), Told{"queda 1 bola"});
    EXPECT_EQ(Said(Key::G), Told{"ya has ganado"});
    EXPECT_EQ(Said(Key::G), Told{"ya has ganado"}); // the same answer again is told again
    EXPECT_EQ(Said(Key::P), Told{"fila 4, columna 4"});

    // Backspace takes the last jump back: the cursor goes to the peg's hole, which says itself,
    // then what was done.
    EXPECT_EQ(Said(Key::Backspace), Told{"bola, fila 4, columna 6. salto deshecho"});
    EXPECT_EQ(h.FocusedName(), "Picture19");
    EXPECT_EQ(Said(Key::B), Told{"quedan 2 bolas"});
    EXPECT_EQ(Said(Key::G), Told{"todavía puedes ganar"});
}

TEST_F(TextMode, EachRefusalSaysWhy) {
    h.Press(Key::T);
    h.TakeTold();
    EXPECT_EQ(Said(Key::Control), Told{"error: no tienes ninguna bola"});
    EXPECT_EQ(Said(Key::Backspace), Told{"error: nada que deshacer"});
    WalkTo(HoleAt({4, 4}));
    EXPECT_EQ(Said(Key::Space), Told{"error: vacío"});
    WalkTo(HoleAt({4, 2}));
    EXPECT_EQ(Said(Key::Space), Told{"bola en la mano"});
    EXPECT_EQ(Said(Key::Space), Told{"error: ya tienes una bola"});
    EXPECT_EQ(Said(Key::Backspace), Told{"bola devuelta a su sitio"});
    EXPECT_EQ(Said(Key::Space), Told{"bola en la mano"});
    WalkTo(HoleAt({4, 3}));
    EXPECT_EQ(Said(Key::Control), Told{"error: no es un salto, la bola vuelve a su sitio"});
    EXPECT_EQ(Said(Key::F2), Told{"juego nuevo. bola, fila 3, columna 4"});
}

// A hint's hole says itself and the way to jump; asked again on that hole, where no focus event
// comes, it is told at once all the same (the host fails a text told at once of another
// control).
TEST_F(TextMode, AHintSaysItsHoleAndWayAlsoWhenTheCursorIsThereAlready) {
    h.Press(Key::T);
    h.TakeTold();
    const Told hinted = Said(Key::A);
    ASSERT_EQ(hinted.size(), 1u);
    const std::regex sentence(
        R"(bola, fila (\d), columna (\d)\. salta hacia (la izquierda|arriba|la derecha|abajo))");
    std::smatch parts;
    ASSERT_TRUE(std::regex_match(hinted[0], parts, sentence)) << hinted[0];
    EXPECT_EQ(FocusedHole(), HoleAt({std::stoi(parts[2]), std::stoi(parts[1])}));
    EXPECT_EQ(Said(Key::A), hinted);
}

// Out of the mode the board sounds exactly as it does in it, the switch's own word apart, and
// says nothing in words; switched off, the holes it named are nameless again.
TEST_F(TextMode, TheSoundsAreTheSameInTheModeAndOutOfItAndOffLeavesNoNameBehind) {
    const KeyCode keys[] = {Key::Up,    Key::Up,    Key::Space,   Key::Up,        Key::Up,
                            Key::Right, Key::Right, Key::Control, Key::B,         Key::Left,
                            Key::Left,  Key::Space, Key::Right,   Key::Right,     Key::Control,
                            Key::P,     Key::G,     Key::A,       Key::Backspace, Key::Down,
                            Key::Down,  Key::Down,  Key::Down,    Key::Down,      Key::Control};
    TestHost plain;
    plain.Start();
    plain.Press(Key::F2);
    plain.TakePlayedFiles();
    h.Press(Key::T);
    h.TakePlayedFiles();
    for (const KeyCode key : keys) {
        plain.Press(key);
        h.Press(key);
        EXPECT_EQ(h.TakePlayedFiles(), plain.TakePlayedFiles()) << "key " << key;
        EXPECT_FALSE(h.TakeTold().empty()) << "key " << key;
    }
    EXPECT_EQ(plain.TakeTold(), Told{});

    const ControlId switchedOffOn = h.Focused();
    EXPECT_EQ(Said(Key::T), Told{"modo texto desactivado"});
    for (int hole = 1; hole <= 33; ++hole) {
        if (PictureControl(hole) != switchedOffOn) {
            EXPECT_EQ(h.NameOf(PictureControl(hole)), "") << "Picture" << hole;
        }
    }
    EXPECT_EQ(Said(Key::Up), Told{});
    EXPECT_EQ(Said(Key::Down), Told{}); // back where the switch was said: nothing left to read
    EXPECT_EQ(h.NameOf(switchedOffOn), "");
}

} // namespace
} // namespace tintineables::testing
