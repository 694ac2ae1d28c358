#pragma once

#include "shell/gamewindow.h"

// The Treasure Hunting window.
class Takara : public GameWindow
{
    Q_OBJECT
public:
    Takara(Context &context, QWidget *opener);
};
