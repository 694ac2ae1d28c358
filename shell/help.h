// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class GameMain;

// Help: the nine games with a line each; a game's name opens it. The list scrolls.
class Help : public QWidget
{
    Q_OBJECT
public:
    explicit Help(GameMain *menu);

protected:
    void closeEvent(QCloseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;

private:
    void close_();
    GameMain *menu_;
};
