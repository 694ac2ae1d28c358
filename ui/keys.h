// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ui {

// The keyboard in every window of the application, in one filter:
// - Return and keypad Enter press the focused push button, as Space does. No button becomes a
//   default button: the key acts on a button only while it has the focus. Buttons that already
//   take Enter (a dialog's) are left to Qt.
// - Space and Return act on the focused clickable label or picture as a click does.
// - A held key acts once, whatever the key repeat sends.
// - The elements of a control array ("Image1(3)") are one group: Tab and Shift+Tab move past the
//   group, the arrow keys move within it to the nearest element in that direction.
// - The focused widget always shows its focus frame, also after a mouse click.
// Installing it more than once has no further effect.
void installKeyboard();

} // namespace ui
