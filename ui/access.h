// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace ui {

// Shows the arcade's labels, pictures, shapes and lines to screen readers as what they are: a
// clickable one as a button that can be pressed, a label as its text (a value box as its heading
// and value), a picture of words as that text, a picture box holding others as a pane, any other
// picture or a named shape as a graphic with its name; a selected one as selected (widgets.h).
// Decorations and unnamed shapes and lines are passed over. Installing it more than once has no
// further effect.
void installAccessibility();

// What w and the widgets inside it show is kept from screen readers while w is hidden: a card's
// face before it is turned.
void secretWhileHidden(QWidget *w);

} // namespace ui
