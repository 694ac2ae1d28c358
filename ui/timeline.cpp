// SPDX-License-Identifier: GPL-3.0-or-later
#include "timeline.h"

#include <algorithm>

namespace ui {

Timeline::~Timeline()
{
    for (auto &[id, e] : pending_)
        if (e.ticket) scheduler_.cancel(e.ticket);
}

Ms Timeline::now() const
{
    if (hurrying_) return hurryNow_;
    return firing_ ? firingNow_ : scheduler_.now();
}

Timeline::Id Timeline::after(Ms span, std::function<void()> fn)
{
    const Id id = next_++;
    Entry e{now() + std::max(span, Ms(0)), std::move(fn)};
    if (!hurrying_) e.ticket = scheduler_.at(e.due, [this, id] { fire(id); });
    pending_.emplace(id, std::move(e));
    return id;
}

void Timeline::cancel(Id id)
{
    auto it = pending_.find(id);
    if (it == pending_.end()) return;
    if (it->second.ticket) scheduler_.cancel(it->second.ticket);
    pending_.erase(it);
}

void Timeline::fire(Id id)
{
    auto node = pending_.extract(id);
    if (!node) return;
    const Ms due = node.mapped().due, ran = scheduler_.now();
    firingNow_ = ran - due > MaxCatchUp ? ran : due;
    firing_ = true;
    const std::weak_ptr<bool> alive = alive_;
    node.mapped().fn();
    if (!alive.expired()) firing_ = false; // the callback may have ended the window and this
}

void Timeline::finishNow(int limit)
{
    if (hurrying_) return;
    hurrying_ = true;
    hurryNow_ = scheduler_.now();
    for (auto &[id, e] : pending_) {
        if (e.ticket) scheduler_.cancel(e.ticket);
        e.ticket = 0;
    }
    for (int n = 0; n < limit && !pending_.empty(); ++n) {
        // Earliest due first; ids grow with scheduling order, so they break ties.
        auto first = std::min_element(pending_.begin(), pending_.end(), [](auto &a, auto &b) {
            return a.second.due != b.second.due ? a.second.due < b.second.due : a.first < b.first;
        });
        hurryNow_ = std::max(hurryNow_, first->second.due);
        auto node = pending_.extract(first);
        node.mapped().fn();
    }
    pending_.clear();
    hurrying_ = false;
}

void PeriodicTimer::setInterval(int ms)
{
    interval_ = std::max(ms, 0);
    timeline_.cancel(ticket_);
    ticket_ = 0;
    arm();
}

void PeriodicTimer::arm()
{
    if (interval_ == 0) return;
    ticket_ = timeline_.after(Ms(interval_), [this] {
        ticket_ = 0;
        arm(); // the next tick counts from this one, unless the handler sets a new interval
        onTick_();
    });
}

} // namespace ui
