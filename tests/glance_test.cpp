// The board at a glance, as the game decides it: F, C and V heard as the parts of the one sound
// the board's player is told to play (each hole's recording, where it is heard, the silence
// before it), S and Shift+S as the words they join, E as where each arrival is heard. Every
// expected sound is written out here from a picture of the board, never from the game's tables.
#include "tests/game_harness.h"
#include "tests/recording_sound_player.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace tintineables::testing {
namespace {

using Files = std::vector<std::string>;
constexpr std::int16_t ShiftKey = 1;
constexpr KeyCode ShiftAlone = 16;

// Where each column 1..7 is heard, from the far left to the far right.
constexpr int ColumnPlace[8] = {0, -80, -53, -27, 0, 27, 53, 80};

// A board as drawn: seven lines, the top row first, 'o' a peg, '.' an empty hole, ' ' no hole.
using Picture = std::array<std::string_view, 7>;

char At(const Picture& picture, int x, int y) {
    return picture[static_cast<std::size_t>(7 - y)][static_cast<std::size_t>(x - 1)];
}

std::string Sound(int x, int y, bool peg) {
    if (x == 4 && y == 4) {
        return peg ? "barrido_centro_bola.wav" : "barrido_centro_vacio.wav";
    }
    return "barrido_f" + std::to_string(y) + (peg ? "_bola.wav" : "_vacio.wav");
}

// The sweep of `cells` (in the order played) as one joined name: a hole after a hole in the same
// line 20 ms after it, the first hole of a new row of the cross 110 ms, the cursor's hole twice.
std::string Expected(const Picture& picture, const std::vector<std::pair<int, int>>& cells,
                     std::pair<int, int> cursor, bool cross, double pace = 1.0) {
    const auto ms = [pace](int at) {
        return std::to_string(static_cast<int>(std::lround(at / pace)));
    };
    std::string joined;
    int row = 0;
    for (const auto& [x, y] : cells) {
        const std::string sound =
            Sound(x, y, At(picture, x, y) == 'o') + "@" + std::to_string(ColumnPlace[x]) + "#";
        const std::string pause = joined.empty() ? "0" : cross && y != row ? ms(110) : ms(20);
        joined += (joined.empty() ? "" : "+") + sound + pause;
        if (std::pair{x, y} == cursor) {
            joined += "+" + sound + ms(20);
        }
        row = y;
    }
    return joined;
}

std::vector<std::pair<int, int>> CrossCells(const Picture& picture) {
    std::vector<std::pair<int, int>> cells;
    for (int y = 1; y <= 7; ++y) {
        for (int x = 1; x <= 7; ++x) {
            if (At(picture, x, y) != ' ') {
                cells.emplace_back(x, y);
            }
        }
    }
    return cells;
}

class Glance : public ::testing::Test {
protected:
    Glance()
        : h(TestHost::Solver::AnswersAtOnce, [this] {
              auto player = std::make_unique<RecordingSoundPlayer>(&played);
              board = player.get();
              return player;
          }) {}
    void SetUp() override {
        h.Start();
        h.Press(Key::F2);
        ASSERT_EQ(h.FocusedName(), "Picture1");
        played.clear();
    }
    Files Heard(KeyCode key, std::int16_t shift = 0) {
        played.clear();
        h.Press(key, shift);
        return std::exchange(played, {});
    }
    // Jumps by keys: the cursor moves by arrows from where it is.
    void Keys(std::initializer_list<KeyCode> keys) {
        for (KeyCode key : keys) {
            h.Press(key);
        }
        played.clear();
    }
    bool Closed() const {
        return !board->settings.empty() && IsCommand(board->settings.back().second, "close");
    }
    TestHost h;
    std::vector<std::string> played;
    RecordingSoundPlayer* board = nullptr;
};

// The start: every hole but the centre holds a peg.
constexpr Picture Start = {"  ooo  ", "  ooo  ", "ooooooo", "ooo.ooo",
                           "ooooooo", "  ooo  ", "  ooo  "};
// Then (4, 2) up over (4, 3) into the centre, and (2, 3) right over (3, 3) into (4, 3).
constexpr Picture AfterTwoJumps = {"  ooo  ", "  ooo  ", "ooooooo", "ooooooo",
                                   "o..oooo", "  o.o  ", "  ooo  "};

std::vector<std::pair<int, int>> Row(int y) {
    std::vector<std::pair<int, int>> cells;
    for (int x = 1; x <= 7; ++x) {
        if (y >= 3 && y <= 5 ? true : x >= 3 && x <= 5) {
            cells.emplace_back(x, y);
        }
    }
    return cells;
}

std::vector<std::pair<int, int>> Column(int x) {
    std::vector<std::pair<int, int>> cells;
    for (int y = 1; y <= 7; ++y) {
        if (x >= 3 && x <= 5 ? true : y >= 3 && y <= 5) {
            cells.emplace_back(x, y);
        }
    }
    return cells;
}

TEST_F(Glance, FRowCColumnAndVTheCrossEachHoleInTurnPlacedByItsColumn) {
    // Picture1 is (3, 1): its row left to right, its column from the bottom up.
    EXPECT_EQ(Heard(Key::F), Files{Expected(Start, Row(1), {3, 1}, false)});
    EXPECT_EQ(Heard(Key::C), Files{Expected(Start, Column(3), {3, 1}, false)});
    EXPECT_EQ(Heard(Key::V), Files{Expected(Start, CrossCells(Start), {3, 1}, true)});

    Keys({Key::Right, Key::Up, Key::Space, Key::Up, Key::Up, Key::Control});
    Keys({Key::Down, Key::Left, Key::Left, Key::Space, Key::Right, Key::Right, Key::Control});
    ASSERT_EQ(h.FocusedName(), "Picture10"); // (4, 3)
    EXPECT_EQ(Heard(Key::F), Files{Expected(AfterTwoJumps, Row(3), {4, 3}, false)});
    EXPECT_EQ(Heard(Key::C), Files{Expected(AfterTwoJumps, Column(4), {4, 3}, false)});
    EXPECT_EQ(Heard(Key::V),
              Files{Expected(AfterTwoJumps, CrossCells(AfterTwoJumps), {4, 3}, true)});
    // F8 plays the sweep again; on Command9 a sweep goes through the hole last visited.
    EXPECT_EQ(Heard(Key::F8),
              Files{Expected(AfterTwoJumps, CrossCells(AfterTwoJumps), {4, 3}, true)});
    h.PressTimes(Key::Tab, 24); // through every hole to Picture33, (5, 7), then Command9
    ASSERT_EQ(h.FocusedName(), "Command9");
    EXPECT_EQ(Heard(Key::F), Files{Expected(AfterTwoJumps, Row(7), {5, 7}, false)});
}

TEST_F(Glance, TheSilencesShrinkWithTheSpeechAndAnyKeyCutsTheSweep) {
    h.PressTimes(Key::Digit8, 6); // the fastest speech, 2.5 times
    EXPECT_EQ(Heard(Key::V), Files{Expected(Start, CrossCells(Start), {3, 1}, true, 2.5)});
    EXPECT_FALSE(Closed());
    for (KeyCode key : {ShiftAlone, Key::Tab, Key::Digit9, Key::Right}) {
        h.Press(Key::V);
        board->settings.clear();
        h.Press(key);
        ASSERT_FALSE(board->settings.empty()) << key;
        EXPECT_TRUE(IsCommand(board->settings.front().second, "close")) << key;
        h.Press(Key::Left);
        played.clear();
    }
    // A key after any other sound closes nothing early: the arrival's cue is not cut.
    h.Press(Key::Right);
    board->settings.clear();
    h.Press(ShiftAlone);
    EXPECT_TRUE(board->settings.empty());
}

// The test's own reading of the rules: a peg jumps over a neighbouring peg into the empty hole
// beyond it, along a row or a column, on the cross.
bool OnCross(int x, int y) {
    return x >= 1 && x <= 7 && y >= 1 && y <= 7 && ((x >= 3 && x <= 5) || (y >= 3 && y <= 5));
}

std::string NumberFile(int n) {
    return n == 1 ? "voz_uno.wav" : n == 2 ? "voz_dos.wav" : "voz_" + std::to_string(n) + ".wav";
}

std::string JumpCountFile(int n) {
    switch (n) {
    case 1:
    case 2:
    case 21:
    case 22:
    case 31:
    case 32:
        return "voz_saltos_" + std::to_string(n) + ".wav";
    default:
        return "voz_" + std::to_string(n) + ".wav";
    }
}

TEST_F(Glance, SSaysTheJumpsFromHereOrWhereThePegInHandLandsAsTheRulesAllow) {
    constexpr int Steps[4][2] = {{-1, 0}, {0, 1}, {1, 0}, {0, -1}}; // left, up, right, down
    const char* const Ways[4] = {"voz_izquierda.wav", "voz_arriba.wav", "voz_derecha.wav",
                                 "voz_abajo.wav"};
    std::mt19937 random(48);
    const KeyCode keys[] = {Key::Left,  Key::Up,        Key::Right, Key::Down, Key::Down,
                            Key::Space, Key::Control,   Key::Left,  Key::Up,   Key::Right,
                            Key::S,     Key::Backspace, Key::S};
    int answers = 0, withJumps = 0, landings = 0, counts = 0;
    for (int i = 0; i < 3000; ++i) {
        const KeyCode key = keys[random() % std::size(keys)];
        const bool shift = key == Key::S && random() % 4 == 0;
        const GameState state = h.TheGame().BoardState();
        const auto peg = [&](int x, int y) {
            const bool lifted = state.Holding == True && x == state.FromX && y == state.FromY;
            return OnCross(x, y) && (state.Board.At(x, y) == Peg || lifted);
        };
        const Files heard = Heard(key, shift ? ShiftKey : 0);
        if (key != Key::S) {
            continue;
        }
        ++answers;
        std::string expected;
        const auto add = [&](const std::string& file) {
            expected += (expected.empty() ? "" : "+") + file;
        };
        if (shift) {
            int jumps = 0;
            for (int y = 1; y <= 7; ++y) {
                for (int x = 1; x <= 7; ++x) {
                    for (const auto& [dx, dy] : Steps) {
                        jumps += peg(x, y) && peg(x + dx, y + dy) &&
                                 OnCross(x + 2 * dx, y + 2 * dy) && !peg(x + 2 * dx, y + 2 * dy);
                    }
                }
            }
            ++counts;
            expected = jumps == 0 ? "voz_ningun_salto.wav"
                       : jumps == 1
                           ? "voz_queda.wav+voz_saltos_1.wav+voz_salto_posible.wav"
                           : "voz_quedan.wav+" + JumpCountFile(jumps) + "+voz_saltos_posibles.wav";
        } else if (state.Holding == True) {
            std::vector<std::pair<int, int>> to; // (y, x): row by row from the bottom
            for (const auto& [dx, dy] : Steps) {
                const int x = state.FromX, y = state.FromY;
                if (peg(x + dx, y + dy) && OnCross(x + 2 * dx, y + 2 * dy) &&
                    !peg(x + 2 * dx, y + 2 * dy)) {
                    to.emplace_back(y + 2 * dy, x + 2 * dx);
                }
            }
            std::sort(to.begin(), to.end());
            landings += !to.empty();
            for (const auto& [y, x] : to) {
                if (expected.empty()) {
                    add("voz_cae_en.wav");
                }
                add("voz_fila.wav+" + NumberFile(y) + "+voz_columna.wav+" + NumberFile(x));
            }
        } else {
            const int x = state.CurX, y = state.CurY;
            for (int d = 0; d < 4; ++d) {
                const auto [dx, dy] = Steps[d];
                if (peg(x, y) && peg(x + dx, y + dy) && OnCross(x + 2 * dx, y + 2 * dy) &&
                    !peg(x + 2 * dx, y + 2 * dy)) {
                    add(Ways[d]);
                }
            }
            withJumps += !expected.empty();
        }
        if (expected.empty()) {
            expected = "voz_ningun_salto.wav";
        }
        ASSERT_EQ(heard, Files{expected}) << "answer " << answers;
    }
    // The walk met every kind of answer.
    EXPECT_GT(withJumps, 20);
    EXPECT_GT(landings, 5);
    EXPECT_GT(counts, 50);
}

TEST_F(Glance, EPlacesEveryArrivalByItsColumnUntilPressedAgain) {
    EXPECT_EQ(Heard(Key::E), Files{"voz_estereo_si.wav"});
    ASSERT_FALSE(h.applied.empty());
    EXPECT_TRUE(h.applied.back().stereoArrivals);
    EXPECT_EQ(Heard(Key::Right), Files{"bola.wav@0"});   // (4, 1)
    EXPECT_EQ(Heard(Key::Right), Files{"bola.wav@27"});  // (5, 1)
    EXPECT_EQ(Heard(Key::Right), Files{"borde.wav"});    // the edge is no arrival
    h.PressTimes(Key::Up, 3);                            // (5, 4)
    EXPECT_EQ(Heard(Key::Left), Files{"central.wav@0"}); // the centre, empty
    EXPECT_EQ(Heard(Key::Left), Files{"bola.wav@-27"});  // (3, 4)
    EXPECT_EQ(Heard(Key::Left), Files{"bola.wav@-53"});  // (2, 4)
    EXPECT_EQ(Heard(Key::Left), Files{"bola.wav@-80"});  // (1, 4)
    EXPECT_EQ(Heard(Key::E), Files{"voz_estereo_no.wav"});
    EXPECT_FALSE(h.applied.back().stereoArrivals);
    EXPECT_EQ(Heard(Key::Right), Files{"bola.wav"}); // as recorded again
}

TEST_F(Glance, TheTextModeSaysEachSweepInRunsAndTheJumpsInWords) {
    h.Press(Key::T);
    Keys({Key::Right, Key::Up, Key::Space, Key::Up, Key::Up, Key::Control});
    Keys({Key::Down, Key::Left, Key::Left, Key::Space, Key::Right, Key::Right, Key::Control});
    h.TakeTold();
    h.Press(Key::F);
    EXPECT_EQ(h.TakeTold().back(), "fila 3: 1 bola, 2 vacíos, 4 bolas");
    h.Press(Key::C);
    EXPECT_EQ(h.TakeTold().back(), "columna 4: 1 bola, vacío, 5 bolas");
    h.Press(Key::V);
    EXPECT_EQ(h.TakeTold().back(),
              "fila 1: 3 bolas. fila 2: 1 bola, vacío, 1 bola. fila 3: 1 bola, 2 vacíos, 4 bolas. "
              "fila 4: 7 bolas. fila 5: 7 bolas. fila 6: 3 bolas. fila 7: 3 bolas");
    h.Press(Key::S); // (4, 3): hemmed in
    EXPECT_EQ(h.TakeTold().back(), "ningún salto");
    h.Press(Key::Up); // (4, 4), the centre: down over (4, 3) into the empty (4, 2)
    h.TakeTold();
    h.Press(Key::S);
    EXPECT_EQ(h.TakeTold().back(), "salta hacia abajo");
    h.Press(Key::Space);
    h.TakeTold();
    h.Press(Key::S);
    EXPECT_EQ(h.TakeTold().back(), "puede caer en fila 2, columna 4");
    h.Press(Key::S, ShiftKey);
    EXPECT_EQ(h.TakeTold().back(), "quedan 5 saltos posibles");
}

} // namespace
} // namespace tintineables::testing
