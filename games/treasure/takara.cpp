#include "takara.h"

Takara::Takara(Context &context, QWidget *opener)
    : GameWindow(context, {"Takara", "Treasure Hunting", 6675, 4245, "icons/Takara"}, opener)
{
    QLabel *win = winBox("Label2", {5160, 1440, 495, 255}, "Label3", {5520, 1800, 735, 375});
    QLabel *credit = creditBox("Label4", {5040, 2760, 975, 255}, "Label5", {5400, 3120, 855, 375});
    auto leave = button("Command3", {5040, 3720, 1215, 375}, "PLAY OUT");
    setFrameWidgets(credit, win, leave);
}
