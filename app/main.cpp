// TINTINEABLES: peg solitaire played by keyboard and ear.
#include "app/display.h"
#include "screens/game_application.h"
#include "screens/qt_game_host.h"
#include "screens/screen_reader_support.h"
#include "screens/translation.h"
#include "sound/audio_engine.h"
#include "sound/mixer_sound_player.h"
#include "sound/startup_error.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include <cstdio>

using namespace tintineables;

int main(int argc, char* argv[]) {
    // Everything that can stop the game is checked before a window opens.
    const std::string noDisplay = MissingDisplayReason();
    if (!noDisplay.empty()) {
        std::fprintf(stderr, "tintineables: %s\n", noDisplay.c_str());
        return 1;
    }
    // The language as the desktop asks, for the recordings and the captions alike.
    const Language language = DesktopLanguage();
    std::unique_ptr<AudioEngine> audio;
    std::unique_ptr<QTranslator> translation;
    try {
        const std::vector<std::filesystem::path> folders = RecordingFolders();
        translation = LoadTranslation(language, TranslationFolders(folders));
        audio = StartAudio(folders, language);
    } catch (const StartupError& error) {
        std::fprintf(stderr, "tintineables: cannot start:\n%s\n", error.what());
        return 1;
    }

    ReportQtFatalMessagesAsExit();
    GameApplication application(argc, argv);
    WindowSystemIsUp();
    if (translation) {
        QCoreApplication::installTranslator(translation.get());
    }
    QApplication::setQuitOnLastWindowClosed(false); // the forms host decides when it ends
    QIcon icon;
    for (int size : {16, 32, 48, 256}) {
        icon.addFile(QStringLiteral(":/icons/tintineables-%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
    QApplication::setApplicationName(QStringLiteral("tintineables"));
    QApplication::setDesktopFileName(QStringLiteral("tintineables"));

    const ScreenReaderSupport screenReader;
    int status = -1;
    {
        QtGameHost host({
            [&] { return std::make_unique<MixerSoundPlayer>(*audio); },
            [](const std::string& message) {
                QMessageBox::critical(nullptr, QStringLiteral("TINTINEABLES"),
                                      QString::fromStdString(message));
            },
            [&](int endStatus) {
                status = endStatus;
                QCoreApplication::exit(endStatus);
            },
        });
        host.TheGame().Start();
        if (status < 0) {
            status = QApplication::exec();
        }
    }
    audio.reset();
    LetTheWindowSystemSettle();
    return status;
}
