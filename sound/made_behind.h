#pragma once
// Sounds made once each, behind the game's back: recordings decoded as a host starts (those its
// first screen plays before that screen shows, the rest behind it), or the speech made again at a
// new pace. Those asked for first are made at once; the rest on a thread of their own, the
// smallest first (the earcons and the words, which the board plays on every key, before the
// minutes of the tutorial). A sound that needs one not made yet makes it itself, at once, rather
// than wait behind the one the thread is making, and waits only for one already under way; how
// many sounds waited for their making is counted, for the benchmark and the tests.
#include "sound/run_time_error.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace tintineables {

template <class Made> class MadeBehind {
public:
    // One sound to make: its bare file name, how large it is (the smallest are made first), and
    // how; the making throws with the reason it cannot, and may give up once `stopping` is set.
    struct Job {
        std::string name;
        std::size_t size = 0;
        std::function<Made(const std::atomic<bool>& stopping)> make;
    };

    // Makes those named in `first` now, letting a failure through, and the others on the thread;
    // or, not `behind`, all of them now.
    MadeBehind(std::vector<Job> jobs, const std::vector<std::string_view>& first,
               bool behind = true) {
        for (Job& job : jobs) {
            entries_[job.name].job = std::move(job);
        }
        for (auto& [name, entry] : entries_) {
            if (!behind || std::find(first.begin(), first.end(), name) != first.end()) {
                entry.made = entry.job.make(stopping_);
                entry.job.make = nullptr; // and what it held for the making with it
                entry.taken = entry.done = true;
            }
        }
        if (!AllMade()) {
            thread_ = std::thread([this] {
                while (MakeOneMore()) {
                }
            });
        }
    }
    // Stops: a making under way is told to give up, and none starts.
    ~MadeBehind() {
        stopping_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    MadeBehind(const MadeBehind&) = delete;
    MadeBehind& operator=(const MadeBehind&) = delete;

    bool Has(std::string_view name) const { return entries_.contains(name); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& [name, entry] : entries_) {
            names.push_back(name);
        }
        return names;
    }
    std::size_t Size(std::string_view name) const { return entries_.find(name)->second.job.size; }

    // The sound made, waiting for it if it is not made yet (a sound that waits: counted); null
    // for a name it does not make; RunTimeError, with the reason, for one that could not be made.
    Made* Get(std::string_view name) { return Wait(name, true); }
    // The same, for a making of something else, which is no sound waiting.
    Made* Await(std::string_view name) { return Wait(name, false); }

    int SoundsThatWaited() const {
        const std::lock_guard lock(mutex_);
        return waits_;
    }
    bool AllMade() const {
        const std::lock_guard lock(mutex_);
        return std::all_of(entries_.begin(), entries_.end(),
                           [](const auto& entry) { return entry.second.done; });
    }

private:
    Made* Wait(std::string_view name, bool counted) {
        const auto found = entries_.find(name);
        if (found == entries_.end()) {
            return nullptr;
        }
        Entry& entry = found->second;
        std::unique_lock lock(mutex_);
        if (!entry.done) {
            waits_ += counted ? 1 : 0;
            if (!entry.taken) {
                entry.taken = true;
                lock.unlock();
                Make(entry);
                lock.lock();
            }
            madeOne_.wait(lock, [&] { return entry.done; });
        }
        if (!entry.problem.empty()) {
            throw RunTimeError(entry.problem);
        }
        return &entry.made;
    }

    // Made at the start and never moved: `made` is written once, by the one thread that took
    // it, before `done` is set under the mutex.
    struct Entry {
        Job job;
        Made made{};
        bool taken = false; // a thread is making it
        bool done = false;
        std::string problem;
    };

    // Makes the smallest sound nobody has taken yet; whether any is left after it.
    bool MakeOneMore() {
        Entry* next = nullptr;
        {
            const std::lock_guard lock(mutex_);
            next = stopping_ ? nullptr : Next();
            if (next != nullptr) {
                next->taken = true;
            }
        }
        if (next == nullptr) {
            return false;
        }
        Make(*next);
        const std::lock_guard lock(mutex_);
        return Next() != nullptr;
    }

    // Makes a sound taken by this thread, and tells every thread waiting for one.
    void Make(Entry& entry) {
        Made made{};
        std::string problem;
        try {
            made = entry.job.make(stopping_);
        } catch (const std::exception& error) {
            problem = error.what();
        }
        entry.job.make = nullptr;
        const std::lock_guard lock(mutex_);
        entry.made = std::move(made);
        entry.problem = std::move(problem);
        entry.done = true;
        madeOne_.notify_all();
    }

    Entry* Next() { // with the mutex held
        Entry* next = nullptr;
        for (auto& [name, entry] : entries_) {
            if (!entry.taken && (next == nullptr || entry.job.size < next->job.size)) {
                next = &entry;
            }
        }
        return next;
    }

    std::map<std::string, Entry, std::less<>> entries_;
    mutable std::mutex mutex_; // guards `taken`, `done`, `problem` and waits_
    std::condition_variable madeOne_;
    int waits_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

} // namespace tintineables
