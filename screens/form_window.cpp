#include "screens/form_window.h"

#include "screens/design_data.h"
#include "screens/form.h"
#include "screens/form_host.h"
#include "screens/qt_key_codes.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>

namespace tintineables {

namespace {

// The Shift argument of a KeyDown: 1 Shift, 2 Ctrl, 4 Alt. Passed on, never read.
std::int16_t ShiftState(const QKeyEvent& event) {
    const Qt::KeyboardModifiers m = event.modifiers();
    return static_cast<std::int16_t>((m & Qt::ShiftModifier ? 1 : 0) |
                                     (m & Qt::ControlModifier ? 2 : 0) |
                                     (m & Qt::AltModifier ? 4 : 0));
}

} // namespace

FormWindow::FormWindow(Form& form) : form_(&form), preview_(new KeyPreview(form, *this)) {
    const FormDesign& design = DesignOf(form.WhichScreen());
    setObjectName(QString::fromLatin1(design.formName));
    setWindowTitle(Translated(design.caption));
    resize(ClientWidthTwips / TwipsPerPixel, ClientHeightTwips / TwipsPerPixel);
    if (!design.maxButton) {
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    }
    // The window itself is never in the Tab chain; with no focusable control it still gets
    // every key, as the receiver of last resort.
    setFocusPolicy(Qt::NoFocus);
    installEventFilter(preview_);
}

void FormWindow::Watch(QWidget& control) { control.installEventFilter(preview_); }

void FormWindow::Detach() {
    form_ = nullptr;
    preview_->Detach();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // the host destroys the window itself
    if (Form* form = form_) {
        form->Host().Guard([form] { form->Host().Unload(form->WhichScreen()); });
    }
}

KeyPreview::KeyPreview(Form& form, QWidget& window)
    : QObject(&window), form_(&form), window_(window) {}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (form_ == nullptr) {
        // The form was unloaded and this window only waits to be deleted: it hears nothing.
        return event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (IsTabKey(key)) {
            return false;
        }
        QWidget* control = watched == &window_ ? nullptr : static_cast<QWidget*>(watched);
        Form& form = *form_;
        const KeyCode code = VirtualKeyOf(key);
        form.Host().Guard([&] { form.KeyPressed(control, code, ShiftState(key)); });
        // Space on a focused button still presses it: Qt clicks it when the key comes up.
        // Every other key stops here, so an arrow never moves the focus between buttons.
        const bool button = control != nullptr && qobject_cast<QAbstractButton*>(control);
        return !(button && code == Key::Space && form.Loaded());
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
            Form& form = *form_;
            form.Host().Guard([&] { form.ControlFocused(*control); });
        }
    }
    return false;
}

} // namespace tintineables
