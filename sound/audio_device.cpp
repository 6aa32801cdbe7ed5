#include "sound/audio_device.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <SDL2/SDL_system.h>

#include <dirent.h>
#include <sched.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace tintineables {

namespace {

// The threads of this process, by kernel id.
std::vector<long> ThreadIds() {
    std::vector<long> ids;
    if (DIR* tasks = opendir("/proc/self/task")) {
        while (const dirent* entry = readdir(tasks)) {
            if (entry->d_name[0] != '.') {
                ids.push_back(std::atol(entry->d_name));
            }
        }
        closedir(tasks);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

// Round-robin real-time scheduling at priority 5, beside PulseAudio's own threads: directly
// where the process may, else through RealtimeKit, as desktops offer it. Where neither is
// allowed the thread keeps what it had. A thread already real-time keeps its own priority.
void MakeRealTime(long id) {
    constexpr int Priority = 5;
    const int policy = sched_getscheduler(static_cast<pid_t>(id));
    if (policy == SCHED_FIFO || policy == SCHED_RR) {
        return;
    }
    sched_param parameter{};
    parameter.sched_priority = Priority;
    if (sched_setscheduler(static_cast<pid_t>(id), SCHED_RR | SCHED_RESET_ON_FORK, &parameter) !=
        0) {
        SDL_LinuxSetThreadPriorityAndPolicy(id, SDL_THREAD_PRIORITY_TIME_CRITICAL, SCHED_RR);
    }
}

// Every cue waits on the threads that opening the device started, and one of them late by a
// couple of milliseconds is a gap in the sound: on a desktop busy with a compile an ordinary
// thread is late. They are SDL's mixing thread and the sound server's client loops; PipeWire
// makes one of its loops real-time and leaves the others, the mixer's among them, ordinary.
// With both cores of a test machine spinning, that left 12 to 29 cues in 120 broken.
void MakeRealTimeThreadsStartedSince(const std::vector<long>& before) {
    for (long id : ThreadIds()) {
        if (!std::binary_search(before.begin(), before.end(), id)) {
            MakeRealTime(id);
        }
    }
}

// The desktop's volume control lists the game's stream as the desktop entry names the game, so a
// player who wants it quieter than the screen reader finds it: its name, its icon, and the role
// of a game. SDL hands the name to either server, and the role to PipeWire ("Game", its own
// default); the icon, and the role on PulseAudio, reach the server through its client library's
// own setting. A user's own setting of any of them is kept.
void NameTheStream() {
    constexpr const char* Name = "TINTINEABLES";
    SDL_SetHintWithPriority(SDL_HINT_AUDIO_DEVICE_APP_NAME, Name, SDL_HINT_DEFAULT);
    SDL_SetHintWithPriority(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, Name, SDL_HINT_DEFAULT);
    setenv("PULSE_PROP_application.icon_name", "tintineables", 0);
    setenv("PULSE_PROP_media.role", "game", 0);
    setenv("PIPEWIRE_PROPS", "{ application.icon-name = tintineables }", 0);
}

bool InitDriver(const char* name) {
    // The hint gives way to an SDL_AUDIODRIVER in the environment, as the user expects.
    if (name == nullptr) {
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    } else {
        SDL_SetHint(SDL_HINT_AUDIODRIVER, name);
    }
    return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

// PipeWire's own driver, when it is PipeWire that has the default sink. SDL 2.26 tries its
// PulseAudio driver first, which on a PipeWire desktop goes through PipeWire's pulse layer
// and waits a 256-frame quantum more for every cue. A PipeWire run only for screen sharing
// beside a PulseAudio server has no default sink, and the game keeps to PulseAudio there.
bool HasDefaultSink() {
    char* sink = nullptr;
    SDL_AudioSpec format{};
    const bool found = SDL_GetDefaultAudioInfo(&sink, &format, 0) == 0;
    SDL_free(sink);
    return found;
}

bool PipeWireServesASink() { return InitDriver("pipewire") && HasDefaultSink(); }

} // namespace

std::string OpenAudioDevice(const DeviceSettings& settings, const std::string& driver,
                            std::string& problem) {
    // SDL asks PulseAudio for one buffer of latency in all (2.7 ms); the server keeps too little
    // then to ride out its own main thread, which its default configuration leaves at normal
    // priority, and an idle core that wakes late: cues break. Asked for 8 ms (libpulse's own
    // setting, which a user's value still overrides) the server holds 6 ms of the game's sound,
    // and a cue takes about 8 ms from key to sink. Three runs of 120 cues, idle then with every
    // core busy, broke up to 1 and 7 cues at 6 ms, 2 and 9 at 7 ms, 1 and 2 at 8 ms. A broken
    // cue is information lost to a player; 3 ms more is not heard.
    setenv("PULSE_LATENCY_MSEC", "8", 0);
    NameTheStream();
    const std::vector<long> before = ThreadIds();
    bool initialised = false;
    if (!driver.empty() || std::getenv("SDL_AUDIODRIVER") != nullptr) {
        initialised = InitDriver(driver.empty() ? nullptr : driver.c_str());
    } else if (!(initialised = PipeWireServesASink())) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        initialised = InitDriver(nullptr);
    }
    if (!initialised) {
        problem = SDL_GetError();
        return {};
    }
    // A PipeWire stream with no sink to go to would wait for one for ever.
    if (std::string(SDL_GetCurrentAudioDriver()) == "pipewire" && !HasDefaultSink()) {
        problem = "PipeWire has no default sink";
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return {};
    }
    if (Mix_OpenAudioDevice(settings.frequency, AUDIO_S16SYS, settings.channels,
                            settings.bufferFrames, nullptr, SDL_AUDIO_ALLOW_SAMPLES_CHANGE) != 0) {
        problem = Mix_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return {};
    }
    MakeRealTimeThreadsStartedSince(before);
    return SDL_GetCurrentAudioDriver();
}

void MakeMixingThreadRealTime() { MakeRealTime(static_cast<long>(syscall(SYS_gettid))); }

void CloseAudioDevice() {
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

} // namespace tintineables
