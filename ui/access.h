// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ui {

// Shows the arcade's labels and pictures to screen readers as what they are: a clickable one as a
// button that can be pressed, a label as its text (a value box as its heading and value), a named
// picture as a graphic with that name. Installing it more than once has no further effect.
void installAccessibility();

} // namespace ui
