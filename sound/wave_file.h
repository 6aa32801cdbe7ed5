#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tintineables {

// What a recording's RIFF/WAVE header says about its sound.
struct WaveFormat {
    int formatTag = 0; // 1 PCM, 3 IEEE float (WAVE_FORMAT_EXTENSIBLE resolved to these)
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    int blockAlign = 0;
    std::size_t dataOffset = 0; // of the first sample, from the start of the file
    std::size_t dataBytes = 0;

    std::size_t Frames() const {
        return blockAlign ? dataBytes / static_cast<std::size_t>(blockAlign) : 0;
    }
    double Seconds() const { return sampleRate ? static_cast<double>(Frames()) / sampleRate : 0; }
};

struct WaveCheck {
    WaveFormat format;
    std::string problem; // empty when the file is a playable wave file
};

// Reads the header of a whole wave file held in memory and says what is wrong with it, in
// words a player can act on: empty, not a wave file, truncated, an unsupported format.
WaveCheck CheckWave(std::span<const std::uint8_t> bytes);

// The samples of a 16-bit PCM wave file as read from disk, interleaved; empty for any other
// format. Used to inspect recordings, never on the way to the speakers.
std::vector<std::int16_t> Pcm16Samples(std::span<const std::uint8_t> bytes,
                                       const WaveFormat& format);

} // namespace tintineables
