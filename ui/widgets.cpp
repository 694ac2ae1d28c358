#include "widgets.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QPainter>
#include <QVariant>

namespace ui {

QString tag(const QObject *w) { return w->property("Tag").toString(); }
void setTag(QObject *w, const QString &text) { w->setProperty("Tag", text); }
int tagNumber(const QObject *w) { return tag(w).trimmed().toInt(); }

QString indexed(const QString &name, int i) { return QStringLiteral("%1(%2)").arg(name).arg(i); }

Label::Label(QWidget *parent) : QLabel(parent)
{
    setTag(this, QString());
    setTransparent(true);
}

void Label::setBackColor(const QColor &c) { setBackground(this, c); }

QColor Label::backColor() const { return palette().color(QPalette::Window); }

void Label::setForeColor(const QColor &c)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Disabled, QPalette::WindowText, c);
    setPalette(p);
}

void Label::setTransparent(bool on) { setAutoFillBackground(!on); }

void Label::mousePressEvent(QMouseEvent *e)
{
    pressed_ = e->button() == Qt::LeftButton;
    QLabel::mousePressEvent(e);
}

void Label::mouseReleaseEvent(QMouseEvent *e)
{
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(e);
    if (click) emit clicked();
}

Picture::Picture(QWidget *parent) : QFrame(parent) { setTag(this, QString()); }

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

void Picture::setBackColor(const QColor &c) { setBackground(this, c); }

void Picture::paintEvent(QPaintEvent *e)
{
    QFrame::paintEvent(e);
    if (picture_.isNull()) return;
    QPainter painter(this);
    const QRect inside = contentsRect();
    if (stretch_)
        painter.drawPixmap(inside, picture_);
    else
        painter.drawPixmap(inside.topLeft(), picture_);
}

void Picture::mousePressEvent(QMouseEvent *e)
{
    pressed_ = e->button() == Qt::LeftButton;
    QFrame::mousePressEvent(e);
}

void Picture::mouseReleaseEvent(QMouseEvent *e)
{
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
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
    case Rectangle: p.drawRect(r); break;
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
    p.setPen(QPen(color_, width_));
    p.drawLine(a_, b_);
}

void setBackground(QWidget *w, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void centre(QWidget *w)
{
    if (w->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
    const QScreen *screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QSize outer = w->frameGeometry().size();
    const QRect area = screen->geometry();
    w->move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

namespace {
class CentreOnShow : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Show) {
            centre(static_cast<QWidget *>(o));
            deleteLater();
        }
        return false;
    }
};
} // namespace

void centreWhenShown(QWidget *w)
{
    centre(w);
    w->installEventFilter(new CentreOnShow(w));
}

void onClick(QObject *w, std::function<void()> fn)
{
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        QObject::connect(b, &QAbstractButton::clicked, b, [fn] { fn(); });
    else if (auto *l = qobject_cast<Label *>(w))
        QObject::connect(l, &Label::clicked, l, fn);
    else if (auto *p = qobject_cast<Picture *>(w))
        QObject::connect(p, &Picture::clicked, p, fn);
}

} // namespace ui
