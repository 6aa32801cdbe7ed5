#pragma once
#include "sound/recordings.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

struct Mix_Chunk;

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
class AudioEngine {
public:
    static constexpr int Frequency = 48000;
    static constexpr int Channels = 2;
    static constexpr int BufferFrames = 256; // the latency floor: 5.3 ms at 48 kHz

    // Opens the device and decodes the recordings; StartupError when either fails.
    explicit AudioEngine(std::vector<Recording> recordings);
    ~AudioEngine();
    AudioEngine(const AudioEngine&) = delete;
    AudioEngine& operator=(const AudioEngine&) = delete;

    // The decoded cue for a bare file name, or nullptr for a name that is no recording.
    const Mix_Chunk* Decoded(std::string_view fileName) const;

    // A mixer channel of its own for a sound player, until it gives it back.
    int AcquireChannel();
    void ReleaseChannel(int channel);

    // The frames per device buffer, as the first callback after opening showed them.
    int ObtainedBufferFrames() const { return obtainedBufferFrames_; }

    void SetMixObserver(MixObserver* observer) { observer_.store(observer); }

private:
    void Shutdown();
    static void PostMix(void* self, std::uint8_t* stream, int bytes);

    struct Cue {
        std::string_view fileName;
        Mix_Chunk* chunk;
        std::vector<std::uint8_t> samples; // owned here when the chunk only points at them
    };
    Mix_Chunk* Decode(Recording& recording, bool deviceIsAsAsked,
                      std::vector<std::uint8_t>& samples);
    std::vector<Cue> cues_;
    std::vector<int> freeChannels_;
    int allocatedChannels_ = 0;
    int obtainedBufferFrames_ = 0;
    std::atomic<int> firstBufferBytes_{0};
    std::atomic<MixObserver*> observer_{nullptr};
};

// Starts the game's audio from its recording folders: the check of all thirteen recordings,
// then the device. StartupError carries the message for the player.
std::unique_ptr<AudioEngine> StartAudio(const std::vector<std::filesystem::path>& folders);

} // namespace tintineables
