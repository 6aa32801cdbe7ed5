// Random keys across all four screens through the real forms and the real sound players on
// SDL's dummy driver, the board's help keys among them. After every key: exactly one form loaded,
// no run-time error, and on the board the peg count whole. Escape on the menu ends the program: it
// is then started again.
#include "board/invariant.h"
#include "sound/audio_engine.h"
#include "sound/mixer_sound_player.h"
#include "sound/recordings.h"
#include "tests/heard_cues.h"
#include "tests/heard_words.h"
#include "tests/screen_harness.h"
#include "tests/wave_writer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace tintineables::testing {
namespace {

// The real player, with an ear on the cues that change what the invariant expects: the
// applause, and a new start: the restart, or a puzzle's name, said only as a puzzle is set up.
class ListeningPlayer final : public SoundPlayer {
public:
    ListeningPlayer(AudioEngine& engine, bool& won) : real_(engine), won_(won) {}
    std::optional<PlayerPosition> Position() const override { return real_.Position(); }
    void SetString(int dispatchId, std::string_view value) override {
        real_.SetString(dispatchId, value);
        if (dispatchId == DispatchId::FileName) {
            if (value == HeardFile(SoundCue::Applause)) {
                won_ = true;
            } else if (value.starts_with(HeardFile(SoundCue::Restart)) || NamesAPuzzle(value)) {
                won_ = false;
            }
        }
    }
    static bool NamesAPuzzle(std::string_view files) {
        for (const HeardWord& word : HeardWords) {
            if (word.word >= SpokenWord::PuzzlePegs && files.find(word.file) != files.npos) {
                return true;
            }
        }
        return false;
    }

private:
    MixerSoundPlayer real_;
    bool& won_;
};

struct Soaked {
    long keys = 0, programs = 0, jumps = 0;
};

Soaked Soak(long keys, unsigned seed) {
    TemporaryFolder folder;
    WritePatternRecordings(folder.Path(), 480); // 10 ms each: the soak is about keys, not sound
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    auto engine = StartAudio({folder.Path()});
    std::mt19937 random(seed);
    Soaked soaked;
    bool won = false;
    while (soaked.keys < keys) {
        ScreenHarness h([&] { return std::make_unique<ListeningPlayer>(*engine, won); });
        h.Start();
        ++soaked.programs;
        QWidget* board = nullptr;
        int moveCount = 0;
        while (soaked.keys < keys && h.endStatus < 0) {
            const unsigned roll = random() % 10000;
            std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> presses;
            const Qt::Key arrows[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down};
            const Qt::Key arrow = arrows[random() % 4];
            if (roll < 30) {
                presses = {{Qt::Key_Escape, {}}};
            } else if (roll < 90) {
                presses = {{roll < 50 ? Qt::Key_F1 : roll < 70 ? Qt::Key_F2 : Qt::Key_F3, {}}};
            } else if (roll < 2500) {
                // A jump as a player tries one: Space, the same arrow twice, Ctrl.
                presses = {{Qt::Key_Space, {}}, {arrow, {}}, {arrow, {}}, {Qt::Key_Control, {}}};
            } else if (roll < 6500) {
                presses = {{arrow, random() % 8 == 0 ? Qt::ShiftModifier : Qt::NoModifier}};
            } else if (roll < 8000) {
                presses = {{Qt::Key_Space, {}}};
            } else if (roll < 9300) {
                presses = {{Qt::Key_Control, {}}};
            } else if (roll < 9500) {
                presses = {{Qt::Key_Backspace, {}}};
            } else if (roll < 9600) {
                const Qt::Key questions[] = {Qt::Key_B, Qt::Key_P, Qt::Key_G, Qt::Key_A};
                presses = {{questions[random() % 4], {}}};
            } else if (roll < 9700) {
                presses = {{Qt::Key_Tab, random() % 3 == 0 ? Qt::ShiftModifier : Qt::NoModifier}};
            } else {
                const Qt::Key others[] = {Qt::Key_Return, Qt::Key_A,         Qt::Key_5,
                                          Qt::Key_Home,   Qt::Key_F4,        Qt::Key_Shift,
                                          Qt::Key_Alt,    Qt::Key_Backspace, Qt::Key_PageDown,
                                          Qt::Key_PageUp};
                presses = {{others[random() % std::size(others)], {}}};
            }
            for (const auto& [key, modifiers] : presses) {
                if (h.endStatus >= 0) {
                    break;
                }
                // Taking back the winning jump, the only one left after a win, undoes the win.
                const bool takesBackTheWin = key == Qt::Key_Backspace && won &&
                                             h.LoadedScreen() == Screen::Board &&
                                             h.BoardState().Holding == False;
                h.Press(key, modifiers);
                ++soaked.keys;
                won = won && !takesBackTheWin;
                EXPECT_EQ(h.error, "") << "key " << soaked.keys;
                if (h.endStatus >= 0) {
                    EXPECT_EQ(h.endStatus, 0);
                    EXPECT_EQ(h.TheGame().LoadedCount(), 0);
                    break;
                }
                const std::optional<Screen> screen = h.LoadedScreen();
                if (!screen) {
                    ADD_FAILURE() << "not exactly one form loaded after key " << soaked.keys;
                    return soaked;
                }
                if (*screen != Screen::Board) {
                    board = nullptr;
                    continue;
                }
                if (h.LoadedWindow() != board) { // a board loaded afresh holds a new game
                    board = h.LoadedWindow();
                    won = false;
                    moveCount = 1;
                }
                const GameState& state = h.BoardState();
                const std::string broken = CheckInvariant(state, won);
                if (!broken.empty()) {
                    ADD_FAILURE() << broken << " after key " << soaked.keys;
                    return soaked;
                }
                soaked.jumps += state.MoveCount > moveCount ? 1 : 0;
                moveCount = state.MoveCount;
            }
        }
    }
    return soaked;
}

long KeysFromEnvironment(long otherwise) {
    const char* keys = std::getenv("TINTINEABLES_SOAK_KEYS");
    return keys ? std::atol(keys) : otherwise;
}

TEST(Soak, RandomKeysAcrossAllScreens) {
    const long keys = KeysFromEnvironment(100000);
    const Soaked soaked = Soak(keys, 2026);
    EXPECT_GE(soaked.keys, keys);
    EXPECT_GT(soaked.programs, 1) << "Escape on the menu never ended a program";
    EXPECT_GT(soaked.jumps, keys / 5000) << "the random player hardly ever jumped";
    std::printf("%ld keys, %ld program runs, %ld legal jumps\n", soaked.keys, soaked.programs,
                soaked.jumps);
}

} // namespace
} // namespace tintineables::testing
