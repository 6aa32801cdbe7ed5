// What a sighted player is shown, as the game decides it: the cross as the rules leave it after
// keys (a peg lifted, a jump, the cursor), the spoken screens' keys as buttons, the curtain's key
// on every screen; and the colours, each far enough from the board by WCAG's contrast ratio,
// computed here from its definition.
#include "tests/game_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tintineables::testing {
namespace {

using Files = std::vector<std::string>;

// WCAG 2's relative luminance and contrast ratio.
double Luminance(Rgb c) {
    const auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}
double Ratio(Rgb a, Rgb b) {
    const double x = Luminance(a) + 0.05, y = Luminance(b) + 0.05;
    return std::max(x, y) / std::min(x, y);
}

// The cross as the rules stand after the keys: every hole a peg but those listed.
std::array<HoleLook, HoleCount> Cross(std::initializer_list<int> empty, int lifted = NoHole) {
    std::array<HoleLook, HoleCount> holes;
    holes.fill(HoleLook::WithPeg);
    holes[CentreHole - 1] = HoleLook::Empty;
    for (int hole : empty) {
        holes[static_cast<std::size_t>(hole - 1)] = HoleLook::Empty;
    }
    if (lifted != NoHole) {
        holes[static_cast<std::size_t>(lifted - 1)] = HoleLook::Lifted;
    }
    return holes;
}

TEST(BoardLook, TheCrossShowsThePegsTheLiftedHoleAndTheCursorAsTheKeysLeaveThem) {
    TestHost h;
    h.Start();
    h.Press(Key::F2);
    const FormLook& board = h.looks[Screen::Board];
    EXPECT_EQ(board.holes, Cross({}));
    EXPECT_EQ(board.cursor, 1); // Picture1, bottom row, left
    EXPECT_TRUE(board.choices.empty());
    // To (4, 2), Picture5, and its peg up: that hole shown as lifted.
    h.Press(Key::Right);
    h.Press(Key::Up);
    h.Press(Key::Space);
    EXPECT_EQ(board.cursor, 5);
    EXPECT_EQ(board.holes, Cross({}, 5));
    // Two up, to the centre, and down by the jump: (4, 2) and (4, 3) empty, the centre a peg.
    h.PressTimes(Key::Up, 2);
    EXPECT_EQ(board.cursor, CentreHole);
    h.Press(Key::Control);
    auto jumped = Cross({5, 10});
    jumped[CentreHole - 1] = HoleLook::WithPeg;
    EXPECT_EQ(board.holes, jumped);
    // Backspace takes the jump back, the cursor to where the peg came back; on Command9 no
    // hole holds the cursor.
    h.Press(Key::Backspace);
    EXPECT_EQ(board.holes, Cross({}));
    EXPECT_EQ(board.cursor, 5);
    h.PressTimes(Key::Tab, HoleCount - 5 + 1);
    EXPECT_EQ(h.FocusedName(), "Command9");
    EXPECT_EQ(board.cursor, NoHole);
    // Told only when it changes: B's answer is the caption's, and the same answer again changes
    // nothing shown and tells nothing.
    h.Press(Key::B);
    const int shown = h.looksShown;
    h.Press(Key::B);
    EXPECT_EQ(h.looksShown, shown);
}

TEST(BoardLook, TheSpokenScreensShowTheirKeysAndTheCurtainDarkensEveryScreenUntilPressedAgain) {
    TestHost h;
    h.Start();
    h.TakePlayedFiles();
    std::vector<std::pair<KeyCode, std::string>> shown;
    for (const ShownChoice& choice : h.looks[Screen::Menu].choices) {
        shown.emplace_back(choice.key, choice.keyLabel + " " + choice.name);
    }
    const std::vector<std::pair<KeyCode, std::string>> menu = {{112, "F1 Tutorial"},
                                                               {113, "F2 Jugar"},
                                                               {114, "F3 Créditos"},
                                                               {115, "F4 Retos"},
                                                               {119, "F8 Repetir"},
                                                               {55, "7 Más despacio"},
                                                               {56, "8 Más deprisa"},
                                                               {57, "9 Voz más baja"},
                                                               {48, "0 Voz más alta"},
                                                               {189, "- Sonidos más bajos"},
                                                               {187, "= Sonidos más altos"},
                                                               {192, "º Apagar la pantalla"},
                                                               {27, "Esc Salir"}};
    EXPECT_EQ(shown, menu);
    EXPECT_FALSE(h.looks[Screen::Menu].curtain);

    // The key left of 1: dark, said so; kept onto the board; shown again, said so.
    h.Press(Key::Curtain);
    EXPECT_TRUE(h.looks[Screen::Menu].curtain);
    EXPECT_EQ(h.TakePlayedFiles(), Files{"voz_pantalla_oscura.wav"});
    h.Press(Key::F2);
    EXPECT_TRUE(h.looks[Screen::Board].curtain);
    h.TakePlayedFiles();
    h.Press(Key::Curtain);
    EXPECT_FALSE(h.looks[Screen::Board].curtain);
    EXPECT_EQ(h.TakePlayedFiles(), Files{"voz_pantalla_visible.wav"});
    // F8 says it again; with Ctrl the key is the platform's.
    h.Press(Key::F8);
    EXPECT_EQ(h.TakePlayedFiles(), Files{"voz_pantalla_visible.wav"});
    EXPECT_EQ(h.TheGame().KeyDown(Screen::Board, Key::Curtain, 2, h.Focused()),
              KeyUse::NotTheGames);
    EXPECT_FALSE(h.looks[Screen::Board].curtain);
}

TEST(BoardLook, EveryColourStandsOutFromTheBoardAndASystemsOwnAreTakenOnlyWhenHighContrast) {
    const Palette& p = HighContrastPalette;
    for (Rgb colour : {p.peg, p.hole, p.lifted, p.cursor, p.mark, p.text, p.key}) {
        EXPECT_GE(Ratio(colour, p.board), 4.5)
            << int(colour.r) << "," << int(colour.g) << "," << int(colour.b);
        EXPECT_NEAR(ContrastRatio(colour, p.board), Ratio(colour, p.board), 1e-9);
    }
    // The lifted mark sits inside its ring: it stands out from the ring too.
    EXPECT_GE(Ratio(p.lifted, p.hole), 1.2);

    // Black on white, and its inverse, are high contrast; grey on light grey is not.
    const Rgb black{0, 0, 0}, white{255, 255, 255};
    EXPECT_TRUE(IsHighContrast(white, black));
    EXPECT_TRUE(IsHighContrast(black, white));
    EXPECT_FALSE(IsHighContrast({0xEE, 0xEE, 0xEE}, {0x77, 0x77, 0x77}));
    // A system's selection that stands out from its window is the cursor; one that does not
    // (dark blue on black) gives way to the text's colour.
    const Rgb yellow{0xFF, 0xFF, 0x00}, navy{0x00, 0x00, 0x80};
    EXPECT_EQ(SystemPalette(black, white, yellow).cursor, yellow);
    EXPECT_EQ(SystemPalette(black, white, navy).cursor, white);
    EXPECT_EQ(SystemPalette(black, white, navy).peg, white);
    EXPECT_EQ(SystemPalette(black, white, navy).board, black);
}

} // namespace
} // namespace tintineables::testing
