#include "bench/slow_players.h"

#include <chrono>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace tintineables::bench {

double SpawnPlayerProcess(const std::string& program, const std::filesystem::path& file) {
    std::string path = "/usr/bin/" + program;
    if (!std::filesystem::exists(path)) {
        return -1;
    }
    std::string quiet = "-q", device = "-D", null = "null", name = file.string();
    char* argv[] = {path.data(), quiet.data(), device.data(), null.data(), name.data(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) != 0) {
        return -1;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace tintineables::bench
