#pragma once

#include "frame/context.h"
#include "frame/gamewindow.h"
#include "ui/form.h"

#include <QPointer>
#include <QWidget>

class QLabel;

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
    bool ending_ = false;
};
