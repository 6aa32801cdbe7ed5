// The audio engine's watch over its device: a sound server restarted, a device unplugged.
#include "sound/audio_engine.h"

#include <SDL2/SDL.h>

#include <cstdio>
#include <string>

namespace tintineables {

namespace {

// How often the watcher looks at the device. SDL reports a lost device for PulseAudio and
// ALSA; its PipeWire driver says nothing when the server goes away, its callbacks just stop.
// There a device unasked for 3 s counts as gone: a sound server may rightly hold a new stream
// for a second or two (a sink waking up, a Bluetooth headset connecting).
constexpr auto WatchPeriod = std::chrono::milliseconds(250);
constexpr int SilentPeriodsForLoss = 12;
constexpr auto RetryPeriod = std::chrono::milliseconds(500);

} // namespace

void AudioEngine::StartWatching() {
    SDL_AddEventWatch(&AudioEngine::OnSdlEvent, this);
    // An SDL thread, so that SDL frees what it keeps per thread (its error text) when the
    // watcher ends: the watcher calls SDL, and SDL's failures there are the expected ones.
    watcher_ = SDL_CreateThread(
        [](void* self) {
            static_cast<AudioEngine*>(self)->WatchDevice();
            return 0;
        },
        "sound watcher", this);
}

void AudioEngine::StopWatching() {
    if (watcher_ != nullptr) {
        {
            std::lock_guard lock(deviceMutex_);
            stopping_ = true;
        }
        watcherWake_.notify_one();
        SDL_WaitThread(watcher_, nullptr);
        watcher_ = nullptr;
    }
    SDL_DelEventWatch(&AudioEngine::OnSdlEvent, this);
}

void AudioEngine::WatchDevice() {
    std::unique_lock lock(deviceMutex_);
    unsigned lastMixes = mixes_.load();
    int silentPeriods = 0;
    while (!stopping_) {
        watcherWake_.wait_for(lock, deviceOpen_ ? WatchPeriod : RetryPeriod);
        if (stopping_) {
            break;
        }
        if (deviceOpen_) {
            const unsigned mixes = mixes_.load();
            silentPeriods = mixes == lastMixes ? silentPeriods + 1 : 0;
            lastMixes = mixes;
            if (deviceRemoved_ ||
                (driver_ == "pipewire" && silentPeriods >= SilentPeriodsForLoss)) {
                std::fprintf(stderr,
                             "tintineables: the sound device (%s) was lost; the game goes on and "
                             "uses the default device again as soon as there is one.\n",
                             driver_.c_str());
                CloseDevice();
            }
            continue;
        }
        std::string problem;
        if (OpenDevice(problem)) {
            lastMixes = mixes_.load();
            silentPeriods = 0;
            std::fprintf(stderr, "tintineables: sound is back (%s).\n", driver_.c_str());
        }
    }
}

int AudioEngine::OnSdlEvent(void* self, SDL_Event* event) {
    // Called on the thread that found the device gone: only a flag for the watcher.
    if (event->type == SDL_AUDIODEVICEREMOVED && !event->adevice.iscapture) {
        static_cast<AudioEngine*>(self)->deviceRemoved_ = true;
    }
    return 1;
}

} // namespace tintineables
