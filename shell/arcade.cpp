// SPDX-License-Identifier: GPL-3.0-or-later
#include "arcade.h"

#include "shell/gamemain.h"
#include "shell/gametable.h"
#include "ui/access.h"
#include "ui/keys.h"
#include "ui/pictures.h"
#include "ui/placement.h"

#include <QLockFile>
#include <QMessageBox>
#include <QPixmapCache>

Arcade::Arcade(ui::Scheduler &clock, ui::Random &random) : context_{clock, random, game_} {}

Arcade::~Arcade() = default;

bool Arcade::start(const QString &programDir)
{
    // Before the first widget: a screen reader may ask for a widget's interface as it is made.
    ui::installAccessibility();
    menu_ = std::make_unique<GameMain>(context_);
    const QString path = Game_C::settingsPath(programDir);
    // The lock sits beside the settings file; a lock left by a copy that was killed is stale
    // (its process is gone) and is taken over.
    lock_ = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) {
        QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("Arcade", Title),
                        QCoreApplication::translate("Arcade", SecondCopyMessage), QMessageBox::Ok);
        box.setObjectName("SecondCopy");
        ui::noMaximise(&box, ui::Minimise::No);
        // The arcade's icon, a width that leaves the title bar its whole title, centred with
        // its frame as every window.
        box.setWindowIcon(ui::icon(QStringLiteral("icons/GameMain")));
        const int title = box.fontMetrics().horizontalAdvance(box.windowTitle());
        box.setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { min-width: %1px; }").arg(title + 96));
        ui::centreWithFrame(&box);
        box.exec();
        return false;
    }
    game_.IniPath = path;
    game_.LoadCredit();
    QStringList forms;
    for (const GameEntry &g : gameTable())
        forms << g.form;
    game_.Record.load(Records::pathBeside(path), forms, QDate::currentDate());
    // The style caches the pixmaps of buttons and frames under keys that include the palette, and
    // every window opened gets palettes of its own: what a window left behind is never used
    // again. One window is shown at a time, so a small cache keeps all that is still of use
    // instead of letting each game opened add to memory up to Qt's 10 MiB.
    QPixmapCache::setCacheLimit(PixmapCacheKb);
    ui::installKeyboard();
    menu_->show();
    return true;
}
