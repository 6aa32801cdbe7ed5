// peer_player mixer-1024|paplay RECORDING.wav
// What a developer might have built instead, for the sound-server benchmark: a window titled
// "peer" that plays one recording on every arrow key, either through SDL2_mixer opened with its
// usual 1024-frame buffer (one channel, each cue cutting the last, as the game does) or by
// starting a `paplay` process per cue.
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>

extern char** environ;

namespace {

class PeerWindow : public QWidget {
public:
    PeerWindow(bool usePaplay, const char* recording)
        : usePaplay_(usePaplay), recording_(recording) {
        setWindowTitle("peer");
        if (!usePaplay_) {
            SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); // SIGTERM ends it
            if (SDL_Init(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(48000, AUDIO_S16SYS, 2, 1024) != 0 ||
                (chunk_ = Mix_LoadWAV(recording)) == nullptr) {
                std::fprintf(stderr, "peer_player: %s\n", Mix_GetError());
                std::exit(2);
            }
        }
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() != Qt::Key_Left && event->key() != Qt::Key_Right) {
            return;
        }
        if (!usePaplay_) {
            Mix_PlayChannel(0, chunk_, 0);
            return;
        }
        std::string file = recording_;
        char* arguments[] = {const_cast<char*>("paplay"), file.data(), nullptr};
        pid_t child = 0;
        posix_spawnp(&child, "paplay", nullptr, nullptr, arguments, environ);
        while (waitpid(-1, nullptr, WNOHANG) > 0) {
        }
    }

private:
    bool usePaplay_;
    std::string recording_;
    Mix_Chunk* chunk_ = nullptr;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 ||
        (std::strcmp(argv[1], "mixer-1024") != 0 && std::strcmp(argv[1], "paplay") != 0)) {
        std::fprintf(stderr, "usage: peer_player mixer-1024|paplay RECORDING.wav\n");
        return 2;
    }
    QApplication application(argc, argv);
    PeerWindow window(std::strcmp(argv[1], "paplay") == 0, argv[2]);
    window.show();
    window.activateWindow(); // no window manager under Xvfb gives it the focus
    return QApplication::exec();
}
