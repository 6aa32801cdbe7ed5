// audio_find OUTPUT.raw RECORDING.wav...
// For each recording, prints the frame of the output (SDL's disk driver: 16-bit stereo at
// 48 kHz) where the recording starts to sound on both channels, or -1 where it is not heard.
#include "sound/wave_file.h"
#include "tests/disk_audio.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

using tintineables::testing::MixedOutput;

// A recording in any other format than the device's goes through SDL's converter: allow a
// step or two.
constexpr int Tolerance = 3;
constexpr std::size_t Compared = 2400; // 50 ms

long Find(const MixedOutput& output, const std::vector<std::int16_t>& cue) {
    std::size_t salient = 0;
    while (salient < cue.size() && std::abs(cue[salient]) < 2000) {
        ++salient;
    }
    if (salient == cue.size()) {
        return -1;
    }
    const std::size_t count = std::min(Compared, cue.size() - salient);
    for (std::size_t i = salient; i + count <= output.size(); ++i) {
        bool match = true;
        for (std::size_t j = 0; j < count && match; ++j) {
            match = std::abs(output[i + j].left - cue[salient + j]) <= Tolerance &&
                    std::abs(output[i + j].right - cue[salient + j]) <= Tolerance;
        }
        if (match) {
            return static_cast<long>(i - salient);
        }
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: audio_find OUTPUT.raw RECORDING.wav...\n");
        return 2;
    }
    const MixedOutput output = tintineables::testing::ReadRawStereo(argv[1]);
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        const auto check = tintineables::CheckWave(bytes);
        if (!check.problem.empty()) {
            std::fprintf(stderr, "%s: %s\n", argv[i], check.problem.c_str());
            return 2;
        }
        std::printf("%ld\n", Find(output, tintineables::Pcm16Samples(bytes, check.format)));
    }
    return 0;
}
