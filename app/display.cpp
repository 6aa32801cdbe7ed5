#include "app/display.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QString>
#include <QTimer>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace tintineables {

namespace {

// Long enough for the compositor's answers to the last window's end (keyboard and pointer
// leave, surface release), which take a few milliseconds, to arrive and be handled.
constexpr int SettleMilliseconds = 50;

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Until the application is up, warnings are held back: when the platform then fails, the
// first of them ("could not connect to display :1") is the reason to give, in one line.
bool holdingWarnings = true;
QByteArray firstHeldWarning;

void FatalToExit(QtMsgType type, const QMessageLogContext&, const QString& message) {
    const QByteArray text = message.toLocal8Bit();
    if (type == QtFatalMsg) {
        const QByteArray& reason = firstHeldWarning.isEmpty() ? text : firstHeldWarning;
        std::fprintf(stderr, "tintineables: cannot open a window: %s\n", reason.constData());
        std::fflush(stderr);
        ::_exit(1);
    }
    if (type == QtDebugMsg || type == QtInfoMsg) {
        return;
    }
    if (holdingWarnings) {
        if (firstHeldWarning.isEmpty()) {
            firstHeldWarning = text;
        }
        return;
    }
    std::fprintf(stderr, "tintineables: %s\n", text.constData());
}

} // namespace

std::string MissingDisplayReason() {
    if (IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY")) {
        return {};
    }
    return "No display: neither DISPLAY nor WAYLAND_DISPLAY is set, so no window can be opened.";
}

void ReportQtFatalMessagesAsExit() { qInstallMessageHandler(FatalToExit); }

void WindowSystemIsUp() { holdingWarnings = false; }

void LetTheWindowSystemSettle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // An event loop that sleeps until an event comes, for a short while.
    QEventLoop settling;
    QTimer::singleShot(SettleMilliseconds, &settling, &QEventLoop::quit);
    settling.exec();
}

} // namespace tintineables
