#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// A settings file in the INI layout ([SECTION] lines, then KEY=value lines), read and changed
// the way the classic profile functions do it, but without rewriting what it does not own:
// every line keeps its bytes and its place, and a change touches only the line of its key.
// Section and key names match without regard to case; blanks around names and values are
// ignored. The line ending of the file (CRLF or LF) is kept; a new file gets LF.
class IniFile
{
public:
    IniFile() = default;
    // Reads a file. A file that is missing or cannot be read gives an empty one. A UTF-8
    // byte-order mark at the start is dropped.
    static IniFile load(const QString &path);
    static IniFile fromText(const QByteArray &text);

    // The value of the first key of that name in the first section of that name.
    std::optional<QByteArray> value(const QByteArray &section, const QByteArray &key) const;
    QByteArray value(const QByteArray &section, const QByteArray &key,
                     const QByteArray &fallback) const;
    // Replaces the key's line with KEY=value, or adds the line at the end of the section,
    // or adds the section at the end of the file.
    void setValue(const QByteArray &section, const QByteArray &key, const QByteArray &value);

    QByteArray text() const;
    // Replaces the file atomically; false when it could not be written.
    bool save(const QString &path) const;

private:
    // Index of the section line, or -1.
    int findSection(const QByteArray &section) const;
    // Index of the key's line within the section starting after line `from`, or -1.
    int findKey(int sectionLine, const QByteArray &key) const;

    QList<QByteArray> lines_;
    QByteArray eol_ = "\n";
    bool finalEol_ = true;
};
