#include "bingo.h"

Bingo::Bingo(Context &context, QWidget *opener)
    : GameWindow(context, {"Bingo", "BINGO", 8745, 5055, "icons/Bingo"}, opener)
{
    QLabel *win = winBox("Label12", {6600, 2640, 495, 255}, "Label11", {7200, 2640, 735, 375});
    QLabel *credit = creditBox("Label14", {6720, 3120, 855, 255}, "Label13", {7080, 3480, 855, 375});
    auto leave = button("Command3", {6840, 4560, 1095, 375}, "PLAY OUT");
    setFrameWidgets(credit, win, leave);
}
