#pragma once
#include <string>

namespace tintineables {

// Why no window can be opened, before Qt tries (and aborts): empty when a display is named.
std::string MissingDisplayReason();

// Turns Qt's fatal messages (a display that cannot be reached) into one line on stderr and
// exit status 1, instead of an abort with a core dump.
void ReportQtFatalMessagesAsExit();
// The application object exists: from now on Qt's warnings go to stderr as they come.
void WindowSystemIsUp();

// The last window is gone: lets the window system's answers to that arrive and be handled while
// the application object still runs, before it goes. Qt's Wayland plugin stops its event
// threads when the application object is destroyed, and a thread that is reading the
// compositor's last events at that moment can wait for ever: the game would never end.
void LetTheWindowSystemSettle();

} // namespace tintineables
