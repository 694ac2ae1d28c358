#include "placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace ui {

namespace {

// The frame last seen around a window of a fixed size and around a sizable one: a window
// manager may give a sizable window a thicker border or a handle.
QMargins seenFrames[2];

bool sizable(const QWidget *w)
{
    return w->minimumSize() != w->maximumSize();
}

// The frame to expect around the window: the last one seen around its kind, else the other's.
QMargins expectedFrame(const QWidget *w)
{
    const QMargins same = seenFrames[sizable(w)];
    return same.isNull() ? seenFrames[!sizable(w)] : same;
}

// The window's frame as Qt knows it: none until the window manager has framed the window.
QMargins frameOf(const QWidget *w)
{
    const QRect outer = w->frameGeometry();
    const QRect inner = w->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void place(QWidget *w, const QMargins &frame, const std::function<void(QMargins)> &fit)
{
    if (w->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    if (fit) fit(frame);
    const QScreen *screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QSize outer = w->size().grownBy(frame);
    const QRect area = screen->geometry();
    const QPoint topLeft(area.x() + (area.width() - outer.width()) / 2,
                         area.y() + (area.height() - outer.height()) / 2);
    // The frame's corner is placed, so the window manager keeps the frame there whenever the
    // window is shown again (after the window exists, move() would place the client area).
    if (QWindow *window = w->windowHandle(); window && w->testAttribute(Qt::WA_WState_Created))
        window->setFramePosition(topLeft);
    else
        w->move(topLeft);
}

// Centres the window again when it is shown, at its final size, and once more when its own frame
// turns out to differ from the one it was placed with; then it stays out of the way: a window the
// player moves later is not moved back.
class FrameWatch : public QObject
{
public:
    FrameWatch(QWidget *w, QMargins used, std::function<void(QMargins)> fit)
        : QObject(w), used_(used), fit_(std::move(fit))
    {
    }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() != QEvent::Move && e->type() != QEvent::Resize && e->type() != QEvent::Show)
            return false;
        auto *w = static_cast<QWidget *>(o);
        const QMargins frame = frameOf(w);
        if (frame.isNull()) {
            // Not framed yet, or no window manager: when first shown, centre at the final size.
            if (e->type() == QEvent::Show && !shown_) place(w, used_, fit_);
            shown_ = shown_ || e->type() == QEvent::Show;
            return false;
        }
        seenFrames[sizable(w)] = frame;
        w->removeEventFilter(this); // first: placing sends events of its own
        if (frame != used_) place(w, frame, fit_);
        deleteLater();
        return false;
    }

private:
    QMargins used_;
    std::function<void(QMargins)> fit_;
    bool shown_ = false;
};

} // namespace

void centreWithFrame(QWidget *w, std::function<void(QMargins)> fit)
{
    QMargins frame = frameOf(w);
    if (frame.isNull()) {
        if (fit) fit(frame); // sized first: whether it is sizable picks the frame to expect
        frame = expectedFrame(w);
    }
    place(w, frame, fit);
    w->installEventFilter(new FrameWatch(w, frame, std::move(fit)));
}

} // namespace ui
