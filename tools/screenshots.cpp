// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the menu, Help, About and every game window as they open, under the offscreen
// platform, into PNG files: screenshots [folder] (default docs/). The records window is rendered
// after a session in which a player clicks about in every game, and again once the balance is
// gone, offering the fresh start. With `screenshots folder en` the windows speak English and their
// pictures are named menu-en.png and so on; the game windows, whose captions are the same in both
// languages, are not rendered again.
#include "frame/gamewindow.h"
#include "shell/gamemain.h"
#include "shell/gametable.h"
#include "shell/records.h"
#include "ui/form.h"
#include "ui/language.h"
#include "ui/random.h"
#include "ui/scheduler.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <random>

namespace {

// A player who presses whatever is shown in a game window, the clock running on between presses,
// until `presses` presses are made.
void clickAbout(GameWindow *w, ui::VirtualScheduler &clock, std::mt19937 &player, int presses)
{
    const auto pick = [&player](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(player);
    };
    QPointer<GameWindow> window(w);
    for (int i = 0; i < presses && window && window->isVisible(); ++i) {
        // Mostly an enabled button, else a label or picture shown (chests, cards, outcomes).
        QList<QWidget *> targets;
        const bool buttons = pick(4) != 0;
        for (QWidget *c : window->findChildren<QWidget *>())
            if (c->isVisible() && c->isEnabled() &&
                (qobject_cast<QAbstractButton *>(c) ||
                 (!buttons && (qobject_cast<ui::Label *>(c) || qobject_cast<ui::Picture *>(c)))))
                targets << c;
        if (!targets.isEmpty()) {
            QWidget *t = targets[pick(int(targets.size()))];
            QTest::mouseClick(t, Qt::LeftButton, {}, t->rect().center());
        }
        clock.advance(ui::Ms(pick(3000)));
        QCoreApplication::sendPostedEvents();
    }
    if (window) window->leave();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installFonts();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(folder);
    const bool english = argc > 2 && QByteArray(argv[2]) == "en";
    if (english && !ui::installTranslation(ui::Language::English)) return 1;
    const QString suffix = english ? QStringLiteral("-en") : QString();

    ui::VirtualScheduler clock;
    ui::SystemRandom random;
    QTemporaryDir settings; // the games that keep keys read them from a file of their own
    Game_C game;
    game.IniPath = settings.filePath(QStringLiteral("ZelkGame.ini"));
    game.Credit = 100;
    Context context{clock, random, game};
    GameMain menu(context);
    menu.show();
    const auto save = [&](QWidget *w, const QString &name) {
        QApplication::processEvents();
        w->grab().save(QDir(folder).filePath(name + suffix + QStringLiteral(".png")));
    };
    save(&menu, QStringLiteral("menu"));
    menu.openHelp();
    save(menu.findChild<QWidget *>(QStringLiteral("Help")), QStringLiteral("help"));
    menu.openAbout();
    save(menu.findChild<QWidget *>(QStringLiteral("about")), QStringLiteral("about"));
    QStringList forms;
    for (const GameEntry &g : gameTable()) {
        GameWindow *w = menu.openGame(g.form);
        if (!english) save(w, g.form.toLower());
        delete w;
        menu.show();
        forms << g.form;
    }

    // A session of play in every game, then its records.
    game.Record.load(Records::pathBeside(game.IniPath), forms, QDate::currentDate());
    game.Credit = 1000;
    std::mt19937 player(20240601);
    for (int round = 0; round < 6; ++round)
        for (const QString &form : forms)
            if (game.Credit >= 50) clickAbout(menu.openGame(form), clock, player, 200);
    menu.show();
    save(menu.openRecords(), QStringLiteral("records"));
    delete menu.openRecords();
    game.Credit = 0;
    save(menu.openRecords(), QStringLiteral("records-broke"));
    return 0;
}
