#include "sound/play_cue.h"
#include "tests/heard_cues.h"
#include "tests/recording_sound_player.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tintineables::testing {
namespace {

using Setting = std::pair<int, std::string>;
using ::testing::ElementsAre;

// Every cue opens its own file, by the game's list of cue files, with the same six settings;
// only the place cue sends its first three command words capitalised.
TEST(PlayCue, OpensEachCuesOwnFileWithTheSixSettings) {
    for (const HeardCue& row : HeardCues) {
        RecordingSoundPlayer player;
        PlayCue(player, row.cue);
        const bool capitalised = row.file == "poner1.wav";
        EXPECT_THAT(player.settings,
                    ElementsAre(Setting{21, "waveaudio"}, Setting{22, std::string(row.file)},
                                Setting{23, capitalised ? "Close" : "close"},
                                Setting{23, capitalised ? "Open" : "open"},
                                Setting{23, capitalised ? "Play" : "play"}, Setting{23, "prev"}))
            << row.file;
    }
}

} // namespace
} // namespace tintineables::testing
