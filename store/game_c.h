// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <cstdint>

// Game_C: the shared credit balance and the settings file it is kept in.
//
// The file "ZelkGame.ini" holds, in section MAIN, the balance (CREDIT) and two check values
// (BACK = CREDIT + 1963, MIRROR = CREDIT + 1122) that expose a balance edited by hand; the dog
// race and the puzzle keep keys of their own there. Numbers are written with a leading blank
// when not negative (" 100") and a minus sign otherwise.
class Game_C
{
public:
    static constexpr const char *FileName = "ZelkGame.ini";
    static constexpr const char *Section = "MAIN";
    static constexpr std::int32_t ResetBalance = 10;

    std::int32_t Credit = 0;
    QString IniPath;
    // How the games have treated the player; saved with the balance, in a file of its own.
    Records Record;

    // Where the settings file lives: beside the program when that directory can be written,
    // otherwise (an installed program) in the per-user application data directory, which starts
    // from a copy of the file beside the program when there is one.
    static QString settingsPath(const QString &programDir);

    // Reads the balance. A file whose three values do not belong together, or whose balance does
    // not fit 32 bits, gives the reset balance of 10; no file gives 100.
    void LoadCredit();
    // Writes CREDIT, BACK and MIRROR together, replacing the file atomically and keeping every
    // other line. False when the file could not be written, or when what is in its place cannot
    // be read whole (it is left alone); play goes on with the balance held. The records, once
    // loaded, are saved beside it at the same moment; their file's fate never changes the result.
    bool SaveCredit() const;

    // Adds to the balance without passing the 32-bit limit; never takes it below zero by a win.
    void add(std::int64_t amount);

    // Other keys of section MAIN, for the games that keep their own values.
    QByteArray readKey(const QByteArray &key, const QByteArray &fallback) const;
    bool writeKeys(const QList<QPair<QByteArray, QByteArray>> &keys) const;

    // " 100" for 100, "-5" for -5.
    static QByteArray numberText(std::int64_t n);
};
