#include "sound/audio_engine.h"

#include "sound/audio_device.h"
#include "sound/startup_error.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace tintineables {

namespace {

constexpr int InitialChannels = 4; // two screens are loaded at once during a change of screen
constexpr int BytesPerFrame = AudioEngine::Channels * 2;

// How often the watcher looks at the device. SDL reports a lost device for PulseAudio and
// ALSA; its PipeWire driver says nothing when the server goes away, its callbacks just stop.
// There a device unasked for 3 s counts as gone: a sound server may rightly hold a new stream
// for a second or two (a sink waking up, a Bluetooth headset connecting).
constexpr auto WatchPeriod = std::chrono::milliseconds(250);
constexpr int SilentPeriodsForLoss = 12;
constexpr auto RetryPeriod = std::chrono::milliseconds(500);

constexpr DeviceSettings Settings{AudioEngine::Frequency, AudioEngine::Channels,
                                  AudioEngine::BufferFrames};

std::string NoDeviceMessage(const char* reason) {
    return std::string("No audio device could be opened: ") + reason +
           "\nSDL_AUDIODRIVER selects an audio driver (for example pipewire, pulseaudio or alsa).";
}

} // namespace

AudioEngine::AudioEngine(std::vector<Recording> recordings) {
    // Leave SIGINT and SIGTERM alone: they must still end the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    std::string problem;
    if (!OpenDevice(problem)) {
        throw StartupError(NoDeviceMessage(problem.c_str()));
    }

    // SDL converts to what was asked for, so this holds; it is checked once all the same.
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    const bool deviceIsAsAsked =
        frequency == Frequency && format == AUDIO_S16LSB && channels == Channels;

    std::string problems;
    cues_.reserve(recordings.size());
    for (Recording& recording : recordings) {
        std::vector<std::uint8_t> samples;
        Mix_Chunk* chunk = Decode(recording, deviceIsAsAsked, samples);
        // The file's bytes are done with: let them go before the next, larger one comes in.
        std::vector<std::uint8_t>().swap(recording.bytes);
        if (chunk == nullptr) {
            problems += recording.path.string() + ": not playable: " + Mix_GetError() + "\n";
            continue;
        }
        cues_.push_back({recording.fileName, chunk, std::move(samples)});
    }
    if (!problems.empty()) {
        Shutdown();
        throw StartupError(problems.substr(0, problems.size() - 1));
    }

    // The first callback shows the buffer the device really took.
    for (int waited = 0; firstBufferBytes_.load() == 0 && waited < 500; ++waited) {
        SDL_Delay(1);
    }
    obtainedBufferFrames_ = firstBufferBytes_.load() / BytesPerFrame;
    // No callback yet is no answer: a sound server may hold a new stream for a while.
    if (obtainedBufferFrames_ != 0 && obtainedBufferFrames_ != BufferFrames) {
        std::fprintf(stderr,
                     "tintineables: the audio device took a buffer of %d frames, not %d: cues may "
                     "come later than they should.\n",
                     obtainedBufferFrames_, BufferFrames);
    }
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

AudioEngine::~AudioEngine() {
    if (watcher_ != nullptr) {
        {
            std::lock_guard lock(deviceMutex_);
            stopping_ = true;
        }
        watcherWake_.notify_one();
        SDL_WaitThread(watcher_, nullptr);
    }
    SDL_DelEventWatch(&AudioEngine::OnSdlEvent, this);
    Shutdown();
}

void AudioEngine::Shutdown() {
    std::lock_guard lock(deviceMutex_);
    CloseDevice();
    for (Cue& cue : cues_) {
        Mix_FreeChunk(cue.chunk);
    }
    cues_.clear();
}

bool AudioEngine::OpenDevice(std::string& problem) {
    mixingThreadRaised_ = false;
    const std::string driver = OpenAudioDevice(Settings, driver_, problem);
    if (driver.empty()) {
        return false;
    }
    driver_ = driver; // from now on the game keeps to this driver, the user's or its own choice
    deviceOpen_ = true;
    deviceRemoved_ = false;
    if (allocatedChannels_ == 0) {
        allocatedChannels_ = Mix_AllocateChannels(InitialChannels);
        for (int channel = allocatedChannels_ - 1; channel >= 0; --channel) {
            freeChannels_.push_back(channel);
        }
    } else {
        Mix_AllocateChannels(allocatedChannels_); // the players keep the channels they hold
    }
    Mix_SetPostMix(&AudioEngine::PostMix, this);
    return true;
}

void AudioEngine::CloseDevice() {
    if (!deviceOpen_) {
        return;
    }
    Mix_SetPostMix(nullptr, nullptr);
    Mix_HaltChannel(-1);
    CloseAudioDevice();
    deviceOpen_ = false;
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

// 16-bit PCM at the device's own rate, the format of every recording the game ships, is laid
// out for the mixer here: mono samples doubled into stereo frames, exactly and in one pass.
// SDL's general converter goes through floating point in a buffer four times the input, which
// for the two-minute tutorial would be the largest allocation of the whole program. Any other
// format takes that general way.
Mix_Chunk* AudioEngine::Decode(Recording& recording, bool deviceIsAsAsked,
                               std::vector<std::uint8_t>& samples) {
    const WaveFormat& wave = recording.format;
    const bool direct = deviceIsAsAsked && wave.formatTag == 1 && wave.bitsPerSample == 16 &&
                        wave.sampleRate == Frequency && (wave.channels == 1 || wave.channels == 2);
    if (!direct) {
        SDL_RWops* memory =
            SDL_RWFromConstMem(recording.bytes.data(), static_cast<int>(recording.bytes.size()));
        return Mix_LoadWAV_RW(memory, 1);
    }
    const std::uint8_t* data = recording.bytes.data() + wave.dataOffset;
    const std::size_t frames = wave.Frames();
    samples.resize(frames * BytesPerFrame);
    if (wave.channels == 2) {
        std::memcpy(samples.data(), data, samples.size());
    } else {
        for (std::size_t i = 0; i < frames; ++i) {
            std::memcpy(&samples[i * 4], data + i * 2, 2);
            std::memcpy(&samples[i * 4 + 2], data + i * 2, 2);
        }
    }
    return Mix_QuickLoad_RAW(samples.data(), static_cast<Uint32>(samples.size()));
}

const Mix_Chunk* AudioEngine::Decoded(std::string_view fileName) const {
    const auto found = std::find_if(cues_.begin(), cues_.end(),
                                    [&](const Cue& cue) { return cue.fileName == fileName; });
    return found == cues_.end() ? nullptr : found->chunk;
}

int AudioEngine::AcquireChannel() {
    std::lock_guard lock(deviceMutex_);
    if (freeChannels_.empty()) {
        // With no device the mixer has no channels to grow: the reopened device gets them all.
        const int grown =
            deviceOpen_ ? Mix_AllocateChannels(allocatedChannels_ * 2) : allocatedChannels_ * 2;
        for (int channel = grown - 1; channel >= allocatedChannels_; --channel) {
            freeChannels_.push_back(channel);
        }
        allocatedChannels_ = grown;
    }
    const int channel = freeChannels_.back();
    freeChannels_.pop_back();
    return channel;
}

void AudioEngine::ReleaseChannel(int channel) {
    std::lock_guard lock(deviceMutex_);
    if (deviceOpen_) {
        Mix_HaltChannel(channel);
    }
    freeChannels_.push_back(channel);
}

bool AudioEngine::Play(int channel, const Mix_Chunk* chunk, std::string& problem) {
    std::lock_guard lock(deviceMutex_);
    if (!deviceOpen_) {
        return true;
    }
    if (Mix_PlayChannel(channel, const_cast<Mix_Chunk*>(chunk), 0) < 0) {
        problem = Mix_GetError();
        return false;
    }
    return true;
}

void AudioEngine::Halt(int channel) {
    std::lock_guard lock(deviceMutex_);
    if (deviceOpen_) {
        Mix_HaltChannel(channel);
    }
}

void AudioEngine::PostMix(void* self, std::uint8_t* stream, int bytes) {
    auto* engine = static_cast<AudioEngine*>(self);
    engine->mixes_.fetch_add(1, std::memory_order_relaxed);
    if (!engine->mixingThreadRaised_.exchange(true)) {
        MakeMixingThreadRealTime();
    }
    if (engine->firstBufferBytes_.load(std::memory_order_relaxed) == 0) {
        engine->firstBufferBytes_.store(bytes);
    }
    if (MixObserver* observer = engine->observer_.load()) {
        observer->Mixed(stream, bytes);
    }
}

std::unique_ptr<AudioEngine> StartAudio(const std::vector<std::filesystem::path>& folders,
                                        Language language) {
    return std::make_unique<AudioEngine>(LoadRecordings(folders, language));
}

} // namespace tintineables
