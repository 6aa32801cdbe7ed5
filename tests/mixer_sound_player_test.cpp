#include "board/run_time_error.h"
#include "sound/mixer_sound_player.h"
#include "sound/play_cue.h"
#include "tests/disk_audio.h"

#include <gtest/gtest.h>

#include <functional>

namespace tintineables::testing {
namespace {

constexpr std::size_t CueFrames = 9600; // 200 ms at 48 kHz

// Checks that output[at + j] == expected(j) for j in [0, count).
::testing::AssertionResult Holds(const std::vector<std::int16_t>& output, long at,
                                 std::size_t count,
                                 const std::function<int(std::size_t)>& expected) {
    if (at < 0) {
        return ::testing::AssertionFailure() << "the cue was never heard";
    }
    for (std::size_t j = 0; j < count; ++j) {
        const std::size_t i = static_cast<std::size_t>(at) + j;
        if (i >= output.size()) {
            return ::testing::AssertionFailure() << "output ends " << j << " frames into the cue";
        }
        if (output[i] != expected(j)) {
            return ::testing::AssertionFailure()
                   << "frame " << j << " of the cue is " << output[i] << ", not " << expected(j);
        }
    }
    return ::testing::AssertionSuccess();
}

bool AllSilent(const std::vector<std::int16_t>& output, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to && i < output.size(); ++i) {
        if (output[i] != 0) {
            return false;
        }
    }
    return true;
}

TEST(MixerSoundPlayer, PlaysTheWholeCueFromItsFirstSampleAndTheNextCueCutsIt) {
    DiskAudio audio(CueFrames);
    {
        MixerSoundPlayer player(audio.Engine());
        PlayCue(player, SoundCue::Ball); // "prev" right after "play" must not cut it
        WaitMilliseconds(400);           // long enough for the whole cue
        PlayCue(player, SoundCue::Empty);
        WaitMilliseconds(60);
        PlayCue(player, SoundCue::Place); // sent as "Close", "Open", "Play"
        WaitMilliseconds(400);
    }
    const auto output = audio.StopAndReadLeft();

    const long ball = FindFrame(output, PatternSample(SoundCue::Ball, 0));
    EXPECT_TRUE(AllSilent(output, 0, static_cast<std::size_t>(std::max(ball, 0L))));
    EXPECT_TRUE(Holds(output, ball, CueFrames,
                      [](std::size_t j) { return PatternSample(SoundCue::Ball, j); }));
    const long empty = FindFrame(output, PatternSample(SoundCue::Empty, 0));
    const long place = FindFrame(output, PatternSample(SoundCue::Place, 0));
    ASSERT_GT(empty, ball);
    ASSERT_GT(place, empty);
    ASSERT_LT(place - empty, static_cast<long>(CueFrames)) << "the second cue ended by itself";
    // Empty is heard alone from its first sample until Place cuts it; Place then plays whole.
    EXPECT_TRUE(Holds(output, empty, static_cast<std::size_t>(place - empty),
                      [](std::size_t j) { return PatternSample(SoundCue::Empty, j); }));
    EXPECT_TRUE(Holds(output, place, CueFrames,
                      [](std::size_t j) { return PatternSample(SoundCue::Place, j); }));
    EXPECT_TRUE(AllSilent(output, static_cast<std::size_t>(place) + CueFrames, output.size()));
}

TEST(MixerSoundPlayer, ACueOnAnotherPlayerDoesNotStopIt) {
    DiskAudio audio(CueFrames);
    {
        MixerSoundPlayer menu(audio.Engine());
        MixerSoundPlayer board(audio.Engine());
        EXPECT_NE(menu.Channel(), board.Channel());
        PlayCue(menu, SoundCue::Presentation);
        WaitMilliseconds(60);
        PlayCue(board, SoundCue::Ball);
        WaitMilliseconds(400);
    }
    const auto output = audio.StopAndReadLeft();
    const long presentation = FindFrame(output, PatternSample(SoundCue::Presentation, 0));
    ASSERT_GE(presentation, 0);
    // The first frame where the output is not the presentation alone is where Ball comes in.
    long ball = -1;
    for (std::size_t j = 0; j < CueFrames; ++j) {
        if (output[static_cast<std::size_t>(presentation) + j] !=
            PatternSample(SoundCue::Presentation, j)) {
            ball = presentation + static_cast<long>(j);
            break;
        }
    }
    ASSERT_GT(ball, presentation);
    const auto offset = static_cast<std::size_t>(ball - presentation);
    const std::size_t overlap = CueFrames - offset;
    EXPECT_TRUE(Holds(output, ball, overlap, [&](std::size_t j) {
        return PatternSample(SoundCue::Presentation, offset + j) + PatternSample(SoundCue::Ball, j);
    }));
    EXPECT_TRUE(Holds(output, ball + static_cast<long>(overlap), offset,
                      [&](std::size_t j) { return PatternSample(SoundCue::Ball, overlap + j); }));
}

TEST(MixerSoundPlayer, RefusesWhatItCannotDoWithARunTimeError) {
    DiskAudio audio(480);
    MixerSoundPlayer player(audio.Engine());
    player.SetString(DispatchId::Command, "close"); // nothing open: harmless
    EXPECT_THROW(player.SetString(DispatchId::Command, "play"), RunTimeError);
    EXPECT_THROW(player.SetString(24, "x"), RunTimeError);
    EXPECT_THROW(player.SetString(DispatchId::DeviceType, "cdaudio"), RunTimeError);
    player.SetString(DispatchId::DeviceType, "WaveAudio");
    EXPECT_THROW(player.SetString(DispatchId::Command, "rewind"), RunTimeError);
    player.SetString(DispatchId::FileName, "nada.wav");
    EXPECT_THROW(player.SetString(DispatchId::Command, "open"), RunTimeError);
    player.SetString(DispatchId::FileName, "bola.wav");
    player.SetString(DispatchId::Command, "OPEN");
    player.SetString(DispatchId::Command, "pLaY");
    player.SetString(DispatchId::Command, "Prev");
}

TEST(MixerSoundPlayer, GivesItsChannelBackAndStopsItsCueWhenDestroyed) {
    DiskAudio audio(48000);
    int channel = -1;
    {
        MixerSoundPlayer player(audio.Engine());
        channel = player.Channel();
        PlayCue(player, SoundCue::Tutorial);
        WaitMilliseconds(50);
    }
    WaitMilliseconds(50);
    {
        MixerSoundPlayer next(audio.Engine());
        EXPECT_EQ(next.Channel(), channel);
    }
    const auto output = audio.StopAndReadLeft();
    const long start = FindFrame(output, PatternSample(SoundCue::Tutorial, 0));
    ASSERT_GE(start, 0);
    long last = start;
    for (std::size_t i = static_cast<std::size_t>(start); i < output.size(); ++i) {
        if (output[i] != 0) {
            last = static_cast<long>(i);
        }
    }
    EXPECT_LT(last - start, 48000 / 2) << "the cue went on after its player was destroyed";
}

} // namespace
} // namespace tintineables::testing
