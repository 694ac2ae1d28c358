// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timeline.h"

#include <cmath>
#include <coroutine>
#include <exception>
#include <utility>

namespace ui {

// A play: one coroutine that runs an animation or a game step by step, pausing on the window's
// Timeline. It starts when start() is called and runs until its first pause. The window owns its
// Play; destroying the Play destroys the coroutine frame wherever it stands, and any pause it was
// waiting in is cancelled with it, so nothing is ever resumed on a dead window.
class Play
{
public:
    struct promise_type
    {
        Play get_return_object()
        {
            return Play(std::coroutine_handle<promise_type>::from_promise(*this));
        }
        std::suspend_always initial_suspend() noexcept { return {}; }
        // Stay suspended at the end so that the owner can see done() and free the frame.
        std::suspend_always final_suspend() noexcept { return {}; }
        void return_void() {}
        void unhandled_exception() { std::terminate(); }
    };

    Play() = default;
    Play(Play &&other) noexcept
        : handle_(std::exchange(other.handle_, {})), started_(std::exchange(other.started_, false))
    {
    }
    Play &operator=(Play &&other) noexcept
    {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, {});
            started_ = std::exchange(other.started_, false);
        }
        return *this;
    }
    ~Play() { reset(); }

    // Runs the play up to its first pause (or to its end).
    void start()
    {
        if (handle_ && !handle_.done() && !started_) {
            started_ = true;
            handle_.resume();
        }
    }
    // True while the play has started and not yet returned.
    bool running() const { return started_ && handle_ && !handle_.done(); }
    void reset()
    {
        if (handle_) std::exchange(handle_, {}).destroy();
        started_ = false;
    }

private:
    explicit Play(std::coroutine_handle<promise_type> h) : handle_(h) {}
    std::coroutine_handle<promise_type> handle_;
    bool started_ = false;
};

// co_await pause(timeline, 250ms): suspends the play for that long. The window keeps handling
// events meanwhile; nothing spins and no nested event loop runs.
class Pause
{
public:
    Pause(Timeline &timeline, Ms span) : timeline_(&timeline), span_(span) {}
    Pause(const Pause &) = delete;
    Pause &operator=(const Pause &) = delete;
    ~Pause()
    {
        if (ticket_) timeline_->cancel(ticket_);
    }

    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> h)
    {
        ticket_ = timeline_->after(span_, [this, h] {
            ticket_ = 0;
            h.resume();
        });
    }
    void await_resume() const noexcept {}

private:
    Timeline *timeline_;
    Ms span_;
    Timeline::Id ticket_ = 0;
};

// The frames of an animation that may come faster than the screen can show them. Every frame
// keeps its time on the timeline (the sum of the lengths of the frames before it), so the
// animation lasts exactly as long as its frames; but only the first frame due in each frame of
// the display, and the last frame, are drawn, and the play wakes only for those:
//
//     ui::PacedFrames frames = pacedFrames();
//     for (int i = 0; i < n; ++i) {
//         step(i);                                         // the rules of every frame
//         if (co_await frames.frame(i == n - 1)) draw();   // waits until a drawn frame is due
//         frames.elapse(length(i));
//     }
//     co_await frames.end();                               // until the last frame is over
class PacedFrames
{
public:
    // displayHz: the frames the screen shows in a second.
    PacedFrames(Timeline &timeline, double displayHz)
        : timeline_(&timeline), hz_(displayHz > 0 ? displayHz : 60)
    {
    }

    class Wait
    {
    public:
        Wait(Timeline &timeline, Ms span, bool drawn)
            : pause_(timeline, span), drawn_(drawn), ready_(!drawn || span <= Ms(0))
        {
        }
        bool await_ready() const noexcept { return ready_; }
        void await_suspend(std::coroutine_handle<> h) { pause_.await_suspend(h); }
        // Whether the frame is drawn.
        bool await_resume() const noexcept { return drawn_; }

    private:
        Pause pause_;
        bool drawn_, ready_;
    };

    // The frame now due: drawn if it is the first in its display frame, or the last.
    Wait frame(bool last = false)
    {
        // The display frame the frame falls in (multiplied first: whole for whole times).
        const double tick = std::floor(double(due_.count()) * hz_ / 1000);
        if (!last && tick <= drawnTick_) return Wait(*timeline_, Ms(0), false);
        drawnTick_ = tick;
        const Ms span = due_ - waited_;
        waited_ = due_;
        return Wait(*timeline_, span, true);
    }
    // The frame now due lasts this long.
    void elapse(Ms length) { due_ += length; }
    // Waits until the last frame is over.
    Pause end()
    {
        const Ms span = due_ - waited_;
        waited_ = due_;
        return Pause(*timeline_, span);
    }

private:
    Timeline *timeline_;
    double hz_;
    double drawnTick_ = -1; // the display frame of the last frame drawn
    Ms due_{0}, waited_{0};
};

} // namespace ui
