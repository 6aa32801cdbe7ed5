// The board's help keys through real key events on the real forms: Backspace, B, P, G and A,
// heard as the files the game opens (a spoken answer is its words joined by '+').
#include "board/invariant.h"
#include "tests/screen_harness.h"

#include <QKeyEvent>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace tintineables::testing {
namespace {

using Files = std::vector<std::string>;

class HelpKeys : public ::testing::Test {
protected:
    void SetUp() override {
        h.Start();
        h.Press(Qt::Key_F2);
        ASSERT_EQ(h.FocusedName(), "Picture1");
        h.TakePlayedFiles();
    }
    // A key whose answer is worked out on the solver's thread.
    Files Ask(Qt::Key key) {
        h.Press(key);
        EXPECT_TRUE(h.WaitForSound()) << "no answer";
        return h.TakePlayedFiles();
    }
    Files Said(Qt::Key key) {
        h.Press(key);
        return h.TakePlayedFiles();
    }
    ScreenHarness h;
};

TEST_F(HelpKeys, BSaysThePegsLeftAndPWhereTheCursorIs) {
    EXPECT_EQ(Said(Qt::Key_B), Files{"voz_quedan.wav+voz_32.wav+voz_bolas.wav"});
    EXPECT_EQ(Said(Qt::Key_P), Files{"voz_fila.wav+voz_uno.wav+voz_columna.wav+voz_3.wav"});
    h.PressTimes(Qt::Key_Up, 3); // Picture16, (3, 4)
    h.Press(Qt::Key_Space);      // a peg in hand is still a peg left
    h.Press(Qt::Key_Right);      // the centre, (4, 4)
    h.TakePlayedFiles();
    EXPECT_EQ(Said(Qt::Key_B), Files{"voz_quedan.wav+voz_32.wav+voz_bolas.wav"});
    EXPECT_EQ(Said(Qt::Key_P), Files{"voz_fila.wav+voz_4.wav+voz_columna.wav+voz_4.wav"});
    h.Press(Qt::Key_Right, Qt::ControlModifier); // Picture18, (5, 4), with a modifier held
    h.TakePlayedFiles(); // Ctrl's own key-down put the peg back: a refused drop
    EXPECT_EQ(Said(Qt::Key_P), Files{"voz_fila.wav+voz_4.wav+voz_columna.wav+voz_5.wav"});
    h.PressTimes(Qt::Key_Tab, 16); // on to Command9
    ASSERT_EQ(h.FocusedName(), "Command9");
    h.TakePlayedFiles();
    EXPECT_EQ(Said(Qt::Key_P), Files{"voz_command9.wav"});
    EXPECT_EQ(Said(Qt::Key_B), Files{"voz_quedan.wav+voz_32.wav+voz_bolas.wav"});
}

// The hint moves the cursor to its peg, which announces itself, and says the way to jump; the
// player then jumps by keys alone, 31 times, to the applause.
TEST_F(HelpKeys, FollowingEveryHintByKeysFromTheStartEndsInApplause) {
    const std::pair<std::string, Qt::Key> ways[] = {{"voz_izquierda.wav", Qt::Key_Left},
                                                    {"voz_arriba.wav", Qt::Key_Up},
                                                    {"voz_derecha.wav", Qt::Key_Right},
                                                    {"voz_abajo.wav", Qt::Key_Down}};
    for (int jump = 1; jump <= 31; ++jump) {
        const Files answer = Ask(Qt::Key_A);
        ASSERT_EQ(answer.size(), 1u) << "jump " << jump;
        const std::string& sound = answer[0];
        const std::string peg = h.FocusedName() == "Picture17" ? "bolacentral.wav" : "bola.wav";
        ASSERT_EQ(sound.substr(0, peg.size() + 1), peg + "+") << sound;
        Qt::Key arrow = Qt::Key_unknown;
        for (const auto& [word, key] : ways) {
            arrow = sound.substr(peg.size() + 1) == word ? key : arrow;
        }
        ASSERT_NE(arrow, Qt::Key_unknown) << sound;
        h.Press(Qt::Key_Space);
        h.PressTimes(arrow, 2);
        h.TakePlayedFiles();
        EXPECT_EQ(Said(Qt::Key_Control), Files{jump == 31 ? "aplauso.wav" : "poner1.wav"})
            << "jump " << jump;
        if (jump == 1) {
            EXPECT_EQ(Said(Qt::Key_B), Files{"voz_quedan.wav+voz_31.wav+voz_bolas.wav"});
        } else if (jump == 30) {
            EXPECT_EQ(Said(Qt::Key_B), Files{"voz_quedan.wav+voz_2.wav+voz_bolas.wav"});
        }
    }
    EXPECT_EQ(Said(Qt::Key_B), Files{"voz_queda.wav+voz_1.wav+voz_bola.wav"});
    EXPECT_EQ(CheckInvariant(h.Board().State(), true), "");
    EXPECT_EQ(Ask(Qt::Key_G), Files{"voz_has_ganado.wav"});
    const std::string focus = h.FocusedName();
    EXPECT_EQ(Ask(Qt::Key_A), Files{"voz_has_ganado.wav"});
    EXPECT_EQ(h.FocusedName(), focus);
}

TEST_F(HelpKeys, OnALostPositionGSaysSoAndAMovesNothingTillTheJumpIsTakenBack) {
    // Four jumps about the centre that leave no way to finish there: 5 over 10 into 17,
    // 24 over 17 into 10, 15 over 16 into 17, 10 over 17 into 24.
    const std::vector<std::vector<Qt::Key>> jumps = {
        {Qt::Key_Right, Qt::Key_Up, Qt::Key_Space, Qt::Key_Up, Qt::Key_Up},
        {Qt::Key_Up, Qt::Key_Space, Qt::Key_Down, Qt::Key_Down},
        {Qt::Key_Left, Qt::Key_Up, Qt::Key_Left, Qt::Key_Space, Qt::Key_Right, Qt::Key_Right},
        {Qt::Key_Down, Qt::Key_Space, Qt::Key_Up, Qt::Key_Up},
    };
    for (const auto& keys : jumps) {
        for (Qt::Key key : keys) {
            h.Press(key);
        }
        h.TakePlayedFiles();
        ASSERT_EQ(Said(Qt::Key_Control), Files{"poner1.wav"});
    }
    ASSERT_EQ(h.FocusedName(), "Picture24");
    EXPECT_EQ(Ask(Qt::Key_G), Files{"voz_no_puedes_ganar.wav"});
    EXPECT_EQ(Ask(Qt::Key_A), Files{"voz_no_puedes_ganar.wav"});
    EXPECT_EQ(h.FocusedName(), "Picture24");
    // Backspace: the last peg that jumped is back on Picture10, where the cursor goes.
    EXPECT_EQ(Said(Qt::Key_Backspace), Files{"bola.wav"});
    EXPECT_EQ(h.FocusedName(), "Picture10");
    EXPECT_EQ(Ask(Qt::Key_G), Files{"voz_puedes_ganar.wav"});
}

TEST_F(HelpKeys, BackspaceAnnouncesTheHoleItGoesBackToEvenWithTheCursorThere) {
    h.PressTimes(Qt::Key_Up, 3); // Picture16
    h.Press(Qt::Key_Left);       // Picture15
    h.Press(Qt::Key_Space);
    h.PressTimes(Qt::Key_Right, 2);
    h.Press(Qt::Key_Control); // 15 over 16 into 17
    h.PressTimes(Qt::Key_Left, 2);
    ASSERT_EQ(h.FocusedName(), "Picture15");
    h.TakePlayedFiles();
    EXPECT_EQ(Said(Qt::Key_Backspace), Files{"bola.wav"});
    EXPECT_EQ(h.FocusedName(), "Picture15");
    EXPECT_EQ(PegsOnHoles(h.Board().State()), 32);
    EXPECT_EQ(Said(Qt::Key_Backspace), Files{"error.wav"});
    h.Press(Qt::Key_Space);
    h.TakePlayedFiles();
    EXPECT_EQ(Said(Qt::Key_Backspace), Files{"poner1.wav"}); // the peg in hand goes back
    EXPECT_EQ(h.Board().State().Holding, False);
}

// An answer comes on a later turn of the event loop: F2 or Escape pressed before it is handled
// drops it, and nothing is said, even when the solver's thread has sent it already. (The keys
// go straight to the window here: QTest's keys run the event loop after each one.)
TEST_F(HelpKeys, AnAnswerOverTakenByANewGameOrByLeavingIsNeverSaid) {
    QWindow* window = h.Board().Window()->windowHandle();
    auto press = [&](Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &event);
    };
    press(Qt::Key_A);
    std::this_thread::sleep_for(std::chrono::milliseconds(50)); // the answer is on its way
    press(Qt::Key_F2);
    QTest::qWait(300);
    EXPECT_EQ(h.TakePlayedFiles(), Files{"reiniciar.wav"});
    EXPECT_EQ(h.FocusedName(), "Picture1");
    press(Qt::Key_G);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    press(Qt::Key_Escape);
    QTest::qWait(300);
    EXPECT_EQ(h.TakePlayedFiles(), Files{"presentacion.wav"});
    EXPECT_EQ(h.error, "");
}

} // namespace
} // namespace tintineables::testing
