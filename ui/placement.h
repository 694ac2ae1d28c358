// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QSize>

#include <functional>

class QWidget;

namespace ui {

// Chooses, before the application object exists, to run as an X11 client where a Wayland session
// also offers X11 (XWayland) and the user has not chosen a platform (QT_QPA_PLATFORM): on
// Wayland only the compositor places windows, so the arcade could neither centre its windows nor
// bring the menu back where it was. Natively on Wayland otherwise.
void preferX11ToWayland();

// On X11, windows send their repainted areas to the X server over the connection rather than
// through shared memory (QT_XCB_NO_MITSHM), unless the user has chosen: the arcade repaints a
// few small areas many times a second (the reels, the dice), where sharing memory costs more
// than it saves, since each image must be waited for until the server is done with it.
void sendImagesOverTheConnection();

// Centres a top-level window on its screen with its frame: the title bar and borders count in its
// outer size. A window manager adds the frame only after the window is mapped, so until then the
// window is placed with the frame it last gave a window of the arcade, fixed or sizable as this
// one (none on a bare X server: the first window is placed as if it had no frame); once the
// window's own frame is known and differs, the window is placed again. fit, when given, sizes the
// window from its frame before each placement (About keeps a fixed outer height). A minimised,
// maximised or full-screen window is left where it is. Natively on Wayland, where only the
// compositor places windows, the window is only sized.
void centreWithFrame(QWidget *w, std::function<void(QMargins)> fit = {});

// Whether a frame can be a window manager's title bar and borders. A compositor may report its
// drop shadow as frame (XWayland under weston: 97 px); such a frame never sizes or places a window.
bool plausibleFrame(const QMargins &frame);

enum class Minimise { Yes, No };
// For a window of a fixed size: a title bar with its menu and close button, a minimise button
// only if asked, and no maximise button; a request to maximise the window or to fill the screen
// with it, from whatever it comes, leaves it as it was.
void noMaximise(QWidget *w, Minimise minimise);
// Gives such a window its fixed client size. Natively on Wayland the window is only kept from
// shrinking: Qt's own title bar there (Qt 6.4) offers maximise to every window, and a compositor
// ends a client whose fixed-size surface cannot fill the maximised state it was given; the
// window takes that state for a moment and comes back to its size.
void fixSize(QWidget *w, QSize client);

} // namespace ui
