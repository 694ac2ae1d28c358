// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged and hostile settings files: what the arcade does with each at start-up and at a save.
//
// Every case runs the arcade's own steps (choose the settings path, take the lock, load, play
// on, save, load again) in a child process: this program started with --arcade-steps. When the
// tests run as root, as in CI, the child becomes the user "nobody" first, since root is not
// stopped by permission bits; so the read-only cases mean what they say, and a crash or a hang
// fails only its case.
//
// What the arcade does:
// - It keeps the file beside the program when the program's directory can be written, and
//   otherwise in the per-user data directory, starting that one from a copy of the file beside
//   the program when there is one.
// - A save that cannot be made (a read-only file, a directory or a device in the file's place, a
//   file that cannot be read) reports failure and changes nothing: the balance stays in memory
//   and play goes on. Only a file that could be read whole is replaced, so that no other
//   program's keys are lost with it.
// - A symbolic link is followed: the file it points to is replaced, the link stays.
// - Whatever a file holds, what cannot be read takes its default; a save writes the three keys
//   of the balance cleanly and keeps every other line as it was.
#include "testing.h"

#include "store/game_c.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>

#include <grp.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

constexpr int NewCredit = 777;
const char *const Name = "ZelkGame.ini";

// How the settings file is laid out on disk for a case.
enum class Setup {
    File,              // a file beside the program
    ReadOnlyDirectory, // ... in a directory that cannot be written
    ReadOnlyDirectoryWritableFile,
    ReadOnlyDirectoryNoFile,
    ReadOnlyDirectoryKeptFile, // ... and a per-user file kept from an earlier start
    ReadOnlyFile,              // a file that cannot be written, in a directory that can
    WriteOnlyFile,
    Directory,      // a directory in the file's place
    Link,           // a symbolic link to a file elsewhere
    DanglingLink,   // ... to a file that does not exist
    LinkLoop,       // ... to itself
    LinkToDevice,   // ... to /dev/zero, endless
    Fifo,           // a named pipe in the file's place
    HugeSparseFile, // a file far larger than any settings file, mostly a hole
};
} // namespace
Q_DECLARE_METATYPE(Setup)

namespace {

template <std::size_t N> QByteArray bytes(const char (&s)[N])
{
    return QByteArray(s, N - 1);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &text)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The child: the arcade's steps on the program directory `dir`, each result on a line
// "name=value".
int arcadeSteps(const QString &dir)
{
    bool ordinary = geteuid() != 0;
    if (!ordinary) {
        const passwd *nobody = getpwnam("nobody");
        ordinary = nobody && setgroups(0, nullptr) == 0 && setgid(nobody->pw_gid) == 0 &&
                   setuid(nobody->pw_uid) == 0 && geteuid() != 0;
        // Changing the user makes the process undumpable; LeakSanitizer needs to inspect it.
        prctl(PR_SET_DUMPABLE, 1);
    }
    int argc = 1;
    char name[] = "arcade-steps";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ZelkGameTest"));
    auto out = [](const char *what, const QString &value) {
        printf("%s=%s\n", what, qPrintable(value));
        fflush(stdout);
    };
    auto number = [](qint64 n) { return QString::number(n); };
    out("ordinary", number(ordinary));
    // The sandbox must be reachable by the user the child has become.
    out("reachable", number(access(QFile::encodeName(dir + "/..").constData(), X_OK) == 0));

    const QString path = Game_C::settingsPath(dir);
    out("path", path);
    QLockFile lock(path + QStringLiteral(".lock"));
    out("locked", number(lock.tryLock(0)));
    Game_C game;
    game.IniPath = path;
    game.LoadCredit();
    out("loaded", number(game.Credit));
    game.Credit = NewCredit;
    out("saved", number(game.SaveCredit()));
    out("held", number(game.Credit));
    Game_C again;
    again.IniPath = path;
    again.LoadCredit();
    out("reloaded", number(again.Credit));
    lock.unlock();

    // The file beside the program itself, as a copy that keeps it there would treat it.
    Game_C beside;
    beside.IniPath = QDir(dir).filePath(QLatin1String(Name));
    beside.LoadCredit();
    out("besideLoaded", number(beside.Credit));
    beside.Credit = NewCredit;
    out("besideSaved", number(beside.SaveCredit()));
    return 0;
}

// A program directory, a directory elsewhere and a per-user data directory, all reachable
// by the child's user.
struct Sandbox
{
    QTemporaryDir root;
    QString program, elsewhere, data;

    Sandbox()
        : program(root.filePath("program")), elsewhere(root.filePath("elsewhere")),
          data(root.filePath("data"))
    {
        QDir().mkpath(program);
        QDir().mkpath(elsewhere);
        QDir().mkpath(data);
        chmod(QFile::encodeName(root.path()).constData(), 0755);
    }
    QString beside() const { return QDir(program).filePath(QLatin1String(Name)); }
    QString target() const { return QDir(elsewhere).filePath(QStringLiteral("real.ini")); }

    // As root: everything belongs to the ordinary user the child becomes.
    void handOver() const
    {
        const passwd *nobody = getpwnam("nobody");
        if (geteuid() != 0 || !nobody) return;
        for (const QString &top : {program, elsewhere, data}) {
            const QByteArray t = QFile::encodeName(top);
            if (lchown(t.constData(), nobody->pw_uid, nobody->pw_gid) != 0) qFatal("chown");
            QDirIterator it(top,
                            QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
            while (it.hasNext())
                if (lchown(QFile::encodeName(it.next()).constData(), nobody->pw_uid,
                           nobody->pw_gid) != 0)
                    qFatal("chown");
        }
    }
    ~Sandbox() { chmod(QFile::encodeName(program).constData(), 0755); }
};

void mode(const QString &path, mode_t m)
{
    if (chmod(QFile::encodeName(path).constData(), m) != 0) qFatal("chmod %s", qPrintable(path));
}

// A file of "[MAIN]", the balance and a key of the dog race, then ten megabytes of `filler`.
QByteArray tenMegabytes(const QByteArray &filler)
{
    QByteArray text = savedBalance(250) + "TYPE-1= 12\n";
    text += filler.repeated(10 * 1024 * 1024 / filler.size());
    return text + "[OTHER]\nKEY=value\n";
}

// What the file beside the program is, to see that a failed save left it alone.
QString describe(const QString &path)
{
    const QFileInfo info(path);
    QString d = info.isSymLink() ? "link to " + info.symLinkTarget() + ", " : QString();
    struct stat st;
    if (stat(QFile::encodeName(path).constData(), &st) != 0) return d + "nothing";
    if (S_ISDIR(st.st_mode))
        return d + "directory of " + QDir(path).entryList(QDir::Files).join(',');
    if (S_ISFIFO(st.st_mode)) return d + "named pipe";
    if (S_ISCHR(st.st_mode)) return d + "device";
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return d + QStringLiteral("file of %1 bytes").arg(st.st_size);
    return d + QStringLiteral("file of %1 bytes beginning %2")
                   .arg(st.st_size)
                   .arg(QString::fromLatin1(f.read(64).toHex()));
}

} // namespace

class SettingsHostile : public QObject
{
    Q_OBJECT
private slots:
    void hostileFile_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QByteArray>("file");  // what the file (or the link's target) holds
        QTest::addColumn<int>("credit");       // the balance the arcade starts with
        QTest::addColumn<bool>("beside");      // the settings file stays beside the program
        QTest::addColumn<bool>("saves");       // the arcade's save succeeds
        QTest::addColumn<QByteArray>("after"); // the settings file after that save

        const QByteArray withKeys =
            savedBalance(250) + "TYPE-1= 12\nTYPE-A= 1193\n[OTHER]\nKEY=value\n";
        const QByteArray withKeysAfter =
            savedBalance(NewCredit) + "TYPE-1= 12\nTYPE-A= 1193\n[OTHER]\nKEY=value\n";
        const QByteArray fresh = savedBalance(NewCredit);
        const QByteArray unchanged; // a save that fails leaves the file as it was

        QTest::newRow("read-only directory")
            << Setup::ReadOnlyDirectory << withKeys << 250 << false << true << withKeysAfter;
        QTest::newRow("read-only directory, writable file")
            << Setup::ReadOnlyDirectoryWritableFile << withKeys << 250 << false << true
            << withKeysAfter;
        QTest::newRow("read-only directory, no file")
            << Setup::ReadOnlyDirectoryNoFile << QByteArray() << 100 << false << true << fresh;
        // The per-user file was copied at the first start and has been played on since: the
        // file beside the program is not copied over it again.
        QTest::newRow("read-only directory, per-user file kept")
            << Setup::ReadOnlyDirectoryKeptFile << withKeys << 400 << false << true
            << savedBalance(NewCredit) + "TYPE-1= 3\n";
        QTest::newRow("read-only file")
            << Setup::ReadOnlyFile << withKeys << 250 << true << false << unchanged;
        QTest::newRow("file that cannot be read")
            << Setup::WriteOnlyFile << withKeys << 100 << true << false << unchanged;
        QTest::newRow("directory in the file's place")
            << Setup::Directory << withKeys << 100 << true << false << unchanged;
        QTest::newRow("symbolic link to elsewhere")
            << Setup::Link << withKeys << 250 << true << true << withKeysAfter;
        QTest::newRow("symbolic link to nothing")
            << Setup::DanglingLink << QByteArray() << 100 << true << true << fresh;
        QTest::newRow("symbolic link to itself")
            << Setup::LinkLoop << QByteArray() << 100 << true << true << fresh;
        QTest::newRow("symbolic link to an endless device")
            << Setup::LinkToDevice << QByteArray() << 100 << true << false << unchanged;
        QTest::newRow("named pipe")
            << Setup::Fifo << QByteArray() << 100 << true << false << unchanged;
        QTest::newRow("file of hundreds of megabytes")
            << Setup::HugeSparseFile << withKeys << 100 << true << false << unchanged;

        QTest::newRow("empty file")
            << Setup::File << QByteArray("") << 100 << true << true << fresh;
        const QByteArray junk =
            bytes("\x00\xff\xfe\x13[MA\x00IN]\r=\x80\x81\n\xc3(\n[\n]=]\n\x1b[2J\x00\x00\n");
        QTest::newRow("binary junk")
            << Setup::File << junk + "[OTHER]\nKEY=value\n"
            << 100 << true << true << junk + "[OTHER]\nKEY=value\n" + fresh;
        QTest::newRow("ten megabytes of one line")
            << Setup::File << tenMegabytes("x") << 250 << true << true
            << tenMegabytes("x").replace(savedBalance(250), savedBalance(NewCredit));
        QTest::newRow("ten megabytes of line breaks")
            << Setup::File << tenMegabytes("\n") << 250 << true << true
            << tenMegabytes("\n").replace(savedBalance(250), savedBalance(NewCredit));
        QTest::newRow("ten megabytes of section lines")
            << Setup::File << tenMegabytes("[\n") << 250 << true << true
            << tenMegabytes("[\n").replace(savedBalance(250), savedBalance(NewCredit));
        QTest::newRow("byte-order mark")
            << Setup::File << "\xEF\xBB\xBF" + withKeys << 250 << true << true << withKeysAfter;
        QTest::newRow("CRLF") << Setup::File << QByteArray(withKeys).replace("\n", "\r\n") << 250
                              << true << true << QByteArray(withKeysAfter).replace("\n", "\r\n");
        QTest::newRow("duplicate sections and keys")
            << Setup::File
            << QByteArray("[MAIN]\nCREDIT= 250\nTYPE-1= 12\nBACK= 2213\nCREDIT= 9\nMIRROR= 1372\n"
                          "[OTHER]\nKEY=value\n[main]\nCREDIT= 3\nTYPE-2= 5\n")
            << 250 << true << true
            << QByteArray("[MAIN]\nCREDIT= 777\nTYPE-1= 12\nBACK= 2740\nCREDIT= 9\nMIRROR= 1899\n"
                          "[OTHER]\nKEY=value\n[main]\nCREDIT= 3\nTYPE-2= 5\n");
        QTest::newRow("keys in other cases")
            << Setup::File
            << QByteArray("[Main]\ncredit= 250\nType-1= 12\nBack= 2213\nmirror= 1372\n") << 250
            << true << true
            << QByteArray("[Main]\nCREDIT= 777\nType-1= 12\nBACK= 2740\nMIRROR= 1899\n");
        QTest::newRow("values with embedded NULs")
            << Setup::File
            << bytes("[MAIN]\nCREDIT= 25\0 0\nBACK= 1988\0\nMIRROR= 1147\0 9\nTYPE-4= 1\0 2\n")
            << 25 << true << true
            << bytes("[MAIN]\nCREDIT= 777\nBACK= 2740\nMIRROR= 1899\nTYPE-4= 1\0 2\n");
        // Numbers at the edges of what a double holds, read as the C library reads them.
        QTest::newRow("exponent with many leading zeros")
            << Setup::File
            << QByteArray("[MAIN]\nCREDIT= 25e00000000000000000001\nBACK= 2213\nMIRROR= 1372\n")
            << 250 << true << true << fresh;
        QTest::newRow("balance too small for a double")
            << Setup::File
            << "[MAIN]\nCREDIT= 0." + QByteArray(400, '0') + "1\nBACK= 1963\nMIRROR= 1122\n"
            << 0 << true << true << fresh;
        QTest::newRow("balance too large for a double")
            << Setup::File
            << "[MAIN]\nCREDIT= 1" + QByteArray(400, '0') + "e-1\nBACK= 1963\nMIRROR= 1122\n"
            << 10 << true << true << fresh;
    }

    void hostileFile()
    {
        QFETCH(Setup, setup);
        QFETCH(QByteArray, file);
        QFETCH(int, credit);
        QFETCH(bool, beside);
        QFETCH(bool, saves);
        QFETCH(QByteArray, after);

        Sandbox box;
        const QString path = box.beside();
        const QByteArray p = QFile::encodeName(path);
        switch (setup) {
        case Setup::File:
        case Setup::ReadOnlyDirectory:
        case Setup::ReadOnlyFile:
        case Setup::WriteOnlyFile:
        case Setup::ReadOnlyDirectoryWritableFile:
            writeAll(path, file);
            break;
        case Setup::ReadOnlyDirectoryNoFile:
            break;
        case Setup::ReadOnlyDirectoryKeptFile:
            writeAll(path, file);
            QVERIFY(QDir().mkpath(box.data + "/ZelkGameTest"));
            writeAll(box.data + "/ZelkGameTest/" + Name, savedBalance(400) + "TYPE-1= 3\n");
            break;
        case Setup::Directory:
            QVERIFY(QDir().mkpath(path));
            writeAll(QDir(path).filePath("kept.txt"), file);
            break;
        case Setup::Link:
            writeAll(box.target(), file);
            QVERIFY(QFile::link("../elsewhere/real.ini", path));
            break;
        case Setup::DanglingLink:
            QVERIFY(QFile::link("../elsewhere/real.ini", path));
            break;
        case Setup::LinkLoop:
            QVERIFY(QFile::link(Name, path));
            break;
        case Setup::LinkToDevice:
            QVERIFY(QFile::link("/dev/zero", path));
            break;
        case Setup::Fifo:
            QCOMPARE(mkfifo(p.constData(), 0644), 0);
            break;
        case Setup::HugeSparseFile:
            writeAll(path, file);
            QCOMPARE(truncate(p.constData(), 256LL << 20), 0);
            break;
        }
        box.handOver();
        switch (setup) {
        case Setup::ReadOnlyDirectory:
            mode(path, 0444);
            [[fallthrough]];
        case Setup::ReadOnlyDirectoryKeptFile:
            mode(path, 0444);
            [[fallthrough]];
        case Setup::ReadOnlyDirectoryWritableFile:
        case Setup::ReadOnlyDirectoryNoFile:
            mode(box.program, 0555);
            break;
        case Setup::ReadOnlyFile:
            mode(path, 0444);
            break;
        case Setup::WriteOnlyFile:
            mode(path, 0222);
            break;
        default:
            break;
        }
        const QString before = describe(path);

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", box.data);
        env.insert("HOME", box.data);
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {"--arcade-steps", box.program});
        QVERIFY(child.waitForStarted());
        if (!child.waitForFinished(60000)) {
            child.kill();
            child.waitForFinished();
            QFAIL("the arcade's steps hung");
        }
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 "the arcade's steps crashed");
        QMap<QByteArray, QByteArray> r;
        for (const QByteArray &line : child.readAllStandardOutput().split('\n'))
            if (const int eq = line.indexOf('='); eq > 0) r[line.left(eq)] = line.mid(eq + 1);
        QVERIFY2(r["reachable"] == "1", "the temporary directory cannot be entered by the user "
                                        "nobody: let TMPDIR name one that every user can enter");
        const bool permissions =
            setup == Setup::ReadOnlyDirectory || setup == Setup::ReadOnlyFile ||
            setup == Setup::ReadOnlyDirectoryWritableFile ||
            setup == Setup::ReadOnlyDirectoryNoFile || setup == Setup::ReadOnlyDirectoryKeptFile ||
            setup == Setup::WriteOnlyFile;
        if (permissions && r["ordinary"] != "1")
            QSKIP("the steps ran as root, whom no permission bit stops, and could not leave it");

        const QString settings = QString::fromLocal8Bit(r["path"]);
        const QString userDir = box.data + "/ZelkGameTest/";
        QCOMPARE(settings, beside ? path : userDir + Name);
        QCOMPARE(r["locked"], "1"); // the arcade starts: the lock beside the file can be taken
        QCOMPARE(r["loaded"].toInt(), credit);
        QCOMPARE(r["saved"], saves ? "1" : "0");
        QCOMPARE(r["held"].toInt(), NewCredit); // play goes on with the balance held
        if (saves) {
            QCOMPARE(r["reloaded"].toInt(), NewCredit);
            QCOMPARE(readAll(settings), after);
        }
        if (!saves || !beside) {
            // The file beside the program was left alone by the arcade; saving there directly
            // fails unless the file itself can be written.
            QCOMPARE(r["besideLoaded"].toInt(),
                     setup == Setup::ReadOnlyDirectoryKeptFile ? 250 : credit);
            if (setup == Setup::ReadOnlyDirectoryWritableFile) {
                QCOMPARE(r["besideSaved"], "1"); // written in place
                QCOMPARE(readAll(path), after);
            } else {
                QCOMPARE(r["besideSaved"], "0");
                QCOMPARE(describe(path), before);
            }
        }
        if (setup == Setup::Link || setup == Setup::DanglingLink) {
            QVERIFY(QFileInfo(path).isSymLink()); // still a link, its target replaced
            QCOMPARE(QFileInfo(path).symLinkTarget(), box.target());
        }
        // Nothing else was left in the program's directory or elsewhere.
        const auto entries = [](const QString &d) {
            return QDir(d).entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                     QDir::NoDotAndDotDot);
        };
        QCOMPARE(entries(box.program), QFileInfo::exists(path) || QFileInfo(path).isSymLink()
                                           ? QStringList{QString::fromLatin1(Name)}
                                           : QStringList{});
        QCOMPARE(entries(box.elsewhere), setup == Setup::Link || setup == Setup::DanglingLink
                                             ? QStringList{QStringLiteral("real.ini")}
                                             : QStringList{});
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--arcade-steps") == 0)
        return arcadeSteps(QString::fromLocal8Bit(argv[2]));
    QApplication app(argc, argv);
    arcadeTestSetUp();
    SettingsHostile tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_settings_hostile.moc"
