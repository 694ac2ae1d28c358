// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// Artwork from the compiled-in assets, by name without folder or extension ("slot/flags").
// Each picture is rendered once, at its own pixel size (sharp on high-density screens), and kept.
namespace ui {

QPixmap picture(const QString &name);
// The same picture rendered at another size in pixels.
QPixmap picture(const QString &name, QSize size);
QIcon icon(const QString &name);
QCursor pointer(const QString &name, int hotX, int hotY);

} // namespace ui
