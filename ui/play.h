#pragma once

#include "timeline.h"

#include <coroutine>
#include <exception>
#include <utility>

namespace ui {

// A play: one coroutine that runs an animation or a game step by step, pausing on the window's
// Timeline. It starts when start() is called and runs until its first pause. The window owns its Play;
// destroying the Play destroys the coroutine frame wherever it stands, and any pause it was
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

} // namespace ui
