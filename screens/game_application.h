#pragma once
#include "screens/screen_reader_keys.h"

#include <QApplication>

namespace tintineables {

// The game's application object: a QApplication whose key events for the game's windows do
// not wait for a screen reader's answer (ScreenReaderKeys).
class GameApplication final : public QApplication {
public:
    GameApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

private:
    ScreenReaderKeys screenReaderKeys_;
};

} // namespace tintineables
