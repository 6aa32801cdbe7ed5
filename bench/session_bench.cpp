// session_bench GAME
// The real executable as a player starts it: the time from process start to the first mixed
// frame of the presentation (median of 10), then, on the X display this runs under (Xvfb),
// the CPU it uses idling on the menu and on the board, and its peak resident memory after
// visiting every screen and asking every question of the board. Prints rows of the benchmark table.
#include "bench/latency_stats.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace tintineables::bench;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

namespace {

pid_t Spawn(std::vector<std::string> args, const std::vector<std::string>& extraEnvironment,
            bool quiet = false) {
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    std::vector<std::string> environment(extraEnvironment);
    for (char** e = environ; *e != nullptr; ++e) {
        environment.emplace_back(*e);
    }
    std::vector<char*> envp;
    for (std::string& e : environment) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (quiet) {
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    }
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        std::fprintf(stderr, "%s: %s\n", argv[0], std::strerror(error));
        std::exit(1);
    }
    return pid;
}

int Run(std::vector<std::string> args) {
    int status = 0;
    waitpid(Spawn(std::move(args), {}, true), &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

// Milliseconds from spawning the game to reading the first non-silent frame it mixes. SDL's
// disk driver writes the mixed output into a FIFO that this process reads as it comes.
double StartUpMilliseconds(const std::string& game, const fs::path& fifo) {
    const auto start = Clock::now();
    const pid_t pid = Spawn({game}, {"QT_QPA_PLATFORM=offscreen", "SDL_AUDIODRIVER=disk",
                                     "SDL_DISKAUDIOFILE=" + fifo.string()});
    const int fd = open(fifo.c_str(), O_RDONLY);
    double ms = -1;
    std::int16_t frames[512];
    for (ssize_t got; ms < 0 && (got = read(fd, frames, sizeof frames)) > 0;) {
        for (ssize_t i = 0; i < got / 2; ++i) {
            if (frames[i] != 0) {
                ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                break;
            }
        }
    }
    close(fd);
    Stop(pid);
    return ms;
}

long ProcessTicks(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), {});
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14) {
            utime = std::stol(field);
        } else if (i == 15) {
            stime = std::stol(field);
        }
    }
    return utime + stime;
}

double IdleCpuPercent(pid_t pid, int seconds) {
    const long before = ProcessTicks(pid);
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const long used = ProcessTicks(pid) - before;
    return 100.0 * static_cast<double>(used) / static_cast<double>(sysconf(_SC_CLK_TCK) * seconds);
}

long PeakResidentKiB(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

void Key(const char* key) {
    Run({"xdotool", "key", key});
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: session_bench GAME\n");
        return 2;
    }
    const std::string game = fs::absolute(argv[1]).string();

    const fs::path fifo =
        fs::temp_directory_path() / ("tintineables-bench-" + std::to_string(getpid()));
    mkfifo(fifo.c_str(), 0600);
    std::vector<double> starts;
    for (int i = 0; i < 10; ++i) {
        starts.push_back(StartUpMilliseconds(game, fifo));
    }
    fs::remove(fifo);
    const Percentiles start = Summarise(starts);
    Row("start-up to first mixed frame, 10 runs (ms)",
        Format("median %.0f  max %.0f", start.p50, start.max), "<= 250 ms", start.p50 <= 250);

    if (std::getenv("DISPLAY") == nullptr) {
        Row("idle CPU and peak memory", "skipped: no X display (run under xvfb-run)", "", true);
        return 0;
    }
    const pid_t pid = Spawn({game}, {"SDL_AUDIODRIVER=dummy"});
    for (int i = 0; i < 100 && Run({"xdotool", "search", "--name", "^TINTINEABLES$"}) != 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const double menuCpu = IdleCpuPercent(pid, 10);
    Key("F2");
    const double boardCpu = IdleCpuPercent(pid, 10);
    // Every spoken answer, the solver's among them; a jump taken back.
    for (const char* key : {"b", "p", "g", "a", "space", "Up", "Up", "Control_L", "BackSpace"}) {
        Key(key);
    }
    Key("Escape");
    Key("F1");
    Key("F3");
    Key("F2");
    Key("Escape");
    const long peak = PeakResidentKiB(pid);
    Key("Escape");
    int status = 0;
    waitpid(pid, &status, 0);
    Row("idle CPU over 10 s: menu, board (%)", Format("%.2f, %.2f", menuCpu, boardCpu), "<= 2 %",
        menuCpu <= 2 && boardCpu <= 2);
    Row("peak resident memory, every screen and answer", Format("%.1f MB", peak / 1024.0),
        "<= 80 MB", peak > 0 && peak <= 80 * 1024);
    Row("exit status after Escape on the menu", Format("%.0f", WEXITSTATUS(status)), "0",
        WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return 0;
}
