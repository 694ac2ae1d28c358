// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets.h"

#include <QFont>
#include <QPushButton>

class QScrollBar;

// Builders that lay a window out as data, in twips, so that the code reads like the window's
// widget table:
//
//   label("Label5", {3120, 3120, 855, 375}).text("0").font(12, Bold).border().alignRight();
namespace ui {

enum FontStyle { Regular = 0, Bold = 1, Italic = 2, Underline = 4 };
enum class Family { Gothic, System };

// "ＭＳ Ｐゴシック" (Gothic) at a size in points, sized in pixels as at 96 dots per inch so that
// text fits the twip layout whatever the screen's font resolution; "System", which has one size.
QFont font(double points, int style = Regular, Family family = Family::Gothic);
// Maps the windows' fonts to the installed ones, sets the application's default font and the
// style that draws the buttons' bold captions bold at every scale.
void installFonts();

template <class W, class Self> class Ref
{
public:
    explicit Ref(W *w) : w_(w) {}
    operator W *() const { return w_; }
    W *operator->() const { return w_; }
    W *get() const { return w_; }
    Self &font(double points, int style = Regular, Family family = Family::Gothic)
    {
        w_->setFont(ui::font(points, style, family));
        return self();
    }
    Self &systemFont(double points, int style = Bold)
    {
        return font(points, style, Family::System);
    }
    Self &visible(bool on)
    {
        w_->setVisible(on);
        return self();
    }
    Self &enabled(bool on)
    {
        w_->setEnabled(on);
        return self();
    }
    Self &tag(const QString &t)
    {
        setTag(w_, t);
        return self();
    }
    // What a screen reader calls the widget: "chest 7", "field A".
    Self &name(const QString &spoken)
    {
        w_->setAccessibleName(spoken);
        return self();
    }
    Self &cursor(Qt::CursorShape shape)
    {
        w_->setCursor(shape);
        return self();
    }

protected:
    Self &self() { return static_cast<Self &>(*this); }
    W *w_;
};

class LabelRef : public Ref<Label, LabelRef>
{
public:
    using Ref::Ref;
    LabelRef &text(const QString &t);
    LabelRef &border();
    LabelRef &alignLeft();
    LabelRef &alignRight();
    LabelRef &center();
    LabelRef &back(const QColor &c); // opaque, with this colour
    LabelRef &opaque();              // opaque, with its container's background
    LabelRef &fore(const QColor &c);
    LabelRef &wrap();
    // A box whose caption is a value: a screen reader reads "CREDIT 120", the heading and then
    // the caption, and hears each new caption.
    LabelRef &heading(const QString &h);
};

class ButtonRef : public Ref<QPushButton, ButtonRef>
{
public:
    using Ref::Ref;
};

class PictureRef : public Ref<Picture, PictureRef>
{
public:
    using Ref::Ref;
    PictureRef &picture(const QString &asset);
    PictureRef &picture(const QPixmap &p);
    PictureRef &stretch();
    PictureRef &back(const QColor &c);
    PictureRef &border();
    // A picture of words, a banner: a screen reader reads it as these words.
    PictureRef &words(const QString &text);
    // A picture that only decorates: a screen reader passes over it.
    PictureRef &decoration();
};

class ShapeRef : public Ref<Shape, ShapeRef>
{
public:
    using Ref::Ref;
    ShapeRef &fill(const QColor &c);
    ShapeRef &borderColor(const QColor &c);
    ShapeRef &hollow();
};

class Builder
{
public:
    explicit Builder(QWidget *parent) : parent_(parent) {}
    // A builder for the widgets inside a container (picture box, frame).
    Builder in(QWidget *container) const { return Builder(container); }
    QWidget *parent() const { return parent_; }

    LabelRef label(const QString &name, Rect r) const;
    ButtonRef button(const QString &name, Rect r, const QString &caption) const;
    // Picture box: a container with a background and a picture at its top left.
    PictureRef pictureBox(const QString &name, Rect r) const;
    // Image box: a picture with no border or background of its own.
    PictureRef image(const QString &name, Rect r) const;
    ShapeRef shape(const QString &name, Rect r, Shape::Kind kind) const;
    Line *line(const QString &name, int x1, int y1, int x2, int y2, const QColor &c = Qt::black,
               int width = 1) const;
    GroupFrame *frame(const QString &name, Rect r, const QString &caption) const;
    QScrollBar *vscroll(const QString &name, Rect r) const;

private:
    template <class W> W *place(W *w, const QString &name, Rect r) const;
    QWidget *parent_;
};

} // namespace ui
