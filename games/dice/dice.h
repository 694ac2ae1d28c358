// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dicerules.h"
#include "frame/gamewindow.h"

#include <QPushButton>

#include <array>

// The Dice window: stakes on the 36 outcomes of two dice, on the nine fields of the board and
// on its six lines; START rolls the dice and settles every stake at once.
class Dice : public GameWindow
{
    Q_OBJECT
public:
    // The form: its name, caption, client size and icon.
    static const Form form;

    Dice(Context &context, QWidget *opener);

    // Stake one credit on outcome i, on field k, on line j.
    void Image2_Click(int i);
    void Command1_Click(int k);
    void Command2_Click(int j);
    // START: the throw and its settlement. Ignored while a throw runs.
    void Command3_Click();

private:
    ui::Play throwDice();
    // The common steps of a stake on one counter, shown in its box.
    void stakeOn(dice::Bets::Count &bet, QLabel *box);
    void showDie(ui::Picture *die, int face);
    void enableStakes(bool on);

    dice::Bets bets_;

    ui::Picture *Picture1 = nullptr; // the board panel
    std::array<ui::Picture *, dice::Outcomes> Image2{};
    std::array<ui::Label *, dice::Outcomes> Label1{};
    std::array<QPushButton *, dice::Fields> Command1{};
    std::array<ui::Label *, dice::Fields> Label3{};
    std::array<QPushButton *, dice::Lines> Command2{};
    std::array<ui::Label *, dice::Lines> Label4{};
    std::array<ui::Picture *, dice::Faces> Image1{};
    ui::Picture *Image3 = nullptr;
    ui::Picture *Image4 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    ui::Picture *Picture9 = nullptr;
    ui::Picture *Picture10 = nullptr;
};
