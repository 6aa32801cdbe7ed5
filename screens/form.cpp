#include "screens/form.h"

#include "screens/design_data.h"
#include "screens/form_host.h"
#include "screens/form_window.h"
#include "sound/run_time_error.h"

namespace tintineables {

Form::Form(FormHost& host, Screen screen) : host_(host), screen_(screen) {}

Form::~Form() {
    if (Loaded()) {
        Unload();
    }
}

SoundPlayer& Form::MMControl1() {
    if (!player_) {
        throw RunTimeError(std::string(DesignOf(screen_).formName) +
                           ": the sound player is used while the form is not loaded");
    }
    return *player_;
}

void Form::Load() {
    const FormDesign& design = DesignOf(screen_);
    auto* window = new FormWindow(*this);
    window_ = window;
    // The hidden multimedia control: it only stands for the form's sound player.
    auto* mmControl = new QWidget(window);
    mmControl->setObjectName(QStringLiteral("MMControl1"));
    mmControl->setGeometry(design.mmControl.Pixels());
    mmControl->setFocusPolicy(Qt::NoFocus);
    mmControl->hide();
    player_ = host_.MakePlayer();
    BuildControls(*window);
    Form_Load();
}

void Form::Unload() {
    QWidget* window = window_;
    window_ = nullptr;
    ForgetControls();
    player_.reset(); // stops this form's cue and gives its mixer channel back
    if (window != nullptr) {
        static_cast<FormWindow*>(window)->Detach();
        window->hide();
        window->deleteLater(); // we may be inside one of its own event handlers
    }
}

void Form::KeyPressed(QWidget* control, KeyCode keyCode, std::int16_t shift) {
    if (control == nullptr || DesignOf(screen_).keyPreview) {
        Form_KeyDown(keyCode, shift);
    }
    if (control != nullptr && Loaded()) {
        Control_KeyDown(*control, keyCode, shift);
    }
}

void Form::ControlFocused(QWidget& control) { Control_GotFocus(control); }

void Form::Control_KeyDown(QWidget&, KeyCode, std::int16_t) {}
void Form::Control_GotFocus(QWidget&) {}

FlowStep Form::FollowFlow(KeyCode keyCode) {
    const FlowStep step = FlowFor(screen_, keyCode);
    switch (step.kind) {
    case FlowStep::Kind::SwitchTo:
        host_.Show(step.target);
        host_.Unload(screen_);
        return {};
    case FlowStep::Kind::Replay:
        Form_Load();
        return {};
    case FlowStep::Kind::End:
        host_.Unload(screen_);
        return {};
    case FlowStep::Kind::Nothing:
    case FlowStep::Kind::Restart:
        break;
    }
    return step;
}

} // namespace tintineables
