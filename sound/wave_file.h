#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tintineables {

// MPEG layer 3 in a wave file, as the Windows edition ships its recordings to keep its download
// small; Windows decodes it (ACM). The rest of the game plays PCM.
inline constexpr int WaveMpegLayer3 = 0x55;

// What a recording's RIFF/WAVE header says about its sound.
struct WaveFormat {
    int formatTag = 0; // 1 PCM, 3 IEEE float (WAVE_FORMAT_EXTENSIBLE resolved to these), or
                       // WaveMpegLayer3
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    int blockAlign = 0;
    std::size_t dataOffset = 0; // of the first sample, from the start of the file
    std::size_t dataBytes = 0;
    // A compressed recording: where its format chunk lies (for the decoder, which is told the
    // whole of it) and its length in frames once decoded (its fact chunk).
    std::size_t formatOffset = 0;
    std::size_t formatBytes = 0;
    std::size_t decodedFrames = 0;

    std::size_t Frames() const {
        if (formatTag == WaveMpegLayer3) {
            return decodedFrames;
        }
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
