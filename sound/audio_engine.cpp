#include "sound/audio_engine.h"

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

std::string NoDeviceMessage(const char* reason) {
    return std::string("No audio device could be opened: ") + reason +
           "\nSDL_AUDIODRIVER selects an audio driver (for example pipewire, pulseaudio or alsa).";
}

} // namespace

AudioEngine::AudioEngine(std::vector<Recording> recordings) {
    // Leave SIGINT and SIGTERM alone: they must still end the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        throw StartupError(NoDeviceMessage(SDL_GetError()));
    }
    // Frequency, format and channels are fixed: SDL converts if the device differs. The buffer
    // size is the device's to choose, so that what we measure is what the player hears.
    if (Mix_OpenAudioDevice(Frequency, AUDIO_S16SYS, Channels, BufferFrames, nullptr,
                            SDL_AUDIO_ALLOW_SAMPLES_CHANGE) != 0) {
        const std::string message = NoDeviceMessage(Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        throw StartupError(message);
    }
    allocatedChannels_ = Mix_AllocateChannels(InitialChannels);
    for (int channel = allocatedChannels_ - 1; channel >= 0; --channel) {
        freeChannels_.push_back(channel);
    }
    Mix_SetPostMix(&AudioEngine::PostMix, this);

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
        cues_.push_back({FileNameOf(recording.cue), chunk, std::move(samples)});
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
    if (obtainedBufferFrames_ != BufferFrames) {
        std::fprintf(stderr,
                     "tintineables: the audio device took a buffer of %d frames, not %d: cues may "
                     "come later than they should.\n",
                     obtainedBufferFrames_, BufferFrames);
    }
}

AudioEngine::~AudioEngine() { Shutdown(); }

void AudioEngine::Shutdown() {
    Mix_SetPostMix(nullptr, nullptr);
    Mix_HaltChannel(-1);
    for (Cue& cue : cues_) {
        Mix_FreeChunk(cue.chunk);
    }
    cues_.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
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
    if (freeChannels_.empty()) {
        const int grown = Mix_AllocateChannels(allocatedChannels_ * 2);
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
    Mix_HaltChannel(channel);
    freeChannels_.push_back(channel);
}

void AudioEngine::PostMix(void* self, std::uint8_t* stream, int bytes) {
    auto* engine = static_cast<AudioEngine*>(self);
    if (engine->firstBufferBytes_.load(std::memory_order_relaxed) == 0) {
        engine->firstBufferBytes_.store(bytes);
    }
    if (MixObserver* observer = engine->observer_.load()) {
        observer->Mixed(stream, bytes);
    }
}

std::unique_ptr<AudioEngine> StartAudio(const std::vector<std::filesystem::path>& folders) {
    return std::make_unique<AudioEngine>(LoadRecordings(folders));
}

} // namespace tintineables
