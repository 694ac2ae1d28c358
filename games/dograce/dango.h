// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/gamewindow.h"
#include "games/dograce/race.h"

#include <array>
#include <cstdint>

class QPushButton;

// The Dog Race window: five dogs of five running types dealt to the lanes, bets on the first
// two places in either order, odds from the type scores kept in the settings file.
class Dango : public GameWindow
{
    Q_OBJECT
public:
    // The form: its name, caption, client size and icon.
    static const Form form;

    Dango(Context &context, QWidget *opener);

    // One race frame is shown for this long: a race of about 200 frames takes about 5 seconds.
    static constexpr ui::Ms FrameInterval{25};
    static constexpr ui::Ms StartPause{200};
    static constexpr ui::Ms ResultPause{2500};

protected:
    void leaving() override;

private:
    // The set-up of a race: the lane draw, the scores and odds, bets back to 0.
    void SYOKI();
    void Command3_Click(int j);
    void Command2_Click();
    ui::Play race();
    void writeScores();
    // A fresh permutation of 1..5 in the Tags of Label1.
    void drawLanes();
    void showBet(int j);

    ui::Picture *Picture1 = nullptr;
    ui::Picture *Picture3 = nullptr;
    ui::Picture *Picture4 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    std::array<ui::Picture *, dograce::Lanes> Picture2{};
    std::array<ui::Label *, dograce::Lanes> Label2{};
    std::array<ui::Label *, dograce::Lanes> Label1{};
    std::array<ui::Picture *, dograce::Types> Image1{};
    std::array<QPushButton *, dograce::Pairs> Command3{};
    std::array<ui::Label *, dograce::Pairs> Label5{};
    std::array<ui::Label *, dograce::Pairs> Label6{};
    std::array<ui::Label *, 2> Label3{};

    std::array<int, dograce::Types> TypeScore = dograce::DefaultScores;
    std::array<int, dograce::Lanes> LaneFactor{};
    std::array<int, dograce::Pairs> odds_{};
    std::array<std::int64_t, dograce::Pairs> bets_{};
};
