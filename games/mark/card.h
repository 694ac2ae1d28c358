#pragma once

#include "shell/gamewindow.h"

// The Mark window.
class Card : public GameWindow
{
    Q_OBJECT
public:
    Card(Context &context, QWidget *opener);
};
