// decoded_recordings FROM TO
// Writes every recording under FROM to the same place under TO as 16-bit PCM, a compressed one
// decoded by Windows exactly as the game decodes it: what the Windows edition's test listens
// for. Run under Wine; exits 1 naming a recording it cannot decode.
#include "sound/recordings.h"
#include "sound/startup_error.h"
#include "tests/wave_bytes.h"
#include "windows/mpeg_layer3_decoder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;
using namespace tintineables;

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
                testing::WriteFile(out, testing::WaveBytes(DecodeMpegLayer3(recording),
                                                           check.format.channels,
                                                           check.format.sampleRate));
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
