#pragma once
// Answers the solver's questions on a thread of its own, so that the thread that takes the
// player's keys never waits for one: a key and its cue go on while the answer is worked out.
#include "board/solver_question.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace tintineables {

// Works out one question at a time. A question asked while another waits replaces it; the
// asker drops answers to questions it has since forgotten (by their id). `answered` runs on the
// worker's thread.
class SolverWorker {
public:
    explicit SolverWorker(std::function<void(const SolverAnswer&)> answered);
    ~SolverWorker(); // waits for a question under way, then ends the thread
    SolverWorker(const SolverWorker&) = delete;
    SolverWorker& operator=(const SolverWorker&) = delete;

    void Ask(const SolverQuestion& question);
    // Drops the question waiting, if any.
    void Forget();

private:
    void Run();

    std::function<void(const SolverAnswer&)> answered_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<SolverQuestion> waiting_;
    bool stopping_ = false;
    std::thread thread_; // last: it starts once everything above is ready
};

} // namespace tintineables
