// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/gamewindow.h"
#include "wheel.h"

#include <array>

class QPushButton;

// The Roulette window: a ring of fourteen lamps, each beside a number 0, 2, 4, 6 or 10. The
// player stakes on 2, 4, 6 and 10; "START" runs a light round the ring that slows down and stops
// on one lamp, and the stakes on its number are paid times that number.
class Roter : public GameWindow
{
    Q_OBJECT
public:
    // The form: its name, caption, client size and icon.
    static const Form form;

    Roter(Context &context, QWidget *opener);

    void Command1_Click();    // START
    void stakeOn(int number); // Command2_Click .. Command5_Click: 2, 4, 6, 10

private:
    ui::Play run();
    void light(int lamp, bool on);
    void showStake(int number);
    void enableStakes(bool on);

    std::array<ui::Shape *, roulette::Lamps> Shape1{};
    std::array<ui::Label *, roulette::Lamps> Label1{};
    std::array<ui::Label *, 4> stakeBoxes_{};     // Label2 .. Label5
    std::array<QPushButton *, 4> stakeButtons_{}; // Command2 .. Command5
    QPushButton *Command1 = nullptr;
    QPushButton *Command6 = nullptr;
    roulette::Bets bets_;
};
