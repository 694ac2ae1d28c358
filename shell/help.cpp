// SPDX-License-Identifier: GPL-3.0-or-later
#include "help.h"

#include "shell/gamemain.h"
#include "ui/form.h"
#include "ui/paragraph.h"
#include "ui/pictures.h"
#include "ui/placement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QScrollBar>
#include <QWheelEvent>

Help::Help(GameMain *menu) : QWidget(menu, Qt::Window), menu_(menu)
{
    setObjectName("Help");
    setWindowTitle(tr("Help"));
    setWindowIcon(ui::icon("icons/Help"));
    ui::noMaximise(this, ui::Minimise::Yes);
    ui::fixSize(this, ui::pxSize(8670, 4200));
    ui::Builder form(this);

    QScrollBar *scroll = form.vscroll("VScroll1", {8400, 0, 255, 4215});
    scroll->setRange(0, 2640);
    scroll->setSingleStep(100);
    scroll->setPageStep(500);
    auto panel = form.pictureBox("Picture1", {0, 0, 8415, 6855}).back(palette().color(QPalette::Base)).name(tr("Help"));
    ui::Builder in = form.in(panel);
    in.button("Command1", {7200, 360, 975, 495}, tr("Close")).font(12, ui::Bold);
    connect(scroll, &QScrollBar::valueChanged, panel.get(),
            [panel = panel.get()](int v) { panel->move(0, -ui::px(v)); }); // VScroll1_Change

    struct Topic
    {
        const char *name;
        ui::Rect rect;
        const char *caption; // the source text; shown translated
        const char *form; // nullptr: a description only
    };
    const Topic topics[] = {
        {"Label1", {240, 240, 975, 375}, QT_TRANSLATE_NOOP("Help", "・ ビンゴ"), "Bingo"},
        {"Label2", {240, 840, 1095, 375}, QT_TRANSLATE_NOOP("Help", "・ 宝探し"), "Takara"},
        {"Label3", {240, 1440, 1215, 375}, QT_TRANSLATE_NOOP("Help", "・ サイコロ"), "Dice"},
        {"Label4", {240, 2040, 1095, 375}, QT_TRANSLATE_NOOP("Help", "・ スロット"), "Slot"},
        {"Label5", {240, 2640, 1335, 375}, QT_TRANSLATE_NOOP("Help", "・ ルーレット"), "Roter"},
        {"Label6", {240, 3240, 975, 375}, QT_TRANSLATE_NOOP("Help", "・ かぶ"), "Kabu"},
        {"Label18", {240, 4320, 1695, 375}, QT_TRANSLATE_NOOP("Help", "・ ドッグレース"), "Dango"},
        {"Label19", {240, 4920, 975, 375}, QT_TRANSLATE_NOOP("Help", "・ マーク"), "Card"},
        {"Label15", {240, 5640, 975, 375}, QT_TRANSLATE_NOOP("Help", "・ おまけ"), "Winner"},
    };
    for (const Topic &t : topics) {
        auto link = in.label(t.name, t.rect).text(tr(t.caption))
                        .font(12, ui::Bold | ui::Underline).fore(ui::rgb(0, 0, 255))
                        .cursor(Qt::PointingHandCursor);
        ui::onClick(link, [this, form = QString(t.form)] {
            hide();
            menu_->openGame(form);
            deleteLater();
        });
    }
    const Topic descriptions[] = {
        {"Label8", {1800, 240, 5175, 375}, QT_TRANSLATE_NOOP("Help", "１～３０迄の数字を１２こ選出されますので、”縦・横・斜め”のラインが出来上がった時点での選出回数にて配当が決まります。"), nullptr},
        {"Label9", {1800, 840, 5175, 375}, QT_TRANSLATE_NOOP("Help", "中身が入っている宝箱をクリックして、２倍・４倍～２０４８倍の配当を獲得してください。"), nullptr},
        {"Label10", {1800, 1440, 5175, 375}, QT_TRANSLATE_NOOP("Help", "２つのサイコロの出目を予想して、サイコロ又は各グループ毎に掛け金を決めてスタートし、当たれば配当が返ってきます。"), nullptr},
        {"Label11", {1800, 2040, 5175, 375}, QT_TRANSLATE_NOOP("Help", "シングルタイプのスロットで、指定の絵柄が３つそろうと配当が返ってきます。"), nullptr},
        {"Label12", {1800, 2640, 5295, 375}, QT_TRANSLATE_NOOP("Help", "次にランプが止まる数字を予想し、当たればその数字がそのまま倍率になります。 （０は外れです）"), nullptr},
        {"Label13", {1800, 3240, 5175, 375}, QT_TRANSLATE_NOOP("Help", "俗に言う”おいちょかぶ”で２～３枚で、数字が９以下で親より大きければかちです。（例：１５になったら１０を取って５となります）"), nullptr},
        {"Label14", {1560, 3720, 6015, 495}, QT_TRANSLATE_NOOP("Help", "注：Ａと４・Ａと９の組合わせが親に出ると親の総取りになります。                         又、子が同じ数字が３枚（２・２・２）になると無条件で５倍の配当が貰えます。"), nullptr},
        {"Label20", {1800, 4320, 5175, 375}, QT_TRANSLATE_NOOP("Help", "良くある競馬の犬版です１～２位を予想して下さい。"), nullptr},
        {"Label21", {1800, 4920, 5295, 255}, QT_TRANSLATE_NOOP("Help", "５枚のカードのうち３枚のマークの組合せ又は順列を予想して下さい。"), nullptr},
        {"Label16", {1680, 5640, 5295, 375}, QT_TRANSLATE_NOOP("Help", "１回  5０ＢＥＴでピースを購入でき、全部の絵が揃ったらおまけの絵が出てきます。"), nullptr},
    };
    for (const Topic &t : descriptions) {
        auto text = in.label(t.name, t.rect).text(tr(t.caption)).font(9).wrap();
        if (QLatin1String(t.name) == QLatin1String("Label14")) text.fore(ui::rgb(255, 0, 0));
        ui::fitParagraph(text.get()); // an English line has descenders below the box's edge
    }
    ui::onClick(findChild<QPushButton *>("Command1"), [this] { close_(); });
    ui::centreWithFrame(this);
}

void Help::close_()
{
    hide();
    deleteLater();
}

// The wheel over the text, which passes it on to its window, moves the scroll bar.
void Help::wheelEvent(QWheelEvent *e)
{
    QCoreApplication::sendEvent(findChild<QScrollBar *>(QStringLiteral("VScroll1")), e);
}

void Help::closeEvent(QCloseEvent *e)
{
    e->accept();
    close_();
}
