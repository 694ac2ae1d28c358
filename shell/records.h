// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/context.h"

#include <QWidget>

#include <functional>

class QLabel;
class QMessageBox;
class QPushButton;

// The records window ("成績"), opened from the menu's CREDIT box: for each game in the menu's
// order and in total, plays, credits staked and paid back, the net, the return per credit staked
// beside the published one, and the biggest single payout; the date the records start from and
// the fresh starts taken. "Reset records" (after a confirmation) starts them again from today.
// While the balance is 0 and no game is open, it offers a fresh start of 100 credits.
//
// It is modal to the whole arcade while it is shown, so no play can change what it shows.
class RecordsWindow : public QWidget
{
    Q_OBJECT
public:
    // idle tells whether no game window is open (the fresh start is offered only then).
    RecordsWindow(Context &context, QWidget *menu, std::function<bool()> idle);

    // Shows the records as they are now.
    void refresh();
    // "Reset records": asks first; the answer comes back to resetConfirmed().
    void askReset();
    void resetConfirmed();
    // "100クレジットで再開": only while the balance is 0 and no game is open.
    void freshStart();
    bool freshStartOffered() const;

signals:
    // The balance changed here (a fresh start): the menu shows it.
    void balanceChanged();

protected:
    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    void close_();
    Context &context_;
    std::function<bool()> idle_;
    QLabel *since_;
    QLabel *restarts_;
    QPushButton *freshStart_;
    QMessageBox *confirm_ = nullptr;
};
