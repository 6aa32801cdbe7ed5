#include "sound/audio_engine.h"

#include "sound/audio_device.h"
#include "sound/recording_files.h"
#include "sound/startup_error.h"
#include "sound/time_stretch.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace tintineables {

namespace {

constexpr int BytesPerFrame = AudioEngine::Channels * 2;

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
    for (Recording& recording : recordings) {
        const std::string unplayable = cues_.Add(recording, deviceIsAsAsked);
        if (!unplayable.empty()) {
            problems += recording.path.string() + ": not playable: " + unplayable + "\n";
        }
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
    StartWatching();
}

AudioEngine::~AudioEngine() {
    paced_.reset(); // made from the decoded cues, which go below
    StopWatching();
    Shutdown();
}

void AudioEngine::Shutdown() {
    std::lock_guard lock(deviceMutex_);
    CloseDevice();
    cues_.Clear();
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
    channels_.AllocateOnOpen();
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

const Mix_Chunk* AudioEngine::Decoded(std::string_view fileName) const {
    return cues_.Find(fileName);
}

namespace {

// A decoded recording (16-bit stereo, both channels alike) at another pace, the same way.
std::vector<std::uint8_t> Paced(const Mix_Chunk& chunk, double pace,
                                const std::atomic<bool>& stopping) {
    const std::size_t frames = chunk.alen / BytesPerFrame;
    std::vector<float> mono(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        std::int16_t sample = 0;
        std::memcpy(&sample, chunk.abuf + i * BytesPerFrame, 2);
        mono[i] = static_cast<float>(sample) / 32768.0f;
    }
    const std::vector<float> paced = StretchSpeech(mono, AudioEngine::Frequency, pace, &stopping);
    std::vector<std::uint8_t> bytes(paced.size() * BytesPerFrame);
    for (std::size_t i = 0; i < paced.size(); ++i) {
        const auto sample = static_cast<std::int16_t>(
            std::lround(std::clamp(paced[i], -1.0f, 32767.0f / 32768.0f) * 32768.0f));
        std::memcpy(&bytes[i * BytesPerFrame], &sample, 2);
        std::memcpy(&bytes[i * BytesPerFrame + 2], &sample, 2);
    }
    return bytes;
}

} // namespace

void AudioEngine::SetSoundSettings(const SoundSettings& settings) {
    if (settings.rate != settings_.rate) {
        paced_.reset(); // what it was making at the pace before is given up
        if (settings.rate != 0) {
            using Bytes = std::shared_ptr<const std::vector<std::uint8_t>>;
            std::vector<MadeBehind<Bytes>::Job> jobs;
            for (const RecordingFile& file : RecordingFiles(true)) {
                const Mix_Chunk* chunk = cues_.Find(file.fileName);
                if (file.spoken && chunk != nullptr) {
                    jobs.push_back({std::string(file.fileName), chunk->alen,
                                    [chunk, pace = settings.Rate()](const std::atomic<bool>& stop) {
                                        return std::make_shared<const std::vector<std::uint8_t>>(
                                            Paced(*chunk, pace, stop));
                                    }});
                }
            }
            paced_ = std::make_unique<MadeBehind<Bytes>>(std::move(jobs),
                                                         std::vector<std::string_view>{});
        }
    }
    settings_ = settings;
}

AudioEngine::Heard AudioEngine::HeardNow(std::string_view fileName) {
    const Mix_Chunk* chunk = cues_.Find(fileName);
    if (chunk == nullptr) {
        return {};
    }
    const bool speech = IsSpeech(fileName);
    if (paced_ && paced_->Has(fileName)) {
        const auto& bytes = *paced_->Get(fileName);
        return {bytes->data(), static_cast<std::uint32_t>(bytes->size()), bytes, true,
                settings_.Rate()};
    }
    return {chunk->abuf, chunk->alen, nullptr, speech, 1.0};
}

bool AudioEngine::Playing(int channel) {
    std::lock_guard lock(deviceMutex_);
    return deviceOpen_ && Mix_Playing(channel) != 0;
}

int AudioEngine::AcquireChannel() {
    std::lock_guard lock(deviceMutex_);
    return channels_.Acquire(deviceOpen_);
}

void AudioEngine::ReleaseChannel(int channel) {
    std::lock_guard lock(deviceMutex_);
    if (deviceOpen_) {
        Mix_HaltChannel(channel);
    }
    channels_.Release(channel);
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

void AudioEngine::StopUnlessReplaced(int channel) {
    // Long enough for the start that follows a stop on a busy machine, short enough that a stop
    // alone still ends the cue at once to the ear. The mixer forgets it when a cue starts.
    constexpr int GraceMilliseconds = 10;
    std::lock_guard lock(deviceMutex_);
    if (deviceOpen_) {
        Mix_ExpireChannel(channel, GraceMilliseconds);
    }
}

void AudioEngine::PostMix(void* self, std::uint8_t* stream, int bytes) {
    auto* engine = static_cast<AudioEngine*>(self);
    engine->mixes_.fetch_add(1, std::memory_order_relaxed);
    engine->mixedFrames_.fetch_add(static_cast<std::uint64_t>(bytes) / (Channels * 2),
                                   std::memory_order_relaxed);
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
