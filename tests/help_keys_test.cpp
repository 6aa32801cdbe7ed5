// The board's help keys as the game decides them: Backspace, B, P, G and A, heard as the files
// the game opens (a spoken answer is its words joined by '+'). The solver answers at once here,
// as a host without threads does, or when the test says, as a host with a thread of its own.
#include "board/invariant.h"
#include "tests/game_harness.h"

#include <gtest/gtest.h>

namespace tintineables::testing {
namespace {

using Files = std::vector<std::string>;
constexpr std::int16_t Ctrl = 2;

class HelpKeys : public ::testing::Test {
protected:
    explicit HelpKeys(TestHost::Solver solver = TestHost::Solver::AnswersAtOnce) : h(solver) {}
    void SetUp() override {
        h.Start();
        h.Press(Key::F2);
        ASSERT_EQ(h.FocusedName(), "Picture1");
        h.TakePlayedFiles();
    }
    Files Said(KeyCode key) {
        h.Press(key);
        return h.TakePlayedFiles();
    }
    const GameState& State() { return h.TheGame().BoardState(); }
    TestHost h;
};

TEST_F(HelpKeys, BSaysThePegsLeftAndPWhereTheCursorIs) {
    EXPECT_EQ(Said(Key::B), Files{"voz_quedan.wav+voz_32.wav+voz_bolas.wav"});
    EXPECT_EQ(Said(Key::P), Files{"voz_fila.wav+voz_uno.wav+voz_columna.wav+voz_3.wav"});
    h.Press(Key::Up); // Picture4, (3, 2): a row's two is not a count's ("dois", not "duas")
    h.TakePlayedFiles();
    EXPECT_EQ(Said(Key::P), Files{"voz_fila.wav+voz_dos.wav+voz_columna.wav+voz_3.wav"});
    h.PressTimes(Key::Up, 2); // Picture16, (3, 4)
    h.Press(Key::Space);      // a peg in hand is still a peg left
    h.Press(Key::Right);      // the centre, (4, 4)
    h.TakePlayedFiles();
    EXPECT_EQ(Said(Key::B), Files{"voz_quedan.wav+voz_32.wav+voz_bolas.wav"});
    EXPECT_EQ(Said(Key::P), Files{"voz_fila.wav+voz_4.wav+voz_columna.wav+voz_4.wav"});
    h.Press(Key::Control);     // Ctrl's own key-down: a refused drop puts the peg back
    h.Press(Key::Right, Ctrl); // Picture18, (5, 4), with a modifier held
    h.TakePlayedFiles();
    EXPECT_EQ(Said(Key::P), Files{"voz_fila.wav+voz_4.wav+voz_columna.wav+voz_5.wav"});
    h.PressTimes(Key::Tab, 16); // on to Command9
    ASSERT_EQ(h.FocusedName(), "Command9");
    h.TakePlayedFiles();
    EXPECT_EQ(Said(Key::P), Files{"voz_command9.wav"});
    EXPECT_EQ(Said(Key::B), Files{"voz_quedan.wav+voz_32.wav+voz_bolas.wav"});
}

// The hint moves the cursor to its peg, which announces itself, and says the way to jump; the
// player then jumps by keys alone, 31 times, to the applause.
TEST_F(HelpKeys, FollowingEveryHintByKeysFromTheStartEndsInApplause) {
    const std::pair<std::string, KeyCode> ways[] = {{"voz_izquierda.wav", Key::Left},
                                                    {"voz_arriba.wav", Key::Up},
                                                    {"voz_derecha.wav", Key::Right},
                                                    {"voz_abajo.wav", Key::Down}};
    for (int jump = 1; jump <= 31; ++jump) {
        const Files answer = Said(Key::A);
        ASSERT_EQ(answer.size(), 1u) << "jump " << jump;
        const std::string& sound = answer[0];
        const std::string peg = h.FocusedName() == "Picture17" ? "bolacentral.wav" : "bola.wav";
        ASSERT_EQ(sound.substr(0, peg.size() + 1), peg + "+") << sound;
        KeyCode arrow = 0;
        for (const auto& [word, key] : ways) {
            arrow = sound.substr(peg.size() + 1) == word ? key : arrow;
        }
        ASSERT_NE(arrow, 0) << sound;
        h.Press(Key::Space);
        h.PressTimes(arrow, 2);
        h.TakePlayedFiles();
        EXPECT_EQ(Said(Key::Control), Files{jump == 31 ? "aplauso.wav" : "poner1.wav"})
            << "jump " << jump;
        if (jump == 1) {
            EXPECT_EQ(Said(Key::B), Files{"voz_quedan.wav+voz_31.wav+voz_bolas.wav"});
        } else if (jump == 30) {
            EXPECT_EQ(Said(Key::B), Files{"voz_quedan.wav+voz_2.wav+voz_bolas.wav"});
        }
    }
    EXPECT_EQ(Said(Key::B), Files{"voz_queda.wav+voz_1.wav+voz_bola.wav"});
    EXPECT_EQ(CheckInvariant(State(), true), "");
    EXPECT_EQ(Said(Key::G), Files{"voz_has_ganado.wav"});
    const std::string focus = h.FocusedName();
    EXPECT_EQ(Said(Key::A), Files{"voz_has_ganado.wav"});
    EXPECT_EQ(h.FocusedName(), focus);
}

TEST_F(HelpKeys, OnALostPositionGSaysSoAndAMovesNothingTillTheJumpIsTakenBack) {
    // Four jumps about the centre that leave no way to finish there: 5 over 10 into 17,
    // 24 over 17 into 10, 15 over 16 into 17, 10 over 17 into 24.
    const std::vector<std::vector<KeyCode>> jumps = {
        {Key::Right, Key::Up, Key::Space, Key::Up, Key::Up},
        {Key::Up, Key::Space, Key::Down, Key::Down},
        {Key::Left, Key::Up, Key::Left, Key::Space, Key::Right, Key::Right},
        {Key::Down, Key::Space, Key::Up, Key::Up},
    };
    for (const auto& keys : jumps) {
        for (KeyCode key : keys) {
            h.Press(key);
        }
        h.TakePlayedFiles();
        ASSERT_EQ(Said(Key::Control), Files{"poner1.wav"});
    }
    ASSERT_EQ(h.FocusedName(), "Picture24");
    EXPECT_EQ(Said(Key::G), Files{"voz_no_puedes_ganar.wav"});
    EXPECT_EQ(Said(Key::A), Files{"voz_no_puedes_ganar.wav"});
    EXPECT_EQ(h.FocusedName(), "Picture24");
    // Backspace: the last peg that jumped is back on Picture10, where the cursor goes.
    EXPECT_EQ(Said(Key::Backspace), Files{"bola.wav"});
    EXPECT_EQ(h.FocusedName(), "Picture10");
    EXPECT_EQ(Said(Key::G), Files{"voz_puedes_ganar.wav"});
}

TEST_F(HelpKeys, BackspaceAnnouncesTheHoleItGoesBackToEvenWithTheCursorThere) {
    h.PressTimes(Key::Up, 3); // Picture16
    h.Press(Key::Left);       // Picture15
    h.Press(Key::Space);
    h.PressTimes(Key::Right, 2);
    h.Press(Key::Control); // 15 over 16 into 17
    h.PressTimes(Key::Left, 2);
    ASSERT_EQ(h.FocusedName(), "Picture15");
    h.TakePlayedFiles();
    EXPECT_EQ(Said(Key::Backspace), Files{"bola.wav"});
    EXPECT_EQ(h.FocusedName(), "Picture15");
    EXPECT_EQ(PegsOnHoles(State()), 32);
    EXPECT_EQ(Said(Key::Backspace), Files{"error.wav"});
    h.Press(Key::Space);
    h.TakePlayedFiles();
    EXPECT_EQ(Said(Key::Backspace), Files{"poner1.wav"}); // the peg in hand goes back
    EXPECT_EQ(State().Holding, False);
}

class LateAnswers : public HelpKeys {
protected:
    LateAnswers() : HelpKeys(TestHost::Solver::AnswersWhenTold) {}
};

// An answer that comes after a key that changed the game, or after a newer question, is never
// said: F2, Escape, a jump and Backspace each overtake it.
TEST_F(LateAnswers, AnAnswerOvertakenByAKeyIsNeverSaid) {
    h.Press(Key::A);
    h.Press(Key::F2);
    EXPECT_EQ(h.DeliverAnswers(), 1);
    EXPECT_EQ(h.TakePlayedFiles(), Files{"reiniciar.wav"});
    EXPECT_EQ(h.FocusedName(), "Picture1");

    h.PressTimes(Key::Up, 3); // Picture16, then 15 over 16 into 17 with G asked on the way
    h.Press(Key::Left);
    h.Press(Key::Space);
    h.PressTimes(Key::Right, 2);
    h.Press(Key::G);
    h.Press(Key::Control);
    h.TakePlayedFiles();
    h.Press(Key::G);
    h.Press(Key::Backspace);
    EXPECT_EQ(h.DeliverAnswers(), 2);
    EXPECT_EQ(h.TakePlayedFiles(), Files{"bola.wav"}); // Backspace's arrival, and nothing said

    h.Press(Key::G); // a newer question: only its answer is said, once
    h.Press(Key::B);
    h.Press(Key::A);
    h.TakePlayedFiles();
    EXPECT_EQ(h.DeliverAnswers(), 2);
    const Files heard = h.TakePlayedFiles();
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].find("voz_puedes_ganar"), std::string::npos) << heard[0];

    h.Press(Key::G);
    h.Press(Key::Escape);
    EXPECT_EQ(h.DeliverAnswers(), 1);
    EXPECT_EQ(h.TakePlayedFiles(), Files{"presentacion.wav"});
    EXPECT_EQ(h.error, "");
}

TEST_F(LateAnswers, AnAnswerOnItsOwnIsSaidWhenItComes) {
    h.Press(Key::G);
    EXPECT_EQ(h.TakePlayedFiles(), Files{});
    EXPECT_EQ(h.DeliverAnswers(), 1);
    EXPECT_EQ(h.TakePlayedFiles(), Files{"voz_puedes_ganar.wav"});
}

} // namespace
} // namespace tintineables::testing
