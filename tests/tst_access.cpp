// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard and the screen reader's view of every window: clickable labels and pictures take
// the focus and act on Space and Return once a keystroke, control arrays are Tab groups walked
// by the arrow keys, the focus frame shows after a click, and Qt's accessibility interfaces name
// every control.
#include "testing.h"

#include "shell/gametable.h"

#include <QAccessible>
#include <QPushButton>

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
