#include "sound/mixer_sound_player.h"
#include "sound/play_cue.h"
#include "sound/run_time_error.h"
#include "tests/disk_audio.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace tintineables::testing {
namespace {

constexpr std::size_t CueFrames = 9600; // 200 ms at 48 kHz

// Checks that both channels of output[at + j] hold expected(j) for j in [0, count).
::testing::AssertionResult Holds(const MixedOutput& output, long at, std::size_t count,
                                 const std::function<int(std::size_t)>& expected) {
    if (at < 0) {
        return ::testing::AssertionFailure() << "the cue was never heard";
    }
    for (std::size_t j = 0; j < count; ++j) {
        const std::size_t i = static_cast<std::size_t>(at) + j;
        if (i >= output.size()) {
            return ::testing::AssertionFailure() << "output ends " << j << " frames into the cue";
        }
        if (output[i].left != expected(j) || output[i].right != expected(j)) {
            return ::testing::AssertionFailure()
                   << "frame " << j << " of the cue is " << output[i].left << " left, "
                   << output[i].right << " right, not " << expected(j);
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult HoldsCue(const MixedOutput& output, long at, SoundCue cue,
                                    std::size_t count) {
    return Holds(output, at, count, [cue](std::size_t j) { return PatternSample(cue, j); });
}

bool AllSilent(const MixedOutput& output, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to && i < output.size(); ++i) {
        if (output[i].left != 0 || output[i].right != 0) {
            return false;
        }
    }
    return true;
}

// The first frame after `start` where the output is no longer `cue` alone.
long EndOfAlone(const MixedOutput& output, long start, SoundCue cue) {
    for (std::size_t j = 0; j < CueFrames; ++j) {
        const auto i = static_cast<std::size_t>(start) + j;
        if (i >= output.size() || output[i].left != PatternSample(cue, j)) {
            return start + static_cast<long>(j);
        }
    }
    return start + static_cast<long>(CueFrames);
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
    const auto output = audio.StopAndRead();

    const long ball = FindFrame(output, PatternSample(SoundCue::Ball, 0));
    EXPECT_TRUE(AllSilent(output, 0, static_cast<std::size_t>(std::max(ball, 0L))));
    EXPECT_TRUE(HoldsCue(output, ball, SoundCue::Ball, CueFrames));
    const long empty = FindFrame(output, PatternSample(SoundCue::Empty, 0));
    const long place = FindFrame(output, PatternSample(SoundCue::Place, 0));
    ASSERT_GT(empty, ball);
    ASSERT_GT(place, empty);
    ASSERT_LT(place - empty, static_cast<long>(CueFrames)) << "the second cue ended by itself";
    // Empty is heard alone from its first sample until Place cuts it; Place then plays whole.
    EXPECT_TRUE(HoldsCue(output, empty, SoundCue::Empty, static_cast<std::size_t>(place - empty)));
    EXPECT_TRUE(HoldsCue(output, place, SoundCue::Place, CueFrames));
    EXPECT_TRUE(AllSilent(output, static_cast<std::size_t>(place) + CueFrames, output.size()));
}

// As on the real screens, several players are alive at once. A cue cuts the previous cue of
// its own player only; another player's cue mixes in and stops nothing.
TEST(MixerSoundPlayer, SeveralPlayersEachCutOnlyTheirOwnCue) {
    DiskAudio audio(CueFrames);
    {
        MixerSoundPlayer menu(audio.Engine());
        MixerSoundPlayer tutorial(audio.Engine());
        MixerSoundPlayer board(audio.Engine()); // the last made: not the lowest channel
        PlayCue(board, SoundCue::Ball);
        WaitMilliseconds(40);
        PlayCue(board, SoundCue::Empty);
        WaitMilliseconds(40);
        PlayCue(menu, SoundCue::Presentation);
        WaitMilliseconds(400);
    }
    const auto output = audio.StopAndRead();

    const long ball = FindFrame(output, PatternSample(SoundCue::Ball, 0));
    const long empty = FindFrame(output, PatternSample(SoundCue::Empty, 0));
    ASSERT_GE(ball, 0);
    ASSERT_GT(empty, ball);
    EXPECT_TRUE(HoldsCue(output, ball, SoundCue::Ball, static_cast<std::size_t>(empty - ball)));
    // Empty cut Ball at once: it is heard alone until the menu's cue comes in.
    const long presentation = EndOfAlone(output, empty, SoundCue::Empty);
    ASSERT_LT(presentation, empty + static_cast<long>(CueFrames))
        << "the other player's cue never came in";
    const auto offset = static_cast<std::size_t>(presentation - empty);
    EXPECT_GT(offset, 960u) << "Empty was not heard alone after cutting Ball";
    // From there both sound together, sample for sample, until Empty ends by itself.
    EXPECT_TRUE(Holds(output, presentation, CueFrames - offset, [&](std::size_t j) {
        return PatternSample(SoundCue::Empty, offset + j) +
               PatternSample(SoundCue::Presentation, j);
    }));
    // Then the menu's cue goes on alone.
    EXPECT_TRUE(Holds(output, presentation + static_cast<long>(CueFrames - offset), offset,
                      [&](std::size_t j) {
                          return PatternSample(SoundCue::Presentation, CueFrames - offset + j);
                      }));
}

// "close" alone silences the player at once to the ear; and answers of several recordings
// joined cut one another as single cues do, with no silence between and nothing of the first
// answer's buffer read while the second is laid out.
TEST(MixerSoundPlayer, CloseAloneStopsTheCueAndJoinedAnswersCutEachOtherWithoutAGap) {
    DiskAudio audio(CueFrames);
    const std::string_view first[] = {"bola.wav", "vacio.wav"};
    const std::string_view second[] = {"poner1.wav", "bola.wav"};
    {
        MixerSoundPlayer player(audio.Engine());
        PlayCue(player, SoundCue::Tutorial);
        WaitMilliseconds(60);
        player.SetString(DispatchId::Command, "close");
        WaitMilliseconds(100);
        PlayJoined(player, first);
        WaitMilliseconds(60);
        PlayJoined(player, second);
        WaitMilliseconds(700);
    }
    const auto output = audio.StopAndRead();

    const long tutorial = FindFrame(output, PatternSample(SoundCue::Tutorial, 0));
    ASSERT_GE(tutorial, 0);
    const long closed = EndOfAlone(output, tutorial, SoundCue::Tutorial);
    const long ball = FindFrame(output, PatternSample(SoundCue::Ball, 0));
    ASSERT_GT(ball, closed);
    EXPECT_TRUE(AllSilent(output, static_cast<std::size_t>(closed), static_cast<std::size_t>(ball)))
        << "the tutorial went on after \"close\"";
    EXPECT_LT(closed - tutorial, static_cast<long>(CueFrames))
        << "the tutorial ended only by itself";
    // The second answer starts with poner1 right where the first answer stops.
    const long place = FindFrame(output, PatternSample(SoundCue::Place, 0));
    ASSERT_GT(place, ball);
    EXPECT_TRUE(HoldsCue(output, ball, SoundCue::Ball, static_cast<std::size_t>(place - ball)));
    EXPECT_TRUE(HoldsCue(output, place, SoundCue::Place, CueFrames));
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
    const auto output = audio.StopAndRead();
    const long start = FindFrame(output, PatternSample(SoundCue::Tutorial, 0));
    ASSERT_GE(start, 0);
    EXPECT_TRUE(AllSilent(output, static_cast<std::size_t>(start) + 48000 / 2, output.size()))
        << "the cue went on after its player was destroyed";
}

// The level of `count` frames of the output from `at` against the recording's own, in dB.
double LevelDb(const MixedOutput& output, long at, std::size_t count,
               const std::function<int(std::size_t)>& recorded) {
    double heard = 0, made = 0;
    for (std::size_t j = 0; j < count; ++j) {
        heard += std::abs(output[static_cast<std::size_t>(at) + j].left);
        made += std::abs(recorded(j));
    }
    return 20 * std::log10(heard / made);
}

// The first frame at or after `from` within half a decibel of `value` times `db`, or -1.
long FindAtLevel(const MixedOutput& output, int value, double db, std::size_t from = 0) {
    const double low = value * std::pow(10.0, (db - 0.5) / 20);
    const double high = value * std::pow(10.0, (db + 0.5) / 20);
    for (std::size_t i = from; i < output.size(); ++i) {
        if (output[i].left >= std::min(low, high) && output[i].left <= std::max(low, high)) {
            return static_cast<long>(i);
        }
    }
    return -1;
}

// The player's own sound: an earcon at the earcons' level and speech at the speech's, alone or
// joined in one answer, each within half a decibel of what was asked, measured from what was
// mixed; and a recording cut short, heard again from where it was cut by "resume".
TEST(MixerSoundPlayer, PlaysEarconsAndSpeechEachAtItsOwnLevelAndResumesWhatWasCut) {
    DiskAudio audio(CueFrames);
    audio.Engine().SetSoundSettings({0, -9, -6});
    const std::string_view answer[] = {"bola.wav", "voz_quedan.wav"};
    const std::string_view word[] = {"voz_1.wav"};
    {
        MixerSoundPlayer player(audio.Engine());
        PlayCue(player, SoundCue::Ball);
        WaitMilliseconds(300);
        PlayCue(player, SoundCue::Restart); // speech
        WaitMilliseconds(300);
        PlayJoined(player, answer);
        WaitMilliseconds(500);
        // The tutorial, cut by a word after a while, then resumed.
        PlayCue(player, SoundCue::Tutorial);
        WaitMilliseconds(80);
        PlayJoined(player, word);
        WaitMilliseconds(300);
        Resume(player, "tutorial.wav");
        WaitMilliseconds(300);
    }
    const auto output = audio.StopAndRead();
    const auto sample = [](auto cue) {
        return [cue](std::size_t j) { return PatternSample(cue, j); };
    };
    const long ball = FindAtLevel(output, PatternSample(SoundCue::Ball, 0), -6);
    ASSERT_GE(ball, 0) << "the earcon was not heard 6 dB down";
    EXPECT_NEAR(LevelDb(output, ball, 960, sample(SoundCue::Ball)), -6.0, 0.5);
    const long restart = FindAtLevel(output, PatternSample(SoundCue::Restart, 0), -9,
                                     static_cast<std::size_t>(ball) + CueFrames);
    ASSERT_GE(restart, 0) << "the speech was not heard 9 dB down";
    EXPECT_NEAR(LevelDb(output, restart, 960, sample(SoundCue::Restart)), -9.0, 0.5);
    // Joined: the earcon, then after the pause the word, each at its own level.
    const long joined = FindAtLevel(output, PatternSample(SoundCue::Ball, 0), -6,
                                    static_cast<std::size_t>(restart) + CueFrames);
    ASSERT_GE(joined, 0);
    EXPECT_NEAR(LevelDb(output, joined, 960, sample(SoundCue::Ball)), -6.0, 0.5);
    const long quedan = joined + static_cast<long>(CueFrames) + 48000 * 70 / 1000;
    EXPECT_NEAR(LevelDb(output, quedan, 480, sample(SpokenWord::ThereAre)), -9.0, 0.5);
    // The tutorial goes on after the word from where the word cut it, 80 ms in (as long as the
    // device's periods and the wait let it run), not from its beginning: what is left of it.
    const long one = FindAtLevel(output, PatternSample(SpokenWord::Count1, 0), -9,
                                 static_cast<std::size_t>(quedan));
    ASSERT_GE(one, 0);
    std::size_t at = static_cast<std::size_t>(FindAtLevel(
        output, PatternSample(SoundCue::Tutorial, 0), -9, static_cast<std::size_t>(one)));
    std::size_t resumed = 0;
    while (at + resumed < output.size() && output[at + resumed].left > 0) {
        ++resumed;
    }
    EXPECT_GT(resumed, CueFrames - 3840 - 1920) << "resumed later than it was cut";
    EXPECT_LT(resumed, CueFrames - 3840 + 1920) << "resumed from its beginning";
}

} // namespace
// A joined part placed and delayed as written: "@-100" the left ear alone, "@100" the right
// alone, "@0" both at the equal-power law's 0.707 (-3 dB), "#200" 200 ms of silence before it.
// A place or a pause written wrong is no recording of the game.
TEST(MixerSoundPlayer, PlacesEachJoinedPartInItsEarsAfterItsPause) {
    DiskAudio audio(CueFrames);
    {
        MixerSoundPlayer player(audio.Engine());
        const std::string_view placed[] = {"bola.wav@-100", "vacio.wav@100#200", "poner1.wav@0#0"};
        PlayJoined(player, placed);
        WaitMilliseconds(900);
        for (std::string_view wrong :
             {"bola.wav@", "bola.wav@101", "bola.wav#-5", "bola.wav@x", "@0", "nada.wav@0"}) {
            player.SetString(DispatchId::FileName, wrong);
            EXPECT_THROW(player.SetString(DispatchId::Command, "open"), RunTimeError) << wrong;
        }
    }
    const auto output = audio.StopAndRead();
    long ball = -1;
    for (std::size_t i = 0; i < output.size() && ball < 0; ++i) {
        ball = output[i].left != 0 ? static_cast<long>(i) : -1;
    }
    ASSERT_GE(ball, 0);
    const auto at = [&](long frame) { return output.at(static_cast<std::size_t>(frame)); };
    for (std::size_t j = 0; j < CueFrames; ++j) {
        ASSERT_EQ(at(ball + static_cast<long>(j)).left, PatternSample(SoundCue::Ball, j)) << j;
        ASSERT_EQ(at(ball + static_cast<long>(j)).right, 0) << j;
    }
    const long empty = ball + static_cast<long>(CueFrames) + 48000 * 200 / 1000;
    EXPECT_TRUE(AllSilent(output, static_cast<std::size_t>(ball) + CueFrames,
                          static_cast<std::size_t>(empty)));
    for (std::size_t j = 0; j < CueFrames; ++j) {
        ASSERT_EQ(at(empty + static_cast<long>(j)).left, 0) << j;
        ASSERT_EQ(at(empty + static_cast<long>(j)).right, PatternSample(SoundCue::Empty, j)) << j;
    }
    const long place = empty + static_cast<long>(CueFrames); // no pause before it
    for (std::size_t j = 0; j < CueFrames; ++j) {
        const double expected = PatternSample(SoundCue::Place, j) * std::sqrt(0.5);
        ASSERT_NEAR(at(place + static_cast<long>(j)).left, expected, 1.0) << j;
        ASSERT_NEAR(at(place + static_cast<long>(j)).right, expected, 1.0) << j;
    }
}

} // namespace tintineables::testing
