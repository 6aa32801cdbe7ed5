// The recordings in assets/sounds/ against the limits a blind player relies on: a cue that
// starts late, clicks or shouts is a fault in the game.
#include "sound/recordings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tintineables {
namespace {

struct Measured {
    WaveFormat format;
    std::vector<std::int16_t> samples;
};

constexpr Language EveryLanguage[] = {Language::Spanish, Language::English, Language::Portuguese,
                                      Language::French};

Measured Measure(const Recording& r) { return {r.format, Pcm16Samples(r.bytes, r.format)}; }

Measured Measure(SoundCue cue, Language language = Language::Spanish) {
    const auto recordings = LoadRecordings({TINTINEABLES_SOURCE_SOUNDS}, language);
    return Measure(recordings.at(static_cast<std::size_t>(cue)));
}

double Dbfs(double level) { return 20 * std::log10(level / 32768.0); }

double RmsDbfs(const std::vector<std::int16_t>& s) {
    double sum = 0;
    for (std::int16_t v : s) {
        sum += static_cast<double>(v) * v;
    }
    return Dbfs(std::sqrt(sum / static_cast<double>(s.size())));
}

constexpr SoundCue BoardEarcons[] = {SoundCue::Ball,  SoundCue::Empty,     SoundCue::Place,
                                     SoundCue::Edge,  SoundCue::Centre,    SoundCue::Select,
                                     SoundCue::Error, SoundCue::CentreBall};

TEST(ShippedRecordings, AreMono16Bit48kHzWithoutClipDcOrClickInEveryLanguage) {
    for (Language language : EveryLanguage) {
        for (const Recording& recording :
             LoadRecordings({TINTINEABLES_SOURCE_SOUNDS}, language, true)) {
            const Measured m = Measure(recording);
            SCOPED_TRACE(recording.path.string());
            EXPECT_EQ(m.format.formatTag, 1);
            EXPECT_EQ(m.format.channels, 1);
            EXPECT_EQ(m.format.bitsPerSample, 16);
            EXPECT_EQ(m.format.sampleRate, 48000);
            ASSERT_FALSE(m.samples.empty());
            int peak = 0;
            double sum = 0;
            for (std::int16_t v : m.samples) {
                peak = std::max(peak, std::abs(static_cast<int>(v)));
                sum += v;
            }
            EXPECT_LE(Dbfs(peak), -1.0) << "peak";
            EXPECT_LT(std::abs(sum / static_cast<double>(m.samples.size())), 32768 * 0.002) << "DC";
            // Faded ends: the first and last samples are near silence, so no click.
            EXPECT_LT(std::abs(m.samples.front()), 330);
            EXPECT_LT(std::abs(m.samples.back()), 330);
        }
    }
}

TEST(ShippedRecordings, BoardEarconsAreShortAndSoundAtOnce) {
    for (SoundCue cue : BoardEarcons) {
        const Measured m = Measure(cue);
        SCOPED_TRACE(std::string(FileNameOf(cue)));
        EXPECT_LE(m.format.Seconds(), 0.300);
        // Within the first 5 ms the sound is up to within 20 dB of its peak.
        int peak = 0;
        for (std::int16_t v : m.samples) {
            peak = std::max(peak, std::abs(static_cast<int>(v)));
        }
        int early = 0;
        for (std::size_t i = 0; i < 240 && i < m.samples.size(); ++i) {
            early = std::max(early, std::abs(static_cast<int>(m.samples[i])));
        }
        EXPECT_GE(early, peak / 10) << "the sound starts late";
    }
}

// Every language speaks as loud as the Spanish presentation, its words included.
TEST(ShippedRecordings, LongCuesKeepTheirLengthsAndSpeechItsLoudness) {
    EXPECT_GE(Measure(SoundCue::Applause).format.Seconds(), 2.0);
    EXPECT_LE(Measure(SoundCue::Applause).format.Seconds(), 5.0);
    const double presentation = RmsDbfs(Measure(SoundCue::Presentation).samples);
    for (Language language : EveryLanguage) {
        SCOPED_TRACE(std::string(InfoOf(language).name));
        EXPECT_LE(Measure(SoundCue::Restart, language).format.Seconds(), 1.5);
        EXPECT_LE(Measure(SoundCue::Tutorial, language).format.Seconds(), 190.0);
        for (SoundCue cue :
             {SoundCue::Presentation, SoundCue::Tutorial, SoundCue::Credits, SoundCue::Restart}) {
            EXPECT_NEAR(RmsDbfs(Measure(cue, language).samples), presentation, 3.0)
                << FileNameOf(cue);
        }
        for (const Recording& recording :
             LoadRecordings({TINTINEABLES_SOURCE_SOUNDS}, language, true)) {
            // The touch screens: as loud as the others, the tutorial with its sounds in it.
            if (recording.fileName.find("_tactil.wav") != std::string_view::npos) {
                EXPECT_NEAR(RmsDbfs(Measure(recording).samples), presentation, 3.0)
                    << recording.path;
                EXPECT_LE(Measure(recording).format.Seconds(), 190.0) << recording.path;
            }
            if (recording.fileName.rfind("voz_", 0) == 0) {
                EXPECT_NEAR(RmsDbfs(Measure(recording).samples), presentation, 3.0)
                    << recording.path;
                EXPECT_LE(Measure(recording).format.Seconds(), 3.0)
                    << recording.path; // "velocidad 225 por ciento"
            }
        }
    }
}

} // namespace
} // namespace tintineables
