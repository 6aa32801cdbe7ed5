#include "screens/screen_reader_support.h"

#include "screens/form_window.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QWidget>

namespace tintineables {

namespace {

// A form's window is a window to the screen reader too: its title is what it speaks, and
// announcing its activation only works for an object of that role.
QAccessibleInterface* FormWindowAccessible(const QString&, QObject* object) {
    if (auto* window = dynamic_cast<FormWindow*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    return nullptr;
}

// Tells the accessibility bridge that the active window is active, as Qt does on activation.
void AnnounceActiveWindow() {
    QWidget* window = QApplication::activeWindow();
    if (window == nullptr || !QAccessible::isActive()) {
        return; // a window that becomes active later is announced by Qt itself
    }
    QAccessible::State changed;
    changed.active = true;
    QAccessibleStateChangeEvent event(window, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace

ScreenReaderSupport::ScreenReaderSupport() {
    QAccessible::installFactory(&FormWindowAccessible);
    QAccessible::installActivationObserver(this);
}

ScreenReaderSupport::~ScreenReaderSupport() {
    QAccessible::removeActivationObserver(this);
    QAccessible::removeFactory(&FormWindowAccessible);
}

void ScreenReaderSupport::accessibilityActiveChanged(bool active) {
    if (!active) {
        return;
    }
    // The bridge turns itself active first and only then registers the application and asks
    // which events the screen reader listens to: announce once that has run.
    QMetaObject::invokeMethod(qApp, &AnnounceActiveWindow, Qt::QueuedConnection);
}

} // namespace tintineables
