// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file's reader and writer on arbitrary bytes: read them as a file, set a few keys
// as the arcade does, write, read back. Every key reads back the value last set for it, every
// line of the file keeps its bytes and its order (only the lines of the keys set change, and
// lines are added only for the keys and their sections), the line ending of the file is kept,
// and reading the written text gives that text again. The input is the file; the choices of
// keys and values come from its last bytes.
#include "store/inifile.h"

#include <QByteArray>
#include <QList>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char *what, const QByteArray &detail = {})
{
    std::fprintf(stderr, "%s %s\n", what, detail.toHex(' ').constData());
    std::abort();
}

// The lines of a text without their line endings (a CR before the LF belongs to the ending).
QList<QByteArray> lines(const QByteArray &text)
{
    QList<QByteArray> out = text.split('\n');
    if (out.last().isEmpty()) out.removeLast();
    for (QByteArray &l : out)
        if (l.endsWith('\r')) l.chop(1);
    return out;
}

// Whether a text is a CRLF file: its first line ends in CRLF, or it is one line ending in CR.
bool isCrlf(QByteArrayView text)
{
    const qsizetype lf = text.indexOf('\n');
    return lf < 0 ? text.endsWith('\r') : lf > 0 && text[lf - 1] == '\r';
}

struct Change
{
    QByteArray section, key, value;
};

const char *const Sections[] = {"MAIN", "main", "Main", "OTHER", "X y"};
const char *const Keys[] = {"CREDIT", "BACK",   "MIRROR", "credit", "Back",
                            "TYPE-1", "TYPE-5", "TYPE-A", "type-p", "KEY"};
const char *const Odd[] = {"", "  x  ", "=", "a=b", "[MAIN]", "]", "\t7\t", "\x80\xff"};

bool sameName(const QByteArray &a, const QByteArray &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    QList<Change> changes;
    for (int n = in.ConsumeIntegralInRange(0, 4); n > 0; --n) {
        Change c{Sections[in.ConsumeIntegralInRange<std::size_t>(0, std::size(Sections) - 1)],
                 Keys[in.ConsumeIntegralInRange<std::size_t>(0, std::size(Keys) - 1)],
                 {}};
        if (in.ConsumeBool()) {
            const auto number = in.ConsumeIntegral<std::int64_t>();
            c.value = number < 0 ? QByteArray::number(number) : ' ' + QByteArray::number(number);
        } else {
            c.value = Odd[in.ConsumeIntegralInRange<std::size_t>(0, std::size(Odd) - 1)];
            if (c.value.isEmpty()) c.value = QByteArray(1, '\0') + "1";
        }
        changes.append(c);
    }
    const std::string rest = in.ConsumeRemainingBytesAsString();
    const QByteArray raw(rest.data(), qsizetype(rest.size()));

    IniFile ini = IniFile::fromText(raw);
    const QByteArray before = ini.text();
    // What the file holds after its UTF-8 byte-order marks, which are dropped.
    QByteArray body = raw;
    while (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    if (lines(before) != lines(body)) fail("a line changed on reading", raw);
    for (const Change &c : changes)
        ini.setValue(c.section, c.key, c.value);
    const QByteArray after = ini.text();

    if (IniFile::fromText(after).text() != after) fail("the written text reads differently", after);

    for (qsizetype i = 0; i < changes.size(); ++i) {
        bool later = false; // a later change of the same key wins
        for (qsizetype j = i + 1; j < changes.size(); ++j)
            later = later || (sameName(changes[i].section, changes[j].section) &&
                              sameName(changes[i].key, changes[j].key));
        if (later) continue;
        const auto v = IniFile::fromText(after).value(changes[i].section, changes[i].key);
        if (!v || *v != changes[i].value.trimmed()) fail("a key lost its value", after);
    }

    // The lines that are not key lines of a key set keep their bytes and their order.
    const QList<QByteArray> old = lines(before), now = lines(after);
    if (now.size() > old.size() + 2 * changes.size()) fail("lines added", after);
    auto setKey = [&](const QByteArray &line) {
        const qsizetype eq = line.indexOf('=');
        if (eq < 0) return false;
        for (const Change &c : changes)
            if (sameName(line.left(eq).trimmed(), c.key)) return true;
        return false;
    };
    qsizetype at = 0;
    for (const QByteArray &line : old) {
        if (setKey(line)) continue;
        while (at < now.size() && now[at] != line)
            ++at;
        if (at == now.size()) fail("a line was lost", line);
        ++at;
    }

    // The file's line ending is kept: the written text reads as the same kind of file, and a
    // CRLF file has CRLF at every line.
    const bool crlf = isCrlf(body);
    if ((after.contains('\n') && isCrlf(after) != crlf) ||
        (crlf && after.count('\n') != after.count("\r\n")))
        fail("line ending", after);
    return 0;
}
