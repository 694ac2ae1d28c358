#pragma once

#include "shell/gamewindow.h"

// The BINGO window.
class Bingo : public GameWindow
{
    Q_OBJECT
public:
    Bingo(Context &context, QWidget *opener);
};
