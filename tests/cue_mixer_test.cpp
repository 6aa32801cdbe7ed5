// The game's own mixer, which the Windows edition plays through: the shipped recordings come out
// sample for sample, a new sound on a channel cuts the one before it and no other channel's,
// joined words come with a speaker's pause between them, and another device rate gets the
// recording at that rate.
#include "sound/cue_mixer.h"
#include "sound/cue_mixer_sound_player.h"
#include "sound/play_cue.h"
#include "sound/run_time_error.h"
#include "sound/sound_settings.h"
#include "sound/startup_error.h"
#include "tests/shipped_samples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <future>
#include <thread>

namespace tintineables {
namespace {

// `frames` frames of the mix, two channels, taken in the device's periods of 441 frames; the
// left channel, after checking that the right one is the same.
std::vector<float> Mixed(CueMixer& mixer, std::size_t frames) {
    std::vector<float> left;
    std::vector<float> period(441 * 2);
    while (left.size() < frames) {
        mixer.Mix(period.data(), 441, 2);
        for (std::size_t i = 0; i < 441 && left.size() < frames; ++i) {
            EXPECT_EQ(period[2 * i], period[2 * i + 1]) << "frame " << left.size();
            left.push_back(period[2 * i]);
        }
    }
    return left;
}

std::vector<float> Slice(const std::vector<float>& samples, std::size_t from, std::size_t count) {
    return {samples.begin() + static_cast<long>(from),
            samples.begin() + static_cast<long>(std::min(samples.size(), from + count))};
}

TEST(CueMixer, PlaysRecordingsAsRecordedCutsOnlyItsOwnChannelAndPausesBetweenWords) {
    CueMixer mixer(Shipped(), 48000);
    const std::vector<float> ball = ShippedSamples("bola.wav");
    const std::vector<float> select = ShippedSamples("seleccion.wav");
    const std::vector<float> edge = ShippedSamples("borde.wav");

    // A cue from its first sample to its last, then silence.
    CueMixerSoundPlayer board(mixer);
    PlayCue(board, SoundCue::Ball);
    std::vector<float> heard = Mixed(mixer, ball.size() + 1000);
    EXPECT_EQ(Slice(heard, 0, ball.size()), ball);
    EXPECT_EQ(Slice(heard, ball.size(), 1000), std::vector<float>(1000, 0.0f));

    // A second player's cue sounds with the first; a new cue on the first cuts its own.
    PlayCue(board, SoundCue::Ball);
    heard = Mixed(mixer, 1000);
    CueMixerSoundPlayer menu(mixer);
    PlayCue(menu, SoundCue::Edge);
    PlayCue(board, SoundCue::Select);
    heard = Mixed(mixer, 2000);
    for (std::size_t i = 0; i < 2000; ++i) {
        ASSERT_EQ(heard[i], std::clamp(select[i] + edge[i], -1.0f, 1.0f)) << "frame " << i;
    }

    // A player that ends stops its sound and gives its channel back.
    {
        CueMixerSoundPlayer credits(mixer);
        PlayCue(credits, SoundCue::Ball);
    }
    mixer.Stop(board.Channel());
    mixer.Stop(menu.Channel());
    heard = Mixed(mixer, 500);
    EXPECT_EQ(heard, std::vector<float>(500, 0.0f));

    // Words joined in one sound: back to back, 70 ms apart.
    const std::string_view words[] = {"voz_quedan.wav", "voz_32.wav"};
    PlayJoined(board, words);
    const std::vector<float> first = ShippedSamples("voz_quedan.wav");
    const std::vector<float> second = ShippedSamples("voz_32.wav");
    heard = Mixed(mixer, first.size() + 3360 + second.size());
    EXPECT_EQ(Slice(heard, 0, first.size()), first);
    EXPECT_EQ(Slice(heard, first.size(), 3360), std::vector<float>(3360, 0.0f));
    EXPECT_EQ(Slice(heard, first.size() + 3360, second.size()), second);
}

// What one key changes reaches the device in one period, and the device never waits for the key:
// while a key is handled (under Wine, moving the focus asks the X server), it mixes on with the
// sound as it was.
TEST(CueMixer, MakesAKeysChangesTogetherWithoutKeepingTheDeviceWaiting) {
    CueMixer mixer(Shipped(), 48000);
    const std::vector<float> ball = ShippedSamples("bola.wav");
    const std::vector<float> empty = ShippedSamples("vacio.wav");
    CueMixerSoundPlayer menu(mixer);
    CueMixerSoundPlayer board(mixer);
    PlayCue(menu, SoundCue::Ball);
    std::vector<float> heard = Mixed(mixer, 882);
    {
        const auto together = mixer.HoldChanges();
        mixer.Stop(menu.Channel());
        PlayCue(board, SoundCue::Empty);
        EXPECT_FALSE(mixer.Playing(menu.Channel()));
        EXPECT_TRUE(mixer.Playing(board.Channel()));
        // The device, on its own thread, mid-key: it is not kept waiting, and hears the ball go on.
        auto device = std::async(std::launch::async, [&] { return Mixed(mixer, 882); });
        ASSERT_EQ(device.wait_for(std::chrono::seconds(5)), std::future_status::ready)
            << "the device waited for the key";
        EXPECT_EQ(device.get(), Slice(ball, 882, 882));
    }
    heard = Mixed(mixer, 2000);
    EXPECT_EQ(heard, Slice(empty, 0, 2000)) << "the ball stopped and the hole began in one period";
}

TEST(CueMixer, DecodesForADeviceOfAnotherRate) {
    CueMixer mixer(Shipped(), 44100);
    const std::vector<float> ball = ShippedSamples("bola.wav");
    CueMixerSoundPlayer board(mixer);
    PlayCue(board, SoundCue::Ball);
    const std::vector<float> heard = Mixed(mixer, ball.size());
    // As long as the recording, in the device's frames, and each frame between the two
    // recorded samples around its moment.
    const std::size_t length = (ball.size() - 1) * 44100 / 48000 + 1;
    EXPECT_EQ(Slice(heard, length, 100), std::vector<float>(100, 0.0f));
    EXPECT_NE(heard[length - 1], 0.0f);
    for (std::size_t i = 0; i < length; ++i) {
        const double at = static_cast<double>(i) * 48000 / 44100;
        const auto before = static_cast<std::size_t>(at);
        const float low = std::min(ball[before], ball[std::min(before + 1, ball.size() - 1)]);
        const float high = std::max(ball[before], ball[std::min(before + 1, ball.size() - 1)]);
        ASSERT_TRUE(heard[i] >= low - 1e-6f && heard[i] <= high + 1e-6f) << "frame " << i;
    }
}

// The player's own sound on the Windows edition's mixer: the earcons and the speech each at their
// level, exactly; the speech at a faster pace as long as its pace makes it; and a recording cut
// short heard again from where it was cut.
TEST(CueMixer, PlaysTheSpeechAtItsPaceAndEachAtItsLevelAndResumesWhatWasCut) {
    CueMixer mixer(Shipped(), 48000);
    mixer.SetSoundSettings({4, -6, -3}); // twice the pace
    CueMixerSoundPlayer player(mixer);
    PlayCue(player, SoundCue::Ball);
    const std::vector<float> ball = ShippedSamples("bola.wav");
    std::vector<float> heard = Mixed(mixer, ball.size());
    for (std::size_t i = 0; i < ball.size(); ++i) {
        ASSERT_FLOAT_EQ(heard[i], ball[i] * static_cast<float>(GainOf(-3))) << "frame " << i;
    }
    // A word at twice its pace: half as long, 6 dB down at its loudest.
    const std::vector<float> word = ShippedSamples("voz_puedes_ganar.wav");
    const std::string_view words[] = {"voz_puedes_ganar.wav"};
    PlayJoined(player, words);
    heard = Mixed(mixer, word.size());
    std::size_t last = 0;
    float loudest = 0;
    for (std::size_t i = 0; i < heard.size(); ++i) {
        last = heard[i] != 0 ? i : last;
        loudest = std::max(loudest, std::abs(heard[i]));
    }
    EXPECT_NEAR(static_cast<double>(last) / word.size(), 0.5, 0.5 * 0.05);
    const float recorded = std::abs(*std::max_element(
        word.begin(), word.end(), [](float a, float b) { return std::abs(a) < std::abs(b); }));
    EXPECT_NEAR(20 * std::log10(loudest / recorded), -6.0, 0.5);
    // The tutorial cut after a second (two of its own, at twice the pace), then resumed there.
    PlayCue(player, SoundCue::Tutorial);
    Mixed(mixer, 48000);
    // Where it is, as its captions follow it: in its own seconds, two after one at twice the pace.
    const std::size_t periods = (48000 + 440) / 441 * 441;
    const std::optional<PlayerPosition> at = player.Position();
    ASSERT_TRUE(at.has_value());
    EXPECT_EQ(at->fileName, "tutorial.wav");
    EXPECT_NEAR(at->seconds, 2.0 * periods / 48000, 1e-9);
    PlayJoined(player, words);
    const std::optional<PlayerPosition> saying = player.Position(); // not mixed yet: its start
    ASSERT_TRUE(saying.has_value());
    EXPECT_EQ(saying->fileName, "voz_puedes_ganar.wav");
    EXPECT_EQ(saying->seconds, 0.0);
    Mixed(mixer, 4800);
    Resume(player, "tutorial.wav");
    mixer.SetSoundSettings({0, 0, 0}); // resumed at the recordings' own pace: from 2 s on
    PlayCue(player, SoundCue::Ball);
    Resume(player, "tutorial.wav");
    const std::vector<float> tutorial = ShippedSamples("tutorial.wav");
    heard = Mixed(mixer, 4800);
    EXPECT_EQ(heard, Slice(tutorial, 2 * periods, 4800)); // the periods the second took
}

// What the first screen plays is decoded before the mixer is made, the rest behind it: a sound
// that needs a recording still being decoded waits for that one, is heard whole, and is counted;
// one the platform cannot decode is an error when it is played, not a silence.
TEST(CueMixer, DecodesTheFirstScreensRecordingsFirstAndWaitsOnlyForWhatASoundNeeds) {
    std::vector<Recording> recordings = Shipped();
    // The ball and a word come compressed, by a decoder the test holds back.
    std::atomic<bool> released{false};
    for (Recording& recording : recordings) {
        if (recording.fileName == "bola.wav" || recording.fileName == "voz_5.wav") {
            recording.format.formatTag = WaveMpegLayer3;
        }
    }
    const auto decode = [&](const Recording& recording) {
        if (recording.fileName == "voz_5.wav") {
            throw StartupError("voz_5.wav: damaged");
        }
        while (!released) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        WaveFormat pcm = recording.format;
        pcm.formatTag = 1;
        return Pcm16Samples(recording.bytes, pcm);
    };
    CueMixer mixer(recordings, 48000, decode, {"presentacion.wav"});
    EXPECT_FALSE(mixer.AllDecoded());
    CueMixerSoundPlayer menu(mixer);
    PlayCue(menu, SoundCue::Presentation);
    EXPECT_EQ(mixer.SoundsThatWaited(), 0);
    mixer.Stop(menu.Channel());

    // The ball is waited for: released once the key waits, and then heard whole.
    auto release = std::async(std::launch::async, [&] {
        while (mixer.SoundsThatWaited() == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        released = true;
    });
    CueMixerSoundPlayer board(mixer);
    PlayCue(board, SoundCue::Ball);
    release.get();
    EXPECT_EQ(mixer.SoundsThatWaited(), 1);
    const std::vector<float> ball = ShippedSamples("bola.wav");
    EXPECT_EQ(Slice(Mixed(mixer, ball.size()), 0, ball.size()), ball);

    const std::string_view word[] = {"voz_5.wav"};
    EXPECT_THROW(PlayJoined(board, word), RunTimeError);
    for (int i = 0; i < 5000 && !mixer.AllDecoded(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_TRUE(mixer.AllDecoded());
}

} // namespace
// The same joined parts on the game's own mixer, the Windows edition's: each ear's gain by the
// equal-power law from the part's place, and its pause before it.
TEST(CueMixer, PlacesEachJoinedPartInItsEarsAfterItsPause) {
    CueMixer mixer(Shipped(), 48000);
    const std::vector<float> ball = ShippedSamples("bola.wav");
    const std::vector<float> empty = ShippedSamples("vacio.wav");
    CueMixerSoundPlayer board(mixer);
    const std::string_view placed[] = {"bola.wav@-100", "vacio.wav@50#20"};
    PlayJoined(board, placed);
    const std::size_t pause = 48000 * 20 / 1000;
    const std::size_t frames = ball.size() + pause + empty.size();
    std::vector<float> left, right, period(441 * 2);
    while (left.size() < frames) {
        mixer.Mix(period.data(), 441, 2);
        for (std::size_t i = 0; i < 441; ++i) {
            left.push_back(period[2 * i]);
            right.push_back(period[2 * i + 1]);
        }
    }
    for (std::size_t i = 0; i < ball.size(); ++i) {
        ASSERT_NEAR(left[i], ball[i], 1e-6f) << i;
        ASSERT_EQ(right[i], 0.0f) << i;
    }
    for (std::size_t i = ball.size(); i < ball.size() + pause; ++i) {
        ASSERT_EQ(left[i], 0.0f) << i;
    }
    // Half way to the right: a quarter of the quarter turn left of the right ear.
    const float towardsLeft = static_cast<float>(std::cos(0.75 * std::acos(-1.0) / 2));
    const float towardsRight = static_cast<float>(std::sin(0.75 * std::acos(-1.0) / 2));
    for (std::size_t i = 0; i < empty.size(); ++i) {
        ASSERT_NEAR(left[ball.size() + pause + i], empty[i] * towardsLeft, 1e-6f) << i;
        ASSERT_NEAR(right[ball.size() + pause + i], empty[i] * towardsRight, 1e-6f) << i;
    }
    // A part written wrong is refused, as a name that is no recording is.
    board.SetString(DispatchId::FileName, "bola.wav@-101");
    EXPECT_THROW(board.SetString(DispatchId::Command, "open"), RunTimeError);
}

} // namespace tintineables
