// SPDX-License-Identifier: GPL-3.0-or-later
#include "testing.h"

#include "ui/access.h"
#include "ui/form.h"
#include "ui/keys.h"
#include "ui/language.h"

#include <QAbstractButton>
#include <QFile>

Bench::Bench()
{
    game.IniPath = dir.filePath(QStringLiteral("ZelkGame.ini"));
    menu.setObjectName("GameMain");
}

QByteArray Bench::fileText() const
{
    QFile f(game.IniPath);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Bench::writeFile(const QByteArray &text) const
{
    QFile f(game.IniPath);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
        qFatal("cannot write the settings file");
}

QString text(QObject *root, const QString &name)
{
    QObject *o = widget<QObject>(root, name);
    if (auto *l = qobject_cast<QLabel *>(o)) return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(o)) return b->text();
    return o->property("text").toString();
}

void click(QObject *root, const QString &name)
{
    QWidget *w = widget(root, name);
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

QByteArray savedBalance(int credit)
{
    const qint64 c = credit;
    return "[MAIN]\nCREDIT=" + Game_C::numberText(credit) +
           "\nBACK=" + Game_C::numberText(c + 1963) + "\nMIRROR=" + Game_C::numberText(c + 1122) +
           "\n";
}

void arcadeTestSetUp()
{
    QApplication::setApplicationName("ZelkGameTest");
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installFonts();
    // ARCADE_TEST_LANGUAGE=en runs a test with the English translation, as a player would see it.
    if (qEnvironmentVariable("ARCADE_TEST_LANGUAGE") == QLatin1String("en") &&
        !ui::installTranslation(ui::Language::English))
        qFatal("the English translation is missing");
    ui::installKeyboard();
    ui::installAccessibility();
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
