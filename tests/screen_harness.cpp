#include "tests/screen_harness.h"

#include "tests/heard_cues.h"
#include "tests/recording_sound_player.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <utility>

namespace tintineables::testing {

void ProcessEvents() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

ScreenHarness::ScreenHarness(std::function<std::unique_ptr<SoundPlayer>()> makePlayer) {
    if (!makePlayer) {
        makePlayer = [this] { return std::make_unique<RecordingSoundPlayer>(&log_); };
    }
    host_ = std::make_unique<QtGameHost>(QtGameHost::Hooks{
        std::move(makePlayer), [this](const std::string& message) { error = message; },
        [this](int status) { endStatus = status; }});
}

ScreenHarness::~ScreenHarness() {
    host_.reset();
    ProcessEvents();
}

void ScreenHarness::Start() {
    TheGame().Start();
    ProcessEvents();
}

void ScreenHarness::Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* loaded = LoadedWindow();
    ASSERT_NE(loaded, nullptr) << "no single loaded form to take the key";
    QWindow* window = loaded->windowHandle();
    ASSERT_NE(window, nullptr);
    QTest::keyClick(window, key, modifiers);
    ProcessEvents();
}

void ScreenHarness::PressHeld(Qt::Key key, int repeats, Qt::KeyboardModifiers modifiers) {
    QWidget* loaded = LoadedWindow();
    ASSERT_NE(loaded, nullptr) << "no single loaded form to take the key";
    QWindow* window = loaded->windowHandle();
    for (int i = 0; i <= repeats; ++i) {
        QTest::simulateEvent(window, true, key, modifiers, QString(), i > 0);
        ProcessEvents();
    }
    QTest::simulateEvent(window, false, key, modifiers, QString(), false);
    ProcessEvents();
}

void ScreenHarness::PressTimes(Qt::Key key, int times) {
    for (int i = 0; i < times; ++i) {
        Press(key);
    }
}

bool ScreenHarness::WaitForSound(int ms) {
    QElapsedTimer waited;
    waited.start();
    while (log_.empty() && waited.elapsed() < ms) {
        QTest::qWait(2);
    }
    return !log_.empty();
}

std::optional<Screen> ScreenHarness::LoadedScreen() {
    std::optional<Screen> loaded;
    for (Screen screen : AllScreens) {
        if (TheGame().Loaded(screen)) {
            if (loaded) {
                return std::nullopt;
            }
            loaded = screen;
        }
    }
    return loaded;
}

QWidget* ScreenHarness::LoadedWindow() {
    const std::optional<Screen> screen = LoadedScreen();
    return screen ? host_->Window(*screen) : nullptr;
}

QWidget* ScreenHarness::Picture(int hole) const {
    return host_->Control(Screen::Board, PictureControl(hole));
}

QWidget* ScreenHarness::Focused() const { return QApplication::focusWidget(); }

std::string ScreenHarness::FocusedName() const {
    QWidget* focused = Focused();
    return focused ? focused->objectName().toStdString() : "(none)";
}

std::vector<std::string> ScreenHarness::TakePlayedFiles() { return std::exchange(log_, {}); }

std::vector<SoundCue> ScreenHarness::TakeCues() { return CuesOfFiles(TakePlayedFiles()); }

} // namespace tintineables::testing
