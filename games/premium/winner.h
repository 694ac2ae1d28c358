#pragma once

#include "shell/gamewindow.h"

// The Premium window.
class Winner : public GameWindow
{
    Q_OBJECT
public:
    Winner(Context &context, QWidget *opener);
};
