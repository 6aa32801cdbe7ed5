#include "sound/wave_file.h"

#include <cstring>

namespace tintineables {

namespace {

std::uint32_t Le32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(b[at + 3]) << 24;
}

int Le16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<int>(b[at]) | static_cast<int>(b[at + 1]) << 8;
}

bool Tag(std::span<const std::uint8_t> b, std::size_t at, const char* tag) {
    return std::memcmp(b.data() + at, tag, 4) == 0;
}

constexpr int FormatPcm = 1;
constexpr int FormatFloat = 3;
constexpr int FormatExtensible = 0xFFFE;

std::string ReadFormat(std::span<const std::uint8_t> b, std::size_t at, std::size_t size,
                       WaveFormat& f) {
    if (size < 16) {
        return "broken wave header: format chunk of " + std::to_string(size) + " bytes";
    }
    f.formatTag = Le16(b, at);
    f.channels = Le16(b, at + 2);
    f.sampleRate = static_cast<int>(Le32(b, at + 4));
    f.blockAlign = Le16(b, at + 12);
    f.bitsPerSample = Le16(b, at + 14);
    if (f.formatTag == FormatExtensible && size >= 40) {
        f.formatTag = Le16(b, at + 24); // the sub-format GUID starts with the plain tag
    }
    if (f.formatTag == WaveMpegLayer3) {
        // The decoder is told the whole chunk (MPEGLAYER3WAVEFORMAT, 30 bytes); the frames
        // cross any block boundary, so every byte of the data is kept.
        f.formatOffset = at;
        f.formatBytes = size;
        f.blockAlign = 1;
        if (size < 30 || f.channels < 1 || f.channels > 2 || f.sampleRate < 8000 ||
            f.sampleRate > 48000) {
            return "unsupported MPEG layer 3 wave format: " + std::to_string(f.channels) +
                   " channels, " + std::to_string(f.sampleRate) + " Hz";
        }
        return {};
    }
    if (f.formatTag != FormatPcm && f.formatTag != FormatFloat) {
        return "unsupported wave encoding (format tag " + std::to_string(f.formatTag) +
               "); use PCM or IEEE float";
    }
    const bool bitsOk = f.formatTag == FormatFloat
                            ? f.bitsPerSample == 32
                            : (f.bitsPerSample == 8 || f.bitsPerSample == 16 ||
                               f.bitsPerSample == 24 || f.bitsPerSample == 32);
    if (!bitsOk || f.channels < 1 || f.channels > 8 || f.sampleRate < 8000 ||
        f.sampleRate > 384000 || f.blockAlign != f.channels * f.bitsPerSample / 8) {
        return "unsupported wave format: " + std::to_string(f.channels) + " channels, " +
               std::to_string(f.sampleRate) + " Hz, " + std::to_string(f.bitsPerSample) + " bits";
    }
    return {};
}

// Every byte of MPEG layer 3 sound is in a frame, each starting with its header: the frames are
// walked by their lengths, as any decoder walks them. What is wrong, or empty; a decoder would
// stop at the first byte that is no frame (a file damaged, or cut short), so the game does too,
// before any window opens, without decoding a sample.
std::string MpegFramesProblem(std::span<const std::uint8_t> data) {
    constexpr int Bitrates[2][15] = {
        {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}, // MPEG-1
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}};    // MPEG-2 and 2.5
    constexpr int Rates[3][3] = {
        {11025, 12000, 8000}, {22050, 24000, 16000}, {44100, 48000, 32000}};
    std::size_t at = 0;
    while (at < data.size()) {
        const std::string where = "cannot be decoded: no MPEG layer 3 frame at byte " +
                                  std::to_string(at) + " of its sound";
        if (at + 4 > data.size() || data[at] != 0xFF || (data[at + 1] & 0xE0) != 0xE0) {
            return where;
        }
        const int version = (data[at + 1] >> 3) & 3; // 0: 2.5, 2: MPEG-2, 3: MPEG-1
        const int layer = (data[at + 1] >> 1) & 3;   // 1: layer 3
        const int bitrate = data[at + 2] >> 4;
        const int rate = (data[at + 2] >> 2) & 3;
        if (version == 1 || layer != 1 || bitrate == 0 || bitrate == 15 || rate == 3) {
            return where;
        }
        const int kbps = Bitrates[version == 3 ? 0 : 1][bitrate];
        const int hertz = Rates[version == 3 ? 2 : version == 2 ? 1 : 0][rate];
        at += static_cast<std::size_t>((version == 3 ? 144000 : 72000) * kbps / hertz +
                                       ((data[at + 2] >> 1) & 1));
    }
    return at == data.size() ? std::string()
                             : "truncated: its last MPEG layer 3 frame is cut short";
}

} // namespace

WaveCheck CheckWave(std::span<const std::uint8_t> b) {
    WaveCheck check;
    WaveFormat& f = check.format;
    if (b.empty()) {
        check.problem = "empty file";
        return check;
    }
    if (b.size() < 12 || !Tag(b, 0, "RIFF") || !Tag(b, 8, "WAVE")) {
        check.problem = b.size() < 12 && (b.size() < 4 || Tag(b, 0, "RIFF"))
                            ? "truncated inside the wave header"
                            : "not a wave file (no RIFF/WAVE header)";
        return check;
    }
    bool haveFormat = false;
    std::size_t at = 12;
    while (true) {
        if (at + 8 > b.size()) {
            check.problem =
                haveFormat ? "truncated: no data chunk" : "truncated inside the wave header";
            return check;
        }
        const std::size_t size = Le32(b, at + 4);
        const std::size_t body = at + 8;
        if (Tag(b, at, "fmt ")) {
            if (body + size > b.size()) {
                check.problem = "truncated inside the wave header";
                return check;
            }
            check.problem = ReadFormat(b, body, size, f);
            if (!check.problem.empty()) {
                return check;
            }
            haveFormat = true;
        } else if (Tag(b, at, "fact")) {
            if (size < 4 || body + 4 > b.size()) {
                check.problem = "truncated inside the wave header";
                return check;
            }
            f.decodedFrames = Le32(b, body);
        } else if (Tag(b, at, "data")) {
            if (!haveFormat) {
                check.problem = "broken wave file: sound data before its format";
                return check;
            }
            const std::size_t present = b.size() - body;
            if (size > present) {
                check.problem = "truncated: the data chunk declares " + std::to_string(size) +
                                " bytes but only " + std::to_string(present) + " are there";
                return check;
            }
            if (size == 0) {
                check.problem = "no sound in it (empty data chunk)";
                return check;
            }
            if (f.formatTag == WaveMpegLayer3 && f.decodedFrames == 0) {
                check.problem = "compressed, but its length is not given (no fact chunk)";
                return check;
            }
            f.dataOffset = body;
            f.dataBytes = size - size % static_cast<std::size_t>(f.blockAlign);
            if (f.formatTag == WaveMpegLayer3) {
                check.problem = MpegFramesProblem(b.subspan(body, f.dataBytes));
            }
            return check;
        }
        at = body + size + (size & 1); // chunks are padded to an even length
    }
}

std::vector<std::int16_t> Pcm16Samples(std::span<const std::uint8_t> b, const WaveFormat& f) {
    std::vector<std::int16_t> samples;
    if (f.formatTag != FormatPcm || f.bitsPerSample != 16) {
        return samples;
    }
    samples.resize(f.dataBytes / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<std::int16_t>(Le16(b, f.dataOffset + 2 * i));
    }
    return samples;
}

} // namespace tintineables
