#include "arcade.h"

#include "shell/gamemain.h"

#include <QLockFile>
#include <QMessageBox>

Arcade::Arcade(ui::Scheduler &clock, ui::Random &random) : context_{clock, random, game_} {}

Arcade::~Arcade() = default;

bool Arcade::start(const QString &programDir)
{
    menu_ = std::make_unique<GameMain>(context_);
    const QString path = Game_C::settingsPath(programDir);
    // The lock sits beside the settings file; a lock left by a copy that was killed is stale
    // (its process is gone) and is taken over.
    lock_ = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) {
        QMessageBox box(QMessageBox::Warning, QString::fromUtf8(Title),
                        QString::fromUtf8(SecondCopyMessage), QMessageBox::Ok);
        box.setObjectName("SecondCopy");
        box.exec();
        return false;
    }
    game_.IniPath = path;
    game_.LoadCredit();
    menu_->show();
    return true;
}
