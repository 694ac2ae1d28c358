// SPDX-License-Identifier: GPL-3.0-or-later
#include "paragraph.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QTextLayout>

namespace ui {

bool paragraphFits(const QLabel *label, const QFont &font)
{
    const QFontMetricsF fm(font);
    const QRectF inside(label->contentsRect());
    const QString text = label->text();
    QRectF ink = fm.boundingRect(inside, int(label->alignment()) | Qt::TextWordWrap, text);
    // The last line's letters end on its baseline, or below it where they have descenders.
    QTextLayout layout(text, font);
    QTextOption option(label->alignment());
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine last;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(inside.width());
        last = line;
    }
    layout.endLayout();
    // Japanese letters stand on the line as set; the Latin letters' descenders reach below it.
    QString latin;
    if (last.isValid())
        for (QChar c : text.mid(last.textStart(), last.textLength()))
            if (c.unicode() < 0x3000 && !c.isSpace()) latin += c;
    qreal below = latin.isEmpty() ? 0 : fm.tightBoundingRect(latin).bottom();
    if (below < 1) below = 0; // the overshoot of round letters, not a descender
    ink.setBottom(ink.bottom() - fm.descent() + below);
    return ink.bottom() <= inside.bottom() + 0.01 && ink.right() <= inside.right() + 0.01;
}

void fitParagraph(QLabel *label)
{
    QFont font = label->font();
    if (paragraphFits(label, font)) return;
    const int own = QFontInfo(font).pixelSize();
    for (int px = own - 1; px >= own * 7 / 10; --px) {
        font.setPixelSize(px);
        if (paragraphFits(label, font)) break;
    }
    label->setFont(font);
}

} // namespace ui
