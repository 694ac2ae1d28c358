// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file and the credit store: reading numbers, the profile layout, the balance and
// its check values, and damaged files.
#include "testing.h"

#include "store/inifile.h"
#include "store/numval.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {
// Text with NUL bytes in it, whole.
template <std::size_t N> QByteArray bytes(const char (&s)[N]) { return QByteArray(s, N - 1); }
} // namespace

class Settings : public QObject
{
    Q_OBJECT
private slots:
    void numVal_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << QByteArray("100") << 100.0;
        QTest::newRow("blank before") << QByteArray(" 100") << 100.0;
        QTest::newRow("blanks between digits") << QByteArray(" 1 2\t3 ") << 123.0;
        QTest::newRow("minus") << QByteArray("-5") << -5.0;
        QTest::newRow("plus") << QByteArray("+7") << 7.0;
        QTest::newRow("decimal") << QByteArray("100.5") << 100.5;
        QTest::newRow("second point ends it") << QByteArray("1.5.3") << 1.5;
        QTest::newRow("letters end it") << QByteArray("12abc") << 12.0;
        QTest::newRow("exponent E") << QByteArray("1E3") << 1000.0;
        QTest::newRow("exponent D with sign") << QByteArray("25d-1") << 2.5;
        QTest::newRow("exponent without digits") << QByteArray("4e") << 4.0;
        QTest::newRow("hexadecimal") << QByteArray("&HFF") << 255.0;
        QTest::newRow("hexadecimal 16-bit wraps") << QByteArray("&HFFFF") << -1.0;
        QTest::newRow("octal") << QByteArray("&O17") << 15.0;
        QTest::newRow("empty") << QByteArray("") << 0.0;
        QTest::newRow("no digits") << QByteArray("abc") << 0.0;
        QTest::newRow("sign alone") << QByteArray("-") << 0.0;
        QTest::newRow("embedded NUL") << bytes("12\0" "34") << 12.0;
    }
    void numVal()
    {
        QFETCH(QByteArray, text);
        QFETCH(double, value);
        QCOMPARE(NumVal(std::string_view(text.constData(), size_t(text.size()))), value);
    }

    void roundsHalfToEven()
    {
        QCOMPARE(*roundToInt32(2.5), 2);
        QCOMPARE(*roundToInt32(3.5), 4);
        QCOMPARE(*roundToInt32(-2.5), -2);
        QCOMPARE(*roundToInt32(100.5), 100);
        QVERIFY(!roundToInt32(2147483648.0));
        QVERIFY(!roundToInt32(1e300 * 1e300)); // infinity
    }

    // A file as found, and the balance it loads to.
    void loadCredit_data()
    {
        QTest::addColumn<QByteArray>("file"); // "-" for no file at all
        QTest::addColumn<int>("credit");
        QTest::newRow("no file") << QByteArray("-") << 100;
        QTest::newRow("as saved") << savedBalance(250) << 250;
        QTest::newRow("zero") << savedBalance(0) << 0;
        QTest::newRow("16-bit top") << savedBalance(32767) << 32767;
        QTest::newRow("beyond 16 bits") << savedBalance(100000) << 100000;
        QTest::newRow("32-bit top") << savedBalance(2147483647) << 2147483647;
        QTest::newRow("balance edited by hand")
            << QByteArray("[MAIN]\nCREDIT= 500\nBACK= 2063\nMIRROR= 1222\n") << 10;
        QTest::newRow("balance and BACK edited by hand, MIRROR left")
            << QByteArray("[MAIN]\nCREDIT= 500\nBACK= 2463\nMIRROR= 1222\n") << 10;
        QTest::newRow("only CREDIT, 100") << QByteArray("[MAIN]\nCREDIT= 100\n") << 100;
        QTest::newRow("only CREDIT, 250") << QByteArray("[MAIN]\nCREDIT= 250\n") << 10;
        QTest::newRow("empty CREDIT") << QByteArray("[MAIN]\nCREDIT=\nBACK= 1963\nMIRROR= 1122\n") << 0;
        QTest::newRow("half goes to even")
            << QByteArray("[MAIN]\nCREDIT=100.5\nBACK=2063\nMIRROR=1222\n") << 100;
        QTest::newRow("not 32 bits")
            << QByteArray("[MAIN]\nCREDIT= 2147483648\nBACK= 2147485611\nMIRROR= 2147484770\n") << 10;
        QTest::newRow("other case, blanks")
            << QByteArray("[ main ]\n  credit =  300 \nBack= 2263\nmirror=1422\n") << 300;
        QTest::newRow("CRLF") << QByteArray("[MAIN]\r\nCREDIT= 42\r\nBACK= 2005\r\nMIRROR= 1164\r\n") << 42;
        QTest::newRow("byte-order mark")
            << QByteArray("\xEF\xBB\xBF[MAIN]\nCREDIT= 42\nBACK= 2005\nMIRROR= 1164\n") << 42;
        QTest::newRow("keys in another section")
            << QByteArray("[OTHER]\nCREDIT= 42\nBACK= 2005\nMIRROR= 1164\n") << 100;
        QTest::newRow("check values only in the next section")
            << QByteArray("[MAIN]\nCREDIT= 42\n[OTHER]\nBACK= 2005\nMIRROR= 1164\n") << 10;
        QTest::newRow("first of duplicates counts")
            << QByteArray("[MAIN]\nCREDIT= 42\nBACK= 2005\nMIRROR= 1164\n[MAIN]\nCREDIT= 7\n"
                          "CREDIT= 9\n") << 42;
        QTest::newRow("binary junk") << bytes("\x00\xff\x13[MA\x00IN\n=\n\xfe") << 100;
        QTest::newRow("NUL inside a value")
            << bytes("[MAIN]\nCREDIT= 4\0" "2\nBACK= 1967\nMIRROR= 1126\n") << 4;
        QTest::newRow("long lines")
            << QByteArray("[MAIN]\n" + QByteArray(100000, 'x') + "\nCREDIT= 42\nBACK= 2005\nMIRROR= 1164\n") << 42;
    }
    void loadCredit()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, credit);
        Bench b;
        if (file != "-") b.writeFile(file);
        b.game.LoadCredit();
        QCOMPARE(b.game.Credit, credit);
        QCOMPARE(b.fileText(), file == "-" ? QByteArray() : file); // loading writes nothing
    }

    // A save keeps every line it does not own and writes the three keys together.
    void saveCredit_data()
    {
        QTest::addColumn<QByteArray>("before"); // "-" for no file
        QTest::addColumn<int>("credit");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("first save") << QByteArray("-") << 100
                                    << QByteArray("[MAIN]\nCREDIT= 100\nBACK= 2063\nMIRROR= 1222\n");
        QTest::newRow("zero") << QByteArray("-") << 0 << QByteArray("[MAIN]\nCREDIT= 0\nBACK= 1963\nMIRROR= 1122\n");
        QTest::newRow("negative") << QByteArray("-") << -5
                                  << QByteArray("[MAIN]\nCREDIT=-5\nBACK= 1958\nMIRROR= 1117\n");
        QTest::newRow("32-bit top, check values wider") << QByteArray("-") << 2147483647
            << QByteArray("[MAIN]\nCREDIT= 2147483647\nBACK= 2147485610\nMIRROR= 2147484769\n");
        QTest::newRow("other keys and sections kept, CRLF kept")
            << QByteArray("; note\r\n[OTHER]\r\nCREDIT=1\r\n[main]\r\nTYPE-1= 6\r\ncredit = 3\r\n\r\n[X]\r\nY=1\r\n")
            << 77
            << QByteArray("; note\r\n[OTHER]\r\nCREDIT=1\r\n[main]\r\nTYPE-1= 6\r\nCREDIT= 77\r\nBACK= 2040\r\n"
                          "MIRROR= 1199\r\n\r\n[X]\r\nY=1\r\n");
        QTest::newRow("no section yet") << QByteArray("[X]\nY=1\n") << 1
                                        << QByteArray("[X]\nY=1\n[MAIN]\nCREDIT= 1\nBACK= 1964\nMIRROR= 1123\n");
        QTest::newRow("byte-order mark dropped") << QByteArray("\xEF\xBB\xBF[MAIN]\nCREDIT= 5\n") << 6
                                                 << QByteArray("[MAIN]\nCREDIT= 6\nBACK= 1969\nMIRROR= 1128\n");
        QTest::newRow("no final line break") << QByteArray("[MAIN]\nTYPE-A= 1193") << 2
                                             << QByteArray("[MAIN]\nTYPE-A= 1193\nCREDIT= 2\nBACK= 1965\nMIRROR= 1124");
    }
    void saveCredit()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, credit);
        QFETCH(QByteArray, after);
        Bench b;
        if (before != "-") b.writeFile(before);
        b.game.Credit = credit;
        QVERIFY(b.game.SaveCredit());
        QCOMPARE(b.fileText(), after);
        Game_C again;
        again.IniPath = b.game.IniPath;
        again.LoadCredit();
        QCOMPARE(again.Credit, credit);
    }

    // A file of exactly the largest size is read; a byte more and it is not. The file is a
    // saved balance followed by a hole, so it takes no room on disk.
    void sizeLimit_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("read");
        QTest::newRow("largest") << IniFile::MaxSize << true;
        QTest::newRow("a byte more") << IniFile::MaxSize + 1 << false;
    }
    void sizeLimit()
    {
        QFETCH(qint64, size);
        QFETCH(bool, read);
        Bench b;
        b.writeFile(savedBalance(42));
        QFile f(b.iniPath());
        QVERIFY(f.resize(size));
        const std::optional<IniFile> ini = IniFile::read(b.iniPath());
        QCOMPARE(ini.has_value(), read);
        if (ini) QCOMPARE(ini->value("MAIN", "CREDIT", ""), QByteArray("42"));
        b.game.LoadCredit();
        QCOMPARE(b.game.Credit, read ? 42 : 100);
    }

    void aDirectoryInPlaceOfTheFileNeitherCrashesNorLoses()
    {
        Bench b;
        QVERIFY(QDir().mkpath(b.game.IniPath));
        b.game.LoadCredit();
        QCOMPARE(b.game.Credit, 100);
        b.game.Credit = 55;
        QVERIFY(!b.game.SaveCredit()); // reported to the caller, play goes on
        QCOMPARE(b.game.Credit, 55);
        QVERIFY(QFileInfo(b.game.IniPath).isDir());
    }

    void gamesKeepTheirOwnKeys()
    {
        Bench b;
        b.writeFile(savedBalance(9));
        QVERIFY(b.game.writeKeys({{"TYPE-1", Game_C::numberText(17)}, {"TYPE-2", Game_C::numberText(-3)}}));
        QCOMPARE(b.game.readKey("type-1", "6"), QByteArray("17"));
        QCOMPARE(b.game.readKey("TYPE-3", "6"), QByteArray("6"));
        QCOMPARE(b.fileText(), savedBalance(9) + "TYPE-1= 17\nTYPE-2=-3\n");
    }

    void settingsLiveBesideTheProgramWhenItsDirectoryIsWritable()
    {
        QTemporaryDir dir;
        QCOMPARE(Game_C::settingsPath(dir.path()), dir.filePath("ZelkGame.ini"));
        QCOMPARE(Game_C::settingsPath(dir.path() + "/"), dir.filePath("ZelkGame.ini"));
        QStandardPaths::setTestModeEnabled(true);
        const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QCOMPARE(Game_C::settingsPath(dir.filePath("missing/dir")), QDir(user).filePath("ZelkGame.ini"));
        QStandardPaths::setTestModeEnabled(false);
    }
};

ARCADE_TEST_MAIN(Settings)
#include "tst_settings.moc"
