#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Work on items that come one by one, done on a second thread while the caller goes on with
// its own: `geben` hands an item over (in blocks, so that the threads seldom meet) and the
// items are worked on in the order given. What an item points to must stay as it is until
// `leeren` or `warten` returned.
template <class T> class Nebenlauf {
public:
    explicit Nebenlauf(std::function<void(const T&)> arbeit)
        : arbeit_(std::move(arbeit)), faden_([this] { laufen(); }) {
        block_.reserve(kBlock);
    }
    ~Nebenlauf() {
        try {
            warten();
        } catch (...) {
            // A caller that wanted to hear of it waited before.
        }
    }
    Nebenlauf(const Nebenlauf&) = delete;
    Nebenlauf& operator=(const Nebenlauf&) = delete;

    void geben(T t) {
        block_.push_back(std::move(t));
        if (block_.size() == kBlock) abgeben(false);
    }
    // Returns once every item given so far is done; more may be given after it.
    void leeren() {
        abgeben(false);
        std::unique_lock lock(m_);
        erledigtCv_.wait(lock, [this] { return erledigt_ == gegeben_; });
    }
    // Returns once every item is done and the second thread ended; an exception the work threw
    // comes out here (the items after it were left).
    void warten() {
        if (!faden_.joinable()) return;
        abgeben(true);
        faden_.join();
        if (fehler_) std::rethrow_exception(std::exchange(fehler_, nullptr));
    }

private:
    static constexpr std::size_t kBlock = 256;

    void abgeben(bool ende) {
        {
            std::lock_guard lock(m_);
            warteschlange_.insert(warteschlange_.end(), block_.begin(), block_.end());
            gegeben_ += block_.size();
            ende_ = ende_ || ende;
        }
        block_.clear();
        neuCv_.notify_one();
    }
    void laufen() {
        std::vector<T> jetzt;
        for (;;) {
            {
                std::unique_lock lock(m_);
                neuCv_.wait(lock, [this] { return ende_ || !warteschlange_.empty(); });
                if (warteschlange_.empty()) return;
                jetzt.swap(warteschlange_);
            }
            for (const T& t : jetzt)
                bearbeiten(t);
            {
                std::lock_guard lock(m_);
                erledigt_ += jetzt.size();
            }
            erledigtCv_.notify_all();
            jetzt.clear();
        }
    }
    void bearbeiten(const T& t) {
        if (fehler_) return;
        try {
            arbeit_(t);
        } catch (...) {
            fehler_ = std::current_exception();
        }
    }

    std::function<void(const T&)> arbeit_;
    std::vector<T> block_; // the caller's, not yet handed over
    std::mutex m_;
    std::condition_variable neuCv_, erledigtCv_;
    std::vector<T> warteschlange_;
    std::size_t gegeben_ = 0, erledigt_ = 0;
    bool ende_ = false;
    std::exception_ptr fehler_; // the second thread's until it ended
    std::thread faden_;         // last: it starts once the rest is in place
};
