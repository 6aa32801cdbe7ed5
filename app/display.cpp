#include "app/display.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace tintineables {

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

void FatalToExit(QtMsgType type, const QMessageLogContext&, const QString& message) {
    const QByteArray text = message.toLocal8Bit();
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "tintineables: cannot open a window: %s\n", text.constData());
        std::fflush(stderr);
        ::_exit(1);
    }
    if (type != QtDebugMsg && type != QtInfoMsg) {
        std::fprintf(stderr, "tintineables: %s\n", text.constData());
    }
}

} // namespace

std::string MissingDisplayReason() {
    if (IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY")) {
        return {};
    }
    return "No display: neither DISPLAY nor WAYLAND_DISPLAY is set, so no window can be opened.";
}

void ReportQtFatalMessagesAsExit() { qInstallMessageHandler(FatalToExit); }

} // namespace tintineables
