// SPDX-License-Identifier: GPL-3.0-or-later
#include "scheduler.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

namespace ui {

struct RealScheduler::Impl
{
    QElapsedTimer clock;
    std::unordered_map<Id, std::unique_ptr<QTimer>> timers;
    Id next = 1;
};

RealScheduler::RealScheduler() : d(std::make_unique<Impl>()) { d->clock.start(); }

RealScheduler::~RealScheduler() = default;

Ms RealScheduler::now() const { return Ms(d->clock.elapsed()); }

Scheduler::Id RealScheduler::at(Ms due, std::function<void()> fn)
{
    const Id id = d->next++;
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer.get(), &QTimer::timeout, [this, id, fn = std::move(fn)]() mutable {
        // Release the timer before running fn: fn may schedule or cancel others freely.
        auto node = d->timers.extract(id);
        auto keep = std::move(fn);
        if (node) node.mapped().release()->deleteLater();
        keep();
    });
    const auto wait = std::max<qint64>(0, (due - now()).count());
    timer->start(int(std::min<qint64>(wait, 0x7fffffff)));
    d->timers.emplace(id, std::move(timer));
    return id;
}

void RealScheduler::cancel(Id id) { d->timers.erase(id); }

Scheduler::Id VirtualScheduler::at(Ms due, std::function<void()> fn)
{
    const Id id = next_++;
    due = std::max(due, now_);
    queue_.emplace(Key{due, id}, std::move(fn));
    dueOf_.emplace(id, due);
    return id;
}

void VirtualScheduler::cancel(Id id)
{
    auto it = dueOf_.find(id);
    if (it == dueOf_.end()) return;
    queue_.erase(Key{it->second, id});
    dueOf_.erase(it);
}

Ms VirtualScheduler::nextDue() const { return queue_.empty() ? now_ : queue_.begin()->first.first; }

void VirtualScheduler::advance(Ms span)
{
    const Ms end = now_ + span;
    while (!queue_.empty() && queue_.begin()->first.first <= end) {
        auto node = queue_.extract(queue_.begin());
        dueOf_.erase(node.key().second);
        now_ = node.key().first;
        node.mapped()();
    }
    now_ = end;
}

Ms VirtualScheduler::runUntilIdle(Ms limit)
{
    const Ms start = now_;
    while (!queue_.empty() && queue_.begin()->first.first - start <= limit)
        advance(queue_.begin()->first.first - now_);
    return now_ - start;
}

} // namespace ui
