// SPDX-License-Identifier: GPL-3.0-or-later
#include "records.h"

#include "game_c.h"
#include "inifile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace {

constexpr const char *Main = "MAIN";
constexpr const char *DateFormat = "yyyy-MM-dd";

// Whole numbers as this program writes them: digits after an optional blank, never negative,
// short enough that sums over every game cannot overflow.
std::optional<std::int64_t> count(const std::optional<QByteArray> &text)
{
    if (!text) return 0; // a key not written yet
    const QByteArray digits = text->trimmed();
    if (digits.isEmpty() || digits.size() > 15) return std::nullopt;
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return digits.toLongLong();
}

// The file at path when it can be read whole and is of a records file's size.
std::optional<IniFile> readable(const QString &path)
{
    const QFileInfo info(path);
    if (info.isFile() && info.size() > Records::MaxSize) return std::nullopt;
    return IniFile::read(path);
}

} // namespace

QString Records::pathBeside(const QString &iniPath)
{
    return QFileInfo(iniPath).absoluteDir().filePath(QLatin1String(FileName));
}

Records::Loaded Records::load(const QString &path, const QStringList &forms, const QDate &today)
{
    path_ = path;
    since_ = today;
    restarts_ = 0;
    games_.clear();
    for (const QString &form : forms)
        games_.append(Game{form});

    const bool exists = QFileInfo::exists(path) || QFileInfo(path).isSymLink();
    const std::optional<IniFile> ini = readable(path);
    writable_ = ini.has_value();
    if (!ini) return Loaded::Unreadable;
    if (!exists) return Loaded::Fresh;

    // Everything is read before anything is taken: records that do not add up are none at all.
    const QDate since =
        QDate::fromString(QString::fromLatin1(ini->value(Main, "SINCE").value_or("").trimmed()),
                          QLatin1String(DateFormat));
    const auto restarts = count(ini->value(Main, "RESTARTS"));
    bool good = since.isValid() && restarts;
    QList<Game> read = games_;
    for (Game &g : read) {
        const QByteArray section = g.form.toLatin1();
        const auto plays = count(ini->value(section, "PLAYS"));
        const auto staked = count(ini->value(section, "STAKED"));
        const auto paid = count(ini->value(section, "PAID"));
        const auto best = count(ini->value(section, "BEST"));
        if (!plays || !staked || !paid || !best || *best > *paid) {
            good = false;
            break;
        }
        g.plays = *plays;
        g.staked = *staked;
        g.paid = *paid;
        g.best = *best;
    }
    if (!good) return Loaded::Damaged;
    since_ = since;
    restarts_ = *restarts;
    games_ = read;
    return Loaded::Read;
}

bool Records::save() const
{
    if (path_.isEmpty() || !writable_) return false;
    // Read afresh, as the settings file is: what cannot be read whole now is left alone too.
    std::optional<IniFile> ini = readable(path_);
    if (!ini) return false;
    ini->setValue(Main, "SINCE", since_.toString(QLatin1String(DateFormat)).toLatin1());
    ini->setValue(Main, "RESTARTS", Game_C::numberText(restarts_));
    for (const Game &g : games_) {
        const QByteArray section = g.form.toLatin1();
        ini->setValue(section, "PLAYS", Game_C::numberText(g.plays));
        ini->setValue(section, "STAKED", Game_C::numberText(g.staked));
        ini->setValue(section, "PAID", Game_C::numberText(g.paid));
        ini->setValue(section, "BEST", Game_C::numberText(g.best));
    }
    return ini->save(path_);
}

Records::Game &Records::entry(const QString &form)
{
    for (Game &g : games_)
        if (g.form == form) return g;
    // A window the records were not started with still has its credits counted.
    games_.append(Game{form});
    return games_.last();
}

void Records::staked(const QString &form, std::int64_t amount)
{
    if (amount > 0) entry(form).staked += amount;
}

void Records::settled(const QString &form, std::int64_t paid)
{
    Game &g = entry(form);
    ++g.plays;
    g.paid += std::max<std::int64_t>(paid, 0);
    g.best = std::max(g.best, paid);
}

void Records::reset(const QDate &today)
{
    since_ = today;
    restarts_ = 0;
    for (Game &g : games_)
        g = Game{g.form};
}

const Records::Game *Records::game(const QString &form) const
{
    for (const Game &g : games_)
        if (g.form == form) return &g;
    return nullptr;
}

Records::Game Records::total() const
{
    Game t{QString()};
    for (const Game &g : games_) {
        t.plays += g.plays;
        t.staked += g.staked;
        t.paid += g.paid;
        t.best = std::max(t.best, g.best);
    }
    return t;
}
