// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// With ARCADE_REPORT_PAINT set, prints "first-paint <ms since the process started>
// <CLOCK_MONOTONIC ns>" once the first window has been painted; nothing is installed otherwise.
// The arcade and the bare-window baseline of bench/perf share it, so both report alike.
// Header only, on Qt Widgets alone, so that the baseline stays a bare Qt program.

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace firstpaint {

class FirstPaintReport final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow()) {
            qApp->removeEventFilter(this);
            // Queued: by then the window and its children are painted and flushed.
            QMetaObject::invokeMethod(
                this, [] { print(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static void print()
    {
        timespec mono{}, boot{};
        clock_gettime(CLOCK_MONOTONIC, &mono);
        clock_gettime(CLOCK_BOOTTIME, &boot);
        // Field 22 of /proc/self/stat: the process's start, in clock ticks since boot.
        std::ifstream file("/proc/self/stat");
        std::string stat;
        std::getline(file, stat);
        std::istringstream fields(stat.substr(stat.rfind(')') + 2));
        std::string field;
        for (int i = 3; i <= 22; ++i)
            fields >> field;
        const double started = std::stod(field) * 1000.0 / double(sysconf(_SC_CLK_TCK));
        const double now = double(boot.tv_sec) * 1000.0 + double(boot.tv_nsec) / 1e6;
        std::printf("first-paint %.1f %lld\n", now - started,
                    (long long)mono.tv_sec * 1'000'000'000LL + mono.tv_nsec);
        std::fflush(stdout);
    }
};

inline void installIfAsked(QApplication &app)
{
    if (qEnvironmentVariableIsSet("ARCADE_REPORT_PAINT"))
        app.installEventFilter(new FirstPaintReport(&app));
}

} // namespace firstpaint
