#include "windows/mpeg_layer3_decoder.h"

#include "sound/startup_error.h"

// clang-format off
#include <windows.h>
#include <mmreg.h>
#include <msacm.h>
// clang-format on

#include <algorithm>
#include <cstring>
#include <string>

namespace tintineables {

namespace {

// Every MPEG layer 3 decoder gives its output 529 frames late (the synthesis filter bank), on
// top of the encoder's own delay, which the wave file states (nCodecDelay).
constexpr std::size_t DecoderDelayFrames = 529;
constexpr DWORD ChunkBytes = 64 * 1024;

[[noreturn]] void Fail(const Recording& recording, const std::string& what, MMRESULT result) {
    throw StartupError(recording.path.string() + ": Windows cannot decode it (" + what +
                       ", error " + std::to_string(result) + ")");
}

class AcmStream {
public:
    AcmStream(const Recording& recording, const WAVEFORMATEX* from, WAVEFORMATEX* to)
        : recording_(recording) {
        const MMRESULT result = acmStreamOpen(&stream_, nullptr, const_cast<WAVEFORMATEX*>(from),
                                              to, nullptr, 0, 0, ACM_STREAMOPENF_NONREALTIME);
        if (result != MMSYSERR_NOERROR) {
            Fail(recording, "no MPEG layer 3 decoder", result);
        }
    }
    AcmStream(const AcmStream&) = delete;
    AcmStream& operator=(const AcmStream&) = delete;
    ~AcmStream() { acmStreamClose(stream_, 0); }

    // Decodes the whole of `data`, appending the samples to `out`.
    void Convert(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out) {
        DWORD outCapacity = 0;
        if (const MMRESULT result =
                acmStreamSize(stream_, ChunkBytes, &outCapacity, ACM_STREAMSIZEF_SOURCE);
            result != MMSYSERR_NOERROR) {
            Fail(recording_, "no output size", result);
        }
        std::vector<BYTE> in(ChunkBytes);
        std::vector<BYTE> decoded(outCapacity);
        ACMSTREAMHEADER header{};
        header.cbStruct = sizeof header;
        header.pbSrc = in.data();
        header.cbSrcLength = ChunkBytes;
        header.pbDst = decoded.data();
        header.cbDstLength = outCapacity;
        if (const MMRESULT result = acmStreamPrepareHeader(stream_, &header, 0);
            result != MMSYSERR_NOERROR) {
            Fail(recording_, "no stream header", result);
        }
        std::size_t taken = 0;
        DWORD held = 0;
        bool first = true;
        MMRESULT result = MMSYSERR_NOERROR;
        while (true) {
            const auto more =
                static_cast<DWORD>(std::min<std::size_t>(ChunkBytes - held, size - taken));
            std::memcpy(in.data() + held, data + taken, more);
            taken += more;
            held += more;
            const bool last = taken == size;
            header.cbSrcLength = held;
            DWORD flags = ACM_STREAMCONVERTF_BLOCKALIGN;
            flags |= first ? ACM_STREAMCONVERTF_START : 0;
            flags |= last ? ACM_STREAMCONVERTF_END : 0;
            result = acmStreamConvert(stream_, &header, flags);
            if (result != MMSYSERR_NOERROR) {
                break;
            }
            out.insert(out.end(), decoded.data(), decoded.data() + header.cbDstLengthUsed);
            const DWORD used = std::min(header.cbSrcLengthUsed, held);
            std::memmove(in.data(), in.data() + used, held - used);
            held -= used;
            first = false;
            // At the end, until the decoder has nothing more to give.
            if (last && (held == 0 || (used == 0 && header.cbDstLengthUsed == 0))) {
                break;
            }
        }
        header.cbSrcLength = ChunkBytes; // as prepared, or Windows refuses to unprepare it
        header.cbDstLength = outCapacity;
        acmStreamUnprepareHeader(stream_, &header, 0);
        if (result != MMSYSERR_NOERROR) {
            Fail(recording_, "a broken frame", result);
        }
    }

private:
    const Recording& recording_;
    HACMSTREAM stream_ = nullptr;
};

} // namespace

std::vector<std::int16_t> DecodeMpegLayer3(const Recording& recording) {
    const WaveFormat& format = recording.format;
    // The format chunk as the decoder takes it, aligned, with its size field matching the chunk.
    std::vector<std::uint8_t> chunk(
        recording.bytes.begin() + static_cast<std::ptrdiff_t>(format.formatOffset),
        recording.bytes.begin() +
            static_cast<std::ptrdiff_t>(format.formatOffset + format.formatBytes));
    MPEGLAYER3WAVEFORMAT from{};
    std::memcpy(&from, chunk.data(), std::min(chunk.size(), sizeof from));
    from.wfx.cbSize = MPEGLAYER3_WFX_EXTRA_BYTES;
    const int channels = format.channels;
    WAVEFORMATEX to{};
    to.wFormatTag = WAVE_FORMAT_PCM;
    to.nChannels = static_cast<WORD>(channels);
    to.nSamplesPerSec = static_cast<DWORD>(format.sampleRate);
    to.wBitsPerSample = 16;
    to.nBlockAlign = static_cast<WORD>(2 * channels);
    to.nAvgBytesPerSec = to.nSamplesPerSec * to.nBlockAlign;

    std::vector<std::uint8_t> bytes;
    {
        AcmStream stream(recording, &from.wfx, &to);
        stream.Convert(recording.bytes.data() + format.dataOffset, format.dataBytes, bytes);
    }
    const std::size_t frameBytes = 2 * static_cast<std::size_t>(channels);
    const std::size_t skip = (from.nCodecDelay + DecoderDelayFrames) * frameBytes;
    const std::size_t wanted = format.decodedFrames * frameBytes;
    if (bytes.size() < skip + wanted) {
        throw StartupError(recording.path.string() + ": broken: it decodes to " +
                           std::to_string(bytes.size() / frameBytes) + " frames, " +
                           std::to_string((skip + wanted) / frameBytes) + " expected");
    }
    std::vector<std::int16_t> samples(wanted / 2);
    std::memcpy(samples.data(), bytes.data() + skip, wanted);
    return samples;
}

} // namespace tintineables
