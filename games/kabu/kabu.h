// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/gamewindow.h"
#include "games/bingo/draw/cbingogo.h"
#include "games/common/cards.h"
#include "kaburules.h"

#include <array>
#include <cstdint>
#include <memory>

class QPushButton;

// The Oicyo Kabu window: three player hands against the dealer on a green table. The player
// bets on any hands, turns their second cards with START, stands (OK) or takes a third card
// (Again) on each, and then the dealer plays and every hand is settled at once.
class Kabu : public GameWindow
{
    Q_OBJECT
public:
    // The form: its name, caption, client size and icon.
    static const Form form;

    Kabu(Context &context, QWidget *opener);

private:
    void Form_Load();
    // Clears the table and deals fifteen cards into their slots, all face down.
    void CARD_START();
    // Turns slot k face up.
    void CARD_OPEN(int k);
    // Shows the first card of every hand and starts the totals with them.
    void openFirstCards();
    // Adds slot k to hand h and shows the new total.
    void addSlot(int h, int k);

    void Command1_Click(); // START
    void Command6_Click() { BET(1); }
    void Command7_Click() { BET(2); }
    void Command8_Click() { BET(3); }
    void Command9_Click() { OK(1); }
    void Command10_Click() { OK(2); }
    void Command11_Click() { OK(3); }
    void Command2_Click() { Again(1); }
    void Command3_Click() { Again(2); }
    void Command4_Click() { Again(3); }
    void BET(int h);
    void OK(int h);
    void Again(int h);
    // Once every hand has stood or drawn (all OK buttons disabled), the dealer plays.
    void dealerWhenAllActed();
    // The dealer's play and the settlement, then the result on show and the next deal.
    ui::Play COMP_GO();

    std::array<int, kabu::SlotCount> SlotValue{};
    std::array<int, kabu::SlotCount> SlotSuit{};
    std::array<int, kabu::HandCount> HandTotal{};
    // Credits staked per hand (1 to 3); wide, so that no bet or payout can wrap.
    std::array<std::int64_t, kabu::HandCount> HandBet{};
    std::unique_ptr<cBingoGo> draw_;

    ui::Picture *Picture2 = nullptr;        // the table
    std::array<cards::Face, 12> Picture1{}; // card faces, one a slot
    std::array<ui::Picture *, 6>
        Picture14{}; // card backs: 1..4 over second cards, 0 and 5 the deck
    std::array<ui::Label *, kabu::SlotCount> Label1{}; // hidden: the Tags of the deal
    std::array<ui::Label *, 4> Label3{};               // hand totals
    std::array<ui::Label *, 4> Label11{};              // result labels
    std::array<ui::Label *, 4> Label4{};               // bet boxes
    std::array<QPushButton *, 4> okButton{};           // Command9..11 for hands 1..3
    std::array<QPushButton *, 4> againButton{};        // Command2..4
    std::array<QPushButton *, 4> betButton{};          // Command6..8
    QPushButton *Command1 = nullptr;                   // START
    QPushButton *Command5 = nullptr;                   // PLAY OUT
};
