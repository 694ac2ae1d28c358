// SPDX-License-Identifier: GPL-3.0-or-later
#include "random.h"

#include <chrono>

namespace ui {

SystemRandom::SystemRandom() { reseed(); }

double SystemRandom::rnd()
{
    return std::generate_canonical<double, 53>(engine_) * (1.0 - 1e-16); // never exactly 1
}

void SystemRandom::reseed()
{
    // The clock alone would repeat a sequence for two re-seeds within one tick; mix in the
    // engine's own state so that every re-seed moves on.
    const auto t = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq seq{std::uint64_t(t), std::uint64_t(t >> 32), engine_(), std::uint64_t(std::random_device{}())};
    engine_.seed(seq);
}

double ScriptedRandom::rnd()
{
    if (script_.empty()) return fallback;
    const double v = script_.front();
    script_.pop_front();
    return v;
}

} // namespace ui
