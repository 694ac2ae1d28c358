// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamewindow.h"

#include "ui/pictures.h"
#include "ui/placement.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>

GameWindow::GameWindow(Context &context, const Form &form, QWidget *opener)
    : QWidget(nullptr), ui::Builder(this), context_(context), timeline_(context.clock),
      opener_(opener)
{
    setObjectName(form.name);
    setWindowTitle(form.caption);
    setWindowIcon(ui::icon(form.icon));
    setAttribute(Qt::WA_DeleteOnClose, false);
    const QSize client = ui::pxSize(form.width, form.height);
    if (form.sizable) {
        resize(client); // a sizable border with both buttons, as Qt gives a window by default
    } else {
        // A fixed size, a title bar with its menu and close button, and neither minimise nor
        // maximise.
        ui::noMaximise(this, ui::Minimise::No);
        ui::fixSize(this, client);
    }
    ui::centreWithFrame(this);
}

GameWindow::~GameWindow() = default;

void GameWindow::setFrameWidgets(QLabel *creditBox, QLabel *winBox, QAbstractButton *leaveButton)
{
    creditBox_ = creditBox;
    winBox_ = winBox;
    if (leaveButton) connect(leaveButton, &QAbstractButton::clicked, this, [this] { leave(); });
    showCredit();
}

QLabel *GameWindow::creditBox(const QString &heading, ui::Rect headingRect, const QString &box,
                              ui::Rect boxRect, double points)
{
    return headedBox(QStringLiteral("CREDIT"), ui::rgb(255, 0, 0), heading, headingRect, box,
                     boxRect, points);
}

QLabel *GameWindow::winBox(const QString &heading, ui::Rect headingRect, const QString &box,
                           ui::Rect boxRect, double points)
{
    return headedBox(QStringLiteral("WIN"), ui::rgb(0, 0, 255), heading, headingRect, box,
                     boxRect, points);
}

QLabel *GameWindow::headedBox(const QString &caption, const QColor &colour,
                              const QString &heading, ui::Rect headingRect, const QString &box,
                              ui::Rect boxRect, double points)
{
    label(heading, headingRect).text(caption).fore(colour).font(points - 0.75, ui::Bold);
    return label(box, boxRect).text(QStringLiteral("0")).border().alignRight().font(points, ui::Bold).heading(caption);
}

double GameWindow::displayRate() const
{
    // A screen that does not tell (or tells nonsense) is taken as a common 60 Hz one.
    const double hz = screen() ? screen()->refreshRate() : 0;
    return hz >= 20 && hz <= 500 ? hz : 60;
}

bool GameWindow::stake(int amount)
{
    if (amount < 0 || game().Credit < amount) return false;
    game().Credit -= amount;
    game().Record.staked(objectName(), amount);
    showCredit();
    return true;
}

void GameWindow::pay(std::int64_t payout, Save save)
{
    settle(payout);
    showCredit();
    showWin(payout);
    if (save == Save::Yes) saveCredit();
}

void GameWindow::settle(std::int64_t payout)
{
    const std::int64_t before = game().Credit;
    game().add(payout);
    game().Record.settled(objectName(), game().Credit - before);
}

void GameWindow::showCredit()
{
    if (creditBox_) creditBox_->setText(QString::number(game().Credit));
}

void GameWindow::showWin(std::int64_t amount)
{
    if (winBox_) winBox_->setText(QString::number(amount));
}

bool GameWindow::play(ui::Play p)
{
    if (play_.running() || left_) return false;
    play_ = std::move(p);
    play_.start();
    return true;
}

void GameWindow::leave(ShowOpener showOpener)
{
    if (left_) return;
    left_ = true;
    if (timeline_.busy()) {
        finishing();
        timeline_.finishNow();
    }
    leaving();
    hide();
    if (opener_ && showOpener == ShowOpener::Yes) {
        opener_->show();
        opener_->raise();
        opener_->activateWindow();
    }
    deleteLater();
}

void GameWindow::closeEvent(QCloseEvent *e)
{
    e->accept();
    leave();
}

bool GameWindow::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate) {
        showCredit();
        Form_Activate();
    }
    return QWidget::event(e);
}
