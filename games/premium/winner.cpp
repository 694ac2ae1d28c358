#include "winner.h"

Winner::Winner(Context &context, QWidget *opener)
    : GameWindow(context, {"Winner", "Premium", 6015, 4230, "icons/Winner"}, opener)
{
    QLabel *win = nullptr;
    QLabel *credit = creditBox("Label4", {4680, 2760, 975, 255}, "Label5", {4920, 3120, 855, 375});
    auto leave = button("Command1", {4680, 120, 1215, 495}, "Close");
    setFrameWidgets(credit, win, leave);
}
