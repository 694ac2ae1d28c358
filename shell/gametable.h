#pragma once

#include "shell/context.h"

#include <QString>

#include <functional>
#include <vector>

class GameWindow;
class QWidget;

// The nine game windows, the one place that knows them all: the menu and Help open the games
// through it.
struct GameEntry
{
    QString form;    // "Slot"
    QString caption; // "Slot Machine"
    std::function<GameWindow *(Context &, QWidget *opener)> make;
};

const std::vector<GameEntry> &gameTable();
const GameEntry *findGame(const QString &form);
