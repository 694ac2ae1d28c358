#pragma once

#include "shell/gamewindow.h"

// The Roulette window.
class Roter : public GameWindow
{
    Q_OBJECT
public:
    Roter(Context &context, QWidget *opener);
};
