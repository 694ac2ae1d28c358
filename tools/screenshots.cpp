// Renders the menu, Help, About and every game window as they open, under the offscreen
// platform, into PNG files: screenshots [folder] (default docs/).
#include "shell/gamemain.h"
#include "shell/gametable.h"
#include "frame/gamewindow.h"
#include "ui/form.h"
#include "ui/random.h"
#include "ui/scheduler.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installFonts();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(folder);

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
        w->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
    };
    save(&menu, QStringLiteral("menu"));
    menu.openHelp();
    save(menu.findChild<QWidget *>(QStringLiteral("Help")), QStringLiteral("help"));
    menu.openAbout();
    save(menu.findChild<QWidget *>(QStringLiteral("about")), QStringLiteral("about"));
    for (const GameEntry &g : gameTable()) {
        GameWindow *w = menu.openGame(g.form);
        save(w, g.form.toLower());
        delete w;
        menu.show();
    }
    return 0;
}
