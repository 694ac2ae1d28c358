// SPDX-License-Identifier: GPL-3.0-or-later
#include "access.h"

#include "widgets.h"

#include <QAccessibleWidget>

namespace ui {

namespace {

class Accessible : public QAccessibleWidget
{
public:
    explicit Accessible(QWidget *w) : QAccessibleWidget(w) {}

    QAccessible::Role role() const override
    {
        if (isClickable(widget())) return QAccessible::Button;
        if (qobject_cast<const Label *>(widget())) return QAccessible::StaticText;
        return widget()->accessibleName().isEmpty() ? QAccessible::Pane : QAccessible::Graphic;
    }

    QString text(QAccessible::Text t) const override
    {
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
};

QAccessibleInterface *factory(const QString &className, QObject *o)
{
    if (!o || !o->isWidgetType()) return nullptr;
    if (className == QLatin1String("ui::Label") || className == QLatin1String("ui::Picture"))
        return new Accessible(static_cast<QWidget *>(o));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(factory);
}

} // namespace ui
