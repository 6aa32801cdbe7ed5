// The speech at the player's pace: at every pace a shipped recording lasts its length divided by
// that pace, within 5%, and keeps its voice's pitch, within 5%, as the test measures them on the
// sound itself (the pitch by autocorrelation, frame by frame where the voice is voiced).
#include "sound/recordings.h"
#include "sound/sound_settings.h"
#include "sound/time_stretch.h"
#include "tests/shipped_samples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <vector>

namespace tintineables {
namespace {

constexpr int Rate = 48000;

// The voice's median pitch in Hz: for each 20 ms frame loud enough, the lag of the highest
// normalised autocorrelation between 70 and 400 Hz, at a quarter of the rate; a frame counts as
// voiced when that correlation is above 0.7. Frames no longer than a syllable's vowel: a longer
// one spans the joins where a faster pace brings two vowels together, and reads their mixture.
double MedianPitch(const std::vector<float>& samples) {
    constexpr int Step = 4;
    constexpr int LowRate = Rate / Step;
    std::vector<float> low(samples.size() / Step);
    for (std::size_t i = 0; i < low.size(); ++i) {
        for (int j = 0; j < Step; ++j) {
            low[i] += samples[i * Step + static_cast<std::size_t>(j)] / Step;
        }
    }
    constexpr int Frame = LowRate * 20 / 1000;
    constexpr int Shortest = LowRate / 400;
    constexpr int Longest = LowRate / 70;
    std::vector<double> pitches;
    for (std::size_t at = 0; at + Frame + Longest < low.size(); at += Frame / 2) {
        double energy = 0;
        for (int i = 0; i < Frame; ++i) {
            energy += low[at + i] * low[at + i];
        }
        if (energy < 1e-4 * Frame) {
            continue; // a pause
        }
        double best = 0;
        int bestLag = 0;
        for (int lag = Shortest; lag <= Longest; ++lag) {
            double cross = 0, later = 0;
            for (int i = 0; i < Frame; ++i) {
                cross += low[at + i] * low[at + i + lag];
                later += low[at + i + lag] * low[at + i + lag];
            }
            const double likeness = cross / std::sqrt(energy * later + 1e-12);
            if (likeness > best) {
                best = likeness;
                bestLag = lag;
            }
        }
        if (best > 0.7) {
            pitches.push_back(static_cast<double>(LowRate) / bestLag);
        }
    }
    std::sort(pitches.begin(), pitches.end());
    return pitches.empty() ? 0.0 : pitches[pitches.size() / 2];
}

TEST(SpeechPace, EveryPaceShortensTheSpeechByItselfAndKeepsItsPitch) {
    // The presentation: the same voice as every spoken recording, for half a minute.
    const std::vector<float> speech = ShippedSamples("presentacion.wav");
    ASSERT_GT(speech.size(), static_cast<std::size_t>(Rate) * 10);
    const double pitch = MedianPitch(speech);
    ASSERT_GT(pitch, 70.0);
    for (double pace : SpeechRates) {
        const std::vector<float> paced = StretchSpeech(speech, Rate, pace);
        const double shortened = static_cast<double>(speech.size()) / paced.size();
        EXPECT_NEAR(shortened, pace, pace * 0.05) << "at " << pace;
        EXPECT_NEAR(MedianPitch(paced), pitch, pitch * 0.05) << "at " << pace;
        // Never louder than the recording: its frames add up to one where they overlap.
        const auto loudest = [](const std::vector<float>& s) {
            return *std::max_element(s.begin(), s.end(),
                                     [](float a, float b) { return std::abs(a) < std::abs(b); });
        };
        EXPECT_LE(std::abs(loudest(paced)), std::abs(loudest(speech)) * 1.05f) << "at " << pace;
    }
    // A pace changed again before this one was made: it gives up at once.
    const std::atomic<bool> cancelled{true};
    EXPECT_TRUE(StretchSpeech(speech, Rate, 2.0, &cancelled).empty()) << "it went on";
}

} // namespace
} // namespace tintineables
