#include "tests/screen_harness.h"

#include "tests/heard_cues.h"
#include "tests/recording_sound_player.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
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
    host_ = std::make_unique<FormHost>(FormHost::Hooks{
        std::move(makePlayer), [this](const std::string& message) { error = message; },
        [this](int status) { endStatus = status; }});
}

ScreenHarness::~ScreenHarness() {
    host_.reset();
    ProcessEvents();
}

void ScreenHarness::Start() {
    host_->Guard([this] { host_->Show(Screen::Menu); });
    ProcessEvents();
}

void ScreenHarness::Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    Form* form = LoadedForm();
    ASSERT_NE(form, nullptr) << "no single loaded form to take the key";
    QWindow* window = form->Window()->windowHandle();
    ASSERT_NE(window, nullptr);
    QTest::keyClick(window, key, modifiers);
    ProcessEvents();
}

void ScreenHarness::PressHeld(Qt::Key key, int repeats, Qt::KeyboardModifiers modifiers) {
    Form* form = LoadedForm();
    ASSERT_NE(form, nullptr) << "no single loaded form to take the key";
    QWindow* window = form->Window()->windowHandle();
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

Form* ScreenHarness::LoadedForm() const {
    Form* loaded = nullptr;
    for (Screen screen : {Screen::Board, Screen::Menu, Screen::Tutorial, Screen::Credits}) {
        Form& form = host_->Instance(screen);
        if (form.Loaded()) {
            if (loaded != nullptr) {
                return nullptr;
            }
            loaded = &form;
        }
    }
    return loaded;
}

BoardForm& ScreenHarness::Board() const {
    return static_cast<BoardForm&>(host_->Instance(Screen::Board));
}

QWidget* ScreenHarness::Focused() const { return QApplication::focusWidget(); }

std::string ScreenHarness::FocusedName() const {
    QWidget* focused = Focused();
    return focused ? focused->objectName().toStdString() : "(none)";
}

std::vector<std::string> ScreenHarness::TakePlayedFiles() { return std::exchange(log_, {}); }

std::vector<SoundCue> ScreenHarness::TakeCues() {
    std::vector<SoundCue> cues;
    for (const std::string& file : log_) {
        const auto row = std::find_if(std::begin(HeardCues), std::end(HeardCues),
                                      [&](const HeardCue& heard) { return heard.file == file; });
        if (row == std::end(HeardCues)) {
            ADD_FAILURE() << "the game played \"" << file << "\", which is none of its cues";
        } else {
            cues.push_back(row->cue);
        }
    }
    log_.clear();
    return cues;
}

} // namespace tintineables::testing
