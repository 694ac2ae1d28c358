// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards.h"

#include <QCoreApplication>

#include "ui/access.h"
#include "ui/pictures.h"

namespace cards {

QString suitPicture(int suit)
{
    return QStringLiteral("cards/suit%1").arg(suit);
}

QString rankText(int value)
{
    switch (value) {
    case 1:
        return QStringLiteral("A");
    case 11:
        return QStringLiteral("J");
    case 12:
        return QStringLiteral("Q");
    case 13:
        return QStringLiteral("K");
    default:
        return QString::number(value);
    }
}

QString suitName(int suit)
{
    switch (suit) {
    case 1:
        return QCoreApplication::translate("cards", "heart");
    case 2:
        return QCoreApplication::translate("cards", "club");
    case 3:
        return QCoreApplication::translate("cards", "diamond");
    case 4:
        return QCoreApplication::translate("cards", "spade");
    default:
        return {};
    }
}

void showSuit(ui::Picture *box, int suit)
{
    box->setPicture(ui::picture(suitPicture(suit)));
    box->setAccessibleName(suitName(suit));
}

void Face::set(int value, int suitNumber) const
{
    rank->setText(rankText(value));
    showSuit(suit, suitNumber);
    //: a card face as a screen reader names it: "heart 7"
    box->setAccessibleName(
        QCoreApplication::translate("cards", "%1 %2").arg(suitName(suitNumber), rankText(value)));
}

Face face(const ui::Builder &form, int k, int left, int top)
{
    Face f;
    f.box = form.pictureBox(ui::indexed("Picture1", k), {left, top, 735, 1095})
                .back(Qt::white)
                .border()
                .visible(false);
    ui::secretWhileHidden(f.box);
    const ui::Builder in = form.in(f.box);
    f.suit = in.image(ui::indexed("Image5", k), {120, 120, 480, 480}).stretch();
    f.rank = in.label(ui::indexed("Label2", k), {120, 600, 495, 375})
                 .font(18, ui::Bold)
                 .center()
                 .fore(Qt::black);
    return f;
}

ui::Picture *back(const ui::Builder &form, int k, int left, int top)
{
    return form.pictureBox(ui::indexed("Picture14", k), {left, top, 735, 1095})
        .picture("cards/back")
        .name(QCoreApplication::translate("cards", "card %1 face down").arg(k + 1));
}

} // namespace cards

namespace banners {

ui::Picture *win(const ui::Builder &form, const QString &name, ui::Rect r)
{
    return form.pictureBox(name, r)
        .picture("common/win")
        .back(Qt::white)
        .words(QStringLiteral("WIN!!"))
        .visible(false);
}

ui::Picture *lost(const ui::Builder &form, const QString &name, ui::Rect r)
{
    return form.pictureBox(name, r)
        .picture("common/lost")
        .back(ui::rgb(192, 192, 192))
        .words(QStringLiteral("LOST!"))
        .visible(false);
}

} // namespace banners
