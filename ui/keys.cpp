#include "keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace ui {

namespace {

class EnterFilter : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress) return false;
        auto *key = static_cast<QKeyEvent *>(e);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if (key->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier)) return false;
        auto *button = qobject_cast<QPushButton *>(o);
        if (!button || button->autoDefault() || button->isDefault()) return false;
        // One press a keystroke, however long the key is held.
        if (!key->isAutoRepeat() && button->isEnabled()) button->click();
        return true;
    }
};

} // namespace

void enterPressesFocusedButton()
{
    static QPointer<EnterFilter> filter;
    QCoreApplication *app = QCoreApplication::instance();
    if (filter || !app) return;
    filter = new EnterFilter(app);
    app->installEventFilter(filter);
}

} // namespace ui
