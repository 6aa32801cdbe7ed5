#include "screens/board_form.h"

#include "board/announcement.h"
#include "board/hole_key_down.h"
#include "board/new_game.h"
#include "screens/design_data.h"
#include "screens/form_host.h"
#include "screens/form_window.h"
#include "sound/play_cue.h"
#include "sound/run_time_error.h"

#include <QPainter>
#include <qdrawutil.h>

#include <string_view>

namespace tintineables {

namespace {

// A hole: a picture box with the default border, a single sunken line around the default
// background, and nothing drawn inside. It holds the focus and receives keys; it says nothing
// to a screen reader, whose speech would only cover the cues. A plain widget has no accessible
// name or description to begin with, so none is set: setting one would send the screen reader
// an event for every hole while the board opens.
class HoleControl final : public QWidget {
public:
    HoleControl(QWidget& parent, int hole) : QWidget(&parent), number_(hole) {
        setAutoFillBackground(true); // the later hole covers the earlier one, as in the pile
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    // Drawn by hand rather than as a QFrame, which a screen reader would announce as a frame
    // on every arrow.
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        qDrawShadePanel(&painter, rect(), palette(), true, 1);
    }

    // QWidget repaints a widget that gains or loses the focus. A hole looks the same either
    // way, and in the overlapping pile every repaint spreads to its neighbours: skip it, on
    // every arrow.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

public:
    int Number() const { return number_; }

private:
    int number_;
};

} // namespace

BoardForm::BoardForm(FormHost& host) : Form(host, Screen::Board) {}

void BoardForm::BuildControls(QWidget& window) {
    auto& formWindow = static_cast<FormWindow&>(window);
    QWidget* previous = nullptr;
    for (const BoardControlDesign& design : BoardControls()) {
        QWidget* control = nullptr;
        if (design.name.startsWith(QStringLiteral("Picture"))) {
            const int hole = design.tabIndex + 1;
            control = new HoleControl(window, hole);
            pictures_[static_cast<std::size_t>(hole - 1)] = control;
        } else if (design.name.startsWith(QStringLiteral("Command"))) {
            auto* button = new QPushButton(design.caption, &window);
            const int number = design.tabIndex - 33;
            button->setAutoDefault(false);
            button->setFocusPolicy(design.visible ? Qt::StrongFocus : Qt::NoFocus);
            if (design.visible) {
                // Its caption stays "Command9"; a screen reader says what it does.
                button->setAccessibleName(Translated(Command9AccessibleName));
            }
            QObject::connect(button, &QPushButton::clicked, button,
                             [this, number] { Host().Guard([&] { Command_Click(number); }); });
            control = button;
        } else {
            continue; // MMControl1 is built by every form alike
        }
        control->setObjectName(design.name);
        control->setGeometry(design.rect.Pixels());
        control->setVisible(design.visible);
        formWindow.Watch(*control);
        if (previous != nullptr && design.visible) {
            QWidget::setTabOrder(previous, control);
        }
        if (design.visible) {
            previous = control;
        }
    }
}

void BoardForm::ForgetControls() {
    ForgetQuestion();
    pictures_.fill(nullptr);
}

QWidget* BoardForm::FirstFocus() const { return pictures_[0]; }

QWidget* BoardForm::Picture(int hole) const {
    return pictures_[static_cast<std::size_t>(HoleByNumber(hole).number - 1)];
}

int BoardForm::HoleOf(const QWidget& control) {
    const auto* hole = dynamic_cast<const HoleControl*>(&control);
    return hole != nullptr ? hole->Number() : NoHole;
}

void BoardForm::Form_Load() { NewGame(state_); }

void BoardForm::Form_KeyDown(KeyCode keyCode, std::int16_t /*shift*/) {
    // F2 and Escape end this game: a question about it is forgotten first. Leaving shows the
    // menu before the board goes, and showing a window can run the answer that waits.
    if (FlowFor(Screen::Board, keyCode).kind != FlowStep::Kind::Nothing) {
        ForgetQuestion();
    }
    if (FollowFlow(keyCode).kind == FlowStep::Kind::Restart) {
        Form_Load();
        PlayCue(MMControl1(), SoundCue::Restart);
    }
}

void BoardForm::Control_GotFocus(QWidget& control) {
    const int hole = HoleOf(control);
    if (hole != NoHole) {
        const SoundCue cue = Announce(state_, hole);
        if (afterArrival_) {
            const std::string_view files[] = {FileNameOf(cue), FileNameOf(*afterArrival_)};
            PlayJoined(MMControl1(), files);
        } else {
            Play(cue);
        }
    }
    afterArrival_.reset();
}

void BoardForm::Control_KeyDown(QWidget& control, KeyCode keyCode, std::int16_t /*shift*/) {
    if (AnswerHelpKey(control, keyCode)) {
        return;
    }
    const int hole = HoleOf(control);
    if (hole == NoHole) {
        return; // Command9: its Space is a click, and nothing else means anything to it
    }
    const HoleKeyResult result = HoleKeyDown(state_, hole, keyCode);
    if (result.cue) {
        Play(*result.cue);
        if (*result.cue == SoundCue::Place || *result.cue == SoundCue::Applause) {
            ForgetQuestion(); // a jump: the position asked about is gone
        }
    }
    if (result.focusHole) {
        Picture(*result.focusHole)->setFocus(Qt::OtherFocusReason);
    }
}

void BoardForm::Command_Click(int button) {
    for (const SoundCueInfo& info : SoundCueTable) {
        if (info.button == button) {
            PlayCue(MMControl1(), info.cue);
            return;
        }
    }
    throw RunTimeError("No sound button Command" + std::to_string(button));
}

// Every cue of the board goes through its button's Click procedure.
void BoardForm::Play(SoundCue cue) { Command_Click(InfoOf(cue).button); }

} // namespace tintineables
