// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/form.h"

#include <QString>

// The playing-card pictures that Oicho-Kabu and Mark share.
namespace cards {

// Suits are numbered 1 red heart, 2 black club, 3 red diamond, 4 black spade.
QString suitPicture(int suit); // picture name, "cards/suit1"
// "A" for 1, "2" to "10", "J", "Q", "K" for 11 to 13.
QString rankText(int value);
// "heart", "club", "diamond", "spade": what a screen reader calls the suit.
QString suitName(int suit);
// Shows the suit's picture in box and names the box after the suit.
void showSuit(ui::Picture *box, int suit);

// A card face: a white box of 735 x 1095 twips, `Picture1(k)`, holding the suit picture
// `Image5(k)` at its top left and the rank label `Label2(k)` below it. Hidden at first.
struct Face
{
    ui::Picture *box = nullptr;
    ui::Picture *suit = nullptr;
    ui::Label *rank = nullptr;
    // Shows value and suit on the face; does not show or hide the box.
    void set(int value, int suitNumber) const;
};
Face face(const ui::Builder &form, int k, int left, int top);

// A card back, `Picture14(k)`: the 48 x 72 blue woven picture in a box of the card's size.
ui::Picture *back(const ui::Builder &form, int k, int left, int top);

} // namespace cards

// The result banners of Bingo, Dice, Mark and Treasure hunting: WIN!! in blue on white and
// LOST! in black on grey, 185 x 40 pixels in a box of 2805 x 630 twips; hidden until shown.
namespace banners {
ui::Picture *win(const ui::Builder &form, const QString &name, ui::Rect r);
ui::Picture *lost(const ui::Builder &form, const QString &name, ui::Rect r);
} // namespace banners
