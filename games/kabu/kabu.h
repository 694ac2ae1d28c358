#pragma once

#include "shell/gamewindow.h"

// The Oicyo Kabu window.
class Kabu : public GameWindow
{
    Q_OBJECT
public:
    Kabu(Context &context, QWidget *opener);
};
