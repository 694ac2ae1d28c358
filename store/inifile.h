// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// A settings file in the INI layout ([SECTION] lines, then KEY=value lines), read and changed
// the way the classic profile functions do it, but without rewriting what it does not own:
// every line keeps its bytes and its place, and a change touches only the line of its key.
// Section and key names match without regard to case; blanks around names and values are
// ignored. The line ending of the file (CRLF or LF, as its first line has it) is kept; a new
// file gets LF. An LF file keeps every byte; in a CRLF file, a line ending in LF alone gets CRLF.
// The text is held whole, not line by line, so that even a file of millions of lines is read
// and changed in a few passes.
class IniFile
{
public:
    // A file larger than this is not a settings file of ours; it is not read (nor replaced).
    static constexpr qint64 MaxSize = 64 * 1024 * 1024;

    IniFile() = default;
    // Reads a file: an empty one when there is no file. Nothing when something is there that
    // cannot be read whole as a settings file (a directory, a device or pipe, a file that cannot
    // be read or is larger than MaxSize): such a thing must not be replaced by a save.
    static std::optional<IniFile> read(const QString &path);
    // Reads a file; whatever cannot be read gives an empty one. UTF-8 byte-order marks at the
    // start are dropped.
    static IniFile load(const QString &path);
    static IniFile fromText(const QByteArray &text);

    // The value of the first key of that name in the first section of that name.
    std::optional<QByteArray> value(QByteArrayView section, QByteArrayView key) const;
    QByteArray value(QByteArrayView section, QByteArrayView key, const QByteArray &fallback) const;
    // Replaces the key's line with KEY=value, or adds the line after the last line of the
    // section that is not blank, or adds the section at the end of the file. The key and the
    // value hold no line break.
    void setValue(const QByteArray &section, const QByteArray &key, const QByteArray &value);

    const QByteArray &text() const { return text_; }
    // Replaces the file atomically; false when it could not be written.
    bool save(const QString &path) const;

private:
    // A line of the text: its bytes are [begin, end), the next line starts at `next`.
    struct Line
    {
        qsizetype begin = 0, end = 0, next = 0;
    };
    Line lineAt(qsizetype begin) const;
    QByteArrayView view(const Line &line) const;
    std::optional<Line> findSection(QByteArrayView section) const;

    // Every line followed by eol_, the last one perhaps not (a file without a final line break).
    QByteArray text_;
    QByteArray eol_ = "\n";
};
