#pragma once
// Recordings each decoded once, for a host that starts quickly: those its first screen plays
// before that screen shows, and the rest behind it, on a thread of their own, the shortest first
// (the earcons and the words, which the board plays on every key, before the minutes of the
// tutorial). A sound that needs one still waiting has it decoded next and waits for it alone; how
// many sounds waited is counted, for the benchmark and the tests, which expect none.
#include "sound/recordings.h"
#include "sound/run_time_error.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace tintineables {

template <class Decoded> class DecodingBehind {
public:
    // Decodes one recording, or throws with the reason it cannot.
    using Decoder = std::function<Decoded(const Recording&)>;

    // Decodes those named in `first` now, letting a failure through; the others on the thread,
    // or all of them now when `first` is empty.
    DecodingBehind(std::vector<Recording> recordings, Decoder decode,
                   const std::vector<std::string_view>& first)
        : decode_(std::move(decode)) {
        for (Recording& recording : recordings) {
            entries_[std::string(recording.fileName)].recording = std::move(recording);
        }
        for (auto& [name, entry] : entries_) {
            if (first.empty() || std::find(first.begin(), first.end(), name) != first.end()) {
                entry.decoded = decode_(entry.recording);
                entry.done = true;
                LetGo(entry.recording.bytes);
            }
        }
        if (!AllDecoded()) {
            thread_ = std::thread([this] {
                while (DecodeOneMore()) {
                }
            });
        }
    }
    ~DecodingBehind() {
        {
            const std::lock_guard lock(mutex_);
            stop_ = true;
        }
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    DecodingBehind(const DecodingBehind&) = delete;
    DecodingBehind& operator=(const DecodingBehind&) = delete;

    bool Has(std::string_view fileName) const { return entries_.contains(fileName); }

    // The decoded recording, waiting for it if it is still being decoded; null for a name that is
    // no recording; RunTimeError, with the reason, for one that could not be decoded.
    Decoded* Get(std::string_view fileName) {
        const auto found = entries_.find(fileName);
        if (found == entries_.end()) {
            return nullptr;
        }
        Entry& entry = found->second;
        std::unique_lock lock(mutex_);
        if (!entry.done) {
            ++waits_;
            wanted_ = fileName;
            decodedOne_.wait(lock, [&] { return entry.done; });
        }
        if (!entry.problem.empty()) {
            throw RunTimeError(entry.problem);
        }
        return &entry.decoded;
    }

    int SoundsThatWaited() const {
        const std::lock_guard lock(mutex_);
        return waits_;
    }
    bool AllDecoded() const {
        const std::lock_guard lock(mutex_);
        return std::all_of(entries_.begin(), entries_.end(),
                           [](const auto& entry) { return entry.second.done; });
    }

private:
    // Decodes the next recording left (the one a sound waits for, else the shortest); whether any
    // is left after it.
    bool DecodeOneMore() {
        Entry* next = nullptr;
        {
            const std::lock_guard lock(mutex_);
            next = stop_ ? nullptr : Next();
        }
        if (next == nullptr) {
            return false;
        }
        Decoded decoded{};
        std::string problem;
        try {
            decoded = decode_(next->recording);
        } catch (const std::exception& error) {
            problem = error.what();
        }
        const std::lock_guard lock(mutex_);
        next->decoded = std::move(decoded);
        next->problem = std::move(problem);
        next->done = true;
        LetGo(next->recording.bytes);
        decodedOne_.notify_all();
        return Next() != nullptr;
    }

    // Made at the start and never moved: `decoded` is written once, by whichever thread decodes
    // it, before `done` is set under the mutex.
    struct Entry {
        Recording recording; // its bytes kept until it is decoded
        Decoded decoded{};
        bool done = false;
        std::string problem;
    };

    // A file's bytes once it is decoded: clearing a vector would keep its memory.
    static void LetGo(std::vector<std::uint8_t>& bytes) { std::vector<std::uint8_t>().swap(bytes); }

    Entry* Next() { // with the mutex held
        if (const auto wanted = entries_.find(wanted_);
            wanted != entries_.end() && !wanted->second.done) {
            return &wanted->second;
        }
        Entry* next = nullptr;
        for (auto& [name, entry] : entries_) {
            if (!entry.done &&
                (next == nullptr || entry.recording.bytes.size() < next->recording.bytes.size())) {
                next = &entry;
            }
        }
        return next;
    }

    Decoder decode_;
    std::map<std::string, Entry, std::less<>> entries_;
    mutable std::mutex mutex_; // guards `done`, `problem`, wanted_, waits_ and stop_
    std::condition_variable decodedOne_;
    std::string wanted_;
    int waits_ = 0;
    bool stop_ = false;
    std::thread thread_;
};

} // namespace tintineables
