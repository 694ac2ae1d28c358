#pragma once

namespace ui {

// Makes Return and keypad Enter press the focused push button in every window of the
// application, as Space does. No button becomes a default button: the key acts on a button only
// while it has the focus. Buttons that already take Enter (a dialog's) are left to Qt. Installing
// it more than once has no further effect.
void enterPressesFocusedButton();

} // namespace ui
