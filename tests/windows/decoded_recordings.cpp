// decoded_recordings FROM TO
// Writes every recording under FROM to the same place under TO as 16-bit PCM, a compressed one
// decoded by Windows exactly as the game decodes it: what the Windows edition's test listens
// for. Run under Wine; exits 1 naming a recording it cannot decode.
#include "sound/recordings.h"
#include "sound/startup_error.h"
#include "windows/mpeg_layer3_decoder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;
using namespace tintineables;

namespace {

void Put32(std::ofstream& out, std::uint32_t value) {
    const char bytes[] = {static_cast<char>(value), static_cast<char>(value >> 8),
                          static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
    out.write(bytes, 4);
}

void Put16(std::ofstream& out, std::uint32_t value) {
    const char bytes[] = {static_cast<char>(value), static_cast<char>(value >> 8)};
    out.write(bytes, 2);
}

void WritePcm16(const fs::path& path, const std::vector<std::int16_t>& samples, int channels,
                int rate) {
    const auto data = static_cast<std::uint32_t>(samples.size() * 2);
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    Put32(out, 36 + data);
    out.write("WAVEfmt ", 8);
    Put32(out, 16);
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(channels));
    Put32(out, static_cast<std::uint32_t>(rate));
    Put32(out, static_cast<std::uint32_t>(rate * channels * 2));
    Put16(out, static_cast<std::uint32_t>(channels * 2));
    Put16(out, 16);
    out.write("data", 4);
    Put32(out, data);
    out.write(reinterpret_cast<const char*>(samples.data()), data);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: decoded_recordings FROM TO\n");
        return 2;
    }
    const fs::path from = argv[1];
    const fs::path to = argv[2];
    int decoded = 0;
    try {
        for (const auto& entry : fs::recursive_directory_iterator(from)) {
            if (entry.path().extension() != ".wav") {
                continue;
            }
            Recording recording{{}, entry.path(), {}, {}};
            std::ifstream in(entry.path(), std::ios::binary);
            recording.bytes.assign(std::istreambuf_iterator<char>(in), {});
            const WaveCheck check = CheckWave(recording.bytes);
            if (!check.problem.empty()) {
                throw StartupError(entry.path().string() + ": " + check.problem);
            }
            recording.format = check.format;
            const fs::path out = to / fs::relative(entry.path(), from);
            fs::create_directories(out.parent_path());
            if (check.format.formatTag == WaveMpegLayer3) {
                WritePcm16(out, DecodeMpegLayer3(recording), check.format.channels,
                           check.format.sampleRate);
                ++decoded;
            } else {
                fs::copy_file(entry.path(), out, fs::copy_options::overwrite_existing);
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "decoded_recordings: %s\n", error.what());
        return 1;
    }
    std::printf("%d recordings decoded\n", decoded);
    return 0;
}
