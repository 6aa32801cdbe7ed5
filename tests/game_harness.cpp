#include "tests/game_harness.h"

#include "tests/heard_cues.h"
#include "tests/recording_sound_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace tintineables::testing {

TestHost::TestHost(Solver solver, PlayerFactory makePlayer)
    : solver_(solver), makePlayer_(std::move(makePlayer)), game_(std::make_unique<Game>(*this)) {
    if (!makePlayer_) {
        makePlayer_ = [this] {
            return std::make_unique<RecordingSoundPlayer>(&played_, nullptr, &heardSeconds);
        };
    }
}

TestHost::~TestHost() { game_.reset(); }

void TestHost::Press(KeyCode key, std::int16_t shift) {
    ASSERT_TRUE(active_.has_value()) << "no window to take the key";
    const Screen screen = *active_;
    if (game_->KeyDown(screen, key, shift, focused_) == KeyUse::ForTheControl) {
        game_->Click(screen, focused_);
    }
}

void TestHost::PressTimes(KeyCode key, int times) {
    for (int i = 0; i < times; ++i) {
        Press(key);
    }
}

int TestHost::DeliverAnswers() {
    int delivered = 0;
    while (!questions_.empty()) {
        const SolverQuestion question = questions_.front();
        questions_.pop_front();
        game_->Answered(AnswerQuestion(question));
        ++delivered;
    }
    return delivered;
}

std::optional<Screen> TestHost::LoadedScreen() const {
    if (windows_.size() != 1 || game_->LoadedCount() != 1) {
        return std::nullopt;
    }
    return windows_.front().view.screen;
}

const FormView* TestHost::View(Screen screen) const {
    const auto window = std::find_if(windows_.begin(), windows_.end(),
                                     [&](const Window& w) { return w.view.screen == screen; });
    return window == windows_.end() ? nullptr : &window->view;
}

int TestHost::WindowNumber(Screen screen) const {
    const auto window = std::find_if(windows_.begin(), windows_.end(),
                                     [&](const Window& w) { return w.view.screen == screen; });
    return window == windows_.end() ? 0 : window->number;
}

std::string TestHost::FocusedName() const {
    const FormView* view = active_ ? View(*active_) : nullptr;
    if (view != nullptr) {
        for (const ControlView& control : view->controls) {
            if (control.id == focused_) {
                return control.name;
            }
        }
    }
    return "(none)";
}

std::vector<std::string> TestHost::TakePlayedFiles() { return std::exchange(played_, {}); }

std::vector<SoundCue> TestHost::TakeCues() { return CuesOfFiles(TakePlayedFiles()); }

void TestHost::LoadForm(const FormView& view) {
    EXPECT_EQ(View(view.screen), nullptr) << view.formName << " loaded twice";
    windows_.push_back({view, ++windowsLoaded_});
}

void TestHost::ShowForm(Screen screen, ControlId focus) {
    ASSERT_NE(View(screen), nullptr) << "a form shown before it was loaded";
    active_ = screen;
    focused_ = NoControl;
    if (focus != NoControl) {
        focused_ = focus;
        game_->GotFocus(screen, focus);
        ReadFocused();
    }
}

void TestHost::UnloadForm(Screen screen) {
    std::erase_if(windows_, [&](const Window& window) { return window.view.screen == screen; });
    looks.erase(screen);
    if (screen == Screen::Board) {
        names_.clear(); // its controls are gone
    }
    if (active_ == screen) {
        active_.reset();
        focused_ = NoControl;
    }
}

void TestHost::SetFocus(Screen screen, ControlId control) {
    ASSERT_EQ(active_, screen) << "the focus moved on a window that is not active";
    focused_ = control;
    game_->GotFocus(screen, control);
    ReadFocused();
}

// A screen reader reads the name of the control the focus arrived on once the platform's focus
// event reaches it: after the game has handled the arrival.
void TestHost::ReadFocused() {
    if (const std::string& name = names_[focused_]; !name.empty()) {
        told_.push_back(name);
    }
}

void TestHost::Tell(Screen screen, ControlId control, const std::string& text, bool now) {
    ASSERT_EQ(screen, Screen::Board) << "only the board speaks in words";
    names_[control] = text;
    if (now) {
        ASSERT_EQ(control, focused_) << "told at once of a control without the focus";
        told_.push_back(text);
    }
}

std::vector<std::string> TestHost::TakeTold() { return std::exchange(told_, {}); }

std::string TestHost::NameOf(ControlId control) const {
    const auto name = names_.find(control);
    return name == names_.end() ? std::string() : name->second;
}

std::unique_ptr<SoundPlayer> TestHost::MakePlayer(Screen) { return makePlayer_(); }

void TestHost::AskSolver(const SolverQuestion& question) {
    if (solver_ == Solver::AnswersAtOnce) {
        game_->Answered(AnswerQuestion(question));
    } else {
        questions_.push_back(question);
    }
}

std::string TestHost::Translate(const char* text) {
    translated.emplace_back(text);
    return translate ? translate(text) : std::string(text);
}

} // namespace tintineables::testing
