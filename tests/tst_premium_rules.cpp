// SPDX-License-Identifier: GPL-3.0-or-later
// How the puzzle pieces are kept in the settings file: offset plus a flag, read back leniently.
#include "testing.h"

#include "games/premium/pieces.h"

class PremiumRules : public QObject
{
    Q_OBJECT
private slots:
    void reading_data()
    {
        QTest::addColumn<int>("piece");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("owned");
        QTest::newRow("TYPE-A owned") << 0 << QByteArray(" 1193") << true;
        QTest::newRow("TYPE-A bare offset") << 0 << QByteArray(" 1192") << false;
        QTest::newRow("TYPE-A missing (its default)") << 0 << QByteArray("1192") << false;
        QTest::newRow("TYPE-A offset + 2") << 0 << QByteArray("1194") << false;
        QTest::newRow("TYPE-A below offset") << 0 << QByteArray("1191") << false;
        QTest::newRow("TYPE-C owned") << 2 << QByteArray(" 795") << true;
        QTest::newRow("TYPE-L owned") << 11 << QByteArray(" 1") << true;
        QTest::newRow("TYPE-L not owned") << 11 << QByteArray(" 0") << false;
        QTest::newRow("TYPE-L 2") << 11 << QByteArray("2") << false;
        QTest::newRow("TYPE-L -1") << 11 << QByteArray("-1") << false;
        QTest::newRow("TYPE-L text") << 11 << QByteArray("abc") << false;
        QTest::newRow("TYPE-L empty") << 11 << QByteArray("") << false;
        QTest::newRow("TYPE-L number then text") << 11 << QByteArray("1xyz") << true;
        QTest::newRow("TYPE-L huge") << 11 << QByteArray("9E99") << false;
        // Differences beyond 16 bits must not wrap around to 1.
        QTest::newRow("TYPE-L 65537") << 11 << QByteArray("65537") << false;
        QTest::newRow("TYPE-I 65539") << 8 << QByteArray("65539") << false;
        // Only the first five characters are read.
        QTest::newRow("TYPE-L 00001") << 11 << QByteArray("00001") << true;
        QTest::newRow("TYPE-L 000001") << 11 << QByteArray("000001") << false;
    }
    void reading()
    {
        QFETCH(int, piece);
        QFETCH(QByteArray, stored);
        QFETCH(bool, owned);
        QCOMPARE(premium::isOwned(piece, stored.toStdString()), owned);
    }

    void writing_data()
    {
        QTest::addColumn<int>("piece");
        QTest::addColumn<QByteArray>("owned");
        QTest::addColumn<QByteArray>("notOwned");
        QTest::newRow("TYPE-A") << 0 << QByteArray(" 1193") << QByteArray(" 1192");
        QTest::newRow("TYPE-I") << 8 << QByteArray(" 3") << QByteArray(" 2");
        QTest::newRow("TYPE-L") << 11 << QByteArray(" 1") << QByteArray(" 0");
        QTest::newRow("TYPE-O") << 14 << QByteArray(" 8949") << QByteArray(" 8948");
    }
    void writing()
    {
        QFETCH(int, piece);
        QFETCH(QByteArray, owned);
        QFETCH(QByteArray, notOwned);
        QCOMPARE(Game_C::numberText(premium::storedValue(piece, true)), owned);
        QCOMPARE(Game_C::numberText(premium::storedValue(piece, false)), notOwned);
    }

    // What is written reads back the same, and a missing key reads as not owned, for every key.
    void everyKeyReadsBackWhatItWrote()
    {
        for (int k = 0; k < premium::PieceCount; ++k) {
            for (bool owned : {false, true}) {
                const QByteArray text = Game_C::numberText(premium::storedValue(k, owned));
                QVERIFY2(premium::isOwned(k, text.toStdString()) == owned,
                         premium::PieceKeys[k].key);
            }
            QVERIFY(!premium::isOwned(k, premium::defaultText(k)));
        }
    }
};

ARCADE_TEST_MAIN(PremiumRules)
#include "tst_premium_rules.moc"
