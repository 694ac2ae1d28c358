// SPDX-License-Identifier: GPL-3.0-or-later
#include "takara.h"

#include "games/bingo/draw/cbingogo.h"
#include "games/common/cards.h"
#include "ui/pictures.h"

#include <QMouseEvent>
#include <QPalette>

#include <algorithm>

using treasure::Chest;
using treasure::State;

const GameWindow::Form Takara::form{"Takara", "Treasure Hunting", 6675, 4245, "icons/Takara"};

Takara::Takara(Context &context, QWidget *opener) : GameWindow(context, form, opener)
{
    ui::setBackground(this, ui::rgb(192, 192, 192));

    // Picture stores below the client area.
    Image2 = image("Image2", {240, 4680, 675, 600}).picture("treasure/gold").name(tr("gold"));
    Image3 = image("Image3", {1200, 4680, 675, 600}).picture("treasure/empty").name(tr("empty"));
    Image4 =
        image("Image4", {2280, 4680, 675, 600}).picture("treasure/closed").name(tr("closed chest"));

    for (int i = 0; i < treasure::Chests; ++i) {
        Image1[i] =
            image(ui::indexed("Image1", i), {240 + 960 * (i % 5), 120 + 840 * (i / 5), 675, 600})
                .picture(Image4->picture())
                .enabled(false)
                .name(tr("chest %1").arg(i + 1));
        ui::onClick(Image1[i], [this, i] { Image1_Click(i); });
    }

    Command1 = button("Command1", {5640, 240, 735, 375}, "BET");
    Label1 = label("Label1", {5040, 240, 495, 375})
                 .text("0")
                 .border()
                 .alignRight()
                 .font(12, ui::Bold)
                 .heading(tr("stake"));
    Command2 = button("Command2", {5280, 840, 975, 375}, "START").enabled(false);
    QLabel *win = winBox("Label2", {5160, 1440, 495, 255}, "Label3", {5520, 1800, 735, 375});
    QLabel *credit = creditBox("Label4", {5040, 2760, 975, 255}, "Label5", {5400, 3120, 855, 375});
    Command3 = button("Command3", {5040, 3720, 1215, 375}, "PLAY OUT");

    Picture1 = banners::lost(*this, "Picture1", {1080, 1680, 2805, 630});

    Picture2 = pictureBox("Picture2", {960, 1200, 3135, 1455})
                   .back(ui::rgb(224, 224, 224))
                   .name(tr("question"))
                   .visible(false);
    const ui::Builder question = in(Picture2);
    question.image("Image5", {120, 240, 480, 480}).picture("treasure/question").decoration();
    Label6 = question.label("Label6", {720, 360, 495, 255}).center().font(9, ui::Bold);
    question.label("Label7", {1200, 360, 1695, 255}).text(tr("倍に挑戦しますか？"));
    auto yes = question.button("Command4", {360, 840, 975, 375}, "Yes").font(9, ui::Bold);
    auto no = question.button("Command5", {1680, 840, 975, 375}, "No").font(9, ui::Bold);

    Picture3 = pictureBox("Picture3", {840, 1440, 3495, 1095})
                   .back(ui::rgb(255, 255, 128))
                   .name(tr("hint"))
                   .visible(false);
    const ui::Builder hint = in(Picture3);
    hint.image("Image6", {120, 120, 480, 480}).picture("treasure/info").decoration();
    hint.label("Label8", {720, 240, 2655, 255}).text(tr("START又はBETを押してください。"));
    auto ok = hint.button("Command6", {1200, 600, 975, 375}, tr("Ｏ Ｋ"));

    ui::onClick(Command1, [this] { Command1_Click(); });
    ui::onClick(Command2, [this] { Command2_Click(); });
    ui::onClick(yes, [this] { Command4_Click(); });
    ui::onClick(no, [this] { Command5_Click(); });
    ui::onClick(ok, [this] { Command6_Click(); });
    setFrameWidgets(credit, win, Command3);
    enter(State::Idle);
}

Takara::~Takara() = default;

QCursor Takara::glass() const
{
    return ui::pointer("icons/Takara", 12, 12);
}

void Takara::enter(State state)
{
    state_ = state;
    const treasure::Controls c = treasure::controlsIn(state);
    Command1->setEnabled(c.bet);
    Command2->setEnabled(c.start);
    Command3->setEnabled(c.playOut);
    for (ui::Picture *chest : Image1)
        chest->setEnabled(c.chests);
}

void Takara::closeChests()
{
    for (ui::Picture *chest : Image1) {
        chest->setPicture(Image4->picture());
        chest->setAccessibleDescription(QString());
    }
}

void Takara::showStake(std::int64_t stake)
{
    stake_ = stake;
    Label1->setText(QString::number(stake));
}

// BET: one more credit on the coming hunt.
void Takara::Command1_Click()
{
    if (!stake(1)) return;
    showStake(stake_ + 1);
    enter(State::Staked);
}

// START: deals the codes and opens the hunt.
void Takara::Command2_Click()
{
    ChestDraw = std::make_unique<cBingoGo>(random());
    ChestDraw->Canvas = ui::tagsOf(Image1);
    ChestDraw->Total = treasure::Chests;
    ChestDraw->Last = treasure::Chests;
    ChestDraw->make();
    setCursor(glass());
    FindCount = 0;
    closeChests();
    enter(State::Hunting);
}

void Takara::Image1_Click(int index)
{
    if (state_ != State::Hunting) return;
    const Chest chest = treasure::chestOf(ui::tagNumber(Image1[index]));
    if (chest != Chest::Gold && chest != Chest::Empty) return;
    unsetCursor();
    play(chest == Chest::Gold ? findGold(index) : findEmpty(index));
}

ui::Play Takara::findGold(int index)
{
    Image1[index]->setPicture(Image2->picture());
    Image1[index]->setAccessibleDescription(tr("gold"));
    ++FindCount;
    win_ = treasure::winFor(stake_, FindCount);
    showWin(win_);
    enter(State::Found);
    Label6->setText(QString::number(treasure::nextFactor(FindCount)));
    co_await pause(ChestPause);
    ui::setTag(Image1[index], QString::number(treasure::FoundCode));
    Picture2->show();
    enter(State::Question);
}

ui::Play Takara::findEmpty(int index)
{
    Image1[index]->setPicture(Image3->picture());
    Image1[index]->setAccessibleDescription(tr("empty"));
    enter(State::Lost);
    co_await pause(ChestPause);
    Picture1->show();
    co_await pause(BannerPause);
    Picture1->hide();
    win_ = 0;
    closeChests();
    enter(State::Idle);
    showStake(0);
    pay(0); // a lost hunt adds nothing; shows the balance and WIN "0", and saves it
}

// Yes: back to the chests for the next doubling.
void Takara::Command4_Click()
{
    Picture2->hide();
    setCursor(glass());
    enter(State::Hunting);
}

// No: takes the win, saved at once so that nothing can lose it.
void Takara::Command5_Click()
{
    closeChests();
    enter(State::Idle);
    Picture2->hide();
    showStake(0);
    settle(win_);
    showCredit();
    win_ = 0;
    showWin(0);
    saveCredit();
}

// A click on the window's background, or on a chest while the chests are disabled.
void Takara::Form_Click()
{
    if (state_ != State::Staked) return;
    Picture3->show();
    enter(State::Hint);
}

// Ｏ Ｋ: closes the hint.
void Takara::Command6_Click()
{
    Picture3->hide();
    enter(State::Staked);
}

// A press that lands on the background or on a disabled chest reaches the window (a disabled
// widget passes its mouse events to its parent); one that an enabled widget let through does not
// count as a click on the window.
void Takara::mousePressEvent(QMouseEvent *e)
{
    const QWidget *target = childAt(e->position().toPoint());
    const bool disabledChest = target && !target->isEnabled() &&
                               std::find(Image1.begin(), Image1.end(), target) != Image1.end();
    formPressed_ = e->button() == Qt::LeftButton && (!target || disabledChest);
    e->accept();
}

void Takara::mouseReleaseEvent(QMouseEvent *e)
{
    const bool click =
        formPressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    formPressed_ = false;
    e->accept();
    if (click) Form_Click();
}
