// The player's own sound as the game decides it, on every screen: F8 says the last answer again
// (and the ones before it, back through five), or a screen's recording on from where it was cut;
// 7 and 8 the speech's pace, 9 and 0 its loudness, minus and equals the earcons', each said at
// once in the new way and refused past the last step; with Ctrl or Alt they are the platform's.
#include "tests/game_harness.h"
#include "tests/recording_sound_player.h"

#include <gtest/gtest.h>

namespace tintineables::testing {
namespace {

using Files = std::vector<std::string>;
constexpr std::int16_t Ctrl = 2;
constexpr std::int16_t Alt = 4;

class SoundKeys : public ::testing::Test {
protected:
    void SetUp() override {
        h.Start();
        h.TakePlayedFiles();
    }
    Files Heard(KeyCode key) {
        h.Press(key);
        return h.TakePlayedFiles();
    }
    SoundSettings Applied() { return h.applied.empty() ? SoundSettings{} : h.applied.back(); }
    TestHost h;
};

TEST_F(SoundKeys, PaceAndLoudnessChangeStepByStepAreSaidInTheNewWayAndStopAtTheEnds) {
    // The pace: each step said at once, at that pace, and given to the host.
    EXPECT_EQ(Heard(Key::Digit7), Files{"error.wav"}); // already the recordings' own
    EXPECT_EQ(Heard(Key::Digit8), Files{"voz_velocidad_125.wav"});
    EXPECT_EQ(Applied(), (SoundSettings{1, 0, 0}));
    for (const char* word :
         {"voz_velocidad_150.wav", "voz_velocidad_175.wav", "voz_velocidad_200.wav",
          "voz_velocidad_225.wav", "voz_velocidad_250.wav"}) {
        EXPECT_EQ(Heard(Key::Digit8), Files{word});
    }
    EXPECT_EQ(Heard(Key::Digit8), Files{"error.wav"}); // two and a half times: the fastest
    EXPECT_EQ(Applied().rate, 6);
    EXPECT_EQ(Heard(Key::Digit7), Files{"voz_velocidad_225.wav"});

    // The speech's loudness, 3 dB a step, down to -30 and never above the recordings' own.
    EXPECT_EQ(Heard(Key::Digit0), Files{"error.wav"});
    EXPECT_EQ(Heard(Key::Digit9), Files{"voz_mas_bajo.wav"});
    EXPECT_EQ(Applied().speechDb, -3);
    for (int i = 0; i < 9; ++i) {
        h.Press(Key::Digit9);
    }
    h.TakePlayedFiles();
    EXPECT_EQ(Applied().speechDb, -30);
    EXPECT_EQ(Heard(Key::Digit9), Files{"error.wav"});
    EXPECT_EQ(Heard(Key::Digit0), Files{"voz_mas_alto.wav"});
    EXPECT_EQ(Applied().speechDb, -27);

    // The earcons' loudness, the same, said by an earcon; on the board too.
    h.Press(Key::F2);
    h.TakePlayedFiles();
    EXPECT_EQ(Heard(Key::Equals), Files{"error.wav"});
    EXPECT_EQ(Heard(Key::Minus), Files{"bola.wav"});
    EXPECT_EQ(Applied(), (SoundSettings{5, -27, -3}));
    EXPECT_EQ(h.FocusedName(), "Picture1"); // nothing moved on the board
    EXPECT_EQ(h.TheGame().BoardState().MoveCount, 1);

    // With Ctrl or Alt they are the platform's own (a browser's zoom): nothing here.
    EXPECT_EQ(h.TheGame().KeyDown(Screen::Board, Key::Minus, Ctrl, h.Focused()),
              KeyUse::NotTheGames);
    EXPECT_EQ(h.TheGame().KeyDown(Screen::Board, Key::F8, Alt, h.Focused()), KeyUse::NotTheGames);
    EXPECT_EQ(h.TakePlayedFiles(), Files{});
    EXPECT_EQ(Applied().cueDb, -3);
}

TEST_F(SoundKeys, F8SaysTheLastAnswersAgainNewestFirstBackThroughFive) {
    h.Press(Key::F2);
    h.TakePlayedFiles();
    EXPECT_EQ(Heard(Key::F8), Files{"error.wav"}); // nothing said yet
    // Six answers: the first of them is one too many to keep.
    h.Press(Key::B);     // quedan 32 bolas
    h.Press(Key::P);     // fila 1, columna 3
    h.Press(Key::Up);    // an arrival is no answer
    h.Press(Key::P);     // fila 2, columna 3
    h.Press(Key::G);     // todavía puedes ganar
    h.Press(Key::T);     // modo texto activado
    h.Press(Key::Space); // a peg in hand
    h.Press(Key::Space); // refused: in the text mode, its words are an answer
    h.TakePlayedFiles();
    const Files answers[] = {
        {"error.wav"},
        {"voz_modo_texto_si.wav"},
        {"voz_puedes_ganar.wav"},
        {"voz_fila.wav+voz_dos.wav+voz_columna.wav+voz_3.wav"},
        {"voz_fila.wav+voz_uno.wav+voz_columna.wav+voz_3.wav"},
    };
    for (const Files& answer : answers) {
        h.TakeTold();
        EXPECT_EQ(Heard(Key::F8), answer);
    }
    EXPECT_EQ(Heard(Key::F8), Files{"error.wav"}); // B's was the sixth: gone
    // Another key between: F8 starts again from the newest, told in words in the text mode.
    h.Press(Key::Left);
    h.TakeTold();
    h.TakePlayedFiles();
    EXPECT_EQ(Heard(Key::F8), Files{"error.wav"});
    EXPECT_EQ(h.TakeTold(), std::vector<std::string>{"error: ya tienes una bola"});
    EXPECT_EQ(Heard(Key::F8), Files{"voz_modo_texto_si.wav"});
}

TEST_F(SoundKeys, F8OnASpokenScreenPlaysItsRecordingOnFromWhereItWasCut) {
    std::vector<std::string> commands;
    TestHost spoken(TestHost::Solver::AnswersAtOnce, [&] {
        return std::make_unique<RecordingSoundPlayer>(nullptr, [&](int id, std::string_view value) {
            commands.push_back(std::to_string(id) + " " + std::string(value));
        });
    });
    spoken.Start();
    spoken.Press(Key::F1); // the tutorial
    commands.clear();
    spoken.Press(Key::Digit8); // the pace, said: it cuts the tutorial
    spoken.Press(Key::F8);     // the tutorial on from there
    EXPECT_EQ(commands, (std::vector<std::string>{"21 waveaudio", "22 voz_velocidad_125.wav",
                                                  "23 close", "23 open", "23 play", "23 prev",
                                                  "21 waveaudio", "22 tutorial.wav", "23 close",
                                                  "23 open", "23 resume", "23 prev"}));
}

} // namespace
} // namespace tintineables::testing
