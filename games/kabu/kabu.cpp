#include "kabu.h"

Kabu::Kabu(Context &context, QWidget *opener)
    : GameWindow(context, {"Kabu", "Oicyo Kabu", 8310, 5415, "icons/Kabu"}, opener)
{
    QLabel *win = winBox("Label9", {7080, 3120, 495, 255}, "Label10", {7440, 3480, 615, 375});
    QLabel *credit = creditBox("Label7", {6960, 4320, 975, 255}, "Label8", {7200, 4680, 855, 375});
    auto leave = button("Command5", {7080, 240, 1095, 495}, "PLAY OUT");
    setFrameWidgets(credit, win, leave);
}
