#pragma once
#include <QAccessible>

namespace tintineables {

// What a screen reader needs of the game beyond Qt's defaults, for as long as this lives:
// - every form's window is a window to it, whose title it speaks when the window activates;
// - the window that is active when Qt's accessibility bridge comes up is announced then. Qt
//   connects to the screen reader's bus asynchronously, so the menu is usually shown before
//   the bridge is up, and its activation would never reach the screen reader: neither its
//   title nor, until another window activates, the echo of its keys.
class ScreenReaderSupport final : public QAccessible::ActivationObserver {
public:
    ScreenReaderSupport();
    ~ScreenReaderSupport() override;
    ScreenReaderSupport(const ScreenReaderSupport&) = delete;
    ScreenReaderSupport& operator=(const ScreenReaderSupport&) = delete;

    void accessibilityActiveChanged(bool active) override;
};

} // namespace tintineables
