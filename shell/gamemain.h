// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/context.h"
#include "frame/gamewindow.h"
#include "ui/form.h"

#include <QKeySequence>
#include <QPointer>
#include <QWidget>

class QLabel;
class RecordsWindow;

// The main menu: one button per game, Help, About, exit, and the CREDIT box.
class GameMain : public QWidget, private ui::Builder
{
    Q_OBJECT
public:
    explicit GameMain(Context &context);
    ~GameMain() override;

    // Hides the menu and shows the game window of that form. Another game window open is left
    // first, as its leave button would; the same game's window is brought to the front.
    GameWindow *openGame(const QString &form);
    void openHelp();  // "HELP": beside the menu
    void openAbout(); // "Ver情報": beside the menu
    void exitArcade(); // "終了": saves the balance and ends the program
    // The records ("成績"): a click on the CREDIT box, or recordsKey().
    RecordsWindow *openRecords();
    static QKeySequence recordsKey();
    // A game's caption on the menu's button: "スロット" for "Slot".
    static QString menuCaption(const QString &form);
    GameWindow *currentGame() const { return game_; }

protected:
    bool event(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    void Form_Activate();
    Context &context_;
    QLabel *credit_;
    QPointer<GameWindow> game_;
    QPointer<QWidget> help_;
    QPointer<QWidget> about_;
    QPointer<RecordsWindow> records_;
    bool ending_ = false;
};
