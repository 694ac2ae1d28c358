// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/gamewindow.h"

#include <QString>

#include <functional>
#include <vector>

class QWidget;

// The nine game windows, the one place that knows them all: the menu and Help open the games
// through it. Each window's form (name, caption, size) is its own; the table reads it.
struct GameEntry
{
    QString form;    // the window's form name: "Slot"
    QString caption; // its caption: "Slot Machine"
    std::function<GameWindow *(Context &, QWidget *opener)> make;
};

const std::vector<GameEntry> &gameTable();
const GameEntry *findGame(const QString &form);
