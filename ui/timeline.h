// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scheduler.h"

#include <functional>
#include <map>
#include <memory>

namespace ui {

// The clock of one window. Every pause, frame step and timer tick of the window is scheduled
// here, so that the window can cancel all of them at once when it unloads, or run them all
// at once, unseen, when it is closed in the middle of a play (finishNow).
class Timeline
{
public:
    using Id = std::uint64_t;
    explicit Timeline(Scheduler &scheduler) : scheduler_(scheduler) {}
    ~Timeline();
    Timeline(const Timeline &) = delete;
    Timeline &operator=(const Timeline &) = delete;

    // While a callback runs, the time it was due (so that a pause taken in it counts from when
    // the previous one was due, and waking late does not add up over many short pauses); the
    // clock's time otherwise.
    Ms now() const;
    // Runs fn once after span. Returns a non-zero id.
    Id after(Ms span, std::function<void()> fn);
    void cancel(Id id);
    bool busy() const { return !pending_.empty(); }
    bool hurrying() const { return hurrying_; }

    // Runs everything that is pending, and everything that it schedules in turn, in order of
    // due time without waiting. Stops after `limit` callbacks so that a timer that never stops
    // cannot hang the program; what is left is then dropped.
    void finishNow(int limit = 1'000'000);

private:
    struct Entry
    {
        Ms due;
        std::function<void()> fn;
        Scheduler::Id ticket = 0;
    };
    void fire(Id id);

    // A callback that runs more than this after its due time (the machine stalled or slept) is
    // not made up for: the time from then on counts from when it ran.
    static constexpr Ms MaxCatchUp{250};

    Scheduler &scheduler_;
    std::map<Id, Entry> pending_;
    Id next_ = 1;
    bool hurrying_ = false;
    Ms hurryNow_{0};
    bool firing_ = false;
    Ms firingNow_{0};
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// A periodic timer: interval 0 stops it; any other interval makes it tick every that many
// milliseconds, and setting the interval restarts the countdown to the next tick.
class PeriodicTimer
{
public:
    PeriodicTimer(Timeline &timeline, std::function<void()> onTick)
        : timeline_(timeline), onTick_(std::move(onTick))
    {
    }
    ~PeriodicTimer() { timeline_.cancel(ticket_); }
    PeriodicTimer(const PeriodicTimer &) = delete;
    PeriodicTimer &operator=(const PeriodicTimer &) = delete;

    int interval() const { return interval_; }
    void setInterval(int ms);

private:
    void arm();
    Timeline &timeline_;
    std::function<void()> onTick_;
    int interval_ = 0;
    Timeline::Id ticket_ = 0;
};

} // namespace ui
