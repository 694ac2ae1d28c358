// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"

#include "pictures.h"

#include <QApplication>
#include <QScrollBar>

#include <cmath>

namespace ui {

QFont font(double points, int style, Family family)
{
    QFont f(family == Family::Gothic ? QStringLiteral("ＭＳ Ｐゴシック")
                                     : QStringLiteral("System"));
    if (family == Family::System) {
        // System is a raster font of one size: a 16-pixel line with Latin letters in cells of
        // 8 pixels. A bold monospaced sans of that line and a cell a shade wider stands in for
        // it, so that captions spaced out with blanks keep their words over their columns.
        f.setStyleHint(QFont::Monospace);
        f.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("IPAGothic")});
        f.setPixelSize(14);
    } else {
        f.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    }
    f.setBold(style & Bold);
    f.setItalic(style & Italic);
    f.setUnderline(style & Underline);
    return f;
}

void installFonts()
{
    // The windows are drawn for "ＭＳ Ｐゴシック"; IPAPGothic is made to the same metrics.
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QApplication::setFont(font(9));
    QApplication::setStyle(textStyle());
}

LabelRef &LabelRef::text(const QString &t)
{
    w_->setText(t);
    return *this;
}

LabelRef &LabelRef::border()
{
    sunkenEdge(w_);
    return *this;
}

LabelRef &LabelRef::alignLeft()
{
    w_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return *this;
}

LabelRef &LabelRef::alignRight()
{
    w_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    return *this;
}

LabelRef &LabelRef::center()
{
    w_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return *this;
}

LabelRef &LabelRef::back(const QColor &c)
{
    w_->setBackColor(c);
    return *this;
}

LabelRef &LabelRef::opaque()
{
    w_->setTransparent(false);
    return *this;
}

LabelRef &LabelRef::fore(const QColor &c)
{
    w_->setForeColor(c);
    return *this;
}

LabelRef &LabelRef::wrap()
{
    w_->setWordWrap(true);
    return *this;
}

LabelRef &LabelRef::heading(const QString &h)
{
    w_->setProperty("heading", h);
    return *this;
}

PictureRef &PictureRef::picture(const QString &asset)
{
    return picture(ui::picture(asset));
}

PictureRef &PictureRef::picture(const QPixmap &p)
{
    w_->setPicture(p);
    return *this;
}

PictureRef &PictureRef::stretch()
{
    w_->setStretch(true);
    return *this;
}

PictureRef &PictureRef::back(const QColor &c)
{
    w_->setBackColor(c);
    return *this;
}

PictureRef &PictureRef::border()
{
    sunkenEdge(w_);
    return *this;
}

PictureRef &PictureRef::words(const QString &text)
{
    w_->setProperty("words", true);
    w_->setAccessibleName(text);
    return *this;
}

PictureRef &PictureRef::decoration()
{
    setDecoration(w_);
    return *this;
}

ShapeRef &ShapeRef::fill(const QColor &c)
{
    w_->setFillColor(c);
    return *this;
}

ShapeRef &ShapeRef::borderColor(const QColor &c)
{
    w_->setBorderColor(c);
    return *this;
}

ShapeRef &ShapeRef::hollow()
{
    w_->setFilled(false);
    return *this;
}

template <class W> W *Builder::place(W *w, const QString &name, Rect r) const
{
    w->setObjectName(name);
    w->setGeometry(px(r));
    w->show();
    return w;
}

LabelRef Builder::label(const QString &name, Rect r) const
{
    auto *l = place(new Label(parent_), name, r);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return LabelRef(l);
}

ButtonRef Builder::button(const QString &name, Rect r, const QString &caption) const
{
    auto *b = place(new QPushButton(caption, parent_), name, r);
    b->setAutoDefault(false);
    setTag(b, QString());
    return ButtonRef(b);
}

PictureRef Builder::pictureBox(const QString &name, Rect r) const
{
    auto *p = place(new Picture(parent_), name, r);
    return PictureRef(p);
}

PictureRef Builder::image(const QString &name, Rect r) const
{
    auto *p = place(new Picture(parent_), name, r);
    return PictureRef(p);
}

ShapeRef Builder::shape(const QString &name, Rect r, Shape::Kind kind) const
{
    return ShapeRef(place(new Shape(kind, parent_), name, r));
}

Line *Builder::line(const QString &name, int x1, int y1, int x2, int y2, const QColor &c,
                    int width) const
{
    auto *l = new Line(parent_, x1, y1, x2, y2, c, width);
    l->setObjectName(name);
    l->show();
    return l;
}

GroupFrame *Builder::frame(const QString &name, Rect r, const QString &caption) const
{
    return place(new GroupFrame(caption, parent_), name, r);
}

QScrollBar *Builder::vscroll(const QString &name, Rect r) const
{
    return place(new QScrollBar(Qt::Vertical, parent_), name, r);
}

} // namespace ui
