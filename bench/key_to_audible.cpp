// key_to_audible --recording FILE.wav [--presses N] [--start-key KEYSYM[,KEYSYM]] [--keys A,B]
//                [--latencies FILE] [--resampled]
// key_to_audible --script FILE [--start-key KEYSYM[,KEYSYM]] [--latencies FILE]
// Presses real keys through XTest on the X server of $DISPLAY and records the default sink's
// monitor of the sound server (PulseAudio, or PipeWire's pulse layer) at the same time, then
// finds where each press's cue starts to sound and checks it whole against its recording.
//
// Times are all on CLOCK_MONOTONIC, the clock the sound server's own timing runs on:
// - a press: just before the request reaches the X server (XSync returns once the server has
//   handled it and queued the event for the focused client);
// - a sample: when the sink plays it. After every read the recorder asks the server for the
//   stream's latency; the server counts the sink's own latency in it (a monitor reports the
//   sink's latency as negative), so "now - latency" is when the last frame read was played.
//   Each read is placed by the median of the readings around it.
// Prints one line: presses, heard, median / p95 / max key-to-audible in ms, dropouts, and of those
// the cues broken at their start (their first 20 ms not as recorded: a period or two lost, heard
// as a sound that is none of the game's).
// --resampled: the player's sound reaches the sink through a resampler (Chromium on a PulseAudio
// whose default rate is not the sink's), so no frame of it is the recording's: a cue is heard
// where the sound first rises above -30 dBFS after its key, and only a cue never heard counts as
// a dropout.
// --script FILE: a game rather than one cue, a press for each line "KEYSYM CUE.wav", 250 to 450 ms
// apart, each heard against its own cue ("-" for a key whose cue is not measured: it is pressed,
// and its sound may be cut by the next key).
// --latencies FILE appends each heard cue's key to audible in ms to FILE, a line each, for a
// bench that pools several starts of a player.
// KEY_TO_AUDIBLE_DETAILS=1 lists every late or broken cue on stderr; KEY_TO_AUDIBLE_ZEROS=FILE
// writes each read's placing of frame 0, to see the server's timing as the recorder saw it.
#include "sound/wave_file.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int Rate = 48000;
constexpr int ReadFrames = 96; // 2 ms per read: the recorder keeps close to the sink
// PipeWire mixes in floating point; a 16-bit sample may come back a step off.
constexpr int Tolerance = 4;

double Now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct Frame {
    std::int16_t left, right;
};

class MonitorRecorder {
public:
    MonitorRecorder() {
        const pa_sample_spec format{PA_SAMPLE_S16LE, Rate, 2};
        pa_buffer_attr attr{};
        attr.maxlength = static_cast<std::uint32_t>(-1);
        attr.fragsize = ReadFrames * sizeof(Frame);
        int error = 0;
        stream_ = pa_simple_new(nullptr, "key_to_audible", PA_STREAM_RECORD, "@DEFAULT_MONITOR@",
                                "monitor", &format, nullptr, &attr, &error);
        if (stream_ == nullptr) {
            std::fprintf(stderr, "key_to_audible: cannot record the monitor: %s\n",
                         pa_strerror(error));
            std::exit(2);
        }
        thread_ = std::thread([this] { Run(); });
    }
    ~MonitorRecorder() {
        stop_ = true;
        thread_.join();
        pa_simple_free(stream_);
    }

    // Frames recorded so far.
    std::vector<Frame> Frames() {
        std::lock_guard lock(mutex_);
        return frames_;
    }
    // When each read's frames were played: the moment its frame 0 would have been, had the
    // stream run without a break since. An idle sink may stop rendering, so each read keeps
    // its own.
    std::vector<double> ZeroTimes() {
        std::lock_guard lock(mutex_);
        return zeroTimes_;
    }

private:
    void Run() {
        std::vector<Frame> block(ReadFrames);
        while (!stop_) {
            int error = 0;
            if (pa_simple_read(stream_, block.data(), block.size() * sizeof(Frame), &error) < 0) {
                std::fprintf(stderr, "key_to_audible: recording failed: %s\n", pa_strerror(error));
                std::exit(2);
            }
            const pa_usec_t latency = pa_simple_get_latency(stream_, &error);
            const double now = Now();
            std::lock_guard lock(mutex_);
            frames_.insert(frames_.end(), block.begin(), block.end());
            const double latencySeconds =
                latency == static_cast<pa_usec_t>(-1) ? 0.0 : static_cast<double>(latency) * 1e-6;
            zeroTimes_.push_back(now - latencySeconds - static_cast<double>(frames_.size()) / Rate);
        }
    }

    pa_simple* stream_ = nullptr;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<Frame> frames_;
    std::vector<double> zeroTimes_;
};

class Keyboard {
public:
    Keyboard() : display_(XOpenDisplay(nullptr)) {
        int event = 0, error = 0, major = 0, minor = 0;
        if (display_ == nullptr || !XTestQueryExtension(display_, &event, &error, &major, &minor)) {
            std::fprintf(stderr, "key_to_audible: no X display with XTest\n");
            std::exit(2);
        }
    }
    ~Keyboard() { XCloseDisplay(display_); }

    // Presses and releases a key; returns when the X server handled the press.
    double Press(const char* keysymName) {
        const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keysymName));
        const double sent = Now();
        XTestFakeKeyEvent(display_, code, True, CurrentTime);
        XSync(display_, False);
        XTestFakeKeyEvent(display_, code, False, CurrentTime);
        XSync(display_, False);
        return sent;
    }

private:
    Display* display_;
};

std::vector<std::int16_t> ReadMonoRecording(const char* path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    const auto check = tintineables::CheckWave(bytes);
    if (!check.problem.empty() || check.format.channels != 1 || check.format.sampleRate != Rate) {
        std::fprintf(stderr, "key_to_audible: %s is no mono 48 kHz recording\n", path);
        std::exit(2);
    }
    return tintineables::Pcm16Samples(bytes, check.format);
}

bool Same(const Frame& frame, std::int16_t sample) {
    return std::abs(frame.left - sample) <= Tolerance &&
           std::abs(frame.right - sample) <= Tolerance;
}

// First frame in [from, to) where the cue starts. It is matched on 20 ms from 10 ms past its
// first loud sample, and placed back by that much, so that a cue whose attack was lost (a
// sink waking from idle for a new stream) is still found, then counted as broken.
long FindOnset(const std::vector<Frame>& frames, const std::vector<std::int16_t>& cue,
               std::size_t from, std::size_t to) {
    std::size_t salient = 0;
    while (salient < cue.size() && std::abs(cue[salient]) < 2000) {
        ++salient;
    }
    const std::size_t skip = std::min<std::size_t>(salient + 480, cue.size());
    const std::size_t count = std::min<std::size_t>(960, cue.size() - skip);
    to = std::min(to, frames.size() >= count + skip ? frames.size() - count - skip : 0);
    for (std::size_t start = from; start < to; ++start) {
        std::size_t j = 0;
        while (j < count && Same(frames[start + skip + j], cue[skip + j])) {
            ++j;
        }
        if (j == count) {
            return static_cast<long>(start);
        }
    }
    return -1;
}

// First frame in [from, to) where the sound rises above -30 dBFS, for a resampled player.
long FindRise(const std::vector<Frame>& frames, std::size_t from, std::size_t to) {
    constexpr int Level = 1036; // -30 dBFS
    for (std::size_t i = from; i < std::min(to, frames.size()); ++i) {
        if (std::abs(frames[i].left) > Level || std::abs(frames[i].right) > Level) {
            return static_cast<long>(i);
        }
    }
    return -1;
}

// A cue must sound sample for sample from its onset until it ends or the next cue starts: a
// gap, a click or a repeat from an underrun anywhere in it breaks that. Returns the cue's first
// frame that does not sound as recorded, or -1 when it is whole.
long FirstBrokenFrame(const std::vector<Frame>& frames, const std::vector<std::int16_t>& cue,
                      std::size_t onset, std::size_t until) {
    const std::size_t length = std::min(cue.size(), until - onset);
    for (std::size_t i = 0; i < length; ++i) {
        if (onset + i >= frames.size() || !Same(frames[onset + i], cue[i])) {
            return static_cast<long>(i);
        }
    }
    return -1;
}

// Each read's placing, as the median of the 51 readings around it: one reading taken just as
// the server's timing update came in must not move a cue by the period of those updates,
// while a sink that stopped and started again still moves all that follow.
std::vector<double> Smoothed(const std::vector<double>& readings) {
    constexpr std::size_t Reach = 25;
    std::vector<double> smoothed(readings.size());
    for (std::size_t i = 0; i < readings.size(); ++i) {
        std::vector<double> window(readings.begin() + static_cast<long>(i > Reach ? i - Reach : 0),
                                   readings.begin() +
                                       static_cast<long>(std::min(readings.size(), i + Reach + 1)));
        std::nth_element(window.begin(), window.begin() + static_cast<long>(window.size() / 2),
                         window.end());
        smoothed[i] = window[window.size() / 2];
    }
    return smoothed;
}

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        parts.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return parts;
}

} // namespace

int main(int argc, char** argv) {
    const char* recording = nullptr;
    std::vector<std::string> startKeys;
    const char* savePath = nullptr; // the capture, raw 16-bit stereo, to listen to afterwards
    const char* latenciesPath = nullptr;
    int presses = 120;
    bool resampled = false;
    std::vector<std::string> keys = {"Right", "Left"};
    const char* scriptPath = nullptr;
    // Options with a value take the next argument; --resampled stands alone, anywhere.
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--resampled") {
            resampled = true;
            continue;
        }
        if (i + 1 == argc) {
            break;
        }
        const char* value = argv[++i];
        if (option == "--recording") {
            recording = value;
        } else if (option == "--presses") {
            presses = std::atoi(value);
        } else if (option == "--start-key") {
            startKeys = Split(value);
        } else if (option == "--save") {
            savePath = value;
        } else if (option == "--keys") {
            keys = Split(value);
        } else if (option == "--latencies") {
            latenciesPath = value;
        } else if (option == "--script") {
            scriptPath = value;
        }
    }
    // Each press's key and the cue it is heard by: one cue for all, or the script's.
    std::vector<std::string> cueOfPress;
    if (scriptPath != nullptr) {
        std::ifstream script(scriptPath);
        std::string key, cueFile;
        keys.clear();
        while (script >> key >> cueFile) {
            keys.push_back(key);
            cueOfPress.push_back(cueFile);
        }
        presses = static_cast<int>(keys.size());
    } else if (recording != nullptr) {
        cueOfPress.assign(static_cast<std::size_t>(std::max(presses, 0)), recording);
    }
    if (cueOfPress.empty() || presses < 2) {
        std::fprintf(stderr, "usage: key_to_audible --recording FILE.wav [--presses N] "
                             "[--start-key KEYSYM[,KEYSYM]] [--keys A,B]\n"
                             "       key_to_audible --script FILE [--start-key KEYSYM[,KEYSYM]]\n"
                             "       [--save CAPTURE.raw] [--latencies FILE] [--resampled]\n");
        return 2;
    }
    std::map<std::string, std::vector<std::int16_t>> cues;
    for (const std::string& file : cueOfPress) {
        if (file != "-" && !cues.contains(file)) {
            cues[file] = ReadMonoRecording(file.c_str());
        }
    }
    auto cueOf = [&](std::size_t press) -> const std::vector<std::int16_t>* {
        const auto found = cues.find(cueOfPress[press]);
        return found == cues.end() ? nullptr : &found->second;
    };
    Keyboard keyboard;
    // The keys that lead to the board (a page first starts the game with Enter), each given time.
    for (const std::string& key : startKeys) {
        keyboard.Press(key.c_str());
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    }

    MonitorRecorder recorder;
    // A null sink left alone renders up to 2 s ahead; let that play out before the first key,
    // so that every press meets the sink at the latency its streams asked for.
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    // 100-400 ms apart, as a player moves (a game's keys 250-450 ms: its spoken answers and the
    // hint's search come between them); the same seed every run.
    std::mt19937 random(11);
    std::uniform_int_distribution<int> pause(scriptPath != nullptr ? 250 : 100,
                                             scriptPath != nullptr ? 450 : 400);
    std::vector<double> pressedAt;
    for (int i = 0; i < presses; ++i) {
        pressedAt.push_back(
            keyboard.Press(keys[static_cast<std::size_t>(i) % keys.size()].c_str()));
        std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1000)); // the last cue, whole
    const std::vector<Frame> frames = recorder.Frames();
    const std::vector<double> zeroTimes = Smoothed(recorder.ZeroTimes());
    if (const char* dump = std::getenv("KEY_TO_AUDIBLE_ZEROS")) {
        std::ofstream out(dump);
        for (double zero : recorder.ZeroTimes()) {
            out << std::fixed << zero << '\n';
        }
    }
    if (savePath != nullptr) {
        std::ofstream(savePath, std::ios::binary)
            .write(reinterpret_cast<const char*>(frames.data()),
                   static_cast<std::streamsize>(frames.size() * sizeof(Frame)));
        std::ofstream times(std::string(savePath) + ".times");
        for (std::size_t i = 0; i < pressedAt.size(); ++i) {
            times << "press " << i << ' ' << (pressedAt[i] - zeroTimes.front()) * Rate << '\n';
        }
    }
    // The time a frame was played, and the first frame played at or after a time.
    auto timeOf = [&](std::size_t frame) {
        const std::size_t read = std::min(frame / ReadFrames, zeroTimes.size() - 1);
        return zeroTimes[read] + static_cast<double>(frame) / Rate;
    };
    auto frameAt = [&](double time) {
        std::size_t read = 0;
        while (read + 1 < zeroTimes.size() &&
               timeOf((read + 1) * ReadFrames + ReadFrames - 1) < time) {
            ++read;
        }
        std::size_t frame = read * ReadFrames;
        while (frame + 1 < frames.size() && timeOf(frame) < time) {
            ++frame;
        }
        return frame;
    };
    constexpr long NotMeasured = -2; // a script's key whose cue is not listened for
    std::vector<long> onsets;
    std::vector<std::size_t> pressFrames;
    std::vector<double> latencies;
    for (int i = 0; i < presses; ++i) {
        const auto press = static_cast<std::size_t>(i);
        const double next = i + 1 < presses ? pressedAt[press + 1] : pressedAt.back() + 0.4;
        // A cue may not start before its key (less a millisecond for the clocks' readings).
        const std::size_t from = frameAt(pressedAt[press] - 0.001);
        pressFrames.push_back(from);
        const std::vector<std::int16_t>* cue = cueOf(press);
        const long onset = cue == nullptr ? NotMeasured
                           : resampled    ? FindRise(frames, from, frameAt(next + 0.1))
                                          : FindOnset(frames, *cue, from, frameAt(next + 0.1));
        onsets.push_back(onset);
        if (onset >= 0) {
            latencies.push_back((timeOf(static_cast<std::size_t>(onset)) - pressedAt[press]) *
                                1000.0);
            if (std::getenv("KEY_TO_AUDIBLE_DETAILS") != nullptr && latencies.back() > 8) {
                std::fprintf(stderr, "press %d: heard after %.1f ms, at frame %ld\n", i,
                             latencies.back(), onset);
            }
        }
    }
    int dropouts = 0;
    int brokenAtStart = 0;
    constexpr long StartFrames = Rate / 50; // 20 ms
    for (std::size_t i = 0; i < onsets.size(); ++i) {
        if (onsets[i] == NotMeasured) {
            continue;
        }
        if (onsets[i] < 0) {
            ++dropouts; // never heard at all
            if (std::getenv("KEY_TO_AUDIBLE_DETAILS") != nullptr) {
                std::fprintf(stderr, "press %zu: never heard\n", i);
            }
            continue;
        }
        if (resampled) {
            continue; // no frame to compare with the recording
        }
        // Whole until the next key's sound cuts it: the next cue heard, or where a key not
        // listened for came, as late after its press as this cue came after its own.
        std::size_t until = frames.size();
        if (i + 1 < onsets.size()) {
            const long late = onsets[i] - static_cast<long>(pressFrames[i]);
            until = onsets[i + 1] >= 0 ? static_cast<std::size_t>(onsets[i + 1])
                                       : pressFrames[i + 1] + static_cast<std::size_t>(late);
        }
        const long broken = FirstBrokenFrame(frames, *cueOf(i), static_cast<std::size_t>(onsets[i]),
                                             std::max(until, static_cast<std::size_t>(onsets[i])));
        dropouts += broken < 0 ? 0 : 1;
        brokenAtStart += broken >= 0 && broken < StartFrames ? 1 : 0;
        if (broken >= 0 && std::getenv("KEY_TO_AUDIBLE_DETAILS") != nullptr) {
            std::fprintf(stderr, "press %zu: cue at frame %ld broken from its frame %ld\n", i,
                         onsets[i], broken);
        }
    }
    const int measured = static_cast<int>(std::count_if(
        onsets.begin(), onsets.end(), [](long onset) { return onset != NotMeasured; }));
    if (latenciesPath != nullptr) {
        std::ofstream pooled(latenciesPath, std::ios::app);
        for (const double latency : latencies) {
            pooled << latency << '\n';
        }
    }
    std::vector<double> sorted = latencies;
    std::sort(sorted.begin(), sorted.end());
    auto at = [&](double q) {
        return sorted.empty()
                   ? 0.0
                   : sorted[std::min(sorted.size() - 1,
                                     static_cast<std::size_t>(
                                         q * static_cast<double>(sorted.size() - 1) + 0.5))];
    };
    std::printf(
        "presses %d heard %zu median %.1f p95 %.1f max %.1f dropouts %d broken-at-start %d\n",
        measured, latencies.size(), at(0.5), at(0.95), sorted.empty() ? 0.0 : sorted.back(),
        dropouts, brokenAtStart);
    return 0;
}
