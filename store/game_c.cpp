// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_c.h"

#include "inifile.h"
#include "numval.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>
#include <limits>

namespace {

bool canWriteIn(const QString &dir)
{
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".ZelkGame-XXXXXX")));
    return probe.open();
}

} // namespace

QString Game_C::settingsPath(const QString &programDir)
{
    QString dir = programDir;
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    const QString beside = dir + QLatin1String(FileName);
    // The file is replaced by a new one and its lock file is made beside it: both need the
    // directory, not only the file, to be writable.
    if (canWriteIn(programDir)) return beside;
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(user);
    const QString path = QDir(user).filePath(QLatin1String(FileName));
    // The first start there goes on from the file beside the program: its balance and keys.
    if (!QFileInfo::exists(path) && QFileInfo(beside).isFile()) {
        if (const auto ini = IniFile::read(beside)) ini->save(path);
    }
    return path;
}

void Game_C::LoadCredit()
{
    const IniFile ini = IniFile::load(IniPath);
    const auto read = [&](const char *key, const char *fallback) {
        return NumVal(ini.value(Section, key, fallback).toStdString());
    };
    // The check values are compared at full width, so that every balance that can be saved
    // comes back; a balance that is not a 32-bit number cannot have been saved.
    const auto credit = roundToInt32(read("CREDIT", "100"));
    const auto back = roundToInt64(read("BACK", "2063") - 1963);
    const auto mirror = roundToInt64(read("MIRROR", "1222") - 1122);
    if (credit && back && mirror && *credit == *back && *back == *mirror)
        Credit = *credit;
    else
        Credit = ResetBalance;
}

bool Game_C::SaveCredit() const
{
    const bool saved = writeKeys({{"CREDIT", numberText(Credit)},
                                  {"BACK", numberText(std::int64_t(Credit) + 1963)},
                                  {"MIRROR", numberText(std::int64_t(Credit) + 1122)}});
    Record.save();
    return saved;
}

void Game_C::add(std::int64_t amount)
{
    const std::int64_t sum = std::int64_t(Credit) + amount;
    Credit = std::int32_t(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                   std::numeric_limits<std::int32_t>::max()));
}

QByteArray Game_C::readKey(const QByteArray &key, const QByteArray &fallback) const
{
    return IniFile::load(IniPath).value(Section, key, fallback);
}

bool Game_C::writeKeys(const QList<QPair<QByteArray, QByteArray>> &keys) const
{
    // Read afresh: the other games' keys may have changed since the last look. What cannot be
    // read whole is left alone rather than replaced by a file that has lost its other keys.
    std::optional<IniFile> ini = IniFile::read(IniPath);
    if (!ini) return false;
    for (const auto &[key, value] : keys) ini->setValue(Section, key, value);
    return ini->save(IniPath);
}

QByteArray Game_C::numberText(std::int64_t n)
{
    return n < 0 ? QByteArray::number(n) : ' ' + QByteArray::number(n);
}
