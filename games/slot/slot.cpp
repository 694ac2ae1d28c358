#include "slot.h"

Slot::Slot(Context &context, QWidget *opener)
    : GameWindow(context, {"Slot", "Slot Machine", 4095, 3750, "icons/Slot"}, opener)
{
    QLabel *win = winBox("Label6", {2880, 1200, 495, 255}, "Label3", {3240, 1560, 735, 375});
    QLabel *credit = creditBox("Label4", {2160, 3120, 975, 255}, "Label5", {3120, 3120, 855, 375});
    auto leave = button("Command3", {240, 3120, 1095, 495}, "PLAY OUT");
    setFrameWidgets(credit, win, leave);
}
