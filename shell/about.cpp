// SPDX-License-Identifier: GPL-3.0-or-later
#include "about.h"

#include "ui/form.h"
#include "ui/language.h"
#include "ui/pictures.h"
#include "ui/placement.h"

#include <QCloseEvent>

about::about(QWidget *menu) : QWidget(menu, Qt::Window)
{
    setObjectName("about");
    setWindowTitle(tr("About"));
    setWindowIcon(ui::icon("icons/about"));
    ui::setBackground(this, ui::rgb(192, 192, 192));
    ui::Builder form(this);
    auto panel = form.pictureBox("Picture1", {-120, 0, 4335, 2295}).back(Qt::white).picture("about/texture").name(tr("About"));
    ui::Builder in = form.in(panel);
    in.image("Image2", {120, 60, 1770, 450}).picture(ui::localPicture("about/title")).words(tr("Zelkのゲーム屋さん"));
    in.image("Image1", {2640, 120, 1065, 1035}).picture("about/girl").decoration();
    in.label("Label1", {1800, 360, 735, 255}).text(tr(" Ver2.00")).center().fore(ui::rgb(0, 0, 255)).font(9, ui::Italic);
    auto ok = in.button("Command1", {1320, 840, 975, 375}, tr("O K")).font(9, ui::Bold);
    ui::onClick(ok, [this] {
        hide();
        deleteLater();
    });
    // The outer height is fixed; the client area is what the title bar and borders leave of it,
    // but never so little that O K is cut.
    ui::noMaximise(this, ui::Minimise::Yes);
    ui::centreWithFrame(this, [this](QMargins frame) {
        ui::fixSize(this,
                    {ui::px(3735), std::max(ui::px(MinClientHeight),
                                            ui::px(OuterHeight) - frame.top() - frame.bottom())});
    });
}

void about::closeEvent(QCloseEvent *e)
{
    e->accept();
    deleteLater();
}
