// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/context.h"
#include "ui/form.h"
#include "ui/play.h"

#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QLabel;

// The frame every game window derives from: placement, the CREDIT and WIN boxes, the leave
// button and the return to the menu, the stake and pay helpers, and the window's clock.
//
// A play is a coroutine run with play(); it waits with co_await pause(...). Closing the window
// while a play or a timer is running finishes it at once, unseen: the remaining pauses elapse
// instantly, the game pays and saves as it would have, and only then does the window unload.
// A game that waits for the player (no play running) is not decided for them.
class GameWindow : public QWidget, protected ui::Builder
{
    Q_OBJECT
public:
    struct Form
    {
        QString name;    // form name, also the objectName: "Slot"
        QString caption; // "Slot Machine"
        int width;       // client area in twips
        int height;
        QString icon;    // picture name of the window icon
        bool sizable = false;
    };

    GameWindow(Context &context, const Form &form, QWidget *opener);
    ~GameWindow() override;

    // True while a play or timer of the window is pending.
    bool busy() const { return timeline_.busy(); }
    // Leaves the window as its leave button does: finishes what runs, the game's own leaving
    // steps, then hide, show the opener (unless another window takes the window's place), unload.
    enum class ShowOpener { Yes, No };
    void leave(ShowOpener showOpener = ShowOpener::Yes);
    // The frames a second of the display the window is on; its animations are drawn at that rate.
    double displayRate() const;

protected:
    // The frame's roles, named by each game: its CREDIT box, WIN box (none in Premium), and
    // leave button. The leave button is connected here.
    void setFrameWidgets(QLabel *creditBox, QLabel *winBox, QAbstractButton *leaveButton);
    // The CREDIT and WIN boxes with their red and blue headings, in the usual label style.
    QLabel *creditBox(const QString &heading, ui::Rect headingRect, const QString &box,
                      ui::Rect boxRect, double points = 12);
    QLabel *winBox(const QString &heading, ui::Rect headingRect, const QString &box,
                   ui::Rect boxRect, double points = 12);

    // Stake: refuses (false) when Credit is below the amount; otherwise takes it at once, counts
    // it in the game's records and shows the new balance. Premium stakes 50.
    bool stake(int amount = 1);
    // Pay: settles the play (below), shows the payout in the WIN box and the balance in the
    // CREDIT box, then saves the balance if asked.
    enum class Save { Yes, No };
    void pay(std::int64_t payout, Save save = Save::Yes);
    // Settles a play without showing anything: adds the payout (computed wide, Credit stops at
    // its 32-bit limit) and counts the play in the game's records with what was added. Every
    // play that ends, whatever it pays, passes here once.
    void settle(std::int64_t payout);
    void showCredit();
    void showWin(std::int64_t amount);
    bool saveCredit() { return game().SaveCredit(); }

    // Starts a play. While another play runs the new one is dropped unstarted (false): a window
    // runs one play at a time, and a second click on a start button is ignored.
    bool play(ui::Play p);
    bool playing() const { return play_.running(); }
    ui::Pause pause(ui::Ms span) { return ui::Pause(timeline_, span); }
    ui::Pause pause(double seconds) { return pause(ui::Ms(qRound64(seconds * 1000))); }
    ui::Timeline &timeline() { return timeline_; }
    // Frames of an animation paced to the display the window is on.
    ui::PacedFrames pacedFrames() { return ui::PacedFrames(timeline_, displayRate()); }

    Context &context() { return context_; }
    Game_C &game() { return context_.game; }
    ui::Random &random() { return context_.random; }

    // Hooks for the games:
    // called when the window is closed or left while a play runs, before it is finished
    // (Premium presses STOP here);
    virtual void finishing() {}
    // the game's own leaving steps, after any play has finished (dog race and Premium write
    // their keys here);
    virtual void leaving() {}
    // the window becomes the active window, after the CREDIT box was refreshed.
    virtual void Form_Activate() {}

    void closeEvent(QCloseEvent *e) override;
    bool event(QEvent *e) override;

private:
    // A heading in its colour over a bordered, right-aligned number box read by its heading.
    QLabel *headedBox(const QString &caption, const QColor &colour, const QString &heading,
                      ui::Rect headingRect, const QString &box, ui::Rect boxRect, double points);

    Context &context_;
    ui::Timeline timeline_;
    ui::Play play_;
    QPointer<QWidget> opener_;
    QLabel *creditBox_ = nullptr;
    QLabel *winBox_ = nullptr;
    bool left_ = false;
};
