#include "game/design_data.h"
#include "tests/recording_sound_player.h"
#include "tests/screen_harness.h"

#include <QAccessible>
#include <QApplication>
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
        // Each opens taller by its captions' lines (of letters at least 1.5 times the desktop's
        // text) under the square of the cross, three, or of the keys, six.
        const int band = window->height() - 560;
        EXPECT_EQ(window->width(), 560);
        if (caption == QStringLiteral("TABLERO")) {
            EXPECT_GE(band, 3 * 1.5 * QFontInfo(window->font()).pixelSize());
            EXPECT_LE(band, 560 / 4);
        } else {
            EXPECT_GE(band, 6 * 1.5 * QFontInfo(window->font()).pixelSize());
            EXPECT_LE(band, 560 / 2);
        }
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
        EXPECT_EQ(control->isVisibleTo(window), design.visible) << design.name;
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            EXPECT_EQ(button->text(), name);
        }
    }
    // The holes stand in the cross's cells of 80 pixels, column 1 at the left, row 1 at the
    // bottom: Picture1 at (3,1) lowest, Picture4 above it, Picture17 the centre, Picture33 at
    // (5,7) highest; none overlaps
    // another, and Command9 stands apart in the empty bottom-right corner.
    auto at = [&](const char* name) { return window->findChild<QWidget*>(name)->geometry(); };
    EXPECT_EQ(at("Picture1"), QRect(160, 480, 80, 80));
    EXPECT_EQ(at("Picture4"), QRect(160, 400, 80, 80));
    EXPECT_EQ(at("Picture17"), QRect(240, 240, 80, 80));
    EXPECT_EQ(at("Picture33"), QRect(320, 0, 80, 80));
    for (int hole = 1; hole <= 33; ++hole) {
        const QRect place = h.Picture(hole)->geometry();
        EXPECT_FALSE(place.intersects(at("Command9"))) << hole;
        for (int other = hole + 1; other <= 33; ++other) {
            EXPECT_FALSE(place.intersects(h.Picture(other)->geometry())) << hole << " " << other;
        }
    }
    EXPECT_TRUE(QRect(400, 400, 160, 160).contains(at("Command9")));
    // The hidden player keeps its place: nothing shows it.
    EXPECT_EQ(at("MMControl1"), QRect(64, 56, 236, 33));
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

// The board drawn in its colours: white discs for pegs on black, the empty centre black inside
// its ring, and a yellow ring around the focused hole that follows the focus. The picture is left
// in the test's folder.
TEST(BoardForm, ShowsTheCrossAndTheCursorWhereTheFocusIs) {
    ScreenHarness h;
    h.Start();
    h.Press(Qt::Key_F2);
    QWidget* window = h.Host().Window(Screen::Board);
    const QRgb peg = qRgb(0xFF, 0xFF, 0xFF);
    const QRgb board = qRgb(0x00, 0x00, 0x00);
    const QRgb cursor = qRgb(0xFF, 0xD0, 0x00);
    auto ringOf = [&](const QImage& picture, QWidget* hole) {
        // Just inside the cell's right edge, on the cursor's ring.
        const QRect place = hole->geometry();
        return picture.pixel(place.right() - place.width() / 20, place.center().y());
    };
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QImage picture = window->grab().toImage();
    picture.save(QStringLiteral("board-window.png"));
    EXPECT_EQ(picture.pixel(h.Picture(17)->geometry().center()), board);
    EXPECT_EQ(picture.pixel(h.Picture(1)->geometry().center()), peg);
    EXPECT_EQ(picture.pixel(h.Picture(33)->geometry().center()), peg);
    EXPECT_EQ(ringOf(picture, focused), cursor);
    h.Press(Qt::Key_Up);
    QWidget* above = QApplication::focusWidget();
    ASSERT_NE(above, focused);
    picture = window->grab().toImage();
    EXPECT_EQ(ringOf(picture, above), cursor);
    EXPECT_EQ(ringOf(picture, focused), board);
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
