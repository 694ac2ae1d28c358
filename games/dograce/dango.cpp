#include "dango.h"

Dango::Dango(Context &context, QWidget *opener)
    : GameWindow(context, {"Dango", "Dog Race", 8310, 3375, "icons/Dango"}, opener)
{
    QLabel *win = winBox("Label15", {3960, 2640, 495, 255}, "Label16", {4200, 2880, 975, 375});
    QLabel *credit = creditBox("Label14", {5520, 2640, 975, 255}, "Label13", {6000, 2880, 975, 375});
    auto leave = button("Command1", {7080, 2760, 1095, 495}, "PLAY OUT");
    setFrameWidgets(credit, win, leave);
}
