// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QFont;
class QLabel;

namespace ui {

// A wrapped paragraph whose lines, descenders included, are taller than its label at its font is
// drawn at a smaller pixel size, step by step down to 70 % of it: for a paragraph what a label
// does for a single line. A paragraph that fits keeps its font. Call it once the text and font
// are set.
void fitParagraph(QLabel *label);

// Whether the label's wrapped text, laid out at this font, stays inside its contents rectangle.
bool paragraphFits(const QLabel *label, const QFont &font);

} // namespace ui
