// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/gamewindow.h"
#include "games/treasure/hunt.h"

#include <array>
#include <cstdint>
#include <memory>

class cBingoGo;
class QPushButton;

// The Treasure Hunting window: 25 closed chests, eleven with gold. The player stakes with BET,
// presses START and opens chests one at a time; each find doubles the win, an empty chest loses
// it. After every find a question offers the next doubling ("Yes") or the win ("No").
class Takara : public GameWindow
{
    Q_OBJECT
public:
    // The form: its name, caption, client size and icon.
    static const Form form;

    Takara(Context &context, QWidget *opener);
    ~Takara() override;

    static constexpr ui::Ms ChestPause{500};   // after a chest is opened
    static constexpr ui::Ms BannerPause{1000}; // the losing banner

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    void Command1_Click(); // BET
    void Command2_Click(); // START
    void Image1_Click(int index);
    void Command4_Click(); // Yes
    void Command5_Click(); // No
    void Form_Click();
    void Command6_Click(); // Ｏ Ｋ

    ui::Play findGold(int index);
    ui::Play findEmpty(int index);
    // Enables the controls of a state, as the state table gives them.
    void enter(treasure::State state);
    void closeChests();
    void showStake(std::int64_t stake);
    QCursor glass() const;

    std::array<ui::Picture *, treasure::Chests> Image1{};
    ui::Picture *Image2 = nullptr; // picture stores: gold chest, empty chest, closed chest
    ui::Picture *Image3 = nullptr;
    ui::Picture *Image4 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    ui::Label *Label1 = nullptr;     // the bet box
    ui::Label *Label6 = nullptr;     // the next factor
    ui::Picture *Picture1 = nullptr; // the losing banner
    ui::Picture *Picture2 = nullptr; // the question panel
    ui::Picture *Picture3 = nullptr; // the hint panel

    std::unique_ptr<cBingoGo> ChestDraw;
    int FindCount = 0;
    std::int64_t stake_ = 0; // shown in the bet box
    std::int64_t win_ = 0;   // shown in the WIN box while a find stands
    treasure::State state_ = treasure::State::Idle;
    bool formPressed_ = false;
};
