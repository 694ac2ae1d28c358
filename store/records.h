// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

// The records: how each game has treated the player since a date. A game is named by its form
// ("Slot"); every credit a game takes from the balance counts as staked, every credit it adds
// as paid, and a play counts once, when it settles. Fresh starts (credits given to a player whose
// balance is gone) are counted apart, so that over any run
//     sum of (paid - staked) + FreshStartCredits * restarts == balance now - balance at `since`.
//
// The file "ZelkRecord.ini" lies beside the settings file: section MAIN holds SINCE=YYYY-MM-DD
// and RESTARTS, one section per game holds PLAYS, STAKED, PAID and BEST (the biggest single
// payout). Numbers are written as the settings file writes them (" 100"). A file that cannot be
// read whole (a directory, an unreadable or oversized file) is never replaced; one whose values
// are not records of ours is read as no records, and its other lines are kept when it is saved.
class Records
{
public:
    static constexpr const char *FileName = "ZelkRecord.ini";
    static constexpr std::int64_t FreshStartCredits = 100;
    // The file holds a few hundred bytes; anything far larger is not ours and is left alone.
    static constexpr qint64 MaxSize = 1024 * 1024;

    struct Game
    {
        QString form;
        std::int64_t plays = 0;
        std::int64_t staked = 0;
        std::int64_t paid = 0;
        std::int64_t best = 0;
        std::int64_t net() const { return paid - staked; }
        bool operator==(const Game &) const = default;
    };

    enum class Loaded { Fresh, Read, Damaged, Unreadable };

    // The file for a settings file: the same directory.
    static QString pathBeside(const QString &iniPath);

    // Starts the records for these games (in the order they are shown and written), from the
    // file at path. Without a usable file the records start afresh from today.
    Loaded load(const QString &path, const QStringList &forms, const QDate &today);
    // Replaces the file atomically. False when it cannot be written, when no file was named, or
    // when what is in its place could not be read (it is left alone).
    bool save() const;

    void staked(const QString &form, std::int64_t amount);
    void settled(const QString &form, std::int64_t paid);
    // A fresh start of FreshStartCredits credits.
    void freshStart() { ++restarts_; }
    // Clears every game's counts and the fresh starts; the records start from today.
    void reset(const QDate &today);

    const QList<Game> &games() const { return games_; }
    const Game *game(const QString &form) const;
    Game total() const;
    QDate since() const { return since_; }
    std::int64_t restarts() const { return restarts_; }
    QString path() const { return path_; }
    // Whether a save may replace the file (false while something unreadable is in its place).
    bool writable() const { return writable_; }

private:
    Game &entry(const QString &form);
    QString path_;
    bool writable_ = false;
    QDate since_ = QDate::currentDate();
    std::int64_t restarts_ = 0;
    QList<Game> games_;
};
