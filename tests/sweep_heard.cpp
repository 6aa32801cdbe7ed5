// sweep_heard [--cut] [--after FRAME] [--broken N] OUTPUT.raw SOUNDS PART...
// Listens to a sweep in what SDL's disk driver wrote (16-bit stereo, 48 kHz) and holds it to the
// parts the test expects, each written as the game writes a joined part:
// "barrido_f4_bola.wav@-27#20" is that recording heard 27 hundredths left of centre, 20 ms after
// the part before it ended. For each part, from the first sound after where the one before ended,
// it finds where the recording starts and fits each ear's gain to it by least squares; it prints a
// line
//   FRAME PLACE MISFIT PAUSE_MS
// (the place from the two gains, as the equal-power law puts a place; the misfit the share of
// the sound the fit leaves unexplained), and exits 1 when a part is not heard as written: another
// recording (a misfit above 5%), another place (more than 3 hundredths off), or another pause
// (more than 1 ms off). With --cut the sweep must stop short instead: some parts heard as written,
// then at least a quarter of a second of silence. The sweep is looked for from FRAME on (0 when
// not given): its first part is the first sound after a silence that fits the first part written.
// The last line says the frame where what was heard ended, for the next sweep's --after.
// --broken N lets N parts in the run be heard broken (a sound server that lost a period within
// them: under Wine, now and then), each still where it belongs and the run going on after it.
#include "sound/wave_file.h"
#include "tests/disk_audio.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <numbers>
#include <string>
#include <vector>

namespace {

using tintineables::testing::MixedOutput;
constexpr int Rate = 48000;

bool Quiet(const tintineables::testing::Frame& frame) {
    return std::abs(frame.left) <= 8 && std::abs(frame.right) <= 8;
}

struct Expected {
    std::string file;
    int place = 0;
    int pauseMs = 0;
};

Expected Parse(const std::string& text) {
    Expected part;
    const auto at = text.find('@');
    const auto hash = text.find('#');
    part.file = text.substr(0, std::min(at, hash));
    part.place = at == std::string::npos ? 0 : std::stoi(text.substr(at + 1));
    part.pauseMs = hash == std::string::npos ? 0 : std::stoi(text.substr(hash + 1));
    return part;
}

std::vector<double> Recording(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    const auto check = tintineables::CheckWave(bytes);
    if (!check.problem.empty()) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), check.problem.c_str());
        std::exit(2);
    }
    const auto samples = tintineables::Pcm16Samples(bytes, check.format);
    return {samples.begin(), samples.end()};
}

struct Fit {
    double left = 0, right = 0, misfit = 1;
};

// Each ear's gain for the recording laid at `start`, and what is left over.
Fit FitAt(const MixedOutput& out, const std::vector<double>& cue, std::size_t start) {
    double energy = 0, l = 0, r = 0, heard = 0;
    for (std::size_t i = 0; i < cue.size() && start + i < out.size(); ++i) {
        energy += cue[i] * cue[i];
        l += out[start + i].left * cue[i];
        r += out[start + i].right * cue[i];
        heard += double(out[start + i].left) * out[start + i].left +
                 double(out[start + i].right) * out[start + i].right;
    }
    Fit fit;
    if (energy <= 0 || heard <= 0) {
        return fit;
    }
    fit.left = l / energy;
    fit.right = r / energy;
    double left = 0;
    for (std::size_t i = 0; i < cue.size() && start + i < out.size(); ++i) {
        const double dl = out[start + i].left - fit.left * cue[i];
        const double dr = out[start + i].right - fit.right * cue[i];
        left += dl * dl + dr * dr;
    }
    fit.misfit = left / heard;
    return fit;
}

bool Silent(const MixedOutput& out, std::size_t from, std::size_t frames) {
    for (std::size_t i = from; i < std::min(out.size(), from + frames); ++i) {
        if (!Quiet(out[i])) {
            return false;
        }
    }
    return from < out.size();
}

double PlaceOf(const Fit& fit) {
    return std::atan2(fit.right, fit.left) / (std::numbers::pi / 2) * 200 - 100;
}

// The best fit of the recording starting up to its lead-in before the sound at `onset`.
std::pair<Fit, std::size_t> BestAround(const MixedOutput& out, const std::vector<double>& cue,
                                       std::size_t onset) {
    Fit best;
    std::size_t bestStart = onset;
    for (std::size_t start = onset > 240 ? onset - 240 : 0; start <= onset + 2; ++start) {
        const Fit fit = FitAt(out, cue, start);
        if (fit.misfit < best.misfit) {
            best = fit;
            bestStart = start;
        }
    }
    return {best, bestStart};
}

// The first sound after `after`, following at least 10 ms of silence, that is the part as
// written; the end of the output when none is.
std::size_t FirstHeard(const MixedOutput& out, const std::vector<double>& cue, int place,
                       std::size_t after) {
    std::size_t quiet = 0;
    for (std::size_t i = after; i < out.size(); ++i) {
        if (Quiet(out[i])) {
            ++quiet;
            continue;
        }
        if (quiet >= Rate / 100) {
            const auto [fit, start] = BestAround(out, cue, i);
            if (fit.misfit < 0.05 && std::abs(PlaceOf(fit) - place) <= 3) {
                return start;
            }
        }
        quiet = 0;
    }
    return out.size();
}

} // namespace

int main(int argc, char** argv) {
    int first = 1;
    const bool cut = argc > first && std::string(argv[first]) == "--cut";
    first += cut ? 1 : 0;
    std::size_t after = 0;
    if (argc > first + 1 && std::string(argv[first]) == "--after") {
        after = std::stoul(argv[first + 1]);
        first += 2;
    }
    int mayBreak = 0;
    if (argc > first + 1 && std::string(argv[first]) == "--broken") {
        mayBreak = std::stoi(argv[first + 1]);
        first += 2;
    }
    int broken = 0;
    if (argc < first + 3) {
        std::fprintf(stderr, "usage: sweep_heard [--cut] OUTPUT.raw SOUNDS PART...\n");
        return 2;
    }
    const MixedOutput out = tintineables::testing::ReadRawStereo(argv[first]);
    const std::string sounds = argv[first + 1];
    const Expected firstPart = Parse(argv[first + 2]);
    std::size_t from = FirstHeard(out, Recording(sounds + "/" + firstPart.file), firstPart.place,
                                  after); // where to look for the next part
    long lastEnd = -1;                    // where the last part heard ended
    int heard = 0;
    const int parts = argc - first - 2;
    for (int p = 0; p < parts; ++p) {
        const Expected part = Parse(argv[first + 2 + p]);
        const std::vector<double> cue = Recording(sounds + "/" + part.file);
        // The first sound after `from`: the part starts at most its recording's own lead-in
        // before it, for a recording whose first samples are near silence.
        std::size_t onset = from;
        while (onset < out.size() && Quiet(out[onset])) {
            ++onset;
        }
        if (onset == out.size() || (cut && heard > 0 && onset - from > Rate / 4)) {
            break; // silence where the next part was due
        }
        const auto [best, bestStart] = BestAround(out, cue, onset);
        const double place = PlaceOf(best);
        const double pause = lastEnd < 0 ? 0 : (double(bestStart) - double(lastEnd)) * 1000 / Rate;
        std::printf("%zu %.1f %.4f %.1f %s\n", bestStart, place, best.misfit, pause,
                    argv[first + 2 + p]);
        const bool asWritten = best.misfit < 0.05 && std::abs(place - part.place) <= 3 &&
                               (lastEnd < 0 || std::abs(pause - part.pauseMs) <= 1.0);
        if (!asWritten) {
            if (cut && heard > 0) {
                from = onset + cue.size(); // cut within this part: silence must follow it
                break;
            }
            if (broken < mayBreak && !cut && best.misfit < 0.5) {
                ++broken; // still this recording, where it belongs, but not whole
                std::printf("broken: part %d\n", p + 1);
                lastEnd = -1;
                from = bestStart + cue.size();
                ++heard;
                continue;
            }
            std::printf("FAIL: part %d not heard as written\n", p + 1);
            return 1;
        }
        ++heard;
        lastEnd = static_cast<long>(bestStart + cue.size());
        from = bestStart + cue.size();
    }
    if (cut) {
        const bool stopped = heard > 0 && heard < parts && Silent(out, from, Rate / 4);
        std::printf("%d of %d parts heard, then %s\n", heard, parts,
                    stopped ? "silence" : "no stop");
        std::printf("END %zu\n", from);
        return stopped ? 0 : 1;
    }
    std::printf("%d of %d parts heard as written\n", heard, parts);
    std::printf("END %zu\n", from);
    return heard == parts ? 0 : 1;
}
