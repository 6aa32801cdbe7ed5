#include "sound/decoded_cues.h"

#include "sound/audio_engine.h"

#include <SDL2/SDL_mixer.h>

#include <cstring>
#include <stdexcept>
#include <utility>

namespace tintineables {

namespace {

constexpr std::size_t BytesPerFrame = AudioEngine::Channels * 2;

// 16-bit PCM at the device's own rate, the format of every recording the game ships, is laid
// out for the mixer here: mono samples doubled into stereo frames, exactly and in one pass.
// SDL's general converter goes through floating point in a buffer four times the input, which
// for the two-minute tutorial would be the largest allocation of the whole program. Any other
// format takes that general way.
Mix_Chunk* Decode(const Recording& recording, bool deviceIsAsAsked,
                  std::vector<std::uint8_t>& samples) {
    const WaveFormat& wave = recording.format;
    const bool direct = deviceIsAsAsked && wave.formatTag == 1 && wave.bitsPerSample == 16 &&
                        wave.sampleRate == AudioEngine::Frequency &&
                        (wave.channels == 1 || wave.channels == 2);
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

} // namespace

DecodedCues::Cue::Cue(Cue&& other) noexcept
    : chunk(std::exchange(other.chunk, nullptr)), samples(std::move(other.samples)) {}

DecodedCues::Cue& DecodedCues::Cue::operator=(Cue&& other) noexcept {
    std::swap(chunk, other.chunk);
    std::swap(samples, other.samples);
    return *this;
}

DecodedCues::Cue::~Cue() {
    if (chunk != nullptr) {
        Mix_FreeChunk(chunk);
    }
}

std::string DecodedCues::Start(std::vector<Recording> recordings, bool deviceIsAsAsked,
                               const std::vector<std::string_view>& first) {
    try {
        cues_ = std::make_unique<DecodingBehind<Cue>>(
            std::move(recordings),
            [deviceIsAsAsked](const Recording& recording) {
                Cue cue;
                cue.chunk = Decode(recording, deviceIsAsAsked, cue.samples);
                if (cue.chunk == nullptr) {
                    throw std::runtime_error(recording.path.string() +
                                             ": not playable: " + Mix_GetError());
                }
                return cue;
            },
            first);
    } catch (const std::runtime_error& problem) {
        return problem.what();
    }
    return {};
}

const Mix_Chunk* DecodedCues::Find(std::string_view fileName) const {
    const Cue* cue = cues_ ? cues_->Get(fileName) : nullptr;
    return cue == nullptr ? nullptr : cue->chunk;
}

int DecodedCues::SoundsThatWaited() const { return cues_ ? cues_->SoundsThatWaited() : 0; }

void DecodedCues::Clear() { cues_.reset(); }

} // namespace tintineables
