// SPDX-License-Identifier: GPL-3.0-or-later
// Saving survives being killed at any moment. A child process (this program, started with
// --save-loop) loads the balance as the arcade does at start-up and then saves in a loop, the
// balance and a game's own key in turn, announcing each save before and after it; it is killed
// with SIGKILL at a random moment. Every file left behind must hold the last balance and key
// value that were saved (or the one being saved), with every other line as it was, so that the
// next start finds them again and never falls back to the reset balance of 10.
#include "testing.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <unistd.h>

namespace {

constexpr int Kills = 300;
// The killing stops early when this much time has gone by (a slow, sanitized build).
constexpr qint64 TimeBudgetMs = 35000;
constexpr int StartBalance = 5000;

// The balance and the TYPE-3 value the child saves in its run `run`, save `i`: distinct in
// every run and save, so that a file holding an older value is caught.
int balanceOf(int run, int i)
{
    return 100000 + run * 1000000 + i;
}
int keyValueOf(int run, int i)
{
    return 1 + run * 1000000 + i;
}

// The whole file for a balance and a TYPE-3 value: the three keys of the balance in their
// places, and lines the credit store does not own around them.
QByteArray fileFor(qint64 credit, qint64 type3)
{
    return "; the arcade's settings\n"
           "[OTHER]\nCREDIT=1\n"
           "[MAIN]\nTYPE-1= 12\nCREDIT=" +
           Game_C::numberText(credit) + "\nBACK=" + Game_C::numberText(credit + 1963) +
           "\nMIRROR=" + Game_C::numberText(credit + 1122) +
           "\nTYPE-3=" + Game_C::numberText(type3) + "\nTYPE-A= 1193\n\n[LAST]\nKEY=value\n";
}

void say(char what, long long n)
{
    const QByteArray line = what + (' ' + QByteArray::number(n)) + '\n';
    // Straight to the descriptor: nothing may wait in a buffer when the kill comes.
    if (::write(STDOUT_FILENO, line.constData(), size_t(line.size())) != line.size()) _exit(3);
}

// The child: start as the arcade does, then save until killed.
int saveLoop(const QString &path, int run)
{
    Game_C game;
    game.IniPath = path;
    game.LoadCredit();
    say('l', game.Credit);
    for (int i = 0; i < 1000000; ++i) {
        say('c', i);
        game.Credit = balanceOf(run, i);
        if (!game.SaveCredit()) return 4;
        say('C', i);
        say('t', i);
        if (!game.writeKeys({{"TYPE-3", Game_C::numberText(keyValueOf(run, i))}})) return 5;
        say('T', i);
    }
    return 0;
}

// What one run of the child announced.
struct Announced
{
    std::optional<qint64> loaded;
    int begun[2] = {-1, -1}; // last save begun: balance, key
    int done[2] = {-1, -1};  // last save finished
};

Announced parse(const QByteArray &out)
{
    Announced a;
    for (const QByteArray &line : out.split('\n')) {
        if (line.size() < 3 || line[1] != ' ') continue; // the last line may be cut by the kill
        bool ok = false;
        const qint64 n = line.mid(2).toLongLong(&ok);
        if (!ok) continue;
        switch (line[0]) {
        case 'l':
            a.loaded = n;
            break;
        case 'c':
            a.begun[0] = int(n);
            break;
        case 'C':
            a.done[0] = int(n);
            break;
        case 't':
            a.begun[1] = int(n);
            break;
        case 'T':
            a.done[1] = int(n);
            break;
        }
    }
    return a;
}

// The values a file may hold after a run: the last one saved (or the previous run's when none
// was), and the one being saved when the kill came.
QList<qint64> allowed(qint64 before, int begun, int done, int run, int (*valueOf)(int, int))
{
    QList<qint64> values{done >= 0 ? valueOf(run, done) : before};
    if (begun > done) values.append(valueOf(run, begun));
    return values;
}

} // namespace

class SettingsKill : public QObject
{
    Q_OBJECT
private slots:
    void everyFileLeftBehindHoldsASavedBalance()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ZelkGame.ini"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(fileFor(StartBalance, 0));
        }
        bool given = false;
        quint32 seed = qEnvironmentVariable("ARCADE_KILL_SEED").toUInt(&given);
        if (!given) seed = QRandomGenerator::global()->generate();
        qInfo("kill moments from seed %u (ARCADE_KILL_SEED repeats them as far as timing allows)",
              seed);
        QRandomGenerator chance(seed);

        qint64 credit = StartBalance, type3 = 0;
        int kills = 0, insideSave = 0, saves = 0;
        QElapsedTimer spent;
        spent.start();
        for (; kills < Kills && spent.elapsed() < TimeBudgetMs; ++kills) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--save-loop"), path, QString::number(kills)});
            QVERIFY(child.waitForStarted());
            // Mostly once the balance is loaded; one kill in eight lands anywhere from the start.
            if (chance.bounded(8) != 0) {
                while (!child.peek(1 << 16).contains('l') && child.state() == QProcess::Running)
                    child.waitForReadyRead(10000);
            }
            QThread::usleep(chance.bounded(30000));
            child.kill();
            QVERIFY(child.waitForFinished(10000));
            QVERIFY2(
                child.exitStatus() == QProcess::CrashExit,
                qPrintable(
                    QStringLiteral("the child ended by itself, code %1").arg(child.exitCode())));
            const Announced a = parse(child.readAllStandardOutput());
            if (a.loaded) QCOMPARE(*a.loaded, credit); // the start saw what the last run left

            const QList<qint64> credits = allowed(credit, a.begun[0], a.done[0], kills, balanceOf);
            const QList<qint64> keys = allowed(type3, a.begun[1], a.done[1], kills, keyValueOf);
            Game_C game;
            game.IniPath = path;
            game.LoadCredit();
            QVERIFY2(
                credits.contains(game.Credit),
                qPrintable(
                    QStringLiteral("kill %1 left a balance of %2").arg(kills).arg(game.Credit)));
            const QByteArray text = [&] {
                QFile f(path);
                return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no file)");
            }();
            bool whole = false;
            for (qint64 k : keys)
                whole = whole || text == fileFor(game.Credit, k);
            QVERIFY2(whole, qPrintable(QStringLiteral("kill %1 left:\n").arg(kills) +
                                       QString::fromLatin1(text)));

            credit = game.Credit;
            type3 = game.readKey("TYPE-3", "").trimmed().toLongLong();
            saves += a.done[0] + 1 + a.done[1] + 1;
            insideSave += (a.begun[0] > a.done[0]) + (a.begun[1] > a.done[1]);
        }
        // A kill between linking the finished replacement under a temporary name and renaming
        // it leaves that whole copy behind (QSaveFile's way); it is only counted.
        const QStringList left =
            QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
        qInfo("%d kills survived (%d inside a save), %d saves finished between them, %d stray "
              "copies, %lld s",
              kills, insideSave, saves, int(left.size()) - 1, spent.elapsed() / 1000);
        QVERIFY(kills >= 100);
        QVERIFY(insideSave > 0); // the kills did land inside saves
    }
};

int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], "--save-loop") == 0)
        return saveLoop(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    QApplication app(argc, argv);
    arcadeTestSetUp();
    SettingsKill tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_settings_kill.moc"
