#include "card.h"

Card::Card(Context &context, QWidget *opener)
    : GameWindow(context, {"Card", "Mark", 6540, 3270, "icons/Card", true}, opener)
{
    QLabel *win = winBox("Label15", {5160, 960, 495, 255}, "Label16", {5400, 1200, 975, 375});
    QLabel *credit = creditBox("Label14", {3120, 2760, 975, 255}, "Label13", {4200, 2760, 975, 375});
    auto leave = button("Command2", {5400, 2640, 1095, 495}, "PLAY OUT");
    setFrameWidgets(credit, win, leave);
}
