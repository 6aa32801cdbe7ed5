// The screens through the real sound players on SDL's disk driver: what the mixer sent out.
#include "sound/mixer_sound_player.h"
#include "tests/disk_audio.h"
#include "tests/screen_harness.h"

#include <gtest/gtest.h>

#include <chrono>

namespace tintineables::testing {
namespace {

constexpr std::size_t CueFrames = 24000; // half a second

bool HoldsPattern(const MixedOutput& output, long at, SoundCue cue, std::size_t from,
                  std::size_t count) {
    for (std::size_t j = from; j < count; ++j) {
        const std::size_t i = static_cast<std::size_t>(at) + j;
        if (i >= output.size() || output[i].left != PatternSample(cue, j) ||
            output[i].right != PatternSample(cue, j)) {
            return false;
        }
    }
    return true;
}

void PressAndWait(ScreenHarness& h, Qt::Key key, int ms) {
    h.Press(key);
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < until) {
        ProcessEvents();
        WaitMilliseconds(5);
    }
}

TEST(RealAudioScreens, MenuThenBoardThenMenuSoundInTurn) {
    DiskAudio audio(CueFrames);
    MixedOutput output;
    {
        ScreenHarness h([&] { return std::make_unique<MixerSoundPlayer>(audio.Engine()); });
        h.Start();
        WaitMilliseconds(100);
        PressAndWait(h, Qt::Key_F2, 700); // the board: Picture1 announces a peg
        PressAndWait(h, Qt::Key_Escape, 100);
        ASSERT_EQ(h.error, "");
    }
    output = audio.StopAndRead();

    const long presentation = FindFrame(output, PatternSample(SoundCue::Presentation, 0));
    ASSERT_GE(presentation, 0) << "the presentation was never heard";
    const long ball = FindFrame(output, PatternSample(SoundCue::Ball, 0));
    ASSERT_GT(ball, presentation) << "Picture1 did not announce itself after the menu";
    // The menu is unloaded as the board opens: its presentation stops, and from one audio
    // period on the board's cue is heard alone, whole.
    EXPECT_TRUE(HoldsPattern(output, ball, SoundCue::Ball, AudioEngine::BufferFrames, CueFrames));
    const long again =
        FindFrame(output, PatternSample(SoundCue::Presentation, 0), static_cast<std::size_t>(ball));
    EXPECT_GT(again, ball + static_cast<long>(CueFrames) / 2) << "no presentation on return";
}

} // namespace
} // namespace tintineables::testing
