// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline of the start-up, memory and idle figures: a bare Qt program that opens one small
// window with a label and a button, built with the arcade's flags. With ARCADE_REPORT_PAINT set
// it reports its first paint with the arcade's own code (app/firstpaint.h).
//
// "perf_baseline spin": the floor of a slot spin's CPU, what Qt itself costs for the motion: three
// plain strips moved in a 96 x 32 view once a 60 Hz frame for the spin's 3588 ms, printed as
// "spin real_ms=.. cpu_pct=.." (CPU time of the whole process over the motion, in % of a core).
#include "app/firstpaint.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

int spin(QApplication &app)
{
    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.setFixedSize(268, 201);
    QWidget view(&window);
    view.setGeometry(20, 20, 96, 32);
    QWidget *strips[3];
    for (int k = 0; k < 3; ++k) {
        strips[k] = new QWidget(&view);
        strips[k]->setGeometry(32 * k, 0, 32, 352);
        strips[k]->setAutoFillBackground(true);
        QPalette p = strips[k]->palette();
        p.setColor(QPalette::Window, QColor(60 * k, 120, 200));
        strips[k]->setPalette(p);
    }
    window.show();
    QElapsedTimer clock;
    double cpu = 0;
    int frame = 0;
    QTimer frames;
    frames.setTimerType(Qt::PreciseTimer);
    frames.setInterval(16);
    QObject::connect(&frames, &QTimer::timeout, &app, [&] {
        ++frame;
        for (int k = 0; k < 3; ++k)
            strips[k]->move(strips[k]->x(), -((frame * (k + 3)) % 320));
        if (clock.elapsed() < 3588) return;
        frames.stop();
        const double real = double(clock.elapsed());
        std::printf("spin real_ms=%.1f cpu_pct=%.3f\n", real,
                    100 * (cpuSeconds() - cpu) / (real / 1000));
        app.quit();
    });
    // Started once the window is up, as the arcade's spin starts in a window already shown.
    QTimer::singleShot(800, &app, [&] {
        cpu = cpuSeconds();
        clock.start();
        frames.start();
    });
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "spin") == 0) return spin(app);
    firstpaint::installIfAsked(app);

    // The size of the arcade's menu (268 x 201 pixels).
    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.setFixedSize(268, 201);
    QLabel label(QStringLiteral("Hello"), &window);
    label.setGeometry(16, 16, 120, 24);
    QPushButton button(QStringLiteral("OK"), &window);
    button.setGeometry(16, 56, 96, 32);
    QObject::connect(&button, &QPushButton::clicked, &app, &QApplication::quit);
    window.show();
    return app.exec();
}
