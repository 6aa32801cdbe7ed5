#include "screens/game_application.h"

#include <QKeyEvent>

namespace tintineables {

GameApplication::GameApplication(int& argc, char** argv) : QApplication(argc, argv) {}

// Before any event filter: the accessibility bridge's, which holds the key, is one of them.
bool GameApplication::notify(QObject* receiver, QEvent* event) {
    const bool keyForAWindow =
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
        event->spontaneous() && receiver != nullptr && receiver->isWindowType();
    if (keyForAWindow) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (screenReaderKeys_.SkipsTheWait(key)) {
            QKeyEvent copy(key.type(), key.key(), key.modifiers(), key.nativeScanCode(),
                           key.nativeVirtualKey(), key.nativeModifiers(), key.text(),
                           key.isAutoRepeat(), key.count(), key.device());
            copy.setTimestamp(key.timestamp());
            const bool handled = QApplication::notify(receiver, &copy);
            event->setAccepted(copy.isAccepted());
            return handled;
        }
    }
    return QApplication::notify(receiver, event);
}

} // namespace tintineables
