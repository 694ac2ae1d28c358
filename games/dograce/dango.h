#pragma once

#include "shell/gamewindow.h"

// The Dog Race window.
class Dango : public GameWindow
{
    Q_OBJECT
public:
    Dango(Context &context, QWidget *opener);
};
