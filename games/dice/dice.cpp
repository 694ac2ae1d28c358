// SPDX-License-Identifier: GPL-3.0-or-later
#include "dice.h"

#include "games/common/cards.h"
#include "ui/pictures.h"

#include <algorithm>

namespace {

const QColor Red = ui::rgb(255, 0, 0);
const QColor Blue = ui::rgb(0, 0, 255);

// Face k (0 to 5) of a die: an 18 x 18 picture, rendered with the detail of the dice boxes that
// show it stretched, so that the thrown dice stay sharp.
QPixmap facePicture(int k)
{
    QPixmap pm = ui::picture(QStringLiteral("dice/face%1").arg(k + 1), ui::pxSize(615, 615));
    if (!pm.isNull()) pm.setDevicePixelRatio(pm.width() / 18.0);
    return pm;
}

// The label of the outcome pay is narrower than its caption: the sign goes on a line of its own
// above the number, rather than the number being cut.
class PayLabel : public ui::Label
{
public:
    using ui::Label::Label;

protected:
    QString shownText() const override
    {
        QString caption = text();
        if (fontMetrics().horizontalAdvance(caption) > textRect().width())
            caption.replace(QStringLiteral("×"), QStringLiteral("×\n"));
        return caption;
    }
};

} // namespace

const GameWindow::Form Dice::form{"Dice", "Dice", 9915, 5415, "icons/Dice"};

Dice::Dice(Context &context, QWidget *opener) : GameWindow(context, form, opener)
{
    using ui::indexed;
    QLabel *win = winBox("Label10", {8760, 3000, 495, 255}, "Label8", {9120, 3360, 615, 375});
    QLabel *credit = creditBox("Label9", {8760, 4440, 975, 255}, "Label11", {8880, 4800, 855, 375});
    auto leave = button("Command4", {8760, 360, 1095, 495}, "PLAY OUT");
    Command4 = leave;

    Picture1 =
        pictureBox("Picture1", {0, 0, 8655, 5415}).back(ui::rgb(192, 192, 192)).name(tr("board"));
    const ui::Builder board = in(Picture1);
    board.shape("Shape12", {120, 120, 5415, 5175}, ui::Shape::Rectangle)
        .borderColor(Qt::black)
        .hollow();

    // The fields A to I in reading order, each with its letter and its four outcomes.
    for (int k = 0; k < dice::Fields; ++k) {
        const int left = 240 + 1680 * (k % 3), top = 240 + 1680 * (k / 3);
        board
            .shape(QStringLiteral("Shape%1").arg(k + 1), {left, top, 1455, 1575},
                   ui::Shape::RoundedRectangle)
            .borderColor(Red)
            .hollow();
        board.label(indexed("Label2", k), {left + 1200, top + 720, 255, 255})
            .text(dice::fieldName(k))
            .font(12, ui::Bold);
        const auto &outcomes = dice::outcomesOf(k);
        for (int p = 0; p < 4; ++p) {
            const int i = outcomes[p], x = 360 + 1680 * (k % 3), y = top + 120 + 360 * p;
            Image2[i] = board.image(indexed("Image2", i), {x, y, 540, 270})
                            .picture(QStringLiteral("dice/outcome%1").arg(i))
                            .name(tr("outcome %1 and %2")
                                      .arg(dice::firstDie(i) + 1)
                                      .arg(dice::secondDie(i) + 1));
            Label1[i] = board.label(indexed("Label1", i), {x + 600, y, 255, 255})
                            .text("0")
                            .font(9, ui::Bold)
                            .alignRight()
                            .border()
                            .back(Qt::white)
                            .heading(tr("stake on outcome %1 and %2")
                                         .arg(dice::firstDie(i) + 1)
                                         .arg(dice::secondDie(i) + 1));
            ui::onClick(Image2[i], [this, i] { Image2_Click(i); });
        }
    }
    auto *label7 = new PayLabel(Picture1);
    label7->setObjectName("Label7");
    label7->setGeometry(ui::px(ui::Rect{5160, 2520, 255, 495}));
    ui::LabelRef(label7).text(QStringLiteral("×36")).center();

    board.shape("Shape10", {5640, 120, 2895, 1935}, ui::Shape::RoundedRectangle)
        .borderColor(Red)
        .hollow();
    for (int k = 0; k < dice::Fields; ++k) {
        const int x = 5760 + 960 * (k / 3), y = 240 + 480 * (k % 3);
        Command1[k] = board.button(indexed("Command1", k), {x, y, 375, 375}, dice::fieldName(k))
                          .name(tr("field %1").arg(dice::fieldName(k)));
        Label3[k] = board.label(indexed("Label3", k), {x + 480, y + 120, 255, 255})
                        .text("0")
                        .font(9, ui::Bold)
                        .alignRight()
                        .border()
                        .back(Qt::white)
                        .heading(tr("stake on field %1").arg(dice::fieldName(k)));
        ui::onClick(Command1[k], [this, k] { Command1_Click(k); });
    }
    board.label("Label5", {6840, 1680, 375, 255})
        .text(QStringLiteral("×9"))
        .fore(ui::rgb(128, 0, 0))
        .font(9.75, ui::Bold);

    board.shape("Shape11", {5640, 2160, 2895, 1935}, ui::Shape::RoundedRectangle)
        .borderColor(Blue)
        .hollow();
    for (int j = 0; j < dice::Lines; ++j) {
        const int x = j < 3 ? 5760 : 7200, y = 2280 + 480 * (j % 3);
        Command2[j] = board.button(indexed("Command2", j), {x, y, 855, 375}, dice::lineName(j));
        Label4[j] = board.label(indexed("Label4", j), {x + 960, y + 120, 255, 255})
                        .text("0")
                        .font(9, ui::Bold)
                        .alignRight()
                        .border()
                        .back(Qt::white)
                        .heading(tr("stake on %1").arg(dice::lineName(j)));
        ui::onClick(Command2[j], [this, j] { Command2_Click(j); });
    }
    board.label("Label6", {6840, 3720, 375, 255})
        .text(QStringLiteral("×3"))
        .fore(ui::rgb(0, 0, 128))
        .font(9.75, ui::Bold);

    // The die faces, kept below the client area as the pictures the dice copy.
    for (int k = 0; k < dice::Faces; ++k)
        Image1[k] = image(indexed("Image1", k), {270 * k, 5535, 270, 270})
                        .picture(facePicture(k))
                        .name(tr("face %1").arg(k + 1));

    Image3 = board.image("Image3", {5880, 4440, 615, 615}).stretch();
    Image4 = board.image("Image4", {6720, 4440, 615, 615}).stretch();
    showDie(Image3, 0);
    showDie(Image4, 0);
    Command3 = board.button("Command3", {7560, 4560, 855, 375}, "START").enabled(false);
    ui::onClick(Command3, [this] { Command3_Click(); });
    Picture9 = banners::lost(board, "Picture9", {3240, 2160, 2805, 630});
    Picture10 = banners::win(board, "Picture10", {3240, 2160, 2805, 630});

    setFrameWidgets(credit, win, leave);
}

void Dice::Image2_Click(int i)
{
    if (i >= 0 && i < dice::Outcomes) stakeOn(bets_.pair[i], Label1[i]);
}

void Dice::Command1_Click(int k)
{
    if (k >= 0 && k < dice::Fields) stakeOn(bets_.field[k], Label3[k]);
}

void Dice::Command2_Click(int j)
{
    if (j >= 0 && j < dice::Lines) stakeOn(bets_.line[j], Label4[j]);
}

void Dice::stakeOn(dice::Bets::Count &bet, QLabel *box)
{
    // The stake widgets are disabled during a throw; a counter that is full takes no more.
    if (playing() || game().Credit < 1 || bet >= dice::Bets::Max) return;
    Command3->setEnabled(true);
    Command4->setEnabled(false);
    showWin(0);
    ++bet;
    box->setText(QString::number(bet));
    stake(1);
}

void Dice::Command3_Click()
{
    // A throw is settled once: START does nothing while the dice roll or the banner shows.
    if (playing() || !Command3->isEnabled()) return;
    play(throwDice());
}

ui::Play Dice::throwDice()
{
    enableStakes(false);
    random().reseed();

    // Every frame throws the dice; the fast frames are drawn at most once a display frame.
    int first = 0, second = 0;
    ui::PacedFrames frames = pacedFrames();
    for (int frame = 0; frame < dice::RollFrames; ++frame) {
        first = std::clamp(random().pick(dice::Faces), 0, dice::Faces - 1);
        second = std::clamp(random().pick(dice::Faces), 0, dice::Faces - 1);
        if (co_await frames.frame(frame == dice::RollFrames - 1)) {
            showDie(Image3, first);
            showDie(Image4, second);
        }
        frames.elapse(ui::Ms(dice::frameMs(frame)));
    }
    co_await frames.end();

    const std::int64_t w = dice::payout(bets_, dice::outcome(first, second));
    (w == 0 ? Picture9 : Picture10)->show();
    pay(w);
    co_await pause(ui::Ms(dice::BannerMs));

    Picture9->hide();
    Picture10->hide();
    Command3->setEnabled(false);
    Command4->setEnabled(true);
    bets_ = dice::Bets{};
    for (QLabel *box : Label1)
        box->setText("0");
    for (QLabel *box : Label3)
        box->setText("0");
    for (QLabel *box : Label4)
        box->setText("0");
    enableStakes(true);
}

void Dice::showDie(ui::Picture *die, int face)
{
    die->setPicture(Image1[face]->picture());
    die->setAccessibleName(tr("die %1").arg(face + 1));
}

void Dice::enableStakes(bool on)
{
    for (auto *w : Image2)
        w->setEnabled(on);
    for (auto *w : Command1)
        w->setEnabled(on);
    for (auto *w : Command2)
        w->setEnabled(on);
}
