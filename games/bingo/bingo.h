// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cbingomake.h"
#include "cell.h"
#include "clinechk.h"
#include "frame/gamewindow.h"
#include "games/bingo/draw/cbingogo.h"
#include "ui/timeline.h"

#include <array>
#include <cstdint>
#include <memory>

class QPushButton;

namespace bingo {
// A label of the window seen as a card or drawn-number cell.
class LabelCell final : public Cell
{
public:
    ui::Label *label = nullptr;
    std::string caption() const override;
    void setCaption(const std::string &text) override;
    std::string tag() const override;
    void setTag(const std::string &text) override;
    Rgb backColor() const override;
    void setBackColor(Rgb c) override;
};
} // namespace bingo

// The BINGO window: four cards A to D, a bet table, twelve numbers drawn one by one on the timer,
// and a settlement by the draw on which each card's first line completed.
class Bingo : public GameWindow
{
    Q_OBJECT
public:
    // The form: its name, caption, client size and icon.
    static const Form form;

    Bingo(Context &context, QWidget *opener);
    ~Bingo() override;

    // The deal: resets the window, draws the twelve hidden numbers and fills the four cards.
    void Start_Up();
    // A bet of one credit on card Index (0 = A .. 3 = D).
    void Command2_Click(int Index);
    // START: sets the timer going, which plays the game.
    void Command1_Click();
    // One step of the game: an animation frame, a reveal, the settlement or the redeal.
    void Timer1_Timer();

private:
    void showBallFrame(int t);
    void reveal();
    void settle();

    // Card k's cells: Label2 (A), Label3 (B), Label4 (C), Label5 (D), 25 numbers then the headers.
    std::array<std::array<ui::Label *, 30>, 4> Card{};
    std::array<ui::Picture *, 4> cardBoxes_{}; // Picture2 to Picture5; selected with a bet
    std::array<ui::Label *, 12> Label1{}; // the drawn numbers
    std::array<QPushButton *, 4> Command2{};
    std::array<ui::Label *, 4> Label6{}; // BET
    std::array<ui::Label *, 4> Label8{}; // LINE
    std::array<ui::Label *, 4> Label9{}; // ODDS; its Tag is the odds lock
    ui::Picture *Picture6 = nullptr;     // the hostess with the ball
    ui::Shape *Shape1 = nullptr;         // the ball
    ui::Label *Label15 = nullptr;        // the number on the ball
    ui::Picture *Image1 = nullptr, *Image2 = nullptr, *Image3 = nullptr;
    ui::Picture *Picture7 = nullptr;  // BINGO !
    ui::Picture *Picture8 = nullptr;  // REACH
    ui::Picture *Picture9 = nullptr;  // LOST!
    ui::Picture *Picture10 = nullptr; // WIN!!
    QPushButton *Command1 = nullptr;  // START
    QPushButton *Command3 = nullptr;  // PLAY OUT

    // The cards and the drawn column as the card maker and the line checker see them.
    std::array<std::array<bingo::LabelCell, 30>, 4> cardCells_{};
    std::array<std::array<bingo::Cell *, 30>, 4> cardArrays_{};
    std::array<bingo::LabelCell, 12> drawnCells_{};
    std::array<bingo::Cell *, 12> drawnArray_{};

    std::int16_t DrawCount = 0;
    std::int16_t SpinCount = 0;
    std::unique_ptr<cBingoMake> CardMaker;
    std::unique_ptr<cBingoGo> BallDraw;
    std::unique_ptr<cLineChk> LineChecker;
    ui::PeriodicTimer Timer1{timeline(), [this] { Timer1_Timer(); }};
};
