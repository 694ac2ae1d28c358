// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/gamewindow.h"
#include "pieces.h"

#include <array>

class QPushButton;

// The Premium window: a picture puzzle of 16 pieces bought for 50 credits each. A purchase runs
// a red highlight over the piece numbers until STOP and reveals the piece under it; when all 16
// are owned, a bonus picture takes the place of the pieces. Ownership is read from the settings
// file when the window opens and written when it closes.
class Winner : public GameWindow
{
    Q_OBJECT
public:
    static constexpr int Price = 50;
    static constexpr double HighlightStep = 0.08; // seconds a number stays highlighted
    static constexpr double ChosenPause = 0.5;    // the chosen number before its piece shows
    static constexpr double VanishStep = 0.1;     // between the pieces vanishing at completion

    // The form: its name, caption, client size and icon.
    static const Form form;

    Winner(Context &context, QWidget *opener);

private:
    void Command2_Click(); // "50 BET"
    void Command3_Click(); // "STOP"
    void Command4_Click(); // "CLEAR"

    ui::Play purchase();
    void loadPieces();
    // Hides the numbers of the owned pieces and counts those pieces.
    int countOwned();
    bool owned(int k) const;
    void showBonus();

    void finishing() override;
    void leaving() override;
    // Writes which pieces are owned (TYPE-A to TYPE-P).
    void writePieces();

    ui::Picture *Picture1 = nullptr;
    ui::Picture *Image1 = nullptr;
    std::array<ui::Picture *, premium::PieceCount> Image2{};
    std::array<ui::Label *, premium::PieceCount> Label1{};
    ui::Label *Label2 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;

    bool StopPressed = false;
    bool PuzzleComplete = false;
};
