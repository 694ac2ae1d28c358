#include "app/firstpaint.h"
#include "shell/arcade.h"
#include "ui/form.h"
#include "ui/random.h"
#include "ui/scheduler.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZelkGame");
    QApplication::setOrganizationName("Zelk");
    QGuiApplication::setDesktopFileName(
        "org.zelk.ZelkGame");                       // ties the window to its desktop entry
    QApplication::setQuitOnLastWindowClosed(false); // the menu alone ends the program
    firstpaint::installIfAsked(app);                // for bench/perf
    ui::installFonts();

    ui::RealScheduler clock;
    ui::SystemRandom random;
    Arcade arcade(clock, random);
    if (!arcade.start(QCoreApplication::applicationDirPath())) return 0;
    return app.exec();
}
