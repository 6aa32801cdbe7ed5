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
    ASSERT_EQ(recordings.size(), std::size(HeardCues) + std::size(HeardWords));
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
    EXPECT_EQ(english.size(), std::size(HeardCues) + std::size(HeardWords));

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
