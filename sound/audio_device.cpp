#include "sound/audio_device.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <SDL2/SDL_system.h>

#include <dirent.h>
#include <sched.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace tintineables {

namespace {

// SDL names the thread that runs the mixer "SDLAudioP<n>": its own thread for PulseAudio and
// ALSA, the client loop that calls back for PipeWire.
bool IsMixingThread(long id) {
    std::ifstream comm("/proc/self/task/" + std::to_string(id) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name.rfind("SDLAudioP", 0) == 0;
}

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

// Every cue waits on the mixing thread, and a mixing thread late by a couple of milliseconds
// is a gap in the sound; on a desktop busy with a compile an ordinary thread is late. So the
// new mixing thread gets round-robin real-time scheduling: directly where the process may, at
// priority 5 beside PulseAudio's own threads; else through RealtimeKit, as desktops offer it.
// Where neither is allowed it keeps what SDL gave it (nice -20 at best).
void RaiseMixingThreadStartedSince(const std::vector<long>& before) {
    constexpr int Priority = 5;
    for (long id : ThreadIds()) {
        if (std::binary_search(before.begin(), before.end(), id) || !IsMixingThread(id)) {
            continue;
        }
        sched_param parameter{};
        parameter.sched_priority = Priority;
        if (sched_setscheduler(static_cast<pid_t>(id), SCHED_RR | SCHED_RESET_ON_FORK,
                               &parameter) != 0) {
            SDL_LinuxSetThreadPriorityAndPolicy(id, SDL_THREAD_PRIORITY_TIME_CRITICAL, SCHED_RR);
        }
    }
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
    // SDL asks PulseAudio for one buffer of latency in all (2.7 ms), and the server then runs
    // its sink only 0.67 ms ahead: with both cores busy, some 70 underruns in half a minute, a
    // few of them inside cues. Asked for 4 ms (libpulse's own setting, which a user's value
    // still overrides) the sink runs 1 ms ahead and about ten remained, for about 0.7 ms more
    // from key to sound.
    setenv("PULSE_LATENCY_MSEC", "4", 0);
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
    RaiseMixingThreadStartedSince(before);
    return SDL_GetCurrentAudioDriver();
}

void CloseAudioDevice() {
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

} // namespace tintineables
