// SPDX-License-Identifier: GPL-3.0-or-later
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

bool sizable(const QWidget *w);

// The frame to expect around the window: the last one seen around its kind, else the other's.
QMargins expectedFrame(const QWidget *w)
{
    const QMargins same = seenFrames[sizable(w)];
    return same.isNull() ? seenFrames[!sizable(w)] : same;
}

// The window's frame as Qt knows it: none until the window manager has framed the window, and
// none when what it reports cannot be a frame.
QMargins frameOf(const QWidget *w)
{
    const QRect outer = w->frameGeometry();
    const QRect inner = w->geometry();
    const QMargins frame{inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom()};
    return plausibleFrame(frame) ? frame : QMargins();
}

bool nativeWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Keeps a fixed window out of the maximised and full-screen states, whatever asks for them.
class StayNormal : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        auto *w = static_cast<QWidget *>(o);
        const Qt::WindowStates unwanted = Qt::WindowMaximized | Qt::WindowFullScreen;
        if (e->type() == QEvent::WindowStateChange && (w->windowState() & unwanted)) {
            // After the state has been taken up: asked at once, the request would cross it.
            QMetaObject::invokeMethod(
                w, [w, unwanted] { w->setWindowState(w->windowState() & ~unwanted); },
                Qt::QueuedConnection);
        }
        return false;
    }
};

bool sizable(const QWidget *w)
{
    return w->minimumSize() != w->maximumSize();
}

// Installs the filter once for each window.
void stayNormal(QWidget *w)
{
    for (QObject *child : w->children())
        if (dynamic_cast<StayNormal *>(child)) return;
    w->installEventFilter(new StayNormal(w));
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
    // window is shown again (after the window exists, move() would place the client area). With
    // no frame known yet the client area is placed: its window, being shown, takes that place.
    if (QWindow *window = w->windowHandle();
        window && w->testAttribute(Qt::WA_WState_Created) && !frame.isNull())
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
        // The frame can come without a move of the client area; the window manager activates
        // the window it has framed.
        if (e->type() != QEvent::Move && e->type() != QEvent::Resize &&
            e->type() != QEvent::Show && e->type() != QEvent::WindowActivate)
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

void preferX11ToWayland()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY") ||
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return;
    // X11 first, Wayland should the X server not answer.
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

void sendImagesOverTheConnection()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
}

bool plausibleFrame(const QMargins &frame)
{
    // Borders of a few pixels and a title bar of up to twice a thick one; a shadow is wider.
    constexpr int MaxBorder = 16, MaxTitleBar = 80;
    return frame.left() >= 0 && frame.right() >= 0 && frame.top() >= 0 && frame.bottom() >= 0 &&
           frame.left() <= MaxBorder && frame.right() <= MaxBorder && frame.bottom() <= MaxBorder &&
           frame.top() <= MaxTitleBar;
}

void noMaximise(QWidget *w, Minimise minimise)
{
    Qt::WindowFlags flags = w->windowType() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimise == Minimise::Yes) flags |= Qt::WindowMinimizeButtonHint;
    // Qt's own Wayland title bar draws every button whatever the hints ask (Qt 6.4).
    if (!nativeWayland()) w->setWindowFlags(flags);
    stayNormal(w);
}

void fixSize(QWidget *w, QSize client)
{
    if (!nativeWayland()) {
        w->setFixedSize(client);
        return;
    }
    w->setMinimumSize(client);
    w->resize(client);
    stayNormal(w);
}

void centreWithFrame(QWidget *w, std::function<void(QMargins)> fit)
{
    if (nativeWayland()) {
        // Only the compositor places windows; the window is sized once, with no frame of a
        // window manager to allow for.
        if (fit) fit(QMargins());
        return;
    }
    QMargins frame = frameOf(w);
    if (frame.isNull()) {
        if (fit) fit(frame); // sized first: whether it is sizable picks the frame to expect
        frame = expectedFrame(w);
    }
    place(w, frame, fit);
    w->installEventFilter(new FrameWatch(w, frame, std::move(fit)));
}

} // namespace ui
