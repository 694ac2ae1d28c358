// SPDX-License-Identifier: GPL-3.0-or-later
// The language the arcade speaks: chosen from the user's languages as the C library and Qt read
// them, and the English translation as the windows show it.
#include "testing.h"

#include "shell/arcade.h"
#include "shell/gamemain.h"
#include "shell/help.h"
#include "ui/language.h"
#include "ui/pictures.h"

#include <QLabel>
#include <QPushButton>

using ui::Language;

class TestLanguage : public QObject
{
    Q_OBJECT
private slots:
    void choice_data()
    {
        QTest::addColumn<QString>("messages"); // LC_ALL, else LC_MESSAGES, else LANG
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<Language>("chosen");
        QTest::newRow("nothing set") << "" << QStringList{"C"} << Language::Original;
        QTest::newRow("C") << "C" << QStringList{"C"} << Language::Original;
        QTest::newRow("C.UTF-8") << "C.UTF-8" << QStringList{"C"} << Language::Original;
        QTest::newRow("POSIX") << "POSIX" << QStringList{"C"} << Language::Original;
        QTest::newRow("C ignores LANGUAGE") << "C.UTF-8" << QStringList{"en"} << Language::Original;
        QTest::newRow("Japanese") << "ja_JP.UTF-8" << QStringList{"ja-JP"} << Language::Japanese;
        QTest::newRow("English") << "en_GB.UTF-8" << QStringList{"en-GB"} << Language::English;
        QTest::newRow("German: English")
            << "de_DE.UTF-8" << QStringList{"de-DE", "de"} << Language::English;
        QTest::newRow("LANGUAGE first ja")
            << "en_US.UTF-8" << QStringList{"ja", "en-US"} << Language::Japanese;
        QTest::newRow("first one known")
            << "fr_FR.UTF-8" << QStringList{"fr", "ja", "en"} << Language::Japanese;
        QTest::newRow("empty entries") << "ja_JP" << QStringList{"", "ja-JP"} << Language::Japanese;
        QTest::newRow("none listed") << "ja_JP" << QStringList{} << Language::English;
    }
    void choice()
    {
        QFETCH(QString, messages);
        QFETCH(QStringList, languages);
        QFETCH(Language, chosen);
        QCOMPARE(ui::chooseLanguage(messages, languages), chosen);
    }

    // Before any translator: the texts as written, the Japanese title picture.
    void originalTexts()
    {
        Bench bench;
        GameMain menu(bench.context);
        QCOMPARE(menu.windowTitle(), QString("Zelkのゲーム屋さん"));
        QCOMPARE(text(&menu, "Command1"), QString("ビンゴ"));
        QCOMPARE(ui::localPicture("about/title"), QString("about/title"));
    }

    // The English translation: the menu, Help, About, the tooltip and the second-copy message,
    // and Qt's own message box buttons stay English.
    void englishTexts()
    {
        QVERIFY(ui::installTranslation(Language::English));
        QCOMPARE(ui::installedLanguage(), Language::English);
        Bench bench;
        GameMain menu(bench.context);
        QCOMPARE(menu.windowTitle(), QString("Zelk's Game Shop"));
        const std::pair<const char *, const char *> captions[] = {
            {"Command1", "Bingo"}, {"Command2", "Treasure"},  {"Command3", "Roulette"},
            {"Command4", "Dice"},  {"Command5", "Slot"},      {"Command6", "Bonus"},
            {"Command7", "Kabu"},  {"Command8", "Exit"},      {"Command9", "About"},
            {"Command10", "HELP"}, {"Command11", "Dog Race"}, {"Command12", "Mark"},
        };
        for (const auto &[name, caption] : captions)
            QCOMPARE(text(&menu, name), QString(caption));
        QVERIFY(widget(&menu, "Label2")->toolTip().startsWith("Show the records ("));

        menu.openHelp();
        auto *help = widget(&menu, "Help");
        QCOMPARE(text(help, "Label1"), QString("• Bingo"));
        // No Japanese letter is left anywhere in Help.
        for (QLabel *l : help->findChildren<QLabel *>())
            for (QChar c : l->text())
                QVERIFY2(c.unicode() < 0x3000 || c.unicode() > 0xffef, qPrintable(l->text()));

        menu.openAbout();
        QCOMPARE(ui::localPicture("about/title"), QString("about/title_en"));
        QVERIFY(!ui::picture("about/title_en").isNull());

        QCOMPARE(QCoreApplication::translate("Arcade", Arcade::SecondCopyMessage),
                 QString("The arcade is already running."));
        QCOMPARE(QCoreApplication::translate("Arcade", Arcade::Title), QString("Zelk's Game Shop"));
    }
};

ARCADE_TEST_MAIN(TestLanguage)
#include "tst_language.moc"
