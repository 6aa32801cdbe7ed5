#include "screens/form_window.h"

#include "game/game.h"
#include "screens/qt_key_codes.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <qdrawutil.h>

namespace tintineables {

namespace {

QRect Pixels(const TwipsRect& rect) {
    return {rect.left / TwipsPerPixel, rect.top / TwipsPerPixel, rect.width / TwipsPerPixel,
            rect.height / TwipsPerPixel};
}

// A hole: a picture box with the default border, a single sunken line around the default
// background, and nothing drawn inside. It holds the focus and receives keys; it says nothing
// to a screen reader, whose speech would only cover the cues. A plain widget has no accessible
// name or description to begin with, so none is set: setting one would send the screen reader
// an event for every hole while the board opens.
class HoleControl final : public QWidget {
public:
    explicit HoleControl(QWidget& parent) : QWidget(&parent) {
        setAutoFillBackground(true); // the later hole covers the earlier one, as in the pile
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
};

} // namespace

FormWindow::FormWindow(Game& game, const FormView& view)
    : game_(&game), screen_(view.screen), preview_(new KeyPreview(*this)) {
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
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        const ControlId control = watched == &window_ ? NoControl : window_.IdOf(watched);
        const KeyUse use =
            game->KeyDown(window_.WhichScreen(), VirtualKeyOf(key), ShiftStateOf(key), control);
        // Space on a focused button still presses it: Qt clicks it when the key comes up.
        // Every other key stops here, so an arrow never moves the focus between buttons, and
        // Tab goes where the game sends it.
        return use != KeyUse::ForTheControl;
    }
    if (watched == &window_) {
        return false;
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
