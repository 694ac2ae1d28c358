// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/context.h"
#include "frame/gamewindow.h"
#include "ui/random.h"
#include "ui/scheduler.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

// What a window test needs: a virtual clock, scripted chance, a credit store whose settings file
// lives in a fresh temporary directory, and a stand-in for the menu that opened the window.
struct Bench
{
    Bench();
    ui::VirtualScheduler clock;
    ui::ScriptedRandom random;
    Game_C game;
    Context context{clock, random, game};
    QTemporaryDir dir;
    QWidget menu; // the opener a game window returns to

    QString iniPath() const { return game.IniPath; }
    // The settings file's text ("" when there is none).
    QByteArray fileText() const;
    void writeFile(const QByteArray &text) const;

    // Opens a game window of type W as the menu would.
    template <class W> W *open()
    {
        auto *w = new W(context, &menu);
        w->show();
        return w;
    }
    void advance(int ms) { clock.advance(ui::Ms(ms)); }
};

// Widgets by their names, as the window descriptions give them: "Command2", "Label2(12)".
template <class T = QWidget> T *widget(QObject *root, const QString &name)
{
    T *w = root->findChild<T *>(name);
    if (!w) qFatal("no widget %s", qPrintable(name));
    return w;
}
QString text(QObject *root, const QString &name); // a label's or button's caption
void click(QObject *root, const QString &name);    // a left click in the middle of the widget
// Deletes the windows that have unloaded themselves (deleteLater).
void flushDeletes();
// The settings file text CREDIT, BACK and MIRROR of a balance, as SaveCredit writes them.
QByteArray savedBalance(int credit);

// Runs the test object's cases with the arcade's fonts and an application object.
#define ARCADE_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char *argv[])                                                              \
    {                                                                                             \
        QApplication app(argc, argv);                                                             \
        arcadeTestSetUp();                                                                        \
        TestObject tc;                                                                            \
        return QTest::qExec(&tc, argc, argv);                                                     \
    }
void arcadeTestSetUp();
