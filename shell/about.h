// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// About: the title, a picture and the version, closed by "O K".
class about : public QWidget
{
    Q_OBJECT
public:
    static constexpr int OuterHeight = 1700; // twips, title bar and borders included
    // The client area never ends higher than O K's bottom edge (1215) and the margin under it
    // that the outer height leaves inside a classic 24-px frame: a thick title bar makes the
    // window taller instead of cutting the button.
    static constexpr int MinClientHeight = 1335;
    explicit about(QWidget *menu);

protected:
    void closeEvent(QCloseEvent *e) override;
};
