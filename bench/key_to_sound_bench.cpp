// The time from a key press on the board to its cue: through the handler to the mixer (the
// key path), and on to the first audio callback that mixes the cue's first frame. Both on
// Qt's offscreen platform and SDL's dummy driver at the game's own buffer size, against two
// slower ways of sounding a cue. Prints rows of the benchmark table.
#include "bench/latency_stats.h"
#include "bench/slow_players.h"
#include "board/new_game.h"
#include "game/board_sweep.h"
#include "screens/qt_game_host.h"
#include "sound/audio_engine.h"
#include "sound/mixer_sound_player.h"
#include "sound/play_cue.h"
#include "sound/sound_settings.h"
#include "sound/startup_error.h"
#include "sound/time_stretch.h"

#include <SDL2/SDL_mixer.h>

#include <QApplication>
#include <QTest>
#include <QWindow>

#include <atomic>
#include <chrono>
#include <cstring>
#include <random>
#include <thread>

using namespace tintineables;
using namespace tintineables::bench;
using Clock = std::chrono::steady_clock;

namespace {

double Micro(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }
double Milli(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Notes when "play" has returned: the cue is then queued on the mixer.
struct PlayLog {
    Clock::time_point lastPlay;
    long callbacksAtPlay = 0; // audio callbacks completed when the cue was queued
    int plays = 0;
    const std::atomic<long>* callbacks = nullptr;
};

class TimingPlayer final : public SoundPlayer {
public:
    TimingPlayer(std::unique_ptr<SoundPlayer> inner, PlayLog& log)
        : inner_(std::move(inner)), log_(log) {}
    std::optional<PlayerPosition> Position() const override { return inner_->Position(); }
    void SetString(int dispatchId, std::string_view value) override {
        inner_->SetString(dispatchId, value);
        if (dispatchId == DispatchId::Command && (value == "play" || value == "Play")) {
            log_.lastPlay = Clock::now();
            log_.callbacksAtPlay = log_.callbacks ? log_.callbacks->load() : 0;
            ++log_.plays;
        }
    }

private:
    std::unique_ptr<SoundPlayer> inner_;
    PlayLog& log_;
};

// Sees every mixed buffer. A buffer that begins with the first bytes of a decoded cue is the
// one that mixed that cue's first frame: the mixer starts a new chunk at the buffer's start,
// and with one cue sounding at full volume the output is the cue's own samples.
class MixProbe final : public MixObserver {
public:
    explicit MixProbe(const AudioEngine& engine) {
        for (const SoundCueInfo& info : SoundCueTable) {
            starts_.push_back(engine.Decoded(info.fileName));
        }
    }
    void Mixed(const std::uint8_t* stream, int bytes) override {
        const auto now = Clock::now();
        const long callback = callbacks.fetch_add(1) + 1;
        for (const Mix_Chunk* chunk : starts_) {
            if (chunk->alen >= static_cast<Uint32>(bytes) &&
                std::memcmp(stream, chunk->abuf, static_cast<std::size_t>(bytes)) == 0) {
                detectedAt.store(now.time_since_epoch().count());
                detectedCallback.store(callback);
                detections.fetch_add(1);
            }
        }
        bool sounding = false;
        for (int i = 0; i + 1 < bytes && !sounding; i += 2) {
            sounding = stream[i] != 0 || stream[i + 1] != 0;
        }
        if (sounding && !soundedLast_) {
            onsetAt.store(now.time_since_epoch().count());
            onsets.fetch_add(1);
        }
        soundedLast_ = sounding;
        if (callback > 1) {
            periods.store(now.time_since_epoch().count() - last_);
        }
        last_ = now.time_since_epoch().count();
    }
    std::atomic<long> callbacks{0};
    std::atomic<long> detections{0};
    std::atomic<long> detectedCallback{0};
    std::atomic<Clock::rep> detectedAt{0};
    std::atomic<Clock::rep> periods{0};
    // The first buffer with any sound after one of silence: how a sweep, placed and so never
    // a decoded cue's own bytes, is seen to start.
    std::atomic<long> onsets{0};
    std::atomic<Clock::rep> onsetAt{0};

private:
    std::vector<const Mix_Chunk*> starts_;
    bool soundedLast_ = false;
    Clock::rep last_ = 0;
};

// Notes the moment a key event reaches the board's window, before Qt hands it to the focused
// control and so to the game.
class KeyArrival final : public QObject {
public:
    Clock::time_point at;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            at = Clock::now();
        }
        return false;
    }
};

struct Session {
    KeyArrival arrival;
    PlayLog log;
    std::unique_ptr<QtGameHost> host;
    QWindow* window = nullptr;
};

void OpenBoard(Session& s, std::function<std::unique_ptr<SoundPlayer>()> makePlayer,
               std::function<void(const SoundSettings&)> applySoundSettings = {}) {
    s.host = std::make_unique<QtGameHost>(QtGameHost::Hooks{
        [&s, makePlayer] { return std::make_unique<TimingPlayer>(makePlayer(), s.log); },
        [](const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); },
        [](int) {}, std::move(applySoundSettings)});
    s.host->TheGame().Guard([&] { s.host->TheGame().Show(Screen::Board); });
    QWidget* board = s.host->Window(Screen::Board);
    for (int i = 0; i < 100 && QApplication::activeWindow() != board; ++i) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    s.window = board->windowHandle();
    s.window->installEventFilter(&s.arrival);
}

// Along the middle row and back, so that every press moves the focus and announces a hole.
Qt::Key ArrowFor(int press) { return (press / 6) % 2 == 0 ? Qt::Key_Right : Qt::Key_Left; }

// Walks the focus to the left end of the middle row (Picture14), where the arrows start.
void ToMiddleRow(Session& s) {
    for (Qt::Key key :
         {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left}) {
        QTest::keyClick(s.window, key);
    }
}

// One arrow press; returns microseconds from the key's arrival at the window to the cue queued.
double PressArrow(Session& s, int press) {
    const int plays = s.log.plays;
    QTest::keyPress(s.window, ArrowFor(press));
    if (s.log.plays != plays + 1) {
        std::fprintf(stderr, "press %d played %d cues\n", press, s.log.plays - plays);
        std::exit(1);
    }
    QTest::keyRelease(s.window, ArrowFor(press));
    return Micro(s.log.lastPlay - s.arrival.at);
}

// Key to the first mixed frame of its cue, each press after an idle pause that lands it anywhere
// within an audio period.
struct ToSound {
    std::vector<double> idlePaths, milliseconds, periods;
    int waitedExtra = 0; // cues mixed later than the first callback after they were queued
};

bool MeasureToSound(Session& game, MixProbe& probe, int presses, double periodMs, ToSound& out) {
    std::mt19937 random(7);
    for (int i = 0; i < presses; ++i) {
        const long detections = probe.detections.load();
        out.idlePaths.push_back(PressArrow(game, i));
        const auto t0 = game.arrival.at;
        const auto deadline = t0 + std::chrono::milliseconds(200);
        // Sleep rather than spin: on two cores a spinning loop would delay the audio thread.
        while (probe.detections.load() == detections && Clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        if (probe.detections.load() == detections) {
            std::fprintf(stderr, "press %d: the cue was never mixed\n", i);
            return false;
        }
        const Clock::time_point mixed{Clock::duration{probe.detectedAt.load()}};
        const double ms = Milli(mixed - t0);
        out.milliseconds.push_back(ms);
        out.periods.push_back(ms / periodMs);
        // The callback that mixes a cue must be the first to start after it was queued.
        out.waitedExtra += probe.detectedCallback.load() - game.log.callbacksAtPlay > 1 ? 1 : 0;
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 6000));
    }
    return true;
}

// V, the whole cross by ear, each press from silence (Shift alone cuts the sweep before): the key
// path to the sweep queued, and the key to its first mixed buffer, beside an arrow's.
struct SweepTimes {
    std::vector<double> paths, milliseconds;
};

bool MeasureSweep(Session& game, MixProbe& probe, int presses, SweepTimes& out) {
    std::mt19937 random(11);
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(game.window, Qt::Key_Shift);
        std::this_thread::sleep_for(std::chrono::milliseconds(25)); // the cut, and silence
        const long onsets = probe.onsets.load();
        const int plays = game.log.plays;
        QTest::keyPress(game.window, Qt::Key_V);
        if (game.log.plays != plays + 1) {
            std::fprintf(stderr, "V played %d sounds\n", game.log.plays - plays);
            return false;
        }
        QTest::keyRelease(game.window, Qt::Key_V);
        const auto t0 = game.arrival.at;
        out.paths.push_back(Micro(game.log.lastPlay - t0));
        while (probe.onsets.load() == onsets &&
               Clock::now() < t0 + std::chrono::milliseconds(200)) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        if (probe.onsets.load() == onsets) {
            std::fprintf(stderr, "V %d: the sweep was never mixed\n", i);
            return false;
        }
        out.milliseconds.push_back(
            Milli(Clock::time_point{Clock::duration{probe.onsetAt.load()}} - t0));
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 6000));
    }
    QTest::keyClick(game.window, Qt::Key_Shift);
    return true;
}

// How long the whole cross sounds at each pace of the speech, from the start: every hole's
// recording as decoded, and the silences the game lays between them.
std::vector<double> CrossSeconds(const AudioEngine& audio) {
    GameState start;
    NewGame(start);
    std::vector<double> seconds;
    for (double pace : SpeechRates) {
        double frames = 0;
        for (const SweepNote& note : Sweep(start, 1, SweepKind::Cross, pace)) {
            frames += audio.Decoded(note.file)->alen / 4.0 +
                      note.pauseMilliseconds * AudioEngine::Frequency / 1000.0;
        }
        seconds.push_back(frames / AudioEngine::Frequency);
    }
    return seconds;
}

// One press of B; returns microseconds from the key's arrival at the window to its words queued.
double PressB(Session& s) {
    const int plays = s.log.plays;
    QTest::keyClick(s.window, Qt::Key_B);
    if (s.log.plays != plays + 1) {
        std::fprintf(stderr, "B played %d sounds\n", s.log.plays - plays);
        std::exit(1);
    }
    return Micro(s.log.lastPlay - s.arrival.at);
}

// The player's own sound: the speech's pace changed, and B at once, while every spoken recording
// is being made again at the new pace behind the game (the tutorial's minutes among them); then B
// once they are all made. The key path of each, and what making the tutorial alone takes.
struct OwnSound {
    std::vector<double> asMade, rightAfterAChange, once, arrows;
    double tutorialMs = 0;
};

OwnSound MeasureOwnSound(AudioEngine& audio, PlayLog& log, int rounds) {
    OwnSound out;
    Session s;
    OpenBoard(
        s, [&] { return std::make_unique<MixerSoundPlayer>(audio); },
        [&](const SoundSettings& settings) { audio.SetSoundSettings(settings); });
    s.log.callbacks = log.callbacks;
    Game& game = s.host->TheGame();
    for (int i = 0; i < rounds; ++i) {
        out.asMade.push_back(PressB(s));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    for (int i = 0; i < rounds; ++i) {
        // 2.5 and 2.25 times the pace in turn, the voice 6 dB down and the earcons 9.
        game.Guard([&] { game.SetSoundSettings({i % 2 == 0 ? 6 : 5, -6, -9}); });
        out.rightAfterAChange.push_back(PressB(s));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::this_thread::sleep_for(std::chrono::seconds(20)); // every recording made at this pace
    ToMiddleRow(s);
    for (int i = 0; i < rounds; ++i) {
        out.once.push_back(PressB(s));
        for (int j = 0; j < 10; ++j) {
            out.arrows.push_back(PressArrow(s, i * 10 + j));
        }
    }
    game.Guard([&] { game.SetSoundSettings({}); });
    s.host.reset();
    QCoreApplication::processEvents();
    // The tutorial made at the fastest pace, as the thread behind the game makes it.
    const Mix_Chunk* tutorial = audio.Decoded("tutorial.wav");
    const auto* frames = reinterpret_cast<const std::int16_t*>(tutorial->abuf);
    std::vector<float> left(tutorial->alen / 4);
    for (std::size_t i = 0; i < left.size(); ++i) {
        left[i] = frames[2 * i] / 32768.0f;
    }
    const auto t0 = Clock::now();
    const std::vector<float> paced =
        StretchSpeech(left, AudioEngine::Frequency, SpeechRates.back());
    out.tutorialMs = Milli(Clock::now() - t0) + (paced.empty() ? 1e9 : 0);
    return out;
}

// The text mode switched by its key, between arrows; its own word is left to end first.
void SwitchTextMode(Session& game) {
    QTest::keyClick(game.window, Qt::Key_T);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
}

// A fixed piece of work of a few microseconds, timed after the same idle pauses as the keys:
// what waking from idle costs on this machine, whatever the code.
std::vector<double> FixedWorkAfterIdle(int runs) {
    static std::vector<char> memory(8 << 20, 1);
    std::mt19937 random(11);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 6000));
        const auto t0 = Clock::now();
        long sum = 0;
        for (std::size_t k = 0; k < 2000; ++k) {
            sum += memory[(k * 4096) % memory.size()];
        }
        if (sum < 0) {
            std::abort();
        }
        times.push_back(Micro(Clock::now() - t0));
    }
    return times;
}

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    const int presses = argc > 1 ? std::atoi(argv[1]) : 2000;
    std::unique_ptr<AudioEngine> audio;
    try {
        audio = StartAudio(RecordingFolders());
    } catch (const StartupError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    QApplication application(argc, argv);
    MixProbe probe(*audio);
    audio->SetMixObserver(&probe);
    const double periodMs = 1000.0 * audio->ObtainedBufferFrames() / AudioEngine::Frequency;

    // The game's own player.
    Session game;
    const auto folder = RecordingFolders().front();
    OpenBoard(game, [&] { return std::make_unique<MixerSoundPlayer>(*audio); });
    game.log.callbacks = &probe.callbacks;
    ToMiddleRow(game);
    std::vector<double> gamePaths;
    for (int i = 0; i < presses; ++i) {
        gamePaths.push_back(PressArrow(game, i));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500)); // let the last cues end
    const Percentiles path = Summarise(gamePaths);
    ToSound plain;
    if (!MeasureToSound(game, probe, presses, periodMs, plain)) {
        return 1;
    }
    // The same in the text mode, where each arrival also names its hole for a screen reader.
    SwitchTextMode(game);
    if (!game.host->TheGame().TextMode()) {
        std::fprintf(stderr, "T did not switch the text mode on\n");
        return 1;
    }
    std::vector<double> textModePaths;
    for (int i = 0; i < presses; ++i) {
        textModePaths.push_back(PressArrow(game, i));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    ToSound inTextMode;
    if (!MeasureToSound(game, probe, presses, periodMs, inTextMode)) {
        return 1;
    }
    SwitchTextMode(game);
    SweepTimes sweeps;
    if (!MeasureSweep(game, probe, presses / 4, sweeps)) {
        return 1;
    }
    game.host.reset();
    QCoreApplication::processEvents();
    const OwnSound own = MeasureOwnSound(*audio, game.log, 30);

    // A player process per cue.
    std::vector<double> spawns;
    for (int i = 0; i < 30; ++i) {
        const double seconds = SpawnPlayerProcess("aplay", folder / "bola.wav");
        if (seconds < 0) {
            break;
        }
        spawns.push_back(seconds * 1e6);
    }
    audio->SetMixObserver(nullptr);

    Header();
    const Percentiles idlePath = Summarise(plain.idlePaths);
    const Percentiles idleWork = Summarise(FixedWorkAfterIdle(presses));
    const Percentiles sound = Summarise(plain.milliseconds);
    const Percentiles waited = Summarise(plain.periods);
    const double extraShare = 100.0 * plain.waitedExtra / static_cast<double>(presses);
    Row(Format("key path, %.0f arrow presses (us)", static_cast<double>(path.count)),
        Format("p50 %.1f  p99 %.1f  max %.1f", path.p50, path.p99, path.max), "p99 <= 50 us",
        path.p99 <= 50);
    Row("key path, each press after 0-6 ms idle (us)",
        Format("p50 %.1f  p99 %.1f  max %.1f", idlePath.p50, idlePath.p99, idlePath.max),
        "(see next row)", true);
    Row("a fixed 2000-load loop after the same idle (us)",
        Format("p50 %.1f  p99 %.1f  max %.1f", idleWork.p50, idleWork.p99, idleWork.max),
        "(the machine's wake-up)", true);
    Row(Format("key to first mixed frame (ms), period %.2f ms", periodMs),
        Format("p50 %.2f  p99 %.2f  max %.2f", sound.p50, sound.p99, sound.max),
        Format("p99 <= %.2f ms", periodMs + 1), sound.p99 <= periodMs + 1);
    Row("key to first mixed frame (audio periods)",
        Format("p50 %.2f  p99 %.2f  max %.2f", waited.p50, waited.p99, waited.max), "", true);
    Row("cues that waited more than one callback", Format("%.2f %%", extraShare), "0 %",
        plain.waitedExtra == 0);
    const Percentiles textPath = Summarise(textModePaths);
    const Percentiles textSound = Summarise(inTextMode.milliseconds);
    Row(Format("key path in the text mode, %.0f arrow presses (us)",
               static_cast<double>(textPath.count)),
        Format("p50 %.1f  p99 %.1f  max %.1f", textPath.p50, textPath.p99, textPath.max),
        "p99 <= 50 us", textPath.p99 <= 50);
    Row("key to first mixed frame in the text mode (ms)",
        Format("p50 %.2f  p99 %.2f  max %.2f", textSound.p50, textSound.p99, textSound.max),
        Format("p99 <= %.2f ms", periodMs + 1), textSound.p99 <= periodMs + 1);
    Row("text mode cues that waited more than one callback",
        Format("%.2f %%", 100.0 * inTextMode.waitedExtra / static_cast<double>(presses)), "0 %",
        inTextMode.waitedExtra == 0);
    const Percentiles sweepPath = Summarise(sweeps.paths);
    const Percentiles sweepSound = Summarise(sweeps.milliseconds);
    Row(Format("key path, V: the whole cross, %.0f presses (us)",
               static_cast<double>(sweepPath.count)),
        Format("p50 %.1f  p99 %.1f  max %.1f", sweepPath.p50, sweepPath.p99, sweepPath.max),
        "p99 <= 500 us", sweepPath.p99 <= 500);
    Row("V to the sweep's first mixed buffer (ms)",
        Format("p50 %.2f  p99 %.2f  max %.2f", sweepSound.p50, sweepSound.p99, sweepSound.max),
        Format("p99 <= %.2f ms, as an arrow's", std::max(periodMs + 1, sound.p99)),
        sweepSound.p99 <= std::max(periodMs + 1, sound.p99));
    std::string lengths;
    const std::vector<double> crossSeconds = CrossSeconds(*audio);
    for (double seconds : crossSeconds) {
        lengths += Format(lengths.empty() ? "%.2f" : " / %.2f", seconds);
    }
    Row("the whole cross at each pace, 1 to 2.5 (s)", lengths, "<= 3 s at 1",
        crossSeconds.front() <= 3.0);
    const Percentiles asMade = Summarise(own.asMade);
    Row("B at the recordings' own pace and level (us)",
        Format("p50 %.1f  p99 %.1f  max %.1f", asMade.p50, asMade.p99, asMade.max), "", true);
    const Percentiles afterChange = Summarise(own.rightAfterAChange);
    const Percentiles paced = Summarise(own.once);
    const Percentiles quieter = Summarise(own.arrows);
    Row(Format("B right after the pace changed, %.0f times (us): its words made there and then",
               static_cast<double>(afterChange.count)),
        Format("p50 %.0f  p99 %.0f  max %.0f", afterChange.p50, afterChange.p99, afterChange.max),
        "max <= 20000 us", afterChange.max <= 20000);
    Row("B at 2.5 times the pace once made (us)",
        Format("p50 %.1f  p99 %.1f  max %.1f", paced.p50, paced.p99, paced.max),
        "p99 <= 2 x as made", paced.p99 <= 2 * asMade.p99);
    Row("key path, arrows with the earcons 9 dB down (us)",
        Format("p50 %.1f  p99 %.1f  max %.1f", quieter.p50, quieter.p99, quieter.max),
        "p99 <= 50 us", quieter.p99 <= 50);
    Row("the tutorial made at 2.5 times the pace, behind the game (ms)",
        Format("%.0f", own.tutorialMs), "(what B would wait behind it)", true);
    if (spawns.empty()) {
        Row("a player process per cue (aplay)", "skipped: aplay is not installed", ">= 100x", true);
    } else {
        const Percentiles spawn = Summarise(spawns);
        Row("a player process per cue (aplay -D null)",
            Format("p50 %.0f us = %.0fx the game's", spawn.p50, spawn.p50 / path.p50), ">= 100x",
            spawn.p50 / path.p50 >= 100);
    }
    return 0;
}
