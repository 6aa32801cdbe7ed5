// audio_find [--in-order | --every] OUTPUT.raw RECORDING.wav...
// For each recording, prints the frame of the output (SDL's disk driver: 16-bit stereo at
// 48 kHz) where the recording starts to sound on both channels, or -1 where it is not heard.
// With --in-order, each one is looked for only after the one before it was heard: a list of
// cues in the order a scenario must sound them, the same recording as often as it comes.
// With --every, every place each recording sounds, a line "FRAME RECORDING" for each: what a
// scenario sounded, to set beside what it should have.
// AUDIO_FIND_MS: how many milliseconds of a recording must sound exactly (50 when unset).
#include "sound/wave_file.h"
#include "tests/disk_audio.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

namespace {

using tintineables::testing::MixedOutput;

// A recording in any other format than the device's goes through SDL's converter: allow a
// step or two.
constexpr int Tolerance = 3;
std::size_t Compared = 2400;               // 50 ms, or AUDIO_FIND_MS
constexpr std::size_t LaterAnchor = 12000; // 250 ms

// Where the cue's 50 ms from `anchor` on lie in the output, as the frame where the cue starts.
long FindFrom(const MixedOutput& output, const std::vector<std::int16_t>& cue, std::size_t anchor,
              std::size_t from) {
    const std::size_t count = std::min(Compared, cue.size() - anchor);
    for (std::size_t i = from + anchor; i + count <= output.size(); ++i) {
        bool match = true;
        for (std::size_t j = 0; j < count && match; ++j) {
            match = std::abs(output[i + j].left - cue[anchor + j]) <= Tolerance &&
                    std::abs(output[i + j].right - cue[anchor + j]) <= Tolerance;
        }
        if (match) {
            return static_cast<long>(i - anchor);
        }
    }
    return -1;
}

std::size_t FirstSalient(const std::vector<std::int16_t>& cue, std::size_t from) {
    while (from < cue.size() && std::abs(cue[from]) < 2000) {
        ++from;
    }
    return from;
}

// A cue is known by its first salient 50 ms. A form that opens starts its cue before the form
// it replaces stops its own, so the first milliseconds of a long cue may sound mixed with the
// tail of another: then it is known by a salient stretch a quarter of a second in.
long Find(const MixedOutput& output, const std::vector<std::int16_t>& cue, std::size_t from) {
    const std::size_t salient = FirstSalient(cue, 0);
    if (salient == cue.size()) {
        return -1;
    }
    const long at = FindFrom(output, cue, salient, from);
    const std::size_t later = FirstSalient(cue, salient + LaterAnchor);
    if (at >= 0 || later + Compared > cue.size()) {
        return at;
    }
    return FindFrom(output, cue, later, from);
}

} // namespace

int main(int argc, char** argv) {
    if (const char* ms = std::getenv("AUDIO_FIND_MS"); ms != nullptr && std::atoi(ms) > 0) {
        Compared = static_cast<std::size_t>(std::atoi(ms)) * 48;
    }
    int first = 1;
    const bool inOrder = argc > 1 && std::string_view(argv[1]) == "--in-order";
    const bool every = argc > 1 && std::string_view(argv[1]) == "--every";
    first += inOrder || every ? 1 : 0;
    if (argc < first + 2) {
        std::fprintf(stderr,
                     "usage: audio_find [--in-order | --every] OUTPUT.raw RECORDING.wav...\n");
        return 2;
    }
    const MixedOutput output = tintineables::testing::ReadRawStereo(argv[first]);
    std::size_t from = 0;
    for (int i = first + 1; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        const auto check = tintineables::CheckWave(bytes);
        if (!check.problem.empty()) {
            std::fprintf(stderr, "%s: %s\n", argv[i], check.problem.c_str());
            return 2;
        }
        const auto cue = tintineables::Pcm16Samples(bytes, check.format);
        if (every) {
            for (long at = Find(output, cue, 0); at >= 0;
                 at = Find(output, cue, static_cast<std::size_t>(at) + Compared)) {
                std::printf("%ld %s\n", at, argv[i]);
            }
            continue;
        }
        const long at = Find(output, cue, from);
        std::printf("%ld\n", at);
        if (inOrder) {
            if (at < 0) {
                from = output.size(); // everything after a missing cue counts as missing
            } else {
                from = static_cast<std::size_t>(at) + 1;
            }
        }
    }
    return 0;
}
