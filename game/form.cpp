#include "game/form.h"

#include "game/design_data.h"
#include "game/game.h"
#include "sound/run_time_error.h"

#include <algorithm>

namespace tintineables {

Form::Form(Game& game, Screen screen) : game_(game), screen_(screen) {}

Form::~Form() = default;

SoundPlayer& Form::MMControl1() {
    if (!player_) {
        throw RunTimeError(std::string(DesignOf(screen_).formName) +
                           ": the sound player is used while the form is not loaded");
    }
    return *player_;
}

std::vector<ControlView> Form::Controls() const {
    // The hidden multimedia control: it only stands for the form's sound player.
    return {{SpokenFormMMControl,
             "MMControl1",
             ControlKind::MultimediaControl,
             DesignOf(screen_).mmControl,
             false,
             false,
             {},
             {}}};
}

void Form::Load() {
    const FormDesign& design = DesignOf(screen_);
    GameHost& host = game_.Host();
    controls_ = Controls();
    host.LoadForm(
        {screen_, design.formName, host.Translate(design.caption), design.maxButton, controls_});
    loaded_ = true;
    focused_ = NoControl;
    player_ = host.MakePlayer(screen_);
    Form_Load();
}

void Form::Unload() {
    loaded_ = false;
    ForgetControls();
    controls_.clear();
    focused_ = NoControl;
    player_.reset(); // stops this form's cue and gives its mixer channel back
    game_.Host().UnloadForm(screen_);
}

void Form::KeyPressed(ControlId control, KeyCode keyCode, std::int16_t shift) {
    if (control == NoControl || DesignOf(screen_).keyPreview) {
        Form_KeyDown(keyCode, shift);
    }
    if (control != NoControl && Loaded()) {
        Control_KeyDown(control, keyCode, shift);
    }
}

void Form::ControlFocused(ControlId control) {
    focused_ = control;
    Control_GotFocus(control);
}

ControlId Form::NextInTabOrder(ControlId from, bool backwards) const {
    std::vector<ControlId> stops;
    for (const ControlView& control : controls_) {
        if (control.visible && control.tabStop) {
            stops.push_back(control.id);
        }
    }
    if (stops.empty()) {
        return NoControl;
    }
    const auto at = std::find(stops.begin(), stops.end(), from);
    if (at == stops.end()) {
        return backwards ? stops.back() : stops.front();
    }
    const auto index = static_cast<std::size_t>(at - stops.begin());
    return backwards ? stops[(index + stops.size() - 1) % stops.size()]
                     : stops[(index + 1) % stops.size()];
}

bool Form::IsButton(ControlId control) const {
    return std::any_of(controls_.begin(), controls_.end(), [&](const ControlView& view) {
        return view.id == control && view.kind == ControlKind::Button && view.visible;
    });
}

FlowStep Form::FollowFlow(KeyCode keyCode) {
    const FlowStep step = FlowFor(screen_, keyCode);
    switch (step.kind) {
    case FlowStep::Kind::SwitchTo:
        if (step.target == Screen::Board) {
            game_.ChooseBoard(step.puzzles);
        }
        game_.Show(step.target);
        game_.Unload(screen_);
        return {};
    case FlowStep::Kind::Replay:
        Form_Load();
        return {};
    case FlowStep::Kind::End:
        game_.Unload(screen_);
        return {};
    case FlowStep::Kind::Nothing:
    case FlowStep::Kind::Restart:
        break;
    }
    return step;
}

} // namespace tintineables
