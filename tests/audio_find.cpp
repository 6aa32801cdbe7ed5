// audio_find OUTPUT.raw RECORDING.wav...
// For each recording, prints the frame of the output (SDL's disk driver: 16-bit stereo at
// 48 kHz) where the recording starts to sound, or -1 where it is not heard.
#include "sound/wave_file.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::vector<std::uint8_t> ReadAll(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The mixer converts mono to stereo through floating point: allow a step or two.
constexpr int Tolerance = 3;
constexpr std::size_t Compared = 2400; // 50 ms

long Find(const std::vector<std::int16_t>& left, const std::vector<std::int16_t>& cue) {
    std::size_t salient = 0;
    while (salient < cue.size() && std::abs(cue[salient]) < 2000) {
        ++salient;
    }
    if (salient == cue.size()) {
        return -1;
    }
    const std::size_t count = std::min(Compared, cue.size() - salient);
    for (std::size_t i = salient; i + count <= left.size(); ++i) {
        bool match = true;
        for (std::size_t j = 0; j < count && match; ++j) {
            match = std::abs(left[i + j] - cue[salient + j]) <= Tolerance;
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
    const auto raw = ReadAll(argv[1]);
    std::vector<std::int16_t> left;
    for (std::size_t at = 0; at + 4 <= raw.size(); at += 4) {
        left.push_back(static_cast<std::int16_t>(raw[at] | raw[at + 1] << 8));
    }
    for (int i = 2; i < argc; ++i) {
        const auto bytes = ReadAll(argv[i]);
        const auto check = tintineables::CheckWave(bytes);
        if (!check.problem.empty()) {
            std::fprintf(stderr, "%s: %s\n", argv[i], check.problem.c_str());
            return 2;
        }
        std::printf("%ld\n", Find(left, tintineables::Pcm16Samples(bytes, check.format)));
    }
    return 0;
}
