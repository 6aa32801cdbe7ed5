#include "screens/form_window.h"

#include "game/game.h"
#include "screens/qt_key_codes.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <qdrawutil.h>

#include <array>

namespace tintineables {

namespace {

QRect Pixels(const TwipsRect& rect) {
    return {rect.left / TwipsPerPixel, rect.top / TwipsPerPixel, rect.width / TwipsPerPixel,
            rect.height / TwipsPerPixel};
}

// A hole: a picture box with the default border, a single sunken line around the default
// background, and nothing drawn inside. It holds the focus and receives keys; it says nothing
// to a screen reader, whose speech would only cover the cues, unless the text mode tells it
// words. Its name is kept here rather than as Qt's accessible name, whose every change is an
// event: an arrival's words are read with the focus event.
class HoleControl final : public QWidget {
public:
    explicit HoleControl(QWidget& parent) : QWidget(&parent) {
        setAutoFillBackground(true); // the later hole covers the earlier one, as in the pile
    }

    const QString& Told() const { return told_; }
    void SetTold(const QString& text) { told_ = text; }

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

private:
    QString told_;
};

// What a screen reader asks of a hole: the text mode's words as its name.
class HoleAccessible final : public QAccessibleWidget {
public:
    explicit HoleAccessible(HoleControl* hole) : QAccessibleWidget(hole) {}
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return static_cast<const HoleControl*>(widget())->Told();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* HoleAccessibleFor(const QString&, QObject* object) {
    if (auto* hole = dynamic_cast<HoleControl*>(object)) {
        return new HoleAccessible(hole);
    }
    return nullptr;
}

} // namespace

FormWindow::FormWindow(Game& game, const FormView& view)
    : game_(&game), screen_(view.screen), preview_(new KeyPreview(*this)) {
    static const bool holesNamed = (QAccessible::installFactory(&HoleAccessibleFor), true);
    static_cast<void>(holesNamed);
    setObjectName(QString::fromStdString(view.formName));
    setWindowTitle(QString::fromStdString(view.title));
    resize(ClientWidthTwips / TwipsPerPixel, ClientHeightTwips / TwipsPerPixel);
    if (!view.maxButton) {
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    }
    // The window itself is never in the Tab chain; with no focusable control it still gets
    // every key, as the receiver of last resort.
    setFocusPolicy(Qt::NoFocus);
    installEventFilter(preview_);
    for (const ControlView& control : view.controls) {
        Build(control);
    }
}

void FormWindow::Build(const ControlView& view) {
    QWidget* control = nullptr;
    switch (view.kind) {
    case ControlKind::Hole:
        control = new HoleControl(*this);
        break;
    case ControlKind::Button: {
        auto* button = new QPushButton(QString::fromStdString(view.caption), this);
        button->setAutoDefault(false);
        if (!view.accessibleName.empty()) {
            // Its caption stays "Command9"; a screen reader says what it does.
            button->setAccessibleName(QString::fromStdString(view.accessibleName));
        }
        const ControlId id = view.id;
        QObject::connect(button, &QPushButton::clicked, button, [this, id] {
            if (game_ != nullptr) {
                game_->Click(screen_, id);
            }
        });
        control = button;
        break;
    }
    case ControlKind::MultimediaControl:
        // The hidden multimedia control: it only stands for the form's sound player.
        control = new QWidget(this);
        break;
    }
    control->setObjectName(QString::fromStdString(view.name));
    control->setGeometry(Pixels(view.rect));
    control->setFocusPolicy(view.visible && view.tabStop ? Qt::StrongFocus : Qt::NoFocus);
    control->setVisible(view.visible);
    control->installEventFilter(preview_);
    controls_.emplace_back(view.id, control);
}

QWidget* FormWindow::Control(ControlId id) const {
    for (const auto& [controlId, widget] : controls_) {
        if (controlId == id) {
            return widget;
        }
    }
    return nullptr;
}

ControlId FormWindow::IdOf(const QObject* widget) const {
    for (const auto& [controlId, control] : controls_) {
        if (control == widget) {
            return controlId;
        }
    }
    return NoControl;
}

void FormWindow::Detach() { game_ = nullptr; }

void FormWindow::Tell(ControlId id, const QString& text, bool now) {
    QWidget* control = Control(id);
    if (auto* hole = dynamic_cast<HoleControl*>(control)) {
        hole->SetTold(text);
    } else if (control != nullptr && !now) {
        control->setAccessibleName(text); // a button's own name back
    }
    if (control != nullptr && now && !text.isEmpty()) {
        SayNow(*control, text);
    }
}

// An answer, said at once: Qt 6.4 tells a screen reader that a name changed but not the new
// name, and has no announcement; what every screen reader reads at once is the object that
// takes the focus. So the focus goes to a word holder inside the control, named with the
// answer: the screen reader speaks it and the braille display shows it, until the next arrival
// takes both to the next hole. Two holders take turns, so that the same answer twice is a new
// focus too. The game's focus stays on the control, whose keys the holder's are.
void FormWindow::SayNow(QWidget& control, const QString& text) {
    auto& holders = wordHolders_[&control];
    if (holders[0] == nullptr) {
        for (QPointer<QWidget>& holder : holders) {
            holder = new QWidget(&control);
            holder->setObjectName(QStringLiteral("words"));
            holder->setFocusPolicy(Qt::NoFocus); // never in the Tab chain
            holder->setAttribute(Qt::WA_TransparentForMouseEvents);
            holder->setGeometry(0, 0, 1, 1);
            holder->installEventFilter(preview_);
            holder->show();
        }
    }
    // A screen reader takes two siblings of one role and one name for the same object, which
    // it does not read again: the second holder's name ends in a space, which nobody hears.
    const bool second = holders[0]->hasFocus();
    QWidget* holder = holders[second ? 1 : 0];
    holder->setAccessibleName(second ? text + QLatin1Char(' ') : text);
    holder->setFocus(Qt::OtherFocusReason);
}

bool FormWindow::IsWordHolder(const QObject* widget) const {
    return widget != nullptr && widget->objectName() == QLatin1String("words") &&
           IdOf(widget->parent()) != NoControl;
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // the game has the host destroy the window itself
    if (game_ != nullptr) {
        game_->Close(screen_);
    }
}

KeyPreview::KeyPreview(FormWindow& window) : QObject(&window), window_(window) {}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    Game* game = window_.TheGame();
    if (game == nullptr) {
        // The form was unloaded and this window only waits to be deleted: it hears nothing.
        return event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    }
    const bool wordHolder = window_.IsWordHolder(watched);
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        // A word holder's keys are its control's.
        const QObject* receiver = wordHolder ? watched->parent() : watched;
        const ControlId control = receiver == &window_ ? NoControl : window_.IdOf(receiver);
        const KeyUse use =
            game->KeyDown(window_.WhichScreen(), VirtualKeyOf(key), ShiftStateOf(key), control);
        if (use == KeyUse::ForTheControl && wordHolder) {
            // The button under the words is pressed here: the key stops at the holder.
            if (auto* button = qobject_cast<QAbstractButton*>(watched->parent())) {
                button->click();
            }
            return true;
        }
        // Space on a focused button still presses it: Qt clicks it when the key comes up.
        // Every other key stops here, so an arrow never moves the focus between buttons, and
        // Tab goes where the game sends it.
        return use != KeyUse::ForTheControl;
    }
    if (watched == &window_ || wordHolder) {
        return false; // the focus coming to the words, or leaving them, is no arrival
    }
    if (event->type() == QEvent::FocusOut) {
        // The window stops being active (another program, a popup): the control keeps its focus
        // as far as the game goes, so its coming back is no arrival.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const bool windowLeft =
            reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
        keptFocus_ = windowLeft ? static_cast<QWidget*>(watched) : nullptr;
    } else if (event->type() == QEvent::FocusIn) {
        auto* control = static_cast<QWidget*>(watched);
        const bool cameBack = control == keptFocus_;
        keptFocus_ = nullptr;
        if (!cameBack) {
            game->GotFocus(window_.WhichScreen(), window_.IdOf(control));
        }
    }
    return false;
}

} // namespace tintineables
