// G and A on the four classics that no game from the full cross passes through (the Plus, the
// Pyramid, the Up arrow and the Diamond), asked by keys as a player asks them: on each start and
// on the positions the player then reaches by jumps made by keys, winnable and lost. Every
// answer is judged against the test's own search of the board as the test drew and played it,
// never against the game's solver or its table.
#include "tests/game_harness.h"
#include "tests/own_search.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <random>

namespace tintineables::testing {
namespace {

using Files = std::vector<std::string>;

struct Classic {
    const char* name;
    int number; // its place among the puzzles
    const char* nameWord;
    std::array<const char*, 7> picture;
};

// clang-format off
const Classic Classics[] = {
    {"Plus", 9, "voz_mas.wav",            {"  ...  ", "  .X.  ", "...X...", ".XXXXX.", "...X...", "  .X.  ", "  ...  "}},
    {"Pyramid", 18, "voz_piramide.wav",   {"  ...  ", "  .X.  ", "..XXX..", ".XXXXX.", "XXXXXXX", "  ...  ", "  ...  "}},
    {"Up arrow", 20, "voz_flecha.wav",    {"  .X.  ", "  XXX  ", ".XXXXX.", "...X...", "...X...", "  XXX  ", "  XXX  "}},
    {"Diamond", 28, "voz_diamante.wav",   {"  .X.  ", "  XXX  ", ".XXXXX.", "XXX.XXX", ".XXXXX.", "  XXX  ", "  .X.  "}},
};
// clang-format on

struct Way {
    const char* word;
    KeyCode arrow;
    int dx, dy;
};
const Way Ways[] = {{"voz_izquierda.wav", Key::Left, -1, 0},
                    {"voz_arriba.wav", Key::Up, 0, 1},
                    {"voz_derecha.wav", Key::Right, 1, 0},
                    {"voz_abajo.wav", Key::Down, 0, -1}};

struct Jump {
    Place from;
    Way way;
};

bool CanJump(Cells cells, Place from, const Way& way) {
    const int tx = from.x + 2 * way.dx, ty = from.y + 2 * way.dy;
    return OnCross(tx, ty) && (cells & Cell(from.x, from.y)) &&
           (cells & Cell(from.x + way.dx, from.y + way.dy)) && !(cells & Cell(tx, ty));
}

Cells After(Cells cells, const Jump& jump) {
    const Place f = jump.from;
    return cells ^ Cell(f.x, f.y) ^ Cell(f.x + jump.way.dx, f.y + jump.way.dy) ^
           Cell(f.x + 2 * jump.way.dx, f.y + 2 * jump.way.dy);
}

std::vector<Jump> JumpsOf(Cells cells) {
    std::vector<Jump> jumps;
    for (int number = 1; number <= 33; ++number) {
        for (const Way& way : Ways) {
            if (CanJump(cells, HoleNumbered(number), way)) {
                jumps.push_back({HoleNumbered(number), way});
            }
        }
    }
    return jumps;
}

// The arrows that take the cursor from one hole to another along the cross.
std::vector<KeyCode> ArrowsBetween(Place from, Place to) {
    std::map<std::pair<int, int>, std::pair<Place, KeyCode>> cameFrom;
    std::deque<Place> open{from};
    cameFrom[{from.x, from.y}] = {from, 0};
    while (!open.empty() && !cameFrom.contains({to.x, to.y})) {
        const Place at = open.front();
        open.pop_front();
        for (const Way& way : Ways) {
            const Place next{at.x + way.dx, at.y + way.dy};
            if (OnCross(next.x, next.y) && !cameFrom.contains({next.x, next.y})) {
                cameFrom[{next.x, next.y}] = {at, way.arrow};
                open.push_back(next);
            }
        }
    }
    std::vector<KeyCode> arrows;
    for (Place at = to; !(at == from);) {
        const auto& [before, arrow] = cameFrom.at({at.x, at.y});
        arrows.insert(arrows.begin(), arrow);
        at = before;
    }
    return arrows;
}

class SearchedPuzzles : public ::testing::Test {
protected:
    Files Said(KeyCode key) {
        h.Press(key);
        return h.TakePlayedFiles();
    }
    Place Cursor() const { return HoleNumbered(HoleOfControl(h.Focused())); }
    // The board as the game holds it, which must be the one the test played.
    Cells GamesBoard() {
        Cells cells = 0;
        for (int number = 1; number <= 33; ++number) {
            const Place place = HoleNumbered(number);
            cells |= h.TheGame().BoardState().Board.At(place.x, place.y) == Peg
                         ? Cell(place.x, place.y)
                         : 0;
        }
        return cells;
    }

    // G, then A, on the position as it stands; the jump the hint names, if any.
    std::optional<Jump> AskGThenA(Cells cells, const std::string& where) {
        const bool winnable = search.Winnable(cells);
        (winnable ? winnable_ : lost_)++;
        const bool won = cells == Cell(4, 4);
        EXPECT_EQ(Said(Key::G), Files{won        ? "voz_has_ganado.wav"
                                      : winnable ? "voz_puedes_ganar.wav"
                                                 : "voz_no_puedes_ganar.wav"})
            << where;
        const ControlId before = h.Focused();
        const Files hint = Said(Key::A);
        if (!winnable || won) {
            EXPECT_EQ(hint, Files{won ? "voz_has_ganado.wav" : "voz_no_puedes_ganar.wav"}) << where;
            EXPECT_EQ(h.Focused(), before) << where << ": the cursor moved with no hint";
            return std::nullopt;
        }
        // The hinted peg announces itself, then the way it jumps.
        const Place from = Cursor();
        const std::string peg = from == Place{4, 4} ? "bolacentral.wav+" : "bola.wav+";
        for (const Way& way : Ways) {
            if (hint == Files{peg + way.word}) {
                EXPECT_TRUE(CanJump(cells, from, way)) << where << ": a hint that is no jump";
                EXPECT_TRUE(search.Winnable(After(cells, {from, way})))
                    << where << ": a hint that loses the game";
                return Jump{from, way};
            }
        }
        ADD_FAILURE() << where << ": the hint said " << ::testing::PrintToString(hint);
        return std::nullopt;
    }

    // A jump by keys: the arrows to its peg, Space, two arrows its way, Ctrl.
    void JumpByKeys(Cells cells, const Jump& jump, const std::string& where) {
        for (KeyCode arrow : ArrowsBetween(Cursor(), jump.from)) {
            h.Press(arrow);
        }
        h.Press(Key::Space);
        h.PressTimes(jump.way.arrow, 2);
        h.TakePlayedFiles();
        const bool wins = After(cells, jump) == Cell(4, 4);
        EXPECT_EQ(Said(Key::Control), Files{wins ? "aplauso.wav" : "poner1.wav"}) << where;
    }

    TestHost h;
    ExhaustiveSearch search;
    int winnable_ = 0;
    int lost_ = 0;
};

TEST_F(SearchedPuzzles, GAndAAnswerAsASearchOfTheTestsOwnOnTheirStartsAndWhatTheyLeadTo) {
    h.Start();
    h.Press(Key::F4); // the first puzzle
    int on = 1;
    for (const Classic& classic : Classics) {
        h.PressTimes(Key::PageDown, classic.number - on - 1);
        h.TakePlayedFiles();
        const Files opened = Said(Key::PageDown);
        on = classic.number;
        ASSERT_EQ(opened.size(), 1u);
        ASSERT_TRUE(opened[0].ends_with(std::string("+") + classic.nameWord))
            << classic.name << ": " << opened[0];
        // One game by the hints to the win, then games of jumps at random, which lose.
        std::mt19937 random(static_cast<unsigned>(classic.number));
        for (int game = 0; game < 3; ++game) {
            if (game > 0) {
                EXPECT_EQ(Said(Key::F2), Files{std::string("reiniciar.wav+") + classic.nameWord});
            }
            Cells cells = Drawn(classic.picture);
            for (int jumps = 0;; ++jumps) {
                const std::string where = std::string(classic.name) + ", game " +
                                          std::to_string(game) + ", after " +
                                          std::to_string(jumps) + " jumps";
                ASSERT_EQ(GamesBoard(), cells) << where;
                const std::optional<Jump> hinted = AskGThenA(cells, where);
                const std::vector<Jump> jumpsLeft = JumpsOf(cells);
                if (jumpsLeft.empty()) {
                    break;
                }
                const Jump jump =
                    game == 0 && hinted ? *hinted : jumpsLeft[random() % jumpsLeft.size()];
                JumpByKeys(cells, jump, where);
                cells = After(cells, jump);
            }
            if (game == 0) {
                EXPECT_EQ(cells, Cell(4, 4)) << classic.name << ": the hints did not win";
            }
        }
    }
    EXPECT_GT(winnable_, 60);
    EXPECT_GT(lost_, 20);
}

} // namespace
} // namespace tintineables::testing
