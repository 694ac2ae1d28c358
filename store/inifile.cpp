// SPDX-License-Identifier: GPL-3.0-or-later
#include "inifile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

namespace {

// The name of a section line "[ NAME ]", or nothing when the line is not one.
std::optional<QByteArrayView> sectionName(QByteArrayView line)
{
    const QByteArrayView t = line.trimmed();
    if (!t.startsWith('[')) return std::nullopt;
    const qsizetype close = t.indexOf(']');
    return (close < 0 ? t.sliced(1) : t.sliced(1, close - 1)).trimmed();
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<IniFile> IniFile::read(const QString &path)
{
    const QFileInfo info(path); // follows symbolic links
    if (!info.exists()) return IniFile{};
    // Checked before opening: opening a named pipe would wait for a writer.
    if (!info.isFile() || info.size() > MaxSize) return std::nullopt;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray text;
    text.reserve(info.size());
    char chunk[1 << 16];
    qint64 n;
    while ((n = f.read(chunk, sizeof chunk)) > 0) {
        text.append(chunk, n);
        if (text.size() > MaxSize) return std::nullopt; // it grew while being read
    }
    if (n < 0) return std::nullopt;
    return fromText(text);
}

IniFile IniFile::load(const QString &path)
{
    return read(path).value_or(IniFile{});
}

IniFile IniFile::fromText(const QByteArray &raw)
{
    IniFile ini;
    QByteArrayView text = raw;
    while (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    // The first line tells; a text of one line that ends in CR is taken for CRLF, so that a line
    // added after it does not change what the file reads as.
    const qsizetype lf = text.indexOf('\n');
    const bool crlf = lf < 0 ? text.endsWith('\r') : lf > 0 && text.at(lf - 1) == '\r';
    if (crlf) ini.eol_ = "\r\n";
    if (!crlf) { // kept byte for byte: a CR before an LF is then part of its line
        ini.text_ = text.size() == raw.size() ? raw : text.toByteArray();
        return ini;
    }
    // Every line gets the file's line ending, CRLF; a CR that ends a line belongs to its
    // ending. Written straight into place: a file may hold millions of lines.
    const char *in = text.data();
    const qsizetype size = text.size();
    ini.text_.resize(size + text.count('\n') + 1);
    char *out = ini.text_.data();
    for (qsizetype at = 0; at < size;) {
        const auto *nl = static_cast<const char *>(memchr(in + at, '\n', size_t(size - at)));
        const qsizetype next = nl ? nl - in + 1 : size;
        qsizetype end = nl ? nl - in : size;
        const bool cr = end > at && in[end - 1] == '\r';
        if (cr) --end;
        memcpy(out, in + at, size_t(end - at));
        out += end - at;
        if (nl || cr) { // a CR at the very end is taken for a line ending cut short
            memcpy(out, ini.eol_.constData(), size_t(ini.eol_.size()));
            out += ini.eol_.size();
        }
        at = next;
    }
    ini.text_.truncate(out - ini.text_.constData());
    return ini;
}

IniFile::Line IniFile::lineAt(qsizetype begin) const
{
    const char *data = text_.constData();
    const auto *nl =
        static_cast<const char *>(memchr(data + begin, '\n', size_t(text_.size() - begin)));
    if (!nl) return {begin, text_.size(), text_.size()};
    const qsizetype next = nl - data + 1;
    qsizetype end = next - 1;
    if (eol_.size() == 2 && end > begin && data[end - 1] == '\r') --end;
    return {begin, end, next};
}

QByteArrayView IniFile::view(const Line &line) const
{
    return QByteArrayView(text_.constData() + line.begin, line.end - line.begin);
}

std::optional<IniFile::Line> IniFile::findSection(QByteArrayView section) const
{
    for (qsizetype at = 0; at < text_.size();) {
        const Line line = lineAt(at);
        const auto name = sectionName(view(line));
        if (name && sameName(*name, section)) return line;
        at = line.next;
    }
    return std::nullopt;
}

std::optional<QByteArray> IniFile::value(QByteArrayView section, QByteArrayView key) const
{
    const auto s = findSection(section);
    if (!s) return std::nullopt;
    for (qsizetype at = s->next; at < text_.size();) {
        const Line line = lineAt(at);
        const QByteArrayView v = view(line);
        if (sectionName(v)) break;
        const qsizetype eq = v.indexOf('=');
        if (eq >= 0 && sameName(v.first(eq).trimmed(), key))
            return v.sliced(eq + 1).trimmed().toByteArray();
        at = line.next;
    }
    return std::nullopt;
}

QByteArray IniFile::value(QByteArrayView section, QByteArrayView key,
                          const QByteArray &fallback) const
{
    return value(section, key).value_or(fallback);
}

void IniFile::setValue(const QByteArray &section, const QByteArray &key, const QByteArray &value)
{
    const QByteArray line = key + '=' + value;
    const bool endsOpen = !text_.isEmpty() && !text_.endsWith('\n');
    const auto s = findSection(section);
    if (!s) {
        if (endsOpen)
            text_ += eol_ + '[' + section + ']' + eol_ + line;
        else
            text_ += '[' + section + ']' + eol_ + line + eol_;
        return;
    }
    // Where a new key goes: after the last line of the section that is not blank.
    qsizetype insertAt = s->next;
    for (qsizetype at = s->next; at < text_.size();) {
        const Line l = lineAt(at);
        const QByteArrayView v = view(l);
        if (sectionName(v)) break;
        const qsizetype eq = v.indexOf('=');
        if (eq >= 0 && sameName(v.first(eq).trimmed(), key)) {
            text_.replace(l.begin, l.end - l.begin, line);
            return;
        }
        if (!v.trimmed().isEmpty()) insertAt = l.next;
        at = l.next;
    }
    if (insertAt < text_.size())
        text_.insert(insertAt, line + eol_);
    else if (endsOpen)
        text_ += eol_ + line;
    else
        text_ += line + eol_;
}

bool IniFile::save(const QString &path) const
{
    QSaveFile f(path);
    // Where the directory cannot take a new file but the file itself can be written, write in
    // place rather than lose the change.
    f.setDirectWriteFallback(true);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(text_) != text_.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}
