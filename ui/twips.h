// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>
#include <QSize>

namespace ui {

// Windows are laid out in twips: 1/1440 inch, 15 twips to a pixel at 96 dots per inch.
// Qt scales these device-independent pixels on high-density screens.
constexpr int TwipsPerPixel = 15;

constexpr int px(int twips)
{
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}
constexpr int twips(int pixels) { return pixels * TwipsPerPixel; }

// (Left, Top, Width, Height) in twips.
struct Rect
{
    int left, top, width, height;
};

inline QRect px(Rect r) { return QRect(px(r.left), px(r.top), px(r.width), px(r.height)); }
inline QSize pxSize(int widthTwips, int heightTwips) { return QSize(px(widthTwips), px(heightTwips)); }

inline QColor rgb(int r, int g, int b) { return QColor(r, g, b); }

} // namespace ui
