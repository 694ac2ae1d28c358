// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <random>

namespace ui {

// The one source of chance. rnd() is uniform in [0, 1); pick(n) is Int(n * Rnd), an integer
// from 0 to n - 1. reseed() re-seeds from the clock, which the games do at fixed moments.
class Random
{
public:
    virtual ~Random() = default;
    virtual double rnd() = 0;
    virtual void reseed() = 0;
    int pick(int n) { return int(n * rnd()); }
};

class SystemRandom final : public Random
{
public:
    SystemRandom();
    double rnd() override;
    void reseed() override;

private:
    std::mt19937_64 engine_;
};

// Replays scripted values for tests. push(v) queues a raw Rnd value; pushPick(k, n) queues the
// value for which pick(n) gives k. When the script runs out it answers `fallback`.
class ScriptedRandom final : public Random
{
public:
    double rnd() override;
    void reseed() override { ++reseeds; }
    void push(double v) { script_.push_back(v); }
    void pushPick(int k, int n) { push((k + 0.5) / n); }
    bool exhausted() const { return script_.empty(); }
    std::size_t left() const { return script_.size(); }
    double fallback = 0.0;
    int reseeds = 0;

private:
    std::deque<double> script_;
};

} // namespace ui
