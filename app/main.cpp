// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/firstpaint.h"
#include "shell/arcade.h"
#include "ui/form.h"
#include "ui/language.h"
#include "ui/placement.h"
#include "ui/random.h"
#include "ui/scheduler.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// While the application object connects to the display, Qt's messages are held back: if no
// platform can be opened, Qt's own fatal message (which tells the player to reinstall) and the
// warnings before it give way to one line that says what is wrong, and the program exits with
// status 1 instead of aborting. Once connected, what was held back is passed on.
QtMessageHandler previousHandler = nullptr;
struct HeldMessage
{
    QtMsgType type;
    const char *file, *function, *category; // static strings of the code that logged
    int line;
    QString message;
};
QList<HeldMessage> heldMessages;

void holdWhileConnecting(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fputs("ZelkGame needs a graphical desktop: no display found\n", stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages.append(
        {type, context.file, context.function, context.category, context.line, message});
}

void passHeldMessagesOn()
{
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage &m : std::as_const(heldMessages))
        qt_message_output(m.type, QMessageLogContext(m.file, m.line, m.function, m.category),
                          m.message);
    heldMessages.clear();
}

} // namespace

int main(int argc, char *argv[])
{
    ui::preferX11ToWayland();
    ui::sendImagesOverTheConnection();
    previousHandler = qInstallMessageHandler(holdWhileConnecting);
    QApplication app(argc, argv);
    passHeldMessagesOn();
    QApplication::setApplicationName("ZelkGame");
    QApplication::setOrganizationName("Zelk");
    QGuiApplication::setDesktopFileName(
        "org.zelk.ZelkGame");                       // ties the window to its desktop entry
    QApplication::setQuitOnLastWindowClosed(false); // the menu alone ends the program
    firstpaint::installIfAsked(app);                // for bench/perf
    ui::installFonts();
    // The player's language: Japanese as written, or English (Qt's own texts alike).
    if (!ui::installTranslation(ui::languageFromEnvironment()))
        std::fputs("ZelkGame: the English translation is missing; texts stay Japanese\n", stderr);

    ui::RealScheduler clock;
    ui::SystemRandom random;
    Arcade arcade(clock, random);
    if (!arcade.start(QCoreApplication::applicationDirPath())) return 0;
    return app.exec();
}
