#pragma once
#include "sound/decoded_cues.h"
#include "sound/made_behind.h"
#include "sound/mixer_channels.h"
#include "sound/recordings.h"
#include "sound/sound_settings.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

struct Mix_Chunk;
union SDL_Event;
struct SDL_Thread;

namespace tintineables {

// Sees every buffer the mixer hands to the device, on the audio thread, after all channels
// are mixed. For measurements and tests; the game itself installs none.
class MixObserver {
public:
    virtual ~MixObserver() = default;
    virtual void Mixed(const std::uint8_t* stream, int bytes) = 0;
};

// The audio device and every recording, decoded once into the device's format. One exists
// while the game runs; the sound players borrow its mixer channels and its decoded cues.
//
// The device can go away during play: the sound server restarted, a headset unplugged. A
// watcher thread notices (SDL reports the device removed, or the mixer stops being asked for
// sound), closes it, and opens the default device again as soon as there is one, trying twice
// a second meanwhile; the game's state is untouched and the next cue is heard. It says so on
// stderr once when the device goes and once when it is back.
class AudioEngine {
public:
    static constexpr int Frequency = 48000;
    static constexpr int Channels = 2;
    static constexpr int BufferFrames = 128; // the latency floor: 2.7 ms at 48 kHz

    // Opens the device and decodes the recordings; StartupError when either fails.
    explicit AudioEngine(std::vector<Recording> recordings);
    ~AudioEngine();
    AudioEngine(const AudioEngine&) = delete;
    AudioEngine& operator=(const AudioEngine&) = delete;

    // The decoded cue for a bare file name, or nullptr for a name that is no recording.
    const Mix_Chunk* Decoded(std::string_view fileName) const;

    // From now on: the speech at this pace (made again from the decoded speech behind, the
    // shortest first), the speech and the earcons at these levels. Thread of the keys only.
    void SetSoundSettings(const SoundSettings& settings);
    const SoundSettings& Sound() const { return settings_; }
    // A recording as it is to be heard now, in the mixer's format: decoded, and for speech at
    // another pace made again at it (waited for if it is not made yet); `kept` holds what the
    // samples belong to for as long as they may sound. Empty for a name that is no recording.
    struct Heard {
        const std::uint8_t* samples = nullptr;
        std::uint32_t bytes = 0;
        std::shared_ptr<const void> kept;
        bool speech = false;
        double pace = 1.0; // recorded seconds a second
    };
    Heard HeardNow(std::string_view fileName);
    // Whether a channel still sounds.
    bool Playing(int channel);

    // A mixer channel of its own for a sound player, until it gives it back.
    int AcquireChannel();
    void ReleaseChannel(int channel);

    // Starts a cue on a channel, cutting what the channel played. False with the mixer's
    // reason when the mixer refuses; while there is no device the cue is not heard, and that
    // is no error: the game goes on and the device comes back.
    bool Play(int channel, const Mix_Chunk* chunk, std::string& problem);
    // Stops a channel's cue a few milliseconds from now, unless a cue started on it first. A cue
    // that cuts another comes as a stop and then a start, each a change of its own to the
    // mixer: stopped at once, the channel could sound one device period of silence between
    // the two, and the new cue would come that much late.
    void StopUnlessReplaced(int channel);

    // The frames per device buffer, as the first callback after opening showed them.
    int ObtainedBufferFrames() const { return obtainedBufferFrames_; }
    // How many frames the mixer has handed to the device since it started: the clock of what
    // is heard, which stands still while there is no device (and runs at whatever pace the
    // device takes them, which a file's driver sets itself).
    std::uint64_t MixedFrames() const { return mixedFrames_.load(std::memory_order_relaxed); }

    void SetMixObserver(MixObserver* observer) { observer_.store(observer); }

private:
    void Shutdown();
    // With deviceMutex_ held.
    bool OpenDevice(std::string& problem);
    void CloseDevice();
    static void PostMix(void* self, std::uint8_t* stream, int bytes);

    // The watcher (device_watcher.cpp).
    void StartWatching();
    void StopWatching();
    void WatchDevice();
    static int OnSdlEvent(void* self, SDL_Event* event);

    DecodedCues cues_;
    SoundSettings settings_;
    // The speech at settings_' pace, when it is not the recordings' own.
    std::unique_ptr<MadeBehind<std::shared_ptr<const std::vector<std::uint8_t>>>> paced_;
    int obtainedBufferFrames_ = 0;
    std::atomic<int> firstBufferBytes_{0};
    std::atomic<MixObserver*> observer_{nullptr};

    // The device and the mixer's channels, shared by the game's thread and the watcher.
    std::mutex deviceMutex_;
    bool deviceOpen_ = false;
    std::string driver_;
    MixerChannels channels_;
    std::atomic<unsigned> mixes_{0};              // buffers mixed, counted on the audio thread
    std::atomic<std::uint64_t> mixedFrames_{0};   // and their frames
    std::atomic<bool> mixingThreadRaised_{false}; // since the device was last opened
    std::atomic<bool> deviceRemoved_{false};      // SDL said so
    std::condition_variable watcherWake_;
    bool stopping_ = false;
    SDL_Thread* watcher_ = nullptr;
};

// Starts the game's audio from its recording folders: the check of every recording of the
// language, then the device. StartupError carries the message for the player.
std::unique_ptr<AudioEngine> StartAudio(const std::vector<std::filesystem::path>& folders,
                                        Language language = Language::Spanish);

} // namespace tintineables
