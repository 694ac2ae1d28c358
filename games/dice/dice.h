#pragma once

#include "shell/gamewindow.h"

// The Dice window.
class Dice : public GameWindow
{
    Q_OBJECT
public:
    Dice(Context &context, QWidget *opener);
};
