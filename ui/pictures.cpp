// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace ui {

namespace {

QString path(const QString &name) { return QStringLiteral(":/assets/%1.svg").arg(name); }

qreal ratio()
{
    return qApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QPixmap render(const QString &name, QSize size)
{
    QSvgRenderer svg(path(name));
    if (!svg.isValid()) {
        qWarning("missing picture %s", qPrintable(name));
        return {};
    }
    if (!size.isValid()) size = svg.defaultSize();
    const qreal dpr = ratio();
    QPixmap pm(size * dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    svg.render(&p);
    p.end();
    pm.setDevicePixelRatio(dpr);
    return pm;
}

} // namespace

QPixmap picture(const QString &name) { return picture(name, QSize()); }

QPixmap picture(const QString &name, QSize size)
{
    static QHash<QString, QPixmap> cache;
    const QString key = QStringLiteral("%1@%2x%3").arg(name).arg(size.width()).arg(size.height());
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.insert(key, render(name, size));
    return *it;
}

QIcon icon(const QString &name)
{
    QIcon i;
    for (int s : {16, 32, 48}) i.addPixmap(picture(name, QSize(s, s)));
    return i;
}

QCursor pointer(const QString &name, int hotX, int hotY) { return QCursor(picture(name), hotX, hotY); }

} // namespace ui
