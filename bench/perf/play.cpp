// SPDX-License-Identifier: GPL-3.0-or-later
// perf_play: the arcade's plays and windows on the real clock, in one process (run.sh runs it).
//
//   perf_play play GAME REPS    GAME is roulette, bingo, dice, slot or dograce
//   perf_play cycle ROUNDS [FORM]  opens and leaves each of the nine games (or the one of that
//                                  form name, "Slot") ROUNDS times
//
// A play is staked and started by clicking its buttons by objectName, then left to run on the
// real clock while this program only waits in the event loop. Each play prints
//   play GAME real_ms=.. target_ms=.. virtual_ms=.. cpu_pct=.. [stop_lamp=..]
// real_ms: from the START click to the end of the play as a player sees it; target_ms: the
// length the game's timings give; virtual_ms: the length of the pauses that ran, as the virtual
// clock would show it; cpu_pct: CPU time of the whole process over real_ms, in % of one core.
// The cycle prints after each round
//   round R rss_kb=.. heap_kb=.. widgets=.. windows=..
#include "games/dice/dicerules.h"
#include "games/roulette/wheel.h"
#include "games/slot/reels.h"
#include "games/slot/slot.h"
#include "shell/arcade.h"
#include "shell/gamemain.h"
#include "shell/gametable.h"
#include "frame/gamewindow.h"
#include "ui/form.h"
#include "ui/placement.h"
#include "ui/random.h"
#include "ui/scheduler.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <string>

namespace {

// The real clock, noting the due time of the last callback that ran: for a play started at
// `start`, lastDue - start is how long its pauses add up to (what the virtual clock would show).
class MeteredScheduler final : public ui::Scheduler
{
public:
    ui::Ms now() const override { return real_.now(); }
    Id at(ui::Ms due, std::function<void()> fn) override
    {
        return real_.at(due, [this, due, fn = std::move(fn)] {
            lastDue = due;
            fn();
        });
    }
    void cancel(Id id) override { real_.cancel(id); }
    ui::Ms lastDue{0};

private:
    ui::RealScheduler real_;
};

// Calls fn after every event of one type that one object receives.
class Watch final : public QObject
{
public:
    Watch(QObject *watched, QEvent::Type type, std::function<void()> fn)
        : watched_(watched), type_(type), fn_(std::move(fn))
    {
        watched_->installEventFilter(this);
    }
    ~Watch() override
    {
        if (watched_) watched_->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o == watched_ && e->type() == type_) fn_();
        return false;
    }

private:
    QPointer<QObject> watched_;
    QEvent::Type type_;
    std::function<void()> fn_;
};

// Runs the event loop until `done` holds after an event of `type` reaches `watched`; false when
// timeoutMs passes first. The loop sleeps in the event dispatcher: waiting costs no CPU.
bool waitFor(QObject *watched, QEvent::Type type, const std::function<bool()> &done, int timeoutMs)
{
    if (!watched) return false;
    QEventLoop loop;
    Watch watch(watched, type, [&] {
        if (done()) loop.exit(0);
    });
    QTimer timeout; // a timer of its own: a pending single-shot would outlive every wait
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, [&] { loop.exit(1); });
    timeout.start(timeoutMs);
    return loop.exec() == 0;
}

bool waitPainted(QWidget *w)
{
    return waitFor(
        w, QEvent::Paint, [] { return true; }, 20'000);
}

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

long rssKb()
{
    std::ifstream file("/proc/self/status");
    std::string line;
    while (std::getline(file, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

[[noreturn]] void die(const char *why)
{
    std::fprintf(stderr, "perf_play: %s\n", why);
    std::exit(1);
}

QAbstractButton *button(QWidget *w, const QString &name)
{
    auto *b = w->findChild<QAbstractButton *>(name);
    if (!b) die(qPrintable("no button " + name));
    return b;
}

struct PlaySpec
{
    const char *game;
    const char *form;
    const char *stakeButton;
    const char *startButton;
    // The play has ended for the player: this widget gets this event and the test holds.
    const char *endWidget;
    QEvent::Type endEvent;
    // After the end, the window is ready for the next stake when this button is enabled.
    const char *readyButton;
};

const PlaySpec Plays[] = {
    // The light stops, the settlement is made and PLAY OUT is enabled again.
    {"roulette", "Roter", "Command2", "Command1", "Command6", QEvent::EnabledChange, "Command6"},
    // START to the redeal, which enables the bet buttons again.
    {"bingo", "Bingo", "Command2(0)", "Command1", "Command2(0)", QEvent::EnabledChange,
     "Command2(0)"},
    // The roll, the banner, then PLAY OUT enabled.
    {"dice", "Dice", "Command1(0)", "Command3", "Command4", QEvent::EnabledChange, "Command4"},
    // The spin until the reels stop and PLAY OUT is enabled.
    {"slot", "Slot", "Command2", "Command1", "Command3", QEvent::EnabledChange, "Command3"},
    // START until the finish is shown (the result panel); the result pause is not counted.
    {"dograce", "Dango", "Command3(0)", "Command2", "Picture3", QEvent::Show, "Command1"},
};

int runPlays(GameMain &menu, MeteredScheduler &clock, const PlaySpec &play, int reps)
{
    QPointer<GameWindow> w = menu.openGame(play.form);
    if (!w || !waitPainted(w)) die("the game window did not open");
    auto *end = w->findChild<QWidget *>(play.endWidget);
    if (!end) die("no end widget");
    auto *ready = button(w, play.readyButton);
    const std::string game = play.game;
    for (int rep = 0; rep < reps; ++rep) {
        button(w, play.stakeButton)->click();
        QAbstractButton *start = button(w, play.startButton);
        if (!start->isEnabled()) die("START is not enabled after a stake");
        const ui::Ms started = clock.now();
        const double cpu0 = cpuSeconds();
        const auto wall0 = std::chrono::steady_clock::now();
        start->click();
        const auto ended = [&] {
            return play.endEvent == QEvent::Show ? end->isVisible() : end->isEnabled();
        };
        if (!waitFor(end, play.endEvent, ended, 120'000)) die("the play did not end");
        const double realMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wall0)
                .count();
        const double cpuPct = 100.0 * (cpuSeconds() - cpu0) * 1000.0 / realMs;
        const long long virtualMs = (clock.lastDue - started).count();

        long long targetMs = virtualMs;
        std::string extra;
        if (game == "roulette") {
            // The light runs StopLamp + 98 steps from lamp 0, seven full turns and StopLamp more,
            // so the lamp left lit is StopLamp.
            int stopLamp = -1;
            for (int i = 0; i < roulette::Lamps; ++i) {
                auto *lamp = w->findChild<ui::Shape *>(ui::indexed("Shape1", i));
                if (lamp && lamp->fillColor() == ui::rgb(255, 255, 0)) stopLamp = i;
            }
            if (stopLamp < 0) die("no lamp lit after the run");
            targetMs = (stopLamp + 82) * 40 + 2500;
            extra = " stop_lamp=" + std::to_string(stopLamp);
        } else if (game == "bingo") {
            targetMs = 56'100;
        } else if (game == "dice") {
            targetMs = dice::BannerMs;
            for (int f = 0; f < dice::RollFrames; ++f)
                targetMs += dice::frameMs(f);
        } else if (game == "slot") {
            targetMs = slot::Frames * Slot::FrameInterval.count();
        }
        std::printf("play %s real_ms=%.1f target_ms=%lld virtual_ms=%lld cpu_pct=%.3f%s\n",
                    play.game, realMs, targetMs, virtualMs, cpuPct, extra.c_str());
        std::fflush(stdout);
        if (!ready->isEnabled() &&
            !waitFor(
                ready, QEvent::EnabledChange, [&] { return ready->isEnabled(); }, 30'000))
            die("the window did not come back after the play");
    }
    w->leave();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}

int runCycle(GameMain &menu, int rounds, const QString &only)
{
    for (int round = 1; round <= rounds; ++round) {
        for (const GameEntry &entry : gameTable()) {
            if (!only.isEmpty() && entry.form != only) continue;
            QPointer<GameWindow> w = menu.openGame(entry.form);
            if (!w || !waitPainted(w)) die(qPrintable("window did not open: " + entry.form));
            w->leave();
            if (!waitPainted(&menu)) die("the menu did not come back");
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (w) die(qPrintable("window left behind: " + entry.form));
        }
        std::printf("round %d rss_kb=%ld heap_kb=%zu widgets=%lld windows=%lld\n", round, rssKb(),
                    mallinfo2().uordblks / 1024, (long long)QApplication::allWidgets().size(),
                    (long long)QApplication::topLevelWidgets().size());
        std::fflush(stdout);
    }
    return 0;
}

int usage()
{
    std::fprintf(stderr, "usage: perf_play play roulette|bingo|dice|slot|dograce REPS\n"
                         "       perf_play cycle ROUNDS [FORM]\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    // The platform as the program chooses it.
    ui::preferX11ToWayland();
    ui::sendImagesOverTheConnection();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installFonts();
    if (argc < 3) return usage();
    const std::string mode = argv[1];

    // The program's own start-up, in a fresh directory: the lock, the settings file, the menu.
    QTemporaryDir dir;
    MeteredScheduler clock;
    ui::SystemRandom random;
    Arcade arcade(clock, random);
    if (!arcade.start(dir.path())) die("the arcade did not start");
    arcade.game().Credit = 1'000'000; // enough for every stake
    GameMain &menu = *arcade.menu();
    if (!waitPainted(&menu)) die("the menu was not painted");

    if (mode == "cycle")
        return runCycle(menu, std::atoi(argv[2]),
                        argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());
    if (mode != "play" || argc < 4) return usage();
    for (const PlaySpec &play : Plays)
        if (play.game == std::string(argv[2]))
            return runPlays(menu, clock, play, std::atoi(argv[3]));
    return usage();
}
