#include "tests/wave_bytes.h"

#include <fstream>

namespace tintineables::testing {

namespace {

void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}
void Put16(std::vector<std::uint8_t>& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutTag(std::vector<std::uint8_t>& b, const char* tag) {
    for (int i = 0; i < 4; ++i) {
        b.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

} // namespace

std::vector<std::uint8_t> WaveBytes(const std::vector<std::int16_t>& samples, int channels,
                                    int sampleRate) {
    std::vector<std::uint8_t> b;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    PutTag(b, "RIFF");
    Put32(b, 36 + dataBytes);
    PutTag(b, "WAVE");
    PutTag(b, "fmt ");
    Put32(b, 16);
    Put16(b, 1);
    Put16(b, static_cast<std::uint32_t>(channels));
    Put32(b, static_cast<std::uint32_t>(sampleRate));
    Put32(b, static_cast<std::uint32_t>(sampleRate * channels * 2));
    Put16(b, static_cast<std::uint32_t>(channels * 2));
    Put16(b, 16);
    PutTag(b, "data");
    Put32(b, dataBytes);
    for (std::int16_t s : samples) {
        Put16(b, static_cast<std::uint16_t>(s));
    }
    return b;
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

} // namespace tintineables::testing
