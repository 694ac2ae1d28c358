// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "twips.h"

#include <QAbstractButton>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>

class QPainter;
class QStyle;

#include <functional>
#include <iterator>
#include <vector>

// The widget kinds the windows are made of, with the few properties Qt lacks: a `Tag` text slot,
// clicks on labels and pictures, solid shapes with a fill colour changeable at run time.
namespace ui {

// Every widget may carry a `Tag`: a free text slot, kept as a Qt property of that name.
QString tag(const QObject *w);
void setTag(QObject *w, const QString &text);
int tagNumber(const QObject *w); // the numeric value of the Tag, 0 if it holds none

// Name of element i of a control array: "Label2(12)".
QString indexed(const QString &name, int i);

// How a text is drawn whole inside room: laid out there with the alignment flags, moved by shift,
// at font: the given font where its ink fits, else narrower before smaller, just enough to fit:
// at each size the same face down to 70 % of its width, then a condensed face as far; digits
// stay at least LeastDigitPixels tall (at that size the ink may use all of inkRoom, a label's
// inside with its spare pixels, and narrow to 60 % of its width), and only a text that fits no
// other way is drawn smaller than that. The shift keeps inside the room
// the glyphs that reach above the font's ascent or past their advance.
struct TextFit
{
    QFont font;
    QPointF shift;
};
TextFit fitText(const QFont &font, const QString &text, const QRect &room, int flags,
                const QRect &inkRoom = {});
constexpr double LeastDigitPixels = 7;
// The smallest pixel size of the font's face at which its digits are LeastDigitPixels tall.
int leastLegiblePixels(const QFont &font);

// Draws text as QPainter::drawText does, and bold as bold at every scale: Qt thickens a face
// that has no bold of its own by a fixed pixel of the screen, at 2x half as much as at 1x, so
// there the text is drawn again, moved right by the rest.
void drawText(QPainter &p, const QRectF &room, int flags, const QString &text);
// How far right drawText draws a bold text again with this font on this painter (0: not at all).
qreal boldRedraw(const QPainter &p, const QFont &font);
// The application's style, drawing the buttons' captions by drawText.
QStyle *textStyle();

// Gives a label or picture box the classic two-pixel sunken edge: dark grey and near-black at
// the top and left, white and light grey at the bottom and right, so that it reads as closed on
// a white fill as on a grey one.
void sunkenEdge(QFrame *box);

// A label or picture that acts on a click (onClick makes it one) takes the keyboard focus, by Tab
// and by a click, and shows a focus frame while it has it; Space and Return act as the click (the
// application's key filter, keys.h) and a screen reader sees a button.
bool isClickable(const QObject *w);
// Acts as a mouse click on w does: a clickable label's or picture's clicked(), a button's click.
void click(QObject *w);

// A choice that stays made (a marked cell, a lit lamp, a card with a bet) is shown as selected:
// a screen reader hears the state and its changes, and a label, picture or shape draws a small
// mark (a dark or light corner of a box, a dot in a shape's middle) so that its colour is never
// the only cue. A widget that was never set is not selectable.
void setSelected(QWidget *w, bool on);
bool isSelectable(const QObject *w);
bool isSelected(const QObject *w);

// A picture, shape or line that only decorates: a screen reader passes over it.
void setDecoration(QWidget *w);
bool isDecoration(const QObject *w);

// Label: caption, colours, border, alignment, font, transparent or opaque; emits clicked().
// Its text is placed as a classic label places it: against the inner edge of the border with a
// pixel to spare all round and no automatic indent, and drawn so that it is
// never cut (fitText); the label's font() stays the one it was given.
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);
    void setBackColor(const QColor &c);
    QColor backColor() const;
    void setForeColor(const QColor &c);
    void setTransparent(bool on);
    // Where the text goes: the contents rectangle, less a pixel at each side inside a border so
    // that the ink stands clear of it.
    QRect textRect() const;
    // Where the ink of a text that fits no other way may go: the spare pixels left and right too.
    QRect inkRect() const;
    // How the text was last drawn: at this font, laid out in this rectangle with alignment().
    struct Drawn
    {
        QString text;
        QFont font;
        QRectF room;
    };
    const Drawn &drawn() const { return drawn_; }
    void setClickable();

signals:
    void clicked();

protected:
    // The text as shown: the caption, which a label may break into lines of its own.
    virtual QString shownText() const { return text(); }
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    void paintText(QPaintEvent *e);
    int textFlags() const;
    bool pressed_ = false;
    Drawn drawn_;
    struct Fitted
    {
        QString text;
        QFont given;
        QRect room;
        int flags = 0;
        TextFit fit;
    } fitted_;
};

// Picture box: a container with a background colour and a picture drawn unscaled at its top left.
// Image box: a picture, optionally stretched to the box; emits clicked().
class Picture : public QFrame
{
    Q_OBJECT
public:
    explicit Picture(QWidget *parent = nullptr);
    void setPicture(const QPixmap &p);
    const QPixmap &picture() const { return picture_; }
    void setStretch(bool on);
    void setBackColor(const QColor &c);
    void setClickable();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    QPixmap picture_;
    bool stretch_ = false;
    bool pressed_ = false;
};

// Shape: rectangle, rounded rectangle or circle with a border colour and a solid fill.
class Shape : public QWidget
{
    Q_OBJECT
public:
    enum Kind { Rectangle, RoundedRectangle, Circle };
    explicit Shape(Kind kind, QWidget *parent = nullptr);
    void setFillColor(const QColor &c);
    QColor fillColor() const { return fill_; }
    void setBorderColor(const QColor &c);
    void setFilled(bool on);

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    Kind kind_;
    QColor fill_ = Qt::white;
    QColor border_ = Qt::black;
    bool filled_ = true;
};

// Line between two points given in twips relative to the container.
class Line : public QWidget
{
    Q_OBJECT
public:
    Line(QWidget *parent, int x1, int y1, int x2, int y2, const QColor &color = Qt::black,
         int width = 1);

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    QPoint a_, b_;
    QColor color_;
    int width_;
};

// Frame: a group of controls under a caption, drawn as a classic frame: an etched edge (grey
// over white) from the caption's middle down, the caption on its top line, which is broken under
// the caption. The controls are placed from the frame's top left, as in any container. A caption
// of several words may stand each word over a column of the group instead (headingsOver).
class GroupFrame : public QGroupBox
{
    Q_OBJECT
public:
    explicit GroupFrame(const QString &caption, QWidget *parent = nullptr);
    // Word i of the caption centred over columns[i], a control of the group; the words are the
    // caption's runs of letters. Ignored when the counts differ.
    void headingsOver(const std::vector<const QWidget *> &columns);
    // Where each piece of the caption is drawn, in the frame's pixels.
    struct Piece
    {
        QString text;
        QRect rect;
    };
    std::vector<Piece> captionPieces() const;

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    std::vector<int> centres_;
};

// Gives a window or container a solid background colour, which its labels inherit.
void setBackground(QWidget *w, const QColor &c);

// Connects a click on a label, picture or button to fn.
void onClick(QObject *w, std::function<void()> fn);

} // namespace ui

namespace ui {
// A draw's Canvas that writes each value as text into the Tag of element i of a control array.
template <class Array> std::function<void(int, int)> tagsOf(const Array &array)
{
    std::vector<QObject *> elements(std::begin(array), std::end(array));
    return [elements](int i, int value) {
        if (i >= 0 && i < int(elements.size())) setTag(elements[i], QString::number(value));
    };
}
} // namespace ui
