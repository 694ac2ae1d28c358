// SPDX-License-Identifier: GPL-3.0-or-later
// The menu, Help and About, driven by widget name: start-up, opening every game from the menu
// and from Help and coming back, the single running copy, and leaving the arcade.
#include "testing.h"

#include "shell/arcade.h"
#include "shell/gamemain.h"
#include "shell/gametable.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include <csignal>

namespace {

// An arcade started in a fresh program directory, on the virtual clock.
struct Started
{
    ui::VirtualScheduler clock;
    ui::ScriptedRandom random;
    QTemporaryDir dir;
    Arcade arcade{clock, random};
    bool ok = arcade.start(dir.path());
    GameMain *menu() const { return arcade.menu(); }
    QByteArray fileText() const
    {
        QFile f(dir.filePath("ZelkGame.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

// Answers the message box that start-up shows, and tells what it said.
struct MessageWatch
{
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    void arm()
    {
        QTimer::singleShot(0, [this] {
            QMessageBox *box = nullptr;
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *b = qobject_cast<QMessageBox *>(w); b && b->isVisible()) box = b;
            if (!box) return arm(); // not up yet
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
    }
};

// The leave button of each game window.
const QMap<QString, QString> leaveButtons{
    {"Bingo", "Command3"}, {"Slot", "Command3"}, {"Roter", "Command6"},
    {"Dice", "Command4"},  {"Takara", "Command3"}, {"Kabu", "Command5"},
    {"Dango", "Command1"}, {"Card", "Command2"},   {"Winner", "Command1"},
};

// Counts the times a widget is shown.
struct ShowCount : QObject
{
    explicit ShowCount(QWidget *w) { w->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *e) override
    {
        shows += e->type() == QEvent::Show;
        return false;
    }
    int shows = 0;
};

// A keystroke on the focused widget: the press, as many presses again as a held key repeats,
// and the release.
void strike(QWidget *w, int key, Qt::KeyboardModifiers modifiers, int repeats)
{
    for (int i = 0; i <= repeats; ++i) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), i > 0);
        QApplication::sendEvent(w, &press);
    }
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(w, &release);
}

} // namespace

class Shell : public QObject
{
    Q_OBJECT
private slots:
    void firstStartShowsAHundredAndWritesNothing()
    {
        Started s;
        QVERIFY(s.ok);
        QVERIFY(s.menu()->isVisible());
        QCOMPARE(s.menu()->windowTitle(), QString("Zelkのゲーム屋さん"));
        QCOMPARE(s.menu()->size(), ui::pxSize(4020, 3015));
        QCOMPARE(text(s.menu(), "Label2"), "100");
        QCOMPARE(s.fileText(), QByteArray());
    }

    void menuButtonsAreInTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("rect");
        const auto row = [](const char *n, const char *c, ui::Rect r) {
            QTest::newRow(n) << QString(n) << QString::fromUtf8(c) << ui::px(r);
        };
        row("Command1", "ビンゴ", {120, 120, 1095, 495});
        row("Command5", "スロット", {1440, 120, 1095, 495});
        row("Command2", "宝探し", {120, 840, 1095, 495});
        row("Command3", "ルーレット", {1440, 840, 1095, 495});
        row("Command4", "サイコロ", {120, 1560, 1095, 495});
        row("Command7", "かぶ", {1440, 1560, 1095, 495});
        row("Command11", "ドッグレース", {120, 2280, 1095, 495});
        row("Command12", "マーク", {1440, 2280, 1095, 495});
        row("Command6", "おまけ", {2760, 120, 1095, 375});
        row("Command10", "HELP", {2760, 600, 1095, 375});
        row("Command9", "Ver情報", {2760, 1080, 1095, 375});
        row("Command8", "終了", {2760, 1680, 1095, 375});
        row("Label1", "CREDIT", {2640, 2220, 975, 255});
    }
    void menuButtonsAreInTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, rect);
        Started s;
        QCOMPARE(text(s.menu(), name), caption);
        QCOMPARE(widget(s.menu(), name)->geometry(), rect);
    }

    // Every game opens from the menu and comes back by its leave button and by its title bar,
    // and the menu then shows the balance as the game left it.
    void everyGameOpensAndReturns_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<bool>("titleBar");
        for (const GameEntry &g : gameTable()) {
            QTest::newRow(qPrintable(g.form + " leave button")) << g.form << false;
            QTest::newRow(qPrintable(g.form + " title bar")) << g.form << true;
        }
    }
    void everyGameOpensAndReturns()
    {
        QFETCH(QString, form);
        QFETCH(bool, titleBar);
        Started s;
        const QMap<QString, QString> menuButton{
            {"Bingo", "Command1"}, {"Takara", "Command2"}, {"Roter", "Command3"},
            {"Dice", "Command4"},  {"Slot", "Command5"},   {"Winner", "Command6"},
            {"Kabu", "Command7"},  {"Dango", "Command11"}, {"Card", "Command12"},
        };
        click(s.menu(), menuButton[form]);
        QPointer<GameWindow> game = s.menu()->currentGame();
        QVERIFY(game);
        QCOMPARE(game->objectName(), form);
        QCOMPARE(game->windowTitle(), findGame(form)->caption);
        QVERIFY(game->isVisible());
        QVERIFY(!s.menu()->isVisible());
        s.arcade.game().Credit = 93; // as a stake would leave it
        if (titleBar)
            game->close();
        else
            click(game, leaveButtons[form]);
        QVERIFY(s.menu()->isVisible());
        QCOMPARE(text(s.menu(), "Label2"), "93");
        flushDeletes();
        QVERIFY(game.isNull());
        // A second visit starts from the design state, in a new window.
        click(s.menu(), menuButton[form]);
        QVERIFY(s.menu()->currentGame());
        s.menu()->currentGame()->close();
        flushDeletes();
    }

    void helpScrollsItsPanel()
    {
        Started s;
        click(s.menu(), "Command10");
        QWidget *help = s.menu()->findChild<QWidget *>("Help");
        QVERIFY(help && help->isVisible());
        QVERIFY(s.menu()->isVisible());
        QCOMPARE(help->size(), ui::pxSize(8670, 4200));
        auto *scroll = widget<QScrollBar>(help, "VScroll1");
        QCOMPARE(scroll->maximum(), 2640);
        // The wheel scrolls the text wherever the pointer is over it: a description, a topic,
        // the panel between them; a notch down and back up.
        for (const char *over : {"Label10", "Label3", "Picture1"}) {
            QWidget *w = widget(help, over);
            // Delivered as Qt delivers a wheel from the screen: to the widget under the pointer,
            // then up through its parents until one takes it.
            const auto wheel = [&](int delta) {
                const QPointF global = w->mapToGlobal(QPointF(w->width() / 2.0, 4));
                for (QWidget *to = w; to; to = to->isWindow() ? nullptr : to->parentWidget()) {
                    QWheelEvent e(to->mapFromGlobal(global), global, {}, {0, delta}, Qt::NoButton,
                                  {}, Qt::NoScrollPhase, false);
                    QApplication::sendEvent(to, &e);
                    if (e.isAccepted()) break;
                }
            };
            wheel(-120);
            QVERIFY2(scroll->value() > 0, over);
            QCOMPARE(widget(help, "Picture1")->y(), -ui::px(scroll->value()));
            wheel(120);
            QCOMPARE(scroll->value(), 0);
        }
        scroll->setValue(scroll->maximum());
        QCOMPARE(widget(help, "Picture1")->y(), -ui::px(2640));
        click(help, "Label8"); // a description does nothing
        QVERIFY(help->isVisible());
        click(help, "Command1");
        QVERIFY(!help->isVisible());
    }

    void helpTopicsOpenTheirGame_data()
    {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("form");
        const char *rows[][2] = {{"Label1", "Bingo"}, {"Label2", "Takara"}, {"Label3", "Dice"},
                                 {"Label4", "Slot"},  {"Label5", "Roter"},  {"Label6", "Kabu"},
                                 {"Label18", "Dango"}, {"Label19", "Card"}, {"Label15", "Winner"}};
        for (auto &r : rows) QTest::newRow(r[1]) << QString(r[0]) << QString(r[1]);
    }
    void helpTopicsOpenTheirGame()
    {
        QFETCH(QString, topic);
        QFETCH(QString, form);
        Started s;
        click(s.menu(), "Command10");
        QPointer<QWidget> help = s.menu()->findChild<QWidget *>("Help");
        click(help, topic);
        QVERIFY(!s.menu()->isVisible());
        GameWindow *game = s.menu()->currentGame();
        QVERIFY(game && game->isVisible());
        QCOMPARE(game->objectName(), form);
        flushDeletes();
        QVERIFY(help.isNull()); // Help unloaded
        click(game, leaveButtons[form]);
        QVERIFY(s.menu()->isVisible()); // back to the menu, not to Help
        flushDeletes();
    }

    // A Help topic with a game window open: another game is left as its leave button leaves it,
    // its running play finished, paid and saved, and the topic's game takes its place; the same
    // game's window stays as it is. There is never more than one game window.
    void helpTopicWithAGameOpen_data()
    {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("form");
        QTest::newRow("another game") << "Label3" << "Dice";
        QTest::newRow("the same game") << "Label4" << "Slot";
    }
    void helpTopicWithAGameOpen()
    {
        QFETCH(QString, topic);
        QFETCH(QString, form);
        Started s;
        s.arcade.game().Credit = 10;
        click(s.menu(), "Command10"); // HELP
        QPointer<QWidget> help = s.menu()->findChild<QWidget *>("Help");
        click(s.menu(), "Command5"); // スロット
        QVERIFY(help->isVisible());  // Help stays beside the game
        QPointer<GameWindow> slot = s.menu()->currentGame();
        for (int i = 0; i < 3; ++i)
            click(slot, "Command2"); // BET
        for (int row : {0, 8, 7})    // three US flags: 10 times the stake
            s.random.pushPick(row, 10);
        click(slot, "Command1"); // START
        s.clock.advance(ui::Ms(1000));

        ShowCount menuShown(s.menu());
        click(help, topic);
        flushDeletes();
        QCOMPARE(menuShown.shows, 0); // the menu never flashes up between the two games
        const bool same = form == "Slot";
        QCOMPARE(slot.isNull(), !same);
        QCOMPARE(s.arcade.game().Credit, same ? 7 : 37);
        QCOMPARE(s.fileText(), same ? QByteArray() : savedBalance(37));
        GameWindow *game = s.menu()->currentGame();
        QVERIFY(game);
        QCOMPARE(game->objectName(), form);
        QWidgetList shown;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible()) shown << w;
        QCOMPARE(shown, QWidgetList{game});
        s.clock.advance(ui::Ms(10000)); // the same game's play runs on to its end
        QCOMPARE(s.fileText(), savedBalance(37));
        game->close();
        QVERIFY(s.menu()->isVisible());
        flushDeletes();
    }

    // Return and keypad Enter press the focused push button, in the menu and in a game, once a
    // keystroke however long the key is held; a button without the focus is never pressed by
    // them, nor is one by Return with Ctrl or Alt.
    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("repeats"); // presses again while the key is held
        QTest::addColumn<bool>("presses");
        QTest::newRow("Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << 0 << true;
        QTest::newRow("keypad Enter")
            << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << 0 << true;
        QTest::newRow("Return held") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << 3 << true;
        QTest::newRow("Ctrl+Return")
            << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier) << 0 << false;
        QTest::newRow("Alt+Return")
            << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::AltModifier) << 0 << false;
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, repeats);
        QFETCH(bool, presses);
        Started s;
        auto *helpButton = widget<QPushButton>(s.menu(), "Command10");
        helpButton->setFocus();
        strike(helpButton, key, modifiers, repeats);
        QWidget *help = s.menu()->findChild<QWidget *>("Help");
        QCOMPARE(help && help->isVisible(), presses);
        QVERIFY(!s.menu()->findChild<QWidget *>("about"));

        click(s.menu(), "Command5"); // スロット
        GameWindow *slot = s.menu()->currentGame();
        auto *bet = widget<QPushButton>(slot, "Command2");
        bet->setFocus();
        strike(bet, key, modifiers, repeats);
        // One stake at most, and nothing else pressed.
        QCOMPARE(text(slot, "Label2"), presses ? "1" : "0");
        QCOMPARE(s.arcade.game().Credit, presses ? 99 : 100);
        QVERIFY(slot->isVisible());
        slot->close();
        flushDeletes();
    }

    void aboutIsSeventeenHundredTwipsHighAndCloses()
    {
        Started s;
        click(s.menu(), "Command9");
        QPointer<QWidget> about = s.menu()->findChild<QWidget *>("about");
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->frameGeometry().height(), ui::px(1700));
        QCOMPARE(about->width(), ui::px(3735));
        QCOMPARE(text(about, "Label1"), " Ver2.00");
        click(about, "Command1");
        flushDeletes();
        QVERIFY(about.isNull());
        QVERIFY(s.menu()->isVisible());
    }

    // A second copy, against a real first copy of the program in the same directory.
    void secondCopyShowsTheMessageAndLeavesTheFileAlone()
    {
        const QString program = qEnvironmentVariable("ARCADE_PROGRAM");
        if (program.isEmpty()) QSKIP("ARCADE_PROGRAM is not set");
        QTemporaryDir dir;
        const QString copy = dir.filePath("ZelkGame");
        QVERIFY(QFile::copy(program, copy));
        const QByteArray before = "[MAIN]\nCREDIT= 200\nBACK= 2163\nMIRROR= 1322\nOWN=1\n";
        {
            QFile f(dir.filePath("ZelkGame.ini"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(before);
        }
        QProcess first;
        first.setProcessEnvironment([] {
            auto env = QProcessEnvironment::systemEnvironment();
            env.insert("QT_QPA_PLATFORM", "offscreen");
            return env;
        }());
        first.start(copy, {});
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("ZelkGame.ini.lock")), 20000);

        {
            ui::VirtualScheduler clock;
            ui::ScriptedRandom random;
            Arcade second(clock, random);
            MessageWatch watch;
            watch.arm();
            QVERIFY(!second.start(dir.path()));
            QCOMPARE(watch.text, QString("既に､起動されています。"));
            QCOMPARE(watch.title, QString("Zelkのゲーム屋さん"));
            QCOMPARE(watch.icon, QMessageBox::Warning);
            QVERIFY(!second.menu()->isVisible());
        }
        QCOMPARE(first.state(), QProcess::Running); // the first copy is unharmed
        QFile f(dir.filePath("ZelkGame.ini"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        f.close();

        // A copy that was killed leaves its lock behind; the next start takes it over.
        ::kill(pid_t(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished());
        QVERIFY(QFile::exists(dir.filePath("ZelkGame.ini.lock")));
        ui::VirtualScheduler clock;
        ui::ScriptedRandom random;
        Arcade next(clock, random);
        QVERIFY(next.start(dir.path()));
        QCOMPARE(next.game().Credit, 200);
    }
    // Last: ending the program asks the application to quit, which also ends the next event loop
    // a test would run.
    void leavingTheMenuSaves_data()
    {
        QTest::addColumn<bool>("titleBar");
        QTest::newRow("終了") << false;
        QTest::newRow("title bar") << true;
    }
    void leavingTheMenuSaves()
    {
        QFETCH(bool, titleBar);
        Started s;
        click(s.menu(), "Command10"); // Help open does not matter
        s.arcade.game().Credit = 57;
        if (titleBar)
            s.menu()->close();
        else
            click(s.menu(), "Command8");
        QCOMPARE(s.fileText(), savedBalance(57));
    }
};

ARCADE_TEST_MAIN(Shell)
#include "tst_shell.moc"
