#include "dice.h"

Dice::Dice(Context &context, QWidget *opener)
    : GameWindow(context, {"Dice", "Dice", 9915, 5415, "icons/Dice"}, opener)
{
    QLabel *win = winBox("Label10", {8760, 3000, 495, 255}, "Label8", {9120, 3360, 615, 375});
    QLabel *credit = creditBox("Label9", {8760, 4440, 975, 255}, "Label11", {8880, 4800, 855, 375});
    auto leave = button("Command4", {8760, 360, 1095, 495}, "PLAY OUT");
    setFrameWidgets(credit, win, leave);
}
