#include "tests/disk_audio.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

namespace tintineables::testing {

DiskAudio::DiskAudio(std::size_t frames) {
    WritePatternRecordings(folder_.Path() / "sounds", frames);
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", (folder_.Path() / "output.raw").c_str(), 1);
    engine_ = StartAudio({folder_.Path() / "sounds"});
}

DiskAudio::~DiskAudio() = default;

std::vector<std::int16_t> DiskAudio::StopAndReadLeft() {
    engine_.reset();
    std::ifstream in(folder_.Path() / "output.raw", std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    std::vector<std::int16_t> left;
    for (std::size_t at = 0; at + 4 <= bytes.size(); at += 4) {
        const auto low = static_cast<unsigned char>(bytes[at]);
        const auto high = static_cast<unsigned char>(bytes[at + 1]);
        left.push_back(static_cast<std::int16_t>(low | high << 8));
    }
    return left;
}

long FindFrame(const std::vector<std::int16_t>& output, std::int16_t value, std::size_t from) {
    for (std::size_t i = from; i < output.size(); ++i) {
        if (output[i] == value) {
            return static_cast<long>(i);
        }
    }
    return -1;
}

void WaitMilliseconds(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

} // namespace tintineables::testing
