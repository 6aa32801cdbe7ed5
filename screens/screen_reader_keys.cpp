#include "screens/screen_reader_keys.h"

#include "game/game_keys.h"
#include "screens/qt_key_codes.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDateTime>

namespace tintineables {

namespace {

// The keys a screen reader (Orca) uses as its own modifier, in its desktop and laptop layouts.
bool IsScreenReaderModifier(const QKeyEvent& event) {
    return event.key() == Qt::Key_Insert || event.key() == Qt::Key_CapsLock;
}

// The key's name as the accessibility registry's listeners know it: X keysym names for the
// keys without text, the text for the others.
QString KeyName(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Left:
        return QStringLiteral("Left");
    case Qt::Key_Up:
        return QStringLiteral("Up");
    case Qt::Key_Right:
        return QStringLiteral("Right");
    case Qt::Key_Down:
        return QStringLiteral("Down");
    case Qt::Key_Space:
        return QStringLiteral("space");
    case Qt::Key_Control:
        return QStringLiteral("Control_L");
    case Qt::Key_Escape:
        return QStringLiteral("Escape");
    case Qt::Key_Backspace:
        return QStringLiteral("BackSpace");
    case Qt::Key_Tab:
        return QStringLiteral("Tab");
    case Qt::Key_Backtab:
        return QStringLiteral("ISO_Left_Tab");
    default:
        break;
    }
    if (event.key() >= Qt::Key_F1 && event.key() <= Qt::Key_F12) {
        return QStringLiteral("F%1").arg(event.key() - Qt::Key_F1 + 1);
    }
    return event.text();
}

// The registry's modifier bits: shift 0, shift lock 1, control 2, alt 3, meta 4. A modifier
// key does not count itself.
quint32 ModifierMask(const QKeyEvent& event) {
    constexpr quint32 LockMask = 1u << 1; // X's, in the native modifiers
    const Qt::KeyboardModifiers held = event.modifiers();
    quint32 mask = 0;
    if ((held & Qt::ShiftModifier) && event.key() != Qt::Key_Shift) {
        mask |= 1u << 0;
    }
    if (event.nativeModifiers() & LockMask) {
        mask |= 1u << 1;
    }
    if ((held & Qt::ControlModifier) && event.key() != Qt::Key_Control) {
        mask |= 1u << 2;
    }
    if ((held & Qt::AltModifier) && event.key() != Qt::Key_Alt) {
        mask |= 1u << 3;
    }
    if ((held & Qt::MetaModifier) && event.key() != Qt::Key_Meta) {
        mask |= 1u << 4;
    }
    return mask;
}

} // namespace

bool ScreenReaderKeys::SkipsTheWait(const QKeyEvent& event) {
    if (IsScreenReaderModifier(event)) {
        if (!event.isAutoRepeat()) {
            screenReaderModifiersHeld_ += event.type() == QEvent::KeyPress ? 1 : -1;
            screenReaderModifiersHeld_ = std::max(screenReaderModifiersHeld_, 0);
        }
        return false;
    }
    if (!QAccessible::isActive() || screenReaderModifiersHeld_ > 0 ||
        (event.modifiers() & Qt::KeypadModifier) || !IsGameKey(VirtualKeyOf(event))) {
        return false;
    }
    return TellTheRegistry(event);
}

bool ScreenReaderKeys::TellTheRegistry(const QKeyEvent& event) {
    // The connection Qt's accessibility bridge opened to the accessibility bus: the registry
    // hears this key in order with the keys the bridge tells it of.
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected()) {
        return false;
    }
    const QString name = KeyName(event);
    QDBusArgument key;
    key.beginStructure();
    // (uiiiisb), as the registry reads it: what happened (0 pressed, 1 released), the keysym,
    // the key code, the modifiers, a time in milliseconds, the key's name, whether it is text.
    key << quint32(event.type() == QEvent::KeyPress ? 0 : 1) << qint32(event.nativeVirtualKey())
        << qint32(event.nativeScanCode()) << qint32(ModifierMask(event))
        << qint32(QDateTime::currentMSecsSinceEpoch()) << name << !name.isEmpty();
    key.endStructure();
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.atspi.Registry"),
        QStringLiteral("/org/a11y/atspi/registry/deviceeventcontroller"),
        QStringLiteral("org.a11y.atspi.DeviceEventController"),
        QStringLiteral("NotifyListenersAsync"));
    call.setArguments({QVariant::fromValue(key)});
    return bus.send(call);
}

} // namespace tintineables
