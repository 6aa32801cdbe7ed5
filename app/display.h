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

} // namespace tintineables
