// How late this machine wakes a real-time thread: what the sound servers' and the game's
// audio threads meet on every period. The thread runs at round-robin priority 5, as the
// game's own do, and sleeps to absolute deadlines 1 ms apart; on a virtual machine a core the
// host has let go idle can take milliseconds to wake, and a period of 2.7 ms does not outlast
// that. Prints one line for the benchmark's table:
//   wake_up_lateness [SECONDS]
#include <sched.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const long seconds = argc > 1 ? std::atol(argv[1]) : 10;
    sched_param parameter{};
    parameter.sched_priority = 5;
    const bool realTime = sched_setscheduler(0, SCHED_RR, &parameter) == 0;
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    long over1 = 0, over2 = 0, over4 = 0;
    double worst = 0;
    for (long i = 0; i < seconds * 1000; ++i) {
        deadline.tv_nsec += 1000000;
        if (deadline.tv_nsec >= 1000000000) {
            deadline.tv_nsec -= 1000000000;
            ++deadline.tv_sec;
        }
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr);
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const double lateMs = static_cast<double>(now.tv_sec - deadline.tv_sec) * 1e3 +
                              static_cast<double>(now.tv_nsec - deadline.tv_nsec) / 1e6;
        worst = lateMs > worst ? lateMs : worst;
        over1 += lateMs > 1 ? 1 : 0;
        over2 += lateMs > 2 ? 1 : 0;
        over4 += lateMs > 4 ? 1 : 0;
    }
    std::printf("%ld wake-ups%s: late > 1 ms %ld, > 2 ms %ld, > 4 ms %ld; worst %.1f ms\n",
                seconds * 1000, realTime ? "" : " (not real-time: no privilege)", over1, over2,
                over4, worst);
    return 0;
}
