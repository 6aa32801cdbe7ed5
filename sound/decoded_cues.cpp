#include "sound/decoded_cues.h"

#include "sound/audio_engine.h"

#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <cstring>

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

std::string DecodedCues::Add(Recording& recording, bool deviceIsAsAsked) {
    std::vector<std::uint8_t> samples;
    Mix_Chunk* chunk = Decode(recording, deviceIsAsAsked, samples);
    // The file's bytes are done with: let them go before the next, larger one comes in.
    std::vector<std::uint8_t>().swap(recording.bytes);
    if (chunk == nullptr) {
        return Mix_GetError();
    }
    cues_.push_back({recording.fileName, chunk, std::move(samples)});
    return {};
}

const Mix_Chunk* DecodedCues::Find(std::string_view fileName) const {
    const auto found = std::find_if(cues_.begin(), cues_.end(),
                                    [&](const Cue& cue) { return cue.fileName == fileName; });
    return found == cues_.end() ? nullptr : found->chunk;
}

void DecodedCues::Clear() {
    for (Cue& cue : cues_) {
        Mix_FreeChunk(cue.chunk);
    }
    cues_.clear();
}

} // namespace tintineables
