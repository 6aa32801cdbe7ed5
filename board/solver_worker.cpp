#include "board/solver_worker.h"

namespace tintineables {

SolverWorker::SolverWorker(std::function<void(const SolverAnswer&)> answered)
    : answered_(std::move(answered)), thread_([this] { Run(); }) {}

SolverWorker::~SolverWorker() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        waiting_.reset();
    }
    wake_.notify_one();
    thread_.join();
}

void SolverWorker::Ask(const SolverQuestion& question) {
    {
        std::lock_guard lock(mutex_);
        waiting_ = question;
    }
    wake_.notify_one();
}

void SolverWorker::Forget() {
    std::lock_guard lock(mutex_);
    waiting_.reset();
}

void SolverWorker::Run() {
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return stopping_ || waiting_.has_value(); });
        if (stopping_) {
            return;
        }
        const SolverQuestion question = *waiting_;
        waiting_.reset();
        lock.unlock();
        const SolverAnswer answer = AnswerQuestion(question);
        answered_(answer);
        lock.lock();
    }
}

} // namespace tintineables
