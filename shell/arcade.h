// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/context.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

class GameMain;
class QLockFile;

// The arcade's start-up: one running copy per settings file, the balance loaded, the menu shown.
class Arcade
{
public:
    // The message's title and text as written; shown translated (context "Arcade").
    static constexpr const char *Title = QT_TRANSLATE_NOOP("Arcade", "Zelkのゲーム屋さん");
    static constexpr const char *SecondCopyMessage =
        QT_TRANSLATE_NOOP("Arcade", "既に､起動されています。");
    // The pixmap cache's size in KiB while the arcade runs.
    static constexpr int PixmapCacheKb = 512;

    Arcade(ui::Scheduler &clock, ui::Random &random);
    ~Arcade();

    // Forms IniPath for the program's directory and takes the single-copy lock. When another copy
    // holds it, shows the message and returns false without reading or writing the settings
    // file. Otherwise loads the balance and shows the menu.
    bool start(const QString &programDir);

    Game_C &game() { return game_; }
    GameMain *menu() const { return menu_.get(); }

private:
    Game_C game_;
    Context context_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<GameMain> menu_;
};
