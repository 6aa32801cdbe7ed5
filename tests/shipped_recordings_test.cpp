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

// A hole's sound in a sweep of the board, as the folder holds it.
Measured Sweep(const std::string& file) {
    for (const Recording& r : LoadRecordings({TINTINEABLES_SOURCE_SOUNDS})) {
        if (r.fileName == file) {
            return Measure(r);
        }
    }
    ADD_FAILURE() << "no recording " << file;
    return {};
}

// The fundamental's period in frames, 0.4 to 10 ms: the lag where the sound best matches
// itself, between whole frames by a parabola through the three best.
double Period(const std::vector<std::int16_t>& s) {
    const auto match = [&](int lag) {
        double score = 0, energy = 0;
        for (std::size_t i = 0; i + static_cast<std::size_t>(lag) < s.size(); ++i) {
            score += static_cast<double>(s[i]) * s[i + static_cast<std::size_t>(lag)];
            energy += static_cast<double>(s[i]) * s[i];
        }
        return energy > 0 ? score / energy : 0.0;
    };
    int best = 0;
    double bestScore = -1;
    for (int lag = 20; lag <= 480; ++lag) {
        if (const double score = match(lag); score > bestScore + 1e-3) {
            bestScore = score;
            best = lag;
        }
    }
    const double before = match(best - 1), after = match(best + 1);
    const double bend = before - 2 * bestScore + after;
    return best + (bend < 0 ? 0.5 * (before - after) / bend : 0.0);
}

// A sweep plays 33 of these in under three seconds: each must be short, sound at once, tell a
// peg from an empty hole by ear (the peg louder and brighter), and climb a whole tone a row.
TEST(ShippedRecordings, SweepSoundsAreShortAtOnceAndClimbAToneARow) {
    const double tone = std::pow(2.0, 2.0 / 12.0);
    double lastPeg = 0, lastEmpty = 0;
    for (int row = 1; row <= 7; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        const Measured peg = Sweep("barrido_f" + std::to_string(row) + "_bola.wav");
        const Measured empty = Sweep("barrido_f" + std::to_string(row) + "_vacio.wav");
        for (const Measured* m : {&peg, &empty}) {
            EXPECT_LE(m->format.Seconds(), 0.060);
            int peak = 0, early = 0;
            for (std::size_t i = 0; i < m->samples.size(); ++i) {
                const int v = std::abs(static_cast<int>(m->samples[i]));
                peak = std::max(peak, v);
                early = i < 240 ? std::max(early, v) : early; // the first 5 ms
            }
            EXPECT_GE(early, peak / 10) << "the sound starts late";
        }
        EXPECT_GE(RmsDbfs(peg.samples) - RmsDbfs(empty.samples), 4.0);
        const double pegHz = 48000.0 / Period(peg.samples);
        const double emptyHz = 48000.0 / Period(empty.samples);
        EXPECT_GT(pegHz, emptyHz * 1.5) << "a peg sounds higher than an empty hole";
        if (row > 1) {
            EXPECT_NEAR(pegHz / lastPeg, tone, 0.04) << pegHz << " Hz after " << lastPeg;
            EXPECT_NEAR(emptyHz / lastEmpty, tone, 0.04) << emptyHz << " Hz after " << lastEmpty;
        }
        lastPeg = pegHz;
        lastEmpty = emptyHz;
    }
    // The centre keeps its row's pitch and adds its bell: not the row's own sounds.
    EXPECT_NE(Sweep("barrido_centro_bola.wav").samples, Sweep("barrido_f4_bola.wav").samples);
    EXPECT_NE(Sweep("barrido_centro_vacio.wav").samples, Sweep("barrido_f4_vacio.wav").samples);
    EXPECT_LE(Sweep("barrido_centro_bola.wav").format.Seconds(), 0.060);
}

// Every language speaks as loud as the Spanish presentation, its words included.
TEST(ShippedRecordings, LongCuesKeepTheirLengthsAndSpeechItsLoudness) {
    EXPECT_GE(Measure(SoundCue::Applause).format.Seconds(), 2.0);
    EXPECT_LE(Measure(SoundCue::Applause).format.Seconds(), 5.0);
    const double presentation = RmsDbfs(Measure(SoundCue::Presentation).samples);
    for (Language language : EveryLanguage) {
        SCOPED_TRACE(std::string(InfoOf(language).name));
        EXPECT_LE(Measure(SoundCue::Restart, language).format.Seconds(), 1.5);
        EXPECT_LE(Measure(SoundCue::Tutorial, language).format.Seconds(), 240.0);
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
                EXPECT_LE(Measure(recording).format.Seconds(), 240.0) << recording.path;
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
