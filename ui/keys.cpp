// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys.h"

#include "widgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>

#include <limits>

namespace ui {

namespace {

// The array a widget belongs to: "Image1" for "Image1(3)", empty for a widget of its own.
QString arrayOf(const QObject *w)
{
    static const QRegularExpression element(QStringLiteral("^(.+)\\(\\d+\\)$"));
    const QRegularExpressionMatch m = element.match(w->objectName());
    return m.hasMatch() ? m.captured(1) : QString();
}

bool inSameArray(const QWidget *a, const QWidget *b)
{
    return a->parentWidget() == b->parentWidget() && arrayOf(a) == arrayOf(b);
}

bool takesFocus(const QWidget *w, Qt::FocusPolicy policy)
{
    return (w->focusPolicy() & policy) == policy && w->isVisible() && w->isEnabled();
}

// The next widget in the focus chain (or the previous one) that Tab may give the focus to and
// that is not of from's array; from itself when there is none.
QWidget *pastArray(QWidget *from, bool forward)
{
    QWidget *w = from;
    for (;;) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == from) return from;
        if (w->window() == from->window() && takesFocus(w, Qt::TabFocus) && !inSameArray(w, from))
            return w;
    }
}

// The element of from's array nearest in the arrow's direction: least distance along it, with
// a step aside weighing three times as much, so that a row or column is followed first.
QWidget *nearestInArray(QWidget *from, int key)
{
    const QPoint c = from->geometry().center();
    QWidget *best = nullptr;
    long bestScore = std::numeric_limits<long>::max();
    for (QObject *o : from->parentWidget()->children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || w == from || !inSameArray(w, from) || !takesFocus(w, Qt::StrongFocus)) continue;
        const QPoint d = w->geometry().center() - c;
        int along = 0, aside = 0;
        switch (key) {
        case Qt::Key_Left:
            along = -d.x(), aside = d.y();
            break;
        case Qt::Key_Right:
            along = d.x(), aside = d.y();
            break;
        case Qt::Key_Up:
            along = -d.y(), aside = d.x();
            break;
        default:
            along = d.y(), aside = d.x();
            break;
        }
        if (along <= 0) continue;
        const long score = along + 3L * std::abs(aside);
        if (score < bestScore) bestScore = score, best = w;
    }
    return best;
}

class KeyFilter : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *o, QEvent *e) override
    {
        switch (e->type()) {
        case QEvent::KeyPress:
            return keyPress(o, static_cast<QKeyEvent *>(e));
        case QEvent::KeyRelease:
            return keyRelease(o, static_cast<QKeyEvent *>(e));
        case QEvent::ApplicationDeactivate:
            // A key let go in another application's window was never seen let go.
            held_.clear();
            return false;
        case QEvent::FocusIn:
            // Qt shows a button's focus only after the keyboard moved it; the player who clicked
            // must see where Space and Return will act too.
            if (auto *w = qobject_cast<QWidget *>(o))
                w->window()->setAttribute(Qt::WA_KeyboardFocusChange);
            return false;
        default:
            return false;
        }
    }

private:
    static bool plain(const QKeyEvent *key)
    {
        return !(key->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier));
    }
    static bool isAction(int key)
    {
        return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter ||
               key == Qt::Key_Select;
    }

    bool keyPress(QObject *o, QKeyEvent *key)
    {
        // The event as the focused widget receives it; not again as it goes on to the parents.
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || w->window()->focusWidget() != w) return false;
        // A key pressed again before it was let go is the key repeat, flagged or not.
        const bool repeat = key->isAutoRepeat() || held_.contains(key->key());
        if (!key->isAutoRepeat()) held_.insert(key->key());
        if (isAction(key->key()) && plain(key)) {
            if (isClickable(w)) {
                if (!repeat && w->isEnabled()) click(w);
                return true;
            }
            if (auto *button = qobject_cast<QAbstractButton *>(w)) {
                if (key->key() == Qt::Key_Space || key->key() == Qt::Key_Select)
                    return repeat; // the button clicks once, when the key is let go
                auto *push = qobject_cast<QPushButton *>(w);
                if (!push || push->autoDefault() || push->isDefault()) return false;
                if (!repeat && button->isEnabled()) button->click();
                return true;
            }
            return false;
        }
        if (arrayOf(w).isEmpty() || !w->parentWidget()) return false;
        switch (key->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab: {
            if (key->modifiers() & ~Qt::KeyboardModifiers(Qt::ShiftModifier)) return false;
            const bool forward =
                key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
            if (QWidget *next = pastArray(w, forward); next != w)
                next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (!plain(key)) return false;
            if (QWidget *next = nearestInArray(w, key->key())) next->setFocus(Qt::TabFocusReason);
            return true;
        default:
            return false;
        }
    }

    bool keyRelease(QObject *o, QKeyEvent *key)
    {
        // Let go wherever the focus went meanwhile.
        if (!key->isAutoRepeat()) held_.remove(key->key());
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || w->window()->focusWidget() != w) return false;
        if (!isAction(key->key()) || !plain(key)) return false;
        // The release of a repeat would click a button again; a clickable acted on the press.
        if (isClickable(w)) return true;
        return key->isAutoRepeat() && qobject_cast<QAbstractButton *>(w);
    }

    QSet<int> held_;
};

} // namespace

void installKeyboard()
{
    static QPointer<KeyFilter> filter;
    QCoreApplication *app = QCoreApplication::instance();
    if (filter || !app) return;
    filter = new KeyFilter(app);
    app->installEventFilter(filter);
}

} // namespace ui
