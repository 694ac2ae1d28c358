// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/gamewindow.h"
#include "games/common/cards.h"
#include "markrules.h"

#include <QPushButton>

#include <array>
#include <cstdint>

// The Mark window: guess the suits of three of five cards turned one by one.
class Card : public GameWindow
{
    Q_OBJECT
public:
    // The form: its name, caption, client size and icon.
    static const Form form;

    Card(Context &context, QWidget *opener);

private:
    void Command3_Click();      // BET
    void Label3_Click();        // switch the mode
    void Picture2_Click(int j); // move choice box j to the next suit
    void Command1_Click();      // START
    ui::Play turnCards();       // the play START runs
    void MARK_START();          // deal five new cards face down and reset the table
    void showMode();
    void showBet();

    std::array<cards::Face, mark::CardsDealt> Picture1{};
    std::array<ui::Picture *, mark::CardsDealt> Picture14{};
    std::array<ui::Picture *, mark::Choices> Picture2{};
    std::array<ui::Shape *, mark::Choices> Shape1{};
    std::array<ui::Label *, 11> Label1{}; // hidden: their Tags receive the dealt card numbers
    ui::Picture *Picture10 = nullptr;     // WIN!!
    ui::Picture *Picture9 = nullptr;      // LOST!
    ui::Label *Label3 = nullptr;          // mode
    ui::Label *Label4 = nullptr;          // bonus
    ui::Label *Label5 = nullptr;          // bet box
    QPushButton *Command1 = nullptr;      // START
    QPushButton *Command2 = nullptr;      // PLAY OUT
    QPushButton *Command3 = nullptr;      // BET

    std::array<int, mark::CardsDealt> CardValue{};
    std::array<int, mark::CardsDealt> CardSuit{};
    std::array<int, mark::Choices> MarkChoice{};
    mark::Mode MarkMode = mark::Mode::Combination;
    std::int64_t stake_ = 0; // shown in the bet box
};
