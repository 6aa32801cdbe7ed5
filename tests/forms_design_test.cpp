#include "game/design_data.h"
#include "tests/recording_sound_player.h"
#include "tests/screen_harness.h"

#include <QAccessible>
#include <QImage>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "sound/run_time_error.h"

#include <gtest/gtest.h>

namespace tintineables::testing {
namespace {

using C = std::vector<SoundCue>;

TEST(Forms, CarryTheirCaptionsAndClientSize) {
    ScreenHarness h;
    h.Start();
    const std::pair<Qt::Key, QString> visits[] = {
        {Qt::Key_F1, QStringLiteral("TUTORIAL")},
        {Qt::Key_F3, QStringLiteral("CRÉDITOS")},
        {Qt::Key_F2, QStringLiteral("TABLERO")},
        {Qt::Key_Escape, QStringLiteral("TINTINEABLES")},
    };
    EXPECT_EQ(h.LoadedWindow()->windowTitle(), QStringLiteral("TINTINEABLES"));
    for (const auto& [key, caption] : visits) {
        h.Press(key);
        QWidget* window = h.LoadedWindow();
        EXPECT_EQ(window->windowTitle(), caption);
        EXPECT_EQ(window->size(), QSize(312, 206));
        EXPECT_TRUE(window->isVisible());
        // A screen reader names each screen by its window.
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(window);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), caption);
        EXPECT_EQ(accessible->role(), QAccessible::Window) << caption.toStdString();
    }
}

TEST(BoardForm, HasItsFortyThreeControlsAsDesigned) {
    ScreenHarness h;
    h.Start();
    h.Press(Qt::Key_F2);
    QWidget* window = h.Host().Window(Screen::Board);
    ASSERT_NE(window, nullptr);
    for (const BoardControlDesign& design : BoardControls()) {
        const QString name = QString::fromStdString(design.name);
        auto* control = window->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << design.name;
        const QRect pixels(design.rect.left / 15, design.rect.top / 15, design.rect.width / 15,
                           design.rect.height / 15);
        EXPECT_EQ(control->geometry(), pixels) << design.name;
        EXPECT_EQ(control->isVisibleTo(window), design.visible) << design.name;
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            EXPECT_EQ(button->text(), name);
        }
    }
    // Picture1 at (3,1) is lowest on screen; Picture4 directly above it; Picture17 is the centre.
    auto at = [&](const char* name) { return window->findChild<QWidget*>(name)->geometry(); };
    EXPECT_EQ(at("Picture1"), QRect(112, 192, 81, 33));
    EXPECT_EQ(at("Picture4").left(), at("Picture1").left());
    EXPECT_LT(at("Picture4").top(), at("Picture1").top());
    EXPECT_EQ(at("Picture17"), QRect(120, 168, 81, 33));
    EXPECT_EQ(at("MMControl1"), QRect(64, 56, 236, 33));
    EXPECT_EQ(at("Command9"), QRect(80, 152, 81, 33));
}

TEST(BoardForm, HolesSayNothingToAScreenReaderAndCommand9SaysWhatItDoes) {
    ScreenHarness h;
    h.Start();
    h.Press(Qt::Key_F2);
    QWidget* window = h.Host().Window(Screen::Board);
    for (int hole = 1; hole <= 33; ++hole) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(h.Picture(hole));
        ASSERT_NE(accessible, nullptr);
        EXPECT_TRUE(accessible->text(QAccessible::Name).isEmpty()) << hole;
        EXPECT_TRUE(accessible->text(QAccessible::Description).isEmpty()) << hole;
    }
    for (const char* name : {"Command1", "Command8", "MMControl1"}) {
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(window->findChild<QWidget*>(name));
        ASSERT_NE(accessible, nullptr);
        EXPECT_TRUE(accessible->state().invisible) << name;
        EXPECT_EQ(window->findChild<QWidget*>(name)->focusPolicy(), Qt::NoFocus) << name;
    }
    auto* command9 = window->findChild<QPushButton*>(QStringLiteral("Command9"));
    EXPECT_EQ(command9->text(), QStringLiteral("Command9"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(command9)->text(QAccessible::Name),
              QStringLiteral("Sonido del centro con bola"));
}

// The holes show as one pile of boxes, each a single sunken line around the default
// background, the later hole over the earlier. The picture is left in the test's folder.
TEST(BoardForm, TheHolesShowAsAPileOfSunkenBoxes) {
    ScreenHarness h;
    h.Start();
    h.Press(Qt::Key_F2);
    QWidget* window = h.Host().Window(Screen::Board);
    const QImage picture = window->grab().toImage();
    picture.save(QStringLiteral("board-window.png"));
    const QPalette palette = window->palette();
    const QRgb dark = palette.color(QPalette::Dark).rgb();
    const QRgb light = palette.color(QPalette::Light).rgb();
    const QRgb background = palette.color(QPalette::Window).rgb();
    ASSERT_NE(dark, background);
    // Picture33, top of the pile at (128, 144), 81 x 33 pixels, partly under Command9 (80, 152):
    // dark top and left lines, light bottom and right ones, the background inside.
    EXPECT_EQ(picture.pixel(128, 148), dark);
    EXPECT_EQ(picture.pixel(180, 144), dark);
    EXPECT_EQ(picture.pixel(208, 160), light);
    EXPECT_EQ(picture.pixel(180, 176), light);
    EXPECT_EQ(picture.pixel(180, 160), background);
    // Picture21's left line, at x = 96, shows below Picture31..33 and beside the rest.
    EXPECT_EQ(picture.pixel(96, 185), dark);
    // Focus changes draw nothing new: the pile looks the same with the focus elsewhere.
    h.Press(Qt::Key_Up);
    EXPECT_EQ(window->grab().toImage(), picture);
}

TEST(SpokenForms, HaveOnlyTheirHiddenSoundPlayer) {
    ScreenHarness h;
    h.Start();
    for (Qt::Key key : {Qt::Key_F1, Qt::Key_F3, Qt::Key_Escape}) {
        QWidget* window = h.LoadedWindow();
        const auto children = window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_EQ(children.size(), 1);
        EXPECT_EQ(children[0]->objectName(), QStringLiteral("MMControl1"));
        EXPECT_FALSE(children[0]->isVisibleTo(window));
        h.Press(key);
    }
}

} // namespace
} // namespace tintineables::testing

namespace tintineables::testing {
namespace {

TEST(CreditsForm, HasNoMaximizeBoxYetTakesItsKeys) {
    ScreenHarness h;
    h.Start();
    EXPECT_TRUE(h.LoadedWindow()->windowFlags() & Qt::WindowMaximizeButtonHint);
    h.Press(Qt::Key_F3);
    EXPECT_FALSE(h.LoadedWindow()->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(h.LoadedWindow()->windowFlags() & Qt::WindowCloseButtonHint);
    h.TakeCues();
    h.Press(Qt::Key_F3);
    EXPECT_EQ(h.TakeCues(), std::vector<SoundCue>{SoundCue::Credits});
}

TEST(DesktopHost, ARunTimeErrorDestroysEveryWindowAndEndsWithStatusOne) {
    bool failNow = false;
    ScreenHarness h([&] {
        return std::make_unique<RecordingSoundPlayer>(nullptr, [&](int, std::string_view) {
            if (failNow) {
                throw RunTimeError("Sound player: failed");
            }
        });
    });
    h.Start();
    h.Press(Qt::Key_F2);
    failNow = true;
    QPointer<QWidget> board = h.Host().Window(Screen::Board);
    QTest::keyClick(board->windowHandle(), Qt::Key_Right); // the announcement fails
    ProcessEvents();
    EXPECT_EQ(h.endStatus, 1);
    EXPECT_NE(h.error.find("Sound player: failed"), std::string::npos) << h.error;
    EXPECT_EQ(h.TheGame().LoadedCount(), 0);
    EXPECT_TRUE(board.isNull());
}

} // namespace
} // namespace tintineables::testing
