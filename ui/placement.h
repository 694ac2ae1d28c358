#pragma once

#include <QMargins>

#include <functional>

class QWidget;

namespace ui {

// Centres a top-level window on its screen with its frame: the title bar and borders count in its
// outer size. A window manager adds the frame only after the window is mapped, so until then the
// window is placed with the frame it last gave a window of the arcade, fixed or sizable as this
// one (none on a bare X server: the first window is placed as if it had no frame); once the
// window's own frame is known and differs, the window is placed again. fit, when given, sizes the
// window from its frame before each placement (About keeps a fixed outer height). A minimised,
// maximised or full-screen window is left where it is.
void centreWithFrame(QWidget *w, std::function<void(QMargins)> fit = {});

} // namespace ui
