#include "sound/recordings.h"
#include "sound/startup_error.h"
#include "tests/heard_cues.h"
#include "tests/heard_words.h"
#include "tests/wave_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tintineables::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

std::string StartupMessage(const std::vector<fs::path>& folders) {
    try {
        LoadRecordings(folders);
    } catch (const StartupError& error) {
        return error.what();
    }
    return "";
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// A wave file holding MPEG layer 3 as the Windows edition ships its speech: the format chunk
// (MPEGLAYER3WAVEFORMAT), its decoded length when `withLength` (a fact chunk), and a frame.
std::vector<std::uint8_t> CompressedWave(bool withLength) {
    const std::uint8_t format[] = {'f',  'm', 't', ' ',  30,   0, 0,    0, 0x55, 0, 1,    0,  0x80,
                                   0xbb, 0,   0,   0x40, 0x1f, 0, 0,    1, 0,    0, 0,    12, 0,
                                   1,    0,   2,   0,    0,    0, 0xc0, 0, 1,    0, 0x40, 2};
    const std::uint8_t fact[] = {'f', 'a', 'c', 't', 4, 0, 0, 0, 0x80, 0x04, 0, 0};
    std::vector<std::uint8_t> body(format, format + sizeof format);
    if (withLength) {
        body.insert(body.end(), fact, fact + sizeof fact);
    }
    const std::uint8_t data[] = {'d', 'a', 't', 'a', 192, 0, 0, 0, 0xff, 0xfb, 0x54, 0xc4};
    body.insert(body.end(), data, data + sizeof data);
    body.resize(body.size() + 188, 0);
    std::vector<std::uint8_t> file = {'R', 'I', 'F', 'F'};
    const auto size = static_cast<std::uint32_t>(4 + body.size());
    for (int shift = 0; shift < 32; shift += 8) {
        file.push_back(static_cast<std::uint8_t>(size >> shift));
    }
    file.insert(file.end(), {'W', 'A', 'V', 'E'});
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

struct BadRecording {
    const char* file;
    std::function<void(const fs::path&)> make;
    const char* reason;
};

TEST(LoadRecordings, NamesEveryBadFileWithItsReasonThenTheFolders) {
    TemporaryFolder folder;
    const fs::path sounds = folder.Path() / "sounds";
    WritePatternRecordings(sounds, 480);
    const auto good = WaveBytes(std::vector<std::int16_t>(960, 100), 2);
    const BadRecording bad[] = {
        {"bola.wav", [](const fs::path& p) { fs::remove(p); }, "bola.wav: missing"},
        {"vacio.wav", [](const fs::path& p) { WriteFile(p, {}); }, "empty file"},
        {"poner1.wav",
         [&](const fs::path& p) {
             WriteFile(p, {good.begin(), good.begin() + 30});
         },
         "truncated inside the wave header"},
        {"aplauso.wav",
         [&](const fs::path& p) {
             WriteFile(p, {good.begin(), good.end() - 100});
         },
         "truncated: the data chunk declares 1920 bytes but only 1820 are there"},
        {"borde.wav",
         [](const fs::path& p) {
             const std::string text = "this is not a sound\n";
             WriteFile(p, {text.begin(), text.end()});
         },
         "not a wave file"},
        {"central.wav",
         [](const fs::path& p) {
             fs::remove(p);
             fs::create_directory(p);
         },
         "is a folder"},
        // The Windows edition's compressed speech: told apart from a broken file, and refused
        // by an edition that plays PCM only.
        {"voz_queda.wav", [](const fs::path& p) { WriteFile(p, CompressedWave(false)); },
         "compressed, but its length is not given (no fact chunk)"},
        {"voz_quedan.wav", [](const fs::path& p) { WriteFile(p, CompressedWave(true)); },
         "compressed (MPEG layer 3), as only the Windows edition plays its recordings"},
    };
    for (const BadRecording& b : bad) {
        b.make(sounds / b.file);
    }
    const auto lines = Lines(StartupMessage({sounds, folder.Path() / "elsewhere"}));
    ASSERT_EQ(lines.size(), std::size(bad) + 2);
    for (std::size_t i = 0; i < std::size(bad); ++i) {
        EXPECT_THAT(lines[i], HasSubstr(bad[i].file));
        EXPECT_THAT(lines[i], HasSubstr(bad[i].reason));
    }
    EXPECT_THAT(lines[std::size(bad)], HasSubstr(sounds.string()));
    EXPECT_THAT(lines[std::size(bad)], HasSubstr((folder.Path() / "elsewhere").string()));
    EXPECT_EQ(lines.back(), "Language: Spanish, as the desktop asks; LANGUAGE=en plays the "
                            "English recordings instead.");
}

TEST(LoadRecordings, TakesEachFileFromTheFirstFolderThatHasIt) {
    TemporaryFolder folder;
    WritePatternRecordings(folder.Path() / "second", 480);
    fs::create_directories(folder.Path() / "first");
    WriteFile(folder.Path() / "first" / "bola.wav", WaveBytes({1, 2, 3, 4}, 2));
    const auto recordings = LoadRecordings({folder.Path() / "first", folder.Path() / "second"});
    ASSERT_EQ(recordings.size(),
              std::size(HeardCues) + std::size(HeardWords) + std::size(HeardSweepSounds));
    EXPECT_EQ(recordings[0].path, folder.Path() / "first" / "bola.wav");
    EXPECT_EQ(recordings[0].format.Frames(), 2u);
    EXPECT_EQ(recordings[1].path, folder.Path() / "second" / "vacio.wav");
}

// English speaks from sounds/en/ and shares the earcons; the Spanish set never looks there.
TEST(LoadRecordings, TakesTheSpokenOnesOfTheLanguageAndSharesTheEarcons) {
    TemporaryFolder folder;
    const fs::path sounds = folder.Path() / "sounds";
    WritePatternRecordings(sounds, 480, {Language::English});
    const auto english = LoadRecordings({sounds}, Language::English);
    for (const Recording& recording : english) {
        const bool spoken =
            recording.fileName.rfind("voz_", 0) == 0 || recording.fileName == "presentacion.wav" ||
            recording.fileName == "tutorial.wav" || recording.fileName == "creditos.wav" ||
            recording.fileName == "reiniciar.wav";
        EXPECT_EQ(recording.path, (spoken ? sounds / "en" : sounds) / recording.fileName);
    }
    EXPECT_EQ(english.size(),
              std::size(HeardCues) + std::size(HeardWords) + std::size(HeardSweepSounds));

    fs::remove(sounds / "en" / "tutorial.wav");
    fs::remove(sounds / "en" / "voz_17.wav");
    std::string message;
    try {
        LoadRecordings({sounds}, Language::English);
    } catch (const StartupError& error) {
        message = error.what();
    }
    EXPECT_THAT(Lines(message),
                ::testing::ElementsAre("en/tutorial.wav: missing", "en/voz_17.wav: missing",
                                       "Folders searched, in order: " + sounds.string(),
                                       "Language: English, as the desktop asks; LANGUAGE=es plays "
                                       "the Spanish recordings instead."));
    EXPECT_NO_THROW(LoadRecordings({sounds}, Language::Spanish));
}

TEST(LoadRecordings, RefusesAFileAboveTheSizeLimitWithoutReadingIt) {
    TemporaryFolder folder;
    WritePatternRecordings(folder.Path(), 480);
    {
        std::ofstream huge(folder.Path() / "tutorial.wav", std::ios::binary);
        huge.seekp(static_cast<std::streamoff>(MaxRecordingBytes) + 1);
        huge.put('\0'); // a sparse file: no disk is spent on it
    }
    EXPECT_THAT(StartupMessage({folder.Path()}), HasSubstr("tutorial.wav: too large"));
}

TEST(RecordingFolders, AreBesideTheExecutableThenTheInstalledDataFolder) {
    const auto folders = RecordingFolders();
    const fs::path bin = fs::read_symlink("/proc/self/exe").parent_path();
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[0], bin / "sounds");
    EXPECT_EQ(folders[1], bin.parent_path() / "share" / "tintineables" / "sounds");
    for (const fs::path& folder : folders) {
        EXPECT_TRUE(folder.is_absolute()) << "never the current directory: " << folder;
    }
}

} // namespace
} // namespace tintineables::testing
