// How late this machine wakes a real-time thread: what the sound servers' and the game's
// audio threads meet on every period. The thread runs at round-robin priority 5, as the
// game's own do, and sleeps to absolute deadlines 1 ms apart; on a virtual machine a core the
// host has let go idle can take milliseconds to wake, and a period of 2.7 ms does not outlast
// that. Prints one line for the benchmark's table:
//   wake_up_lateness [SECONDS]
// SECONDS 0: until SIGTERM or SIGINT, so that a test can watch the machine for as long as it
// plays (a host that stops its guest for tens of milliseconds breaks any sound server's
// period: a cue broken then is the machine's, not the game's); each wake-up more than 10 ms
// late is also a line on stderr, "stall SECONDS MS": when it was due, in seconds since the
// epoch (the clock a shell's $EPOCHREALTIME reads), and how late it came.
#include <sched.h>
#include <signal.h>
#include <time.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double StallMs = 10;

volatile std::sig_atomic_t stopped = 0;

void Stop(int) { stopped = 1; }

} // namespace

int main(int argc, char** argv) {
    const long seconds = argc > 1 ? std::atol(argv[1]) : 10;
    struct sigaction stop {};
    stop.sa_handler = Stop; // no SA_RESTART: the sleep ends at once
    sigaction(SIGTERM, &stop, nullptr);
    sigaction(SIGINT, &stop, nullptr);
    sched_param parameter{};
    parameter.sched_priority = 5;
    const bool realTime = sched_setscheduler(0, SCHED_RR, &parameter) == 0;
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    long wakeUps = 0, over1 = 0, over2 = 0, over4 = 0;
    double worst = 0;
    bool inStall = false;
    while (stopped == 0 && (seconds == 0 || wakeUps < seconds * 1000)) {
        deadline.tv_nsec += 1000000;
        if (deadline.tv_nsec >= 1000000000) {
            deadline.tv_nsec -= 1000000000;
            ++deadline.tv_sec;
        }
        if (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) != 0) {
            break; // stopped in its sleep: that wake-up was not late
        }
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const double lateMs = static_cast<double>(now.tv_sec - deadline.tv_sec) * 1e3 +
                              static_cast<double>(now.tv_nsec - deadline.tv_nsec) / 1e6;
        // A stall makes the deadlines it passed late one after another: only its first is said.
        const bool stalled = lateMs > StallMs;
        if (seconds == 0 && stalled && !inStall) {
            timespec wall{};
            clock_gettime(CLOCK_REALTIME, &wall);
            std::fprintf(stderr, "stall %.3f %.1f\n",
                         static_cast<double>(wall.tv_sec) +
                             static_cast<double>(wall.tv_nsec) * 1e-9 - lateMs / 1e3,
                         lateMs);
        }
        inStall = stalled;
        ++wakeUps;
        worst = lateMs > worst ? lateMs : worst;
        over1 += lateMs > 1 ? 1 : 0;
        over2 += lateMs > 2 ? 1 : 0;
        over4 += lateMs > 4 ? 1 : 0;
    }
    std::printf("%ld wake-ups%s: late > 1 ms %ld, > 2 ms %ld, > 4 ms %ld; worst %.1f ms\n", wakeUps,
                realTime ? "" : " (not real-time: no privilege)", over1, over2, over4, worst);
    return 0;
}
