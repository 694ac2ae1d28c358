// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets.h"

#include <QAccessible>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyle>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <optional>

namespace ui {

QString tag(const QObject *w)
{
    return w->property("Tag").toString();
}
void setTag(QObject *w, const QString &text)
{
    w->setProperty("Tag", text);
}
int tagNumber(const QObject *w)
{
    return tag(w).trimmed().toInt();
}

QString indexed(const QString &name, int i)
{
    return QStringLiteral("%1(%2)").arg(name).arg(i);
}

namespace {

constexpr int NarrowestStretch = 70; // percent of the face's own width
constexpr int LeastStretch = 60;     // at the smallest legible size
constexpr int SmallestPixels = 6;

// The text laid out in room as QPainter::drawText lays it out, moved to keep its ink inside room
// where it can: glyphs that reach above the font's ascent or past their advance stay whole.
struct Placed
{
    QPointF shift;
    bool width, height; // whether it fits across and down
};

Placed place(const QFont &font, const QString &text, const QRectF &room, int flags)
{
    const QFontMetricsF fm(font);
    const QRectF layout = fm.boundingRect(room, flags, text);
    QRectF ink;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const qreal advance = fm.horizontalAdvance(lines[i]);
        qreal x = room.left();
        if (flags & Qt::AlignRight)
            x = room.right() - advance;
        else if (flags & Qt::AlignHCenter)
            x = room.left() + (room.width() - advance) / 2;
        const qreal baseline = layout.top() + fm.ascent() + i * fm.lineSpacing();
        ink |= fm.tightBoundingRect(lines[i]).translated(x, baseline);
    }
    if (ink.isEmpty()) return {{}, true, true};
    const auto into = [](qreal low, qreal high, qreal min, qreal max) {
        return low < min ? min - low : high > max ? max - high : 0.0;
    };
    const QPointF shift(into(ink.left(), ink.right(), room.left(), room.right()),
                        into(ink.top(), ink.bottom(), room.top(), room.bottom()));
    ink.translate(shift);
    constexpr qreal slack = 0.01;
    return {shift, ink.left() >= room.left() - slack && ink.right() <= room.right() + slack,
            ink.top() >= room.top() - slack && ink.bottom() <= room.bottom() + slack};
}

// The focus frame of a clickable label or picture: a dotted black line over a white one, a pixel
// inside the edge, so that it shows on any background and over any picture.
void paintFocusFrame(QWidget *w)
{
    if (!w->hasFocus()) return;
    QPainter p(w);
    const QRect r = w->rect().adjusted(1, 1, -2, -2);
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(r);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(r);
}

// The colour of the selected mark: dark on a light background, light on a dark one, whichever
// contrasts more (by the relative luminance of the background).
QColor markColour(const QColor &under)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * linear(under.redF()) + 0.7152 * linear(under.greenF()) +
                             0.0722 * linear(under.blueF());
    return luminance > 0.179 ? QColor(Qt::black) : QColor(Qt::white);
}

// The mark of a selected box: a right triangle in the top-left corner just inside its edge, in
// rows of whole pixels so that it is as crisp at every scale as the edge beside it.
void paintSelectedMark(QWidget *w, const QRect &inside)
{
    if (!isSelected(w)) return;
    const int size = std::max(3, std::min(inside.width(), inside.height()) / 6);
    QPainter p(w);
    const QColor c = markColour(w->palette().color(QPalette::Window));
    for (int row = 0; row < size; ++row)
        p.fillRect(inside.left(), inside.top() + row, size - row, 1, c);
}

void makeClickable(QWidget *w)
{
    w->setProperty("clickable", true);
    w->setFocusPolicy(Qt::StrongFocus);
}

} // namespace

bool isClickable(const QObject *w)
{
    return w && w->property("clickable").toBool();
}

void click(QObject *w)
{
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        b->click();
    else if (!isClickable(w))
        return;
    else if (auto *l = qobject_cast<Label *>(w))
        emit l->clicked();
    else if (auto *p = qobject_cast<Picture *>(w))
        emit p->clicked();
}

void setSelected(QWidget *w, bool on)
{
    if (isSelectable(w) && isSelected(w) == on) return;
    w->setProperty("selected", on);
    w->update();
    // Told as both: Qt's AT-SPI bridge forwards a change of the checked state only.
    QAccessible::State changed;
    changed.selected = true;
    changed.checked = true;
    QAccessibleStateChangeEvent event(w, changed);
    QAccessible::updateAccessibility(&event);
}

bool isSelectable(const QObject *w)
{
    return w && w->property("selected").isValid();
}

bool isSelected(const QObject *w)
{
    return w && w->property("selected").toBool();
}

void setDecoration(QWidget *w)
{
    w->setProperty("decoration", true);
}

bool isDecoration(const QObject *w)
{
    return w && w->property("decoration").toBool();
}

TextFit fitText(const QFont &font, const QString &text, const QRect &room, int flags,
                const QRect &inkRoom)
{
    const QRectF r(room);
    Placed fit = place(font, text, r, flags);
    if (fit.width && fit.height) return {font, fit.shift};
    const int own = font.stretch() > 0 ? font.stretch() : 100;
    const int given = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    // The faces to draw it in: its own, then a condensed one, which keeps the strokes of a
    // narrow text firmer than a wide face squeezed as far.
    QFont condensed = font;
    condensed.setFamilies({QStringLiteral("DejaVu Sans Condensed"), font.family()});
    const QFont faces[] = {font, condensed};
    const int widest[] = {own, 100};
    // At the smallest legible size the ink may use all of inkRoom; the shift is then told from
    // room, where the label lays the text out.
    const QRectF wide = inkRoom.isEmpty() ? r : QRectF(inkRoom);
    const QPointF moved(flags & Qt::AlignRight     ? wide.right() - r.right()
                        : flags & Qt::AlignHCenter ? wide.center().x() - r.center().x()
                                                   : wide.left() - r.left(),
                        0);
    // The first stretch from `from` down to `to` at which the text fits in `in` at this size.
    const auto narrowed = [&](int i, int pixels, int from, int to, const QRectF &in) {
        QFont g = faces[i];
        g.setPixelSize(pixels);
        g.setStretch(from);
        const qreal needed = QFontMetricsF(g).boundingRect(in, flags, text).width();
        int stretch = std::clamp(int(from * in.width() / std::max<qreal>(needed, 1)) + 2, to, from);
        for (; stretch >= to; --stretch) {
            g.setStretch(stretch);
            if (const Placed p = place(g, text, in, flags); p.width && p.height) {
                fit = p;
                if (in != r) fit.shift += moved;
                return std::optional<QFont>(g);
            }
        }
        return std::optional<QFont>();
    };
    const int floors[] = {std::min(given, leastLegiblePixels(font)),
                          std::min(given, leastLegiblePixels(condensed))};
    // Narrower before smaller: at each size, the own face down to 70 % of its width, then the
    // condensed face.
    for (int pixels = given; pixels >= std::min(floors[0], floors[1]); --pixels)
        for (int i : {0, 1})
            if (pixels >= floors[i])
                if (auto g = narrowed(i, pixels, widest[i], widest[i] * NarrowestStretch / 100, r))
                    return {*g, fit.shift};
    // At the smallest legible size, the condensed face first: with the ink room's margin, then
    // narrower still.
    for (const auto &[from, to] :
         {std::pair{100, NarrowestStretch}, {NarrowestStretch, LeastStretch}})
        for (int i : {1, 0})
            if (auto g = narrowed(i, floors[i], widest[i] * from / 100, widest[i] * to / 100, wide))
                return {*g, fit.shift};
    // Past that, smaller than legible rather than cut.
    for (int pixels = floors[1] - 1; pixels >= SmallestPixels; --pixels)
        if (auto g = narrowed(1, pixels, LeastStretch, LeastStretch, wide)) return {*g, fit.shift};
    QFont f = condensed;
    f.setPixelSize(SmallestPixels);
    f.setStretch(LeastStretch);
    return {f, place(f, text, wide, flags).shift + moved};
}

int leastLegiblePixels(const QFont &font)
{
    // Measured as drawn: the rows of the digits that are at least half inked.
    static QHash<QString, int> known;
    const QString key =
        font.families().join(',') + QString::number(font.weight()) + QString::number(font.italic());
    if (const auto k = known.constFind(key); k != known.cend()) return *k;
    QFont f = font;
    f.setStretch(0);
    int pixels = SmallestPixels;
    for (; pixels < 40; ++pixels) {
        f.setPixelSize(pixels);
        QImage image(pixels * 12, pixels * 3, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(QPointF(pixels, pixels * 2), QStringLiteral("0123456789"));
        p.end();
        int rows = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) >= 128) {
                    ++rows;
                    break;
                }
        if (rows >= LeastDigitPixels) break;
    }
    known.insert(key, pixels);
    return pixels;
}

qreal boldRedraw(const QPainter &p, const QFont &font)
{
    const qreal ratio = p.device() ? p.device()->devicePixelRatioF() : 1;
    if (!font.bold() || ratio <= 1) return 0;
    static QHash<QString, bool> ownBold;
    const QString family = QFontInfo(font).family();
    auto known = ownBold.constFind(family);
    if (known == ownBold.constEnd()) {
        const QStringList styles = QFontDatabase::styles(family);
        known =
            ownBold.insert(family, std::any_of(styles.begin(), styles.end(), [&](const QString &s) {
                               return QFontDatabase::weight(family, s) >= QFont::DemiBold;
                           }));
    }
    return *known ? 0 : (ratio - 1) / ratio;
}

void drawText(QPainter &p, const QRectF &room, int flags, const QString &text)
{
    p.drawText(room, flags, text);
    if (const qreal dx = boldRedraw(p, p.font())) p.drawText(room.translated(dx, 0), flags, text);
}

namespace {

class TextStyle : public QProxyStyle
{
public:
    void drawItemText(QPainter *p, const QRect &rect, int flags, const QPalette &pal, bool enabled,
                      const QString &text, QPalette::ColorRole role) const override
    {
        QProxyStyle::drawItemText(p, rect, flags, pal, enabled, text, role);
        if (const qreal dx = boldRedraw(*p, p->font())) {
            p->save();
            p->translate(dx, 0);
            QProxyStyle::drawItemText(p, rect, flags, pal, enabled, text, role);
            p->restore();
        }
    }
};

} // namespace

QStyle *textStyle()
{
    return new TextStyle;
}

void sunkenEdge(QFrame *box)
{
    box->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    QPalette p = box->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(g, QPalette::Dark, QColor(128, 128, 128));     // outer top and left
        p.setColor(g, QPalette::Shadow, QColor(64, 64, 64));      // inner top and left
        p.setColor(g, QPalette::Light, QColor(255, 255, 255));    // outer bottom and right
        p.setColor(g, QPalette::Midlight, QColor(192, 192, 192)); // inner bottom and right
    }
    box->setPalette(p);
}

namespace {

// The sunken edge drawn in the window's pixels: two lines of one pixel each at every scale,
// where the style would draw lines of one pixel of the screen.
void paintSunkenEdge(QFrame *box)
{
    if (box->frameStyle() != (QFrame::WinPanel | QFrame::Sunken)) return;
    QPainter p(box);
    const QPalette &pal = box->palette();
    const int w = box->width(), h = box->height();
    if (w < 4 || h < 4) return;
    p.fillRect(0, 0, w - 1, 1, pal.dark());         // outer top
    p.fillRect(0, 0, 1, h - 1, pal.dark());         // outer left
    p.fillRect(1, 1, w - 3, 1, pal.shadow());       // inner top
    p.fillRect(1, 1, 1, h - 3, pal.shadow());       // inner left
    p.fillRect(0, h - 1, w, 1, pal.light());        // outer bottom
    p.fillRect(w - 1, 0, 1, h, pal.light());        // outer right
    p.fillRect(1, h - 2, w - 2, 1, pal.midlight()); // inner bottom
    p.fillRect(w - 2, 1, 1, h - 3, pal.midlight()); // inner right
}

} // namespace

Label::Label(QWidget *parent) : QLabel(parent)
{
    setTag(this, QString());
    setTransparent(true);
    setIndent(0);
}

QRect Label::textRect() const
{
    const int spare = frameWidth() > 0 ? 1 : 0;
    return contentsRect().adjusted(spare, spare, -spare, -spare);
}

QRect Label::inkRect() const
{
    const int spare = frameWidth() > 0 ? 1 : 0;
    return contentsRect().adjusted(0, spare, 0, -spare);
}

int Label::textFlags() const
{
    return int(QStyle::visualAlignment(layoutDirection(), alignment()));
}

void Label::setClickable()
{
    makeClickable(this);
}

void Label::paintEvent(QPaintEvent *e)
{
    paintText(e);
    paintSunkenEdge(this);
    paintSelectedMark(this, contentsRect());
    paintFocusFrame(this);
}

void Label::paintText(QPaintEvent *e)
{
    const QString shown = shownText();
    const bool plain = textFormat() == Qt::PlainText ||
                       (textFormat() == Qt::AutoText && !Qt::mightBeRichText(shown));
    // Rich text, pictures and wrapped paragraphs are Qt's to lay out.
    if (!plain || wordWrap() || shown.isEmpty() || !pixmap().isNull()) {
        drawn_ = {text(), font(), QRectF(contentsRect())};
        QLabel::paintEvent(e);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    // Fitted once for each text, font and box, not at every paint.
    if (shown != fitted_.text || font() != fitted_.given || textRect() != fitted_.room ||
        textFlags() != fitted_.flags) {
        const TextFit fit = fitText(font(), shown, textRect(), textFlags(), inkRect());
        fitted_ = {shown, font(), textRect(), textFlags(), fit};
    }
    drawn_ = {shown, fitted_.fit.font, QRectF(textRect()).translated(fitted_.fit.shift)};
    painter.setClipRect(contentsRect());
    painter.setFont(drawn_.font);
    painter.setPen(QPen(palette().brush(foregroundRole()), 1));
    // The room only places the text; the contents rectangle is what clips it.
    drawText(painter, drawn_.room, textFlags() | Qt::TextDontClip, shown);
}

void Label::setBackColor(const QColor &c)
{
    setBackground(this, c);
}

QColor Label::backColor() const
{
    return palette().color(QPalette::Window);
}

void Label::setForeColor(const QColor &c)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Disabled, QPalette::WindowText, c);
    setPalette(p);
}

void Label::setTransparent(bool on)
{
    setAutoFillBackground(!on);
}

void Label::mousePressEvent(QMouseEvent *e)
{
    pressed_ = e->button() == Qt::LeftButton;
    QLabel::mousePressEvent(e);
}

void Label::mouseReleaseEvent(QMouseEvent *e)
{
    const bool click =
        pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(e);
    if (click) emit clicked();
}

Picture::Picture(QWidget *parent) : QFrame(parent)
{
    setTag(this, QString());
}

void Picture::setPicture(const QPixmap &p)
{
    picture_ = p;
    update();
}

void Picture::setStretch(bool on)
{
    stretch_ = on;
    update();
}

void Picture::setBackColor(const QColor &c)
{
    setBackground(this, c);
}

void Picture::setClickable()
{
    makeClickable(this);
}

void Picture::paintEvent(QPaintEvent *e)
{
    QFrame::paintEvent(e);
    paintSunkenEdge(this);
    if (!picture_.isNull()) {
        QPainter painter(this);
        const QRect inside = contentsRect();
        if (stretch_)
            painter.drawPixmap(inside, picture_);
        else
            painter.drawPixmap(inside.topLeft(), picture_);
    }
    paintSelectedMark(this, contentsRect());
    paintFocusFrame(this);
}

void Picture::mousePressEvent(QMouseEvent *e)
{
    pressed_ = e->button() == Qt::LeftButton;
    QFrame::mousePressEvent(e);
}

void Picture::mouseReleaseEvent(QMouseEvent *e)
{
    const bool click =
        pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    QFrame::mouseReleaseEvent(e);
    if (click) emit clicked();
}

Shape::Shape(Kind kind, QWidget *parent) : QWidget(parent), kind_(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFillColor(const QColor &c)
{
    fill_ = c;
    update();
}

void Shape::setBorderColor(const QColor &c)
{
    border_ = c;
    update();
}

void Shape::setFilled(bool on)
{
    filled_ = on;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, kind_ != Rectangle);
    p.setPen(QPen(border_, 1));
    p.setBrush(filled_ ? QBrush(fill_) : Qt::NoBrush);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    switch (kind_) {
    case Rectangle:
        p.drawRect(r);
        break;
    case RoundedRectangle: {
        const qreal radius = std::min(r.width(), r.height()) / 4;
        p.drawRoundedRect(r, radius, radius);
        break;
    }
    case Circle: {
        const qreal d = std::min(r.width(), r.height());
        p.drawEllipse(QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d));
        break;
    }
    }
    // The selected mark: a dot a third as wide as the shape in its middle.
    if (isSelected(this)) {
        const qreal d = std::min(r.width(), r.height()) / 3;
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(markColour(filled_ ? fill_ : palette().color(QPalette::Window)));
        p.drawEllipse(QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d));
    }
}

Line::Line(QWidget *parent, int x1, int y1, int x2, int y2, const QColor &color, int width)
    : QWidget(parent), color_(color), width_(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPoint a(px(x1), px(y1)), b(px(x2), px(y2));
    const QRect box = QRect(a, b).normalized().adjusted(-width, -width, width, width);
    setGeometry(box);
    a_ = a - box.topLeft();
    b_ = b - box.topLeft();
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // Flat ends: the line runs from its first point to its second and no further.
    p.setPen(QPen(color_, width_, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(a_, b_);
}

void setBackground(QWidget *w, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void onClick(QObject *w, std::function<void()> fn)
{
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        QObject::connect(b, &QAbstractButton::clicked, b, [fn] { fn(); });
    else if (auto *l = qobject_cast<Label *>(w)) {
        l->setClickable();
        QObject::connect(l, &Label::clicked, l, fn);
    } else if (auto *p = qobject_cast<Picture *>(w)) {
        p->setClickable();
        QObject::connect(p, &Picture::clicked, p, fn);
    }
}

GroupFrame::GroupFrame(const QString &caption, QWidget *parent) : QGroupBox(caption, parent) {}

void GroupFrame::headingsOver(const std::vector<const QWidget *> &columns)
{
    centres_.clear();
    for (const QWidget *c : columns)
        centres_.push_back(c->mapTo(this, QPoint(0, 0)).x() + c->width() / 2);
    update();
}

std::vector<GroupFrame::Piece> GroupFrame::captionPieces() const
{
    const QFontMetrics fm(font());
    // A pixel of the frame's colour either side of the text, as the line breaks around it.
    constexpr int pad = 2, indent = 8;
    const auto piece = [&](const QString &text, int left) {
        return Piece{text, QRect(left, 0, fm.horizontalAdvance(text) + 2 * pad, fm.height())};
    };
    if (title().isEmpty()) return {};
    const QStringList words = title().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (centres_.empty() || words.size() != qsizetype(centres_.size()))
        return {piece(title(), indent)};
    std::vector<Piece> pieces;
    for (qsizetype i = 0; i < words.size(); ++i) {
        Piece p = piece(words[i], 0);
        p.rect.moveLeft(centres_[i] - p.rect.width() / 2);
        pieces.push_back(p);
    }
    return pieces;
}

void GroupFrame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int line = QFontMetrics(font()).height() / 2;
    const int w = width(), h = height();
    if (w >= 3 && h - line >= 3) {
        // The etched edge in the window's pixels: a white rectangle a pixel below and right of a
        // grey one.
        const QColor grey(128, 128, 128), white(255, 255, 255);
        const auto outline = [&](int x, int y, int right, int bottom, const QColor &c) {
            p.fillRect(x, y, right - x + 1, 1, c);
            p.fillRect(x, bottom, right - x + 1, 1, c);
            p.fillRect(x, y, 1, bottom - y + 1, c);
            p.fillRect(right, y, 1, bottom - y + 1, c);
        };
        outline(1, line + 1, w - 1, h - 1, white);
        outline(0, line, w - 2, h - 2, grey);
    }
    p.setFont(font());
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    for (const Piece &piece : captionPieces()) {
        p.fillRect(piece.rect, palette().window());
        drawText(p, piece.rect, Qt::AlignCenter | Qt::TextSingleLine, piece.text);
    }
}

} // namespace ui
