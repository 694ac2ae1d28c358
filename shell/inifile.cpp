#include "inifile.h"

#include <QFile>
#include <QSaveFile>

namespace {

// The name of a section line "[ NAME ]", or nothing when the line is not one.
std::optional<QByteArray> sectionName(const QByteArray &line)
{
    const QByteArray t = line.trimmed();
    if (!t.startsWith('[')) return std::nullopt;
    const int close = t.indexOf(']');
    return (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
}

bool sameName(const QByteArray &a, const QByteArray &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

} // namespace

IniFile IniFile::load(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return fromText(f.readAll());
}

IniFile IniFile::fromText(const QByteArray &raw)
{
    IniFile ini;
    QByteArray text = raw;
    if (text.startsWith("\xEF\xBB\xBF")) text.remove(0, 3);
    if (text.isEmpty()) return ini;
    const int lf = text.indexOf('\n');
    ini.eol_ = (lf > 0 && text.at(lf - 1) == '\r') ? "\r\n" : "\n";
    ini.finalEol_ = text.endsWith('\n');
    ini.lines_ = text.split('\n');
    if (ini.finalEol_) ini.lines_.removeLast();
    for (QByteArray &l : ini.lines_)
        if (l.endsWith('\r')) l.chop(1);
    return ini;
}

int IniFile::findSection(const QByteArray &section) const
{
    for (int i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i]);
        if (name && sameName(*name, section)) return i;
    }
    return -1;
}

int IniFile::findKey(int sectionLine, const QByteArray &key) const
{
    for (int i = sectionLine + 1; i < lines_.size(); ++i) {
        if (sectionName(lines_[i])) return -1;
        const int eq = lines_[i].indexOf('=');
        if (eq >= 0 && sameName(lines_[i].left(eq).trimmed(), key)) return i;
    }
    return -1;
}

std::optional<QByteArray> IniFile::value(const QByteArray &section, const QByteArray &key) const
{
    const int s = findSection(section);
    if (s < 0) return std::nullopt;
    const int k = findKey(s, key);
    if (k < 0) return std::nullopt;
    const QByteArray &line = lines_[k];
    return line.mid(line.indexOf('=') + 1).trimmed();
}

QByteArray IniFile::value(const QByteArray &section, const QByteArray &key,
                          const QByteArray &fallback) const
{
    return value(section, key).value_or(fallback);
}

void IniFile::setValue(const QByteArray &section, const QByteArray &key, const QByteArray &value)
{
    const QByteArray line = key + '=' + value;
    int s = findSection(section);
    if (s < 0) {
        lines_.append('[' + section + ']');
        lines_.append(line);
        return;
    }
    if (const int k = findKey(s, key); k >= 0) {
        lines_[k] = line;
        return;
    }
    // After the last line of the section that is not blank.
    int end = s + 1;
    while (end < lines_.size() && !sectionName(lines_[end])) ++end;
    int at = end;
    while (at > s + 1 && lines_[at - 1].trimmed().isEmpty()) --at;
    lines_.insert(at, line);
}

QByteArray IniFile::text() const
{
    QByteArray out = lines_.join(eol_);
    if (!lines_.isEmpty() && finalEol_) out += eol_;
    return out;
}

bool IniFile::save(const QString &path) const
{
    QSaveFile f(path);
    // Where the directory cannot take a new file but the file itself can be written, write in
    // place rather than lose the change.
    f.setDirectWriteFallback(true);
    if (!f.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = text();
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}
