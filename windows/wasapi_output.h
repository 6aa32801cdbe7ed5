#pragma once
// The sound device through WASAPI: shared mode, event-driven, at the device's own mix format, on
// a thread of its own that asks the game's mixer for every period. A device that goes away (a
// headset unplugged, the default device changed, the audio service restarted) is opened again as
// soon as there is one, looked for twice a second; the mixer's channels go on meanwhile. A stream
// that ran dry (this thread or the device's held up) is replaced by a new one at its next quiet
// moment, since under Wine it would keep the silence that refilled it as delay.
#include "sound/cue_mixer.h"

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>

namespace tintineables {

class WasapiOutput {
public:
    // Opens the default output device. StartupError, with Windows' reason, when there is none.
    WasapiOutput();
    ~WasapiOutput(); // stops the thread and closes the device
    WasapiOutput(const WasapiOutput&) = delete;
    WasapiOutput& operator=(const WasapiOutput&) = delete;

    // The device's rate, at which the mixer is to decode the recordings.
    int Rate() const { return rate_; }
    // Starts the device, which from now on plays what the mixer mixes. Called once the
    // recordings are decoded, so that the stream starts on a quiet machine.
    void Play(CueMixer& mixer);

    // How many times the stream ran dry and was started afresh, for the benchmark and the tests.
    int Restarts() const { return restarts_; }

    struct Device; // the open device, the thread's own

private:
    void Run();

    int rate_ = 0;
    std::unique_ptr<Device> device_;
    std::atomic<CueMixer*> mixer_{nullptr};
    std::atomic<int> restarts_{0};
    HANDLE stop_;
    HANDLE changed_; // the default device changed
    HANDLE play_;    // the mixer is ready: start the device
    std::thread thread_;
};

} // namespace tintineables
