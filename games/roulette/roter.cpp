// SPDX-License-Identifier: GPL-3.0-or-later
#include "roter.h"

#include <QPushButton>

namespace {

const QColor Lit = ui::rgb(255, 255, 0);
const QColor Dark = ui::rgb(0, 0, 0);

struct LampPlace
{
    ui::Rect lamp, number;
};
// Clockwise from the top: the lamp and the number just outside it.
const LampPlace Ring[roulette::Lamps] = {
    {{2040, 480, 375, 375}, {2040, 120, 375, 375}},
    {{2640, 600, 375, 375}, {2880, 240, 375, 375}},
    {{3120, 960, 375, 375}, {3480, 720, 375, 375}},
    {{3420, 1580, 375, 375}, {3840, 1480, 375, 375}},
    {{3420, 2260, 375, 375}, {3840, 2360, 375, 375}},
    {{3120, 2880, 375, 375}, {3480, 3120, 375, 375}},
    {{2640, 3240, 375, 375}, {2880, 3600, 375, 375}},
    {{2040, 3360, 375, 375}, {2040, 3800, 375, 375}},
    {{1440, 3240, 375, 375}, {1200, 3600, 375, 375}},
    {{960, 2880, 375, 375}, {600, 3120, 375, 375}},
    {{660, 2260, 375, 375}, {240, 2360, 375, 375}},
    {{660, 1580, 375, 375}, {240, 1480, 375, 375}},
    {{960, 960, 375, 375}, {600, 720, 375, 375}},
    {{1440, 600, 375, 375}, {1200, 240, 375, 375}},
};

// The colour of each number: 0 black, 2 red, 4 green, 6 yellow, 10 blue.
QColor numberColour(int n)
{
    switch (n) {
    case 2:
        return ui::rgb(255, 0, 0);
    case 4:
        return ui::rgb(0, 192, 0);
    case 6:
        return ui::rgb(255, 255, 0);
    case 10:
        return ui::rgb(0, 0, 255);
    }
    return ui::rgb(0, 0, 0);
}

// The stake boxes' backgrounds, for 2, 4, 6 and 10.
const QColor StakeColour[4] = {ui::rgb(255, 0, 0), ui::rgb(0, 192, 0), ui::rgb(255, 255, 0),
                               ui::rgb(128, 128, 255)};

} // namespace

const GameWindow::Form Roter::form{"Roter", "Roulette", 5970, 5640, "icons/Roter"};

Roter::Roter(Context &context, QWidget *opener) : GameWindow(context, form, opener)
{
    auto panel =
        pictureBox("Picture1", {0, 0, 4455, 4335}).back(ui::rgb(192, 192, 192)).name(tr("wheel"));
    const ui::Builder wheel = in(panel);
    for (int i = 0; i < roulette::Lamps; ++i) {
        const int n = roulette::LampNumber[i];
        Shape1[i] = wheel.shape(ui::indexed("Shape1", i), Ring[i].lamp, ui::Shape::Circle)
                        .fill(Dark)
                        .name(tr("lamp %1").arg(n));
        Label1[i] = wheel.label(ui::indexed("Label1", i), Ring[i].number)
                        .text(QString::number(n))
                        .fore(numberColour(n))
                        .font(15.75, ui::Bold)
                        .center();
    }

    for (int k = 0; k < 4; ++k) {
        const int n = roulette::StakeNumbers[k];
        stakeBoxes_[k] =
            label(QStringLiteral("Label%1").arg(2 + k), {240 + 1080 * k, 4560, 615, 255})
                .text("0")
                .border()
                .center()
                .back(StakeColour[k])
                .font(11.25, ui::Bold);
        stakeButtons_[k] = button(QStringLiteral("Command%1").arg(2 + k),
                                  {120 + 1080 * k, 4920, 855, 495}, QString::number(n))
                               .font(14.25, ui::Bold);
        ui::onClick(stakeButtons_[k], [this, n] { stakeOn(n); });
    }

    Command6 = button("Command6", {4680, 240, 1095, 495}, "PLAY OUT").font(9, ui::Bold);
    Command1 =
        button("Command1", {4680, 1800, 1095, 735}, "START").font(12, ui::Bold).enabled(false);
    QLabel *win = winBox("Label9", {4800, 3720, 495, 255}, "Label8", {4920, 4080, 735, 375});
    QLabel *credit = creditBox("Label6", {4560, 4680, 975, 255}, "Label7", {4800, 5040, 855, 375});
    setFrameWidgets(credit, win, Command6);
    ui::onClick(Command1, [this] { Command1_Click(); });

    // Form_Load: no stakes, lamp 0 lit.
    bets_ = {};
    light(0, true);
}

void Roter::stakeOn(int number)
{
    std::int64_t *counter = bets_.of(number);
    if (!counter || playing() || !stake(1)) return;
    showWin(0);
    Command1->setEnabled(true);
    Command6->setEnabled(false);
    ++*counter;
    showStake(number);
}

void Roter::Command1_Click()
{
    play(run());
}

ui::Play Roter::run()
{
    setCursor(Qt::WaitCursor);
    Command1->setEnabled(false);
    enableStakes(false);
    Command6->setEnabled(false);
    for (int i = 0; i < roulette::Lamps; ++i)
        light(i, false);

    random().reseed();
    const int StopLamp = random().pick(roulette::Lamps);

    int LitLamp = 0;
    for (int i = 0; i < roulette::steps(StopLamp); ++i) {
        light(LitLamp, false);
        LitLamp = (LitLamp + 1) % roulette::Lamps;
        light(LitLamp, true);
        co_await pause(roulette::stepPause(i, StopLamp));
    }

    // A stop on 0 pays nothing and leaves the WIN box as it is.
    if (const auto payout = roulette::payout(bets_, StopLamp)) {
        pay(*payout, Save::No);
    } else {
        settle(0);
        showCredit();
    }
    saveCredit();

    bets_ = {};
    for (int n : roulette::StakeNumbers)
        showStake(n);
    unsetCursor();
    enableStakes(true);
    Command6->setEnabled(true);
}

void Roter::light(int lamp, bool on)
{
    Shape1[lamp]->setFillColor(on ? Lit : Dark);
    ui::setSelected(Shape1[lamp], on);
}

void Roter::showStake(int number)
{
    for (int k = 0; k < 4; ++k)
        if (roulette::StakeNumbers[k] == number)
            stakeBoxes_[k]->setText(QString::number(bets_.wins(number)));
}

void Roter::enableStakes(bool on)
{
    for (QPushButton *b : stakeButtons_)
        b->setEnabled(on);
}
