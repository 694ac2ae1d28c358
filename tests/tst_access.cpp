// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard and the screen reader's view of every window: clickable labels and pictures take
// the focus and act on Space and Return once a keystroke, control arrays are Tab groups walked
// by the arrow keys, the focus frame shows after a click, and Qt's accessibility interfaces name
// every control.
#include "testing.h"

#include "shell/gametable.h"
#include "ui/widgets.h"

#include <QAccessible>
#include <QPushButton>
#include <QSet>

namespace {

// Presses and lets go of a key at the focused widget of w's window, as the keyboard sends it.
void key(QWidget *w, Qt::Key k, bool repeat = false, QEvent::Type type = QEvent::None)
{
    QWidget *to = w->window()->focusWidget() ? w->window()->focusWidget() : w->window();
    const QString text = k == Qt::Key_Space ? QStringLiteral(" ") : QString();
    for (QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
        if (type != QEvent::None && t != type) continue;
        QKeyEvent e(t, k, Qt::NoModifier, text, repeat);
        QApplication::sendEvent(to, &e);
    }
}

// Every widget of the window that a screen reader sees as a control: its interface, its name.
struct Control
{
    QWidget *widget;
    QAccessible::Role role;
    QString name;
    bool pressable, focusable, invisible;
};
std::vector<Control> controls(QWidget *window)
{
    std::vector<Control> out;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
        if (!i) continue;
        const bool pressable =
            i->actionInterface() &&
            i->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction());
        out.push_back({w, i->role(), i->text(QAccessible::Name), pressable,
                       bool(i->state().focusable), bool(i->state().invisible)});
    }
    return out;
}

} // namespace

class Access : public QObject
{
    Q_OBJECT
private slots:
    // Every window: each button and picture is named, each control that can be pressed takes
    // the focus; and the games' targets carry their names.
    void everyControlNamed_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("names");
        const std::map<QString, QStringList> wanted{
            {"Takara", {"chest 1", "chest 7", "chest 25", "CREDIT 100", "WIN 0", "stake 0"}},
            {"Dice", {"outcome 3 and 5", "field A", "stake on field A 0", "CREDIT 100"}},
            {"Card", {"heart", "stake 0"}},
            {"Winner", {"piece 1", "piece 12", "piece 16", "CREDIT 100"}},
        };
        for (const GameEntry &g : gameTable()) {
            const auto it = wanted.find(g.form);
            QTest::newRow(qPrintable(g.form))
                << g.form << (it == wanted.end() ? QStringList() : it->second);
        }
    }
    void everyControlNamed()
    {
        QFETCH(QString, form);
        QFETCH(QStringList, names);
        Bench b;
        b.game.Credit = 100;
        std::unique_ptr<GameWindow> w(findGame(form)->make(b.context, &b.menu));
        w->show();
        QStringList seen, unnamed;
        for (const Control &c : controls(w.get())) {
            seen << c.name;
            // A reader announces a pane or a picture it reaches; a decoration it passes over.
            const bool read = c.role == QAccessible::Button || c.role == QAccessible::Graphic ||
                              c.role == QAccessible::Pane || c.role == QAccessible::Client ||
                              c.pressable;
            if (read && !c.invisible && c.name.trimmed().isEmpty())
                unnamed << c.widget->objectName();
            if (c.pressable) QVERIFY2(c.focusable, qPrintable(c.name + " takes no focus"));
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable("no name: " + unnamed.join(", ")));
        for (const QString &n : names)
            QVERIFY2(seen.contains(n), qPrintable(n + " missing"));
    }

    // A reader reads a value box's new value and a choice's selected state as the window shows
    // them. (Qt sends the change events only to a live accessibility bridge, which the
    // offscreen platform lacks; the AT-SPI run hears them.)
    void readAsItChanges_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("selected"); // -1: not a choice, never selectable
        const QStringList spin{"Command5", "Command1"}; // a credit on 10, START
        QTest::newRow("CREDIT after a bet") << "Slot" << QStringList{"Command2"} << "Label5"
                                            << "CREDIT 99" << -1;
        QTest::newRow("stake box")
            << "Card" << QStringList{"Command3", "Command3"} << "Label5" << "stake 2" << -1;
        QTest::newRow("WIN box after a stop on 10") << "Roter" << spin << "Label8" << "WIN 10"
                                                    << -1;
        QTest::newRow("the lamp it stopped on")
            << "Roter" << spin << "Shape1(6)" << "lamp 10" << 1;
        QTest::newRow("the lamp it left") << "Roter" << spin << "Shape1(0)" << "lamp 0" << 0;
        QTest::newRow("card with a bet")
            << "Bingo" << QStringList{"Command2(1)"} << "Picture3" << "card B" << 1;
        QTest::newRow("card without one")
            << "Bingo" << QStringList{"Command2(1)"} << "Picture2" << "card A" << 0;
        QTest::newRow("free centre marked at the deal")
            << "Bingo" << QStringList{} << "Label2(12)" << "*" << 1;
        QTest::newRow("unmarked cell") << "Bingo" << QStringList{} << "Label2(11)" << "" << 0;
    }
    void readAsItChanges()
    {
        QFETCH(QString, form);
        QFETCH(QStringList, clicks);
        QFETCH(QString, object);
        QFETCH(QString, name);
        QFETCH(int, selected);
        Bench b;
        b.game.Credit = 100;
        b.random.pushPick(6, 14); // the roulette stops on lamp 6, a 10
        std::unique_ptr<GameWindow> w(findGame(form)->make(b.context, &b.menu));
        w->show();
        for (const QString &c : clicks)
            click(w.get(), c);
        b.advance(60000);
        QAccessibleInterface *now = QAccessible::queryAccessibleInterface(widget(w.get(), object));
        if (!name.isEmpty()) QCOMPARE(now->text(QAccessible::Name), name);
        QCOMPARE(bool(now->state().selectable), selected >= 0);
        QCOMPARE(bool(now->state().selected), selected == 1);
    }

    // Colour is never the only cue: a selected label or shape of a window draws a small mark, the
    // same widget unselected does not, and the mark stays in its corner (a box) or its middle (a
    // shape), clear of the text.
    void markBesideTheColour_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRectF>("where"); // the share of the widget the mark may use
        const QRectF corner(0, 0, 0.34, 0.34), middle(0.3, 0.3, 0.4, 0.4);
        QTest::newRow("bingo cell") << "Bingo" << "Label2(7)" << corner;
        QTest::newRow("dog race winning pair") << "Dango" << "Label6(3)" << corner;
        QTest::newRow("premium pick") << "Winner" << "Label1(5)" << corner;
        QTest::newRow("roulette lamp") << "Roter" << "Shape1(0)" << middle;
        QTest::newRow("mark lamp") << "Card" << "Shape1(1)" << middle;
    }
    void markBesideTheColour()
    {
        QFETCH(QString, form);
        QFETCH(QString, name);
        QFETCH(QRectF, where);
        Bench b;
        b.game.Credit = 100;
        std::unique_ptr<GameWindow> w(findGame(form)->make(b.context, &b.menu));
        w->show();
        QWidget *target = widget(w.get(), name);
        ui::setSelected(target, true);
        const QImage marked = target->grab().toImage();
        ui::setSelected(target, false);
        const QImage plain = target->grab().toImage();
        QCOMPARE(marked.size(), plain.size());
        const QRectF allowed(where.x() * plain.width(), where.y() * plain.height(),
                             where.width() * plain.width(), where.height() * plain.height());
        // The mark lies on the plain background alone: what it covers was all of one colour,
        // none of the text's or the border's.
        QSet<QRgb> under;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                if (marked.pixel(x, y) != plain.pixel(x, y)) {
                    under.insert(plain.pixel(x, y));
                    QVERIFY2(allowed.contains(QPointF(x + 0.5, y + 0.5)),
                             qPrintable(QStringLiteral("mark at %1,%2").arg(x).arg(y)));
                }
        QCOMPARE(under.size(), 1);
    }

    // A card's face is not read before it is turned: not its name, rank or suit, though the
    // deal has already set them; once turned, it is read.
    void faceDownCardsUnread()
    {
        Bench b;
        b.game.Credit = 100;
        std::unique_ptr<GameWindow> w(findGame("Card")->make(b.context, &b.menu));
        w->show();
        const auto read = [&](int k) {
            QStringList texts;
            for (const QString &name :
                 {QStringLiteral("Picture1(%1)"), QStringLiteral("Label2(%1)"),
                  QStringLiteral("Image5(%1)")}) {
                QAccessibleInterface *i =
                    QAccessible::queryAccessibleInterface(widget(w.get(), name.arg(k)));
                texts << i->text(QAccessible::Name);
            }
            return texts.join(QLatin1Char('|'));
        };
        for (int k = 0; k < 5; ++k)
            QCOMPARE(read(k), QStringLiteral("||"));
        click(w.get(), "Command3"); // BET
        click(w.get(), "Command1"); // START: the cards are turned one by one
        QWidget *first = widget(w.get(), "Picture1(0)");
        for (int ms = 0; first->isHidden() && ms < 10000; ms += 10)
            b.advance(10);
        QVERIFY(!first->isHidden());
        const QStringList texts = read(0).split(QLatin1Char('|'));
        QVERIFY2(!texts.contains(QString()), qPrintable(read(0)));
        QVERIFY2(texts[0].startsWith(texts[2]) && texts[0].endsWith(texts[1]),
                 qPrintable(read(0)));           // "club 10": the suit, then the rank
        QCOMPARE(read(1), QStringLiteral("||")); // the next one still face down
    }

    // The dice board from the keyboard: the arrows walk the outcomes' grid, from field to field,
    // Tab leaves the grid for the fields and Shift+Tab comes back to it.
    void gridFromTheKeyboard()
    {
        Bench b;
        b.game.Credit = 100;
        std::unique_ptr<GameWindow> w(findGame("Dice")->make(b.context, &b.menu));
        w->show();
        const auto spoken = [&] {
            return w->focusWidget() ? w->focusWidget()->accessibleName() : QString();
        };
        const std::vector<std::pair<Qt::Key, QString>> steps{
            {Qt::Key_Right, "outcome 1 and 2"}, // the top of field B
            {Qt::Key_Left, "outcome 1 and 1"},  // back to the top of field A
            {Qt::Key_Up, "outcome 1 and 1"},    // nothing above: stays
            {Qt::Key_Down, "outcome 1 and 3"},
            {Qt::Key_Down, "outcome 1 and 4"},
            {Qt::Key_Down, "outcome 4 and 1"},
            {Qt::Key_Down, "outcome 3 and 3"},    // the top of field D
            {Qt::Key_Tab, "field A"},             // past the 36 outcomes
            {Qt::Key_Backtab, "outcome 6 and 6"}, // the last outcome of the focus chain
        };
        widget(w.get(), "Image2(0)")->setFocus();
        QCOMPARE(spoken(), "outcome 1 and 1");
        for (const auto &[k, name] : steps) {
            key(w.get(), k);
            QCOMPARE(spoken(), name);
        }
        key(w.get(), Qt::Key_Space);
        QCOMPARE(b.game.Credit, 99);
        QCOMPARE(text(w.get(), QString("Label1(%1)")
                                   .arg(w->focusWidget()->objectName().section('(', 1).chopped(1))),
                 "1");
    }

    // A chest is opened from the keyboard: Space and Return on BET and START, Space on a chest
    // opens it.
    void chestsFromTheKeyboard()
    {
        Bench b;
        b.game.Credit = 100;
        std::unique_ptr<GameWindow> w(findGame("Takara")->make(b.context, &b.menu));
        w->show();
        w->activateWindow();
        widget(w.get(), "Command1")->setFocus();
        key(w.get(), Qt::Key_Space); // BET
        QCOMPARE(text(w.get(), "Label1"), "1");
        widget(w.get(), "Command2")->setFocus();
        key(w.get(), Qt::Key_Return); // START: the chests open to the hunt
        QVERIFY(widget(w.get(), "Image1(0)")->isEnabled());
        widget(w.get(), "Image1(6)")->setFocus();
        key(w.get(), Qt::Key_Space, false, QEvent::KeyPress);
        key(w.get(), Qt::Key_Space, true, QEvent::KeyPress);
        key(w.get(), Qt::Key_Space, false, QEvent::KeyRelease);
        QVERIFY(!widget(w.get(), "Image1(6)")->accessibleDescription().isEmpty()); // gold or empty
    }

    // A held key acts once, whether the repeat comes flagged or as bare presses, on a button
    // (Space or Return) as on a clickable picture.
    void heldKeyActsOnce_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<bool>("flagged");
        for (bool flagged : {true, false}) {
            QTest::newRow(flagged ? "Space, flagged repeat" : "Space, bare presses")
                << int(Qt::Key_Space) << flagged;
            QTest::newRow(flagged ? "Return, flagged repeat" : "Return, bare presses")
                << int(Qt::Key_Return) << flagged;
        }
    }
    void heldKeyActsOnce()
    {
        QFETCH(int, k);
        QFETCH(bool, flagged);
        Bench b;
        b.game.Credit = 100;
        std::unique_ptr<GameWindow> w(findGame("Slot")->make(b.context, &b.menu));
        w->show();
        widget(w.get(), "Command2")->setFocus(); // BET
        key(w.get(), Qt::Key(k), false, QEvent::KeyPress);
        for (int i = 0; i < 10; ++i) {
            if (flagged) key(w.get(), Qt::Key(k), true, QEvent::KeyRelease);
            key(w.get(), Qt::Key(k), flagged, QEvent::KeyPress);
        }
        key(w.get(), Qt::Key(k), false, QEvent::KeyRelease);
        QCOMPARE(b.game.Credit, 99);
        key(w.get(), Qt::Key(k)); // a second keystroke stakes again
        QCOMPARE(b.game.Credit, 98);
    }

    // The focus frame shows after a mouse click as after Tab: the clicked button is drawn
    // differently from the same button without the focus.
    void focusFrameAfterClick()
    {
        Bench b;
        b.game.Credit = 100;
        std::unique_ptr<GameWindow> w(findGame("Slot")->make(b.context, &b.menu));
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        auto *bet = widget<QPushButton>(w.get(), "Command2");
        widget(w.get(), "Command3")->setFocus(Qt::TabFocusReason); // PLAY OUT
        const QImage unfocused = bet->grab().toImage();
        click(w.get(), "Command2");
        QVERIFY(bet->hasFocus());
        QCOMPARE(b.game.Credit, 99);
        QVERIFY(bet->grab().toImage() != unfocused);
    }
};

ARCADE_TEST_MAIN(Access)
#include "tst_access.moc"
