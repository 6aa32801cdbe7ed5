#include "tests/screen_harness.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace tintineables::testing {

namespace {

class LoggingPlayer final : public SoundPlayer {
public:
    explicit LoggingPlayer(std::vector<std::string>& log) : log_(log) {}
    void SetString(int dispatchId, std::string_view value) override {
        if (dispatchId == DispatchId::FileName) {
            file_ = value;
        } else if (dispatchId == DispatchId::Command && (value == "play" || value == "Play")) {
            log_.push_back(file_);
        }
    }

private:
    std::vector<std::string>& log_;
    std::string file_;
};

} // namespace

void ProcessEvents() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

ScreenHarness::ScreenHarness(std::function<std::unique_ptr<SoundPlayer>()> makePlayer) {
    if (!makePlayer) {
        makePlayer = [this] { return std::make_unique<LoggingPlayer>(log_); };
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

void ScreenHarness::PressTimes(Qt::Key key, int times) {
    for (int i = 0; i < times; ++i) {
        Press(key);
    }
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

std::vector<SoundCue> ScreenHarness::TakeCues() {
    std::vector<SoundCue> cues;
    for (const std::string& file : log_) {
        for (const SoundCueInfo& info : SoundCueTable) {
            if (info.fileName == file) {
                cues.push_back(info.cue);
            }
        }
    }
    log_.clear();
    return cues;
}

} // namespace tintineables::testing
