#pragma once
// The game on a host of the test's own, with no window system at all: keys go to the form
// whose window was shown last, a focus move arrives at once, as a platform's does, and each
// form's sound player writes down the files it is told to play. The solver answers at once,
// or when the test says (for answers overtaken by a key).
#include "game/game.h"
#include "game/game_host.h"
#include "sound/sound_cue.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tintineables {
inline void PrintTo(SoundCue cue, std::ostream* out) { *out << NameOf(cue); }
} // namespace tintineables

namespace tintineables::testing {

class TestHost final : public GameHost {
public:
    enum class Solver { AnswersAtOnce, AnswersWhenTold };
    using PlayerFactory = std::function<std::unique_ptr<SoundPlayer>()>;

    explicit TestHost(Solver solver = Solver::AnswersAtOnce, PlayerFactory makePlayer = {});
    ~TestHost() override;

    Game& TheGame() { return *game_; }
    void Start() { game_->Start(); }
    // A key on the active window, to the control that has the focus there; Space on a button
    // is then pressed, as the platform does.
    void Press(KeyCode key, std::int16_t shift = 0);
    void PressTimes(KeyCode key, int times);
    // The answers the solver holds back, given now; how many there were.
    int DeliverAnswers();

    // The single loaded form's screen; none when no form or several are loaded.
    std::optional<Screen> LoadedScreen() const;
    const FormView* View(Screen screen) const; // a loaded form's window, or null
    // Which window this is: a number of its own for every window the game loads; 0 for none.
    int WindowNumber(Screen screen) const;
    std::string FocusedName() const; // "Picture5", "Command9", or "(none)"
    ControlId Focused() const { return focused_; }

    std::vector<std::string> TakePlayedFiles();
    std::vector<SoundCue> TakeCues(); // the same, each file known as its cue by HeardCues

    // What the text mode told a screen reader: each control's name as it now stands, and what was
    // said, in order (an arrival's words as the focus event reads them, an answer's at once).
    std::vector<std::string> TakeTold();
    std::string NameOf(ControlId control) const;

    int endStatus = -1;
    std::string error;
    std::vector<std::string> translated;               // every text the game asked to translate
    std::vector<SoundSettings> applied;                // every sound setting the game gave
    std::map<Screen, FormLook> looks;                  // what each form last showed
    int looksShown = 0;                                // how often the game told one
    std::function<std::string(const char*)> translate; // by default the text itself
    Language language = Language::Spanish;             // the recordings' and captions'
    // How far every player is into what it plays now, in its own seconds (none: silent).
    std::optional<double> heardSeconds;

    void LoadForm(const FormView& view) override;
    void ShowForm(Screen screen, ControlId focus) override;
    void UnloadForm(Screen screen) override;
    void SetFocus(Screen screen, ControlId control) override;
    std::unique_ptr<SoundPlayer> MakePlayer(Screen screen) override;
    void ApplySoundSettings(const SoundSettings& settings) override { applied.push_back(settings); }
    void ShowLook(const FormLook& look) override {
        looks[look.screen] = look;
        ++looksShown;
    }
    void AskSolver(const SolverQuestion& question) override;
    void ForgetSolverQuestion() override {}
    void Tell(Screen screen, ControlId control, const std::string& text, bool now) override;
    std::string Translate(const char* text) override;
    Language SpokenLanguage() const override { return language; }
    void ReportError(const std::string& message) override { error = message; }
    void End(int status) override { endStatus = status; }

private:
    void ReadFocused();

    Solver solver_;
    PlayerFactory makePlayer_;
    std::vector<std::string> played_;
    struct Window {
        FormView view;
        int number;
    };
    std::vector<Window> windows_;
    int windowsLoaded_ = 0;
    std::optional<Screen> active_;
    ControlId focused_ = NoControl;
    std::deque<SolverQuestion> questions_;
    std::vector<std::string> told_;
    std::map<ControlId, std::string> names_;
    std::unique_ptr<Game> game_;
};

} // namespace tintineables::testing
