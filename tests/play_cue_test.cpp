#include "sound/play_cue.h"
#include "tests/recording_sound_player.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

namespace tintineables::testing {
namespace {

using Setting = std::pair<int, std::string>;
using ::testing::ElementsAre;

TEST(PlayCue, SendsTheSixSettingsInOrderForEveryCue) {
    for (const SoundCueInfo& info : SoundCueTable) {
        RecordingSoundPlayer player;
        PlayCue(player, info.cue);
        const bool capitalised = info.cue == SoundCue::Place;
        EXPECT_THAT(player.settings,
                    ElementsAre(Setting{21, "waveaudio"}, Setting{22, std::string(info.fileName)},
                                Setting{23, capitalised ? "Close" : "close"},
                                Setting{23, capitalised ? "Open" : "open"},
                                Setting{23, capitalised ? "Play" : "play"}, Setting{23, "prev"}))
            << info.name;
    }
}

TEST(SoundCueTable, NamesThirteenDistinctFilesAndTheNineBoardButtons) {
    std::set<std::string_view> files;
    std::vector<int> buttons;
    for (const SoundCueInfo& info : SoundCueTable) {
        files.insert(info.fileName);
        EXPECT_TRUE(info.fileName.ends_with(".wav")) << info.fileName;
        if (info.button != 0) {
            buttons.push_back(info.button);
        }
    }
    EXPECT_EQ(files.size(), 13u);
    EXPECT_THAT(buttons, ElementsAre(1, 2, 3, 4, 5, 6, 7, 8, 9));
    EXPECT_EQ(FileNameOf(SoundCue::CentreBall), "bolacentral.wav");
    EXPECT_EQ(InfoOf(SoundCue::CentreBall).button, 9);
    EXPECT_EQ(FileNameOf(SoundCue::Presentation), "presentacion.wav");
}

} // namespace
} // namespace tintineables::testing
