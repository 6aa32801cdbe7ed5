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
#include <string>
#include <vector>

using namespace tintineables;

int main(int argc, char* argv[]) {
    // Everything that can stop the game is checked before a window opens: the player's own sound
    // as the command line gives it first (--speech-rate, --speech-volume, --cue-volume,
    // --stereo-cues).
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const SoundOptions sound = TakeSoundOptions(arguments);
    if (!sound.problem.empty()) {
        std::fprintf(stderr, "tintineables: %s\n", sound.problem.c_str());
        return 1;
    }
    std::vector<char*> left{argv[0]};
    for (std::string& argument : arguments) {
        left.push_back(argument.data());
    }
    int leftCount = static_cast<int>(left.size());
    left.push_back(nullptr);
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
    GameApplication application(leftCount, left.data());
    WindowSystemIsUp();
    // What Qt took for itself (-platform, say) is gone now: anything else is a mistake.
    if (const std::string unknown = UnknownOptions([&] {
            std::vector<std::string> rest;
            for (const QString& argument : QCoreApplication::arguments().mid(1)) {
                rest.push_back(argument.toStdString());
            }
            return rest;
        }());
        !unknown.empty()) {
        std::fprintf(stderr, "tintineables: %s\n", unknown.c_str());
        return 1;
    }
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
            [&](const SoundSettings& settings) { audio->SetSoundSettings(settings); },
            language,
        });
        host.TheGame().SetSoundSettings(sound.settings);
        host.TheGame().Start();
        if (status < 0) {
            status = QApplication::exec();
        }
    }
    audio.reset();
    LetTheWindowSystemSettle();
    return status;
}
