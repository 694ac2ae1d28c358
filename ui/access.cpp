// SPDX-License-Identifier: GPL-3.0-or-later
#include "access.h"

#include "widgets.h"

#include <QAccessibleWidget>

namespace ui {

namespace {

const char *const SecretWhileHidden = "secretWhileHidden";

bool withheld(const QWidget *w)
{
    for (; w && !w->isWindow(); w = w->parentWidget())
        if (w->property(SecretWhileHidden).toBool() && w->isHidden()) return true;
    return false;
}

class Accessible : public QAccessibleWidget
{
public:
    explicit Accessible(QWidget *w) : QAccessibleWidget(w) {}

    QAccessible::Role role() const override
    {
        if (isClickable(widget())) return QAccessible::Button;
        if (qobject_cast<const Label *>(widget()) || isWords(widget()))
            return QAccessible::StaticText;
        // A picture box holding other widgets is a pane, one that holds only its picture a graphic.
        return widget()->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly)
                   ? QAccessible::Pane
                   : QAccessible::Graphic;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (isSelectable(widget())) {
            s.selectable = s.checkable = true;
            s.selected = s.checked = isSelected(widget());
        }
        // A decoration is not there for a reader.
        if (decoration()) s.invisible = true;
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        if (withheld(widget())) return {};
        const auto *label = qobject_cast<const Label *>(widget());
        if (t != QAccessible::Name || !label || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        const QString heading = label->property("heading").toString();
        return heading.isEmpty() ? label->text() : heading + QLatin1Char(' ') + label->text();
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (isClickable(widget()) && widget()->isEnabled()) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && isClickable(widget()) && widget()->isEnabled())
            click(widget());
        else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action == pressAction() && isClickable(widget())) return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    // A picture of words (a banner) is read as its words.
    static bool isWords(const QWidget *w) { return w->property("words").toBool(); }
    // Marked so, or a shape or line that no one named.
    bool decoration() const
    {
        const QWidget *w = widget();
        return isDecoration(w) ||
               ((qobject_cast<const Shape *>(w) || qobject_cast<const Line *>(w)) &&
                w->accessibleName().isEmpty());
    }
};

QAccessibleInterface *factory(const QString &className, QObject *o)
{
    if (!o || !o->isWidgetType()) return nullptr;
    if (className == QLatin1String("ui::Label") || className == QLatin1String("ui::Picture") ||
        className == QLatin1String("ui::Shape") || className == QLatin1String("ui::Line"))
        return new Accessible(static_cast<QWidget *>(o));
    return nullptr;
}

} // namespace

void secretWhileHidden(QWidget *w)
{
    w->setProperty(SecretWhileHidden, true);
}

void installAccessibility()
{
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(factory);
}

} // namespace ui
