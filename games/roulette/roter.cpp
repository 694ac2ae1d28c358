#include "roter.h"

Roter::Roter(Context &context, QWidget *opener)
    : GameWindow(context, {"Roter", "Roulette", 5970, 5640, "icons/Roter"}, opener)
{
    QLabel *win = winBox("Label9", {4800, 3720, 495, 255}, "Label8", {4920, 4080, 735, 375});
    QLabel *credit = creditBox("Label6", {4560, 4680, 975, 255}, "Label7", {4800, 5040, 855, 375});
    auto leave = button("Command6", {4680, 240, 1095, 495}, "PLAY OUT");
    setFrameWidgets(credit, win, leave);
}
