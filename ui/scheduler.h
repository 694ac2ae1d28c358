// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <unordered_map>

class QTimer;

namespace ui {

using Ms = std::chrono::milliseconds;

// One source of time for every pause, frame step and timer tick of the arcade. The real scheduler
// runs on precise Qt timers; the virtual one is a clock that a test advances by hand.
class Scheduler
{
public:
    using Id = std::uint64_t;
    virtual ~Scheduler() = default;
    virtual Ms now() const = 0;
    // Runs fn once, on the event loop, when the clock reaches due. Returns a non-zero id.
    virtual Id at(Ms due, std::function<void()> fn) = 0;
    // Forgets a callback that has not run yet; unknown ids are ignored.
    virtual void cancel(Id id) = 0;
};

class RealScheduler final : public Scheduler
{
public:
    RealScheduler();
    ~RealScheduler() override;
    Ms now() const override;
    Id at(Ms due, std::function<void()> fn) override;
    void cancel(Id id) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// A clock that stands still until advance() moves it. Callbacks run in order of their due time
// (and of scheduling for equal times), each with now() equal to its due time.
class VirtualScheduler final : public Scheduler
{
public:
    Ms now() const override { return now_; }
    Id at(Ms due, std::function<void()> fn) override;
    void cancel(Id id) override;

    // Moves the clock forward by span, running every callback that falls due on the way.
    void advance(Ms span);
    // Runs callbacks until none is left or limit has passed; returns the time taken.
    Ms runUntilIdle(Ms limit = Ms(3'600'000));
    bool idle() const { return queue_.empty(); }
    // Due time of the next callback, if any.
    Ms nextDue() const;

private:
    using Key = std::pair<Ms, Id>;
    std::map<Key, std::function<void()>> queue_;
    std::unordered_map<Id, Ms> dueOf_;
    Ms now_{0};
    Id next_ = 1;
};

} // namespace ui
