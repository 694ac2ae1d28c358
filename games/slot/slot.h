#pragma once

#include "shell/gamewindow.h"

// The Slot Machine window.
class Slot : public GameWindow
{
    Q_OBJECT
public:
    Slot(Context &context, QWidget *opener);
};
