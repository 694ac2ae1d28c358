// SPDX-License-Identifier: GPL-3.0-or-later
#include "card.h"

#include "games/bingo/draw/cbingogo.h"
#include "ui/pictures.h"

#include <QCoreApplication>

namespace {

const QColor LampOpen = ui::rgb(192, 192, 192);
const QColor LampLit = ui::rgb(0, 255, 0);

QString modeText(mark::Mode mode)
{
    return mode == mark::Mode::Order ? QCoreApplication::translate("Card", "順 列（×１０）")
                                     : QCoreApplication::translate("Card", "組合せ（×３）");
}

QString bonusText(int bonus)
{
    return bonus == 5   ? QStringLiteral("×５")
           : bonus == 2 ? QStringLiteral("×２")
                        : QStringLiteral("×１");
}

constexpr double TurnPause = 1.1;   // seconds between two cards
constexpr double ResultPause = 1.9; // seconds the banner and the win are shown

} // namespace

const GameWindow::Form Card::form{"Card", "Mark", 6540, 3270, "icons/Card", true};

Card::Card(Context &context, QWidget *opener) : GameWindow(context, form, opener)
{
    for (int k = 0; k < mark::CardsDealt; ++k) {
        const int left = 240 + 960 * k;
        Picture1[k] = cards::face(*this, k, left, 360);
        Picture14[k] = cards::back(*this, k, left, 360);
    }
    QLabel *win = winBox("Label15", {5160, 960, 495, 255}, "Label16", {5400, 1200, 975, 375});
    Command1 = button("Command1", {5280, 240, 1095, 495}, "START").enabled(false);
    Picture10 = banners::win(*this, "Picture10", {1800, 1200, 2805, 630});
    Picture9 = banners::lost(*this, "Picture9", {1800, 1200, 2805, 630});

    const std::array<int, mark::Choices> choiceLeft{360, 1200, 2040}, lampLeft{520, 1350, 2210};
    for (int j = 0; j < mark::Choices; ++j) {
        Picture2[j] =
            pictureBox(ui::indexed("Picture2", j), {choiceLeft[j], 1800, 540, 540}).border();
        ui::onClick(Picture2[j], [this, j] { Picture2_Click(j); });
        Shape1[j] =
            shape(ui::indexed("Shape1", j), {lampLeft[j], 2400, 255, 255}, ui::Shape::Circle)
                .fill(LampOpen)
                .name(tr("lamp %1").arg(j + 1));
    }
    // The dashes joining the choice boxes are 5 pixels wide.
    for (const auto &[name, x1, x2] :
         {std::tuple{"Line1", 980, 1120}, std::tuple{"Line2", 1820, 1960}}) {
        line(name, x1, 2040, x2, 2040, Qt::black, 5);
    }
    Label3 = label("Label3", {2760, 1920, 1455, 255})
                 .font(9.75, ui::Bold)
                 .center()
                 .border()
                 .back(Qt::white);
    ui::onClick(Label3, [this] { Label3_Click(); });
    Label4 = label("Label4", {4320, 1920, 495, 255})
                 .text("×５")
                 .font(9.75, ui::Bold)
                 .center()
                 .border()
                 .back(Qt::white);
    Command3 = button("Command3", {4920, 1920, 615, 375}, "BET");
    Label5 = label("Label5", {5640, 1920, 735, 375})
                 .text("0")
                 .font(12, ui::Bold)
                 .alignRight()
                 .border()
                 .heading(tr("stake"));

    QLabel *credit =
        creditBox("Label14", {3120, 2760, 975, 255}, "Label13", {4200, 2760, 975, 375});
    Command2 = button("Command2", {5400, 2640, 1095, 495}, "PLAY OUT");
    setFrameWidgets(credit, win, Command2);

    // Below the client area, never seen.
    for (int i = 0; i < int(Label1.size()); ++i)
        Label1[i] = label(ui::indexed("Label1", i), {240 + 120 * i, 3480, 105, 255}).visible(false);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    MARK_START();
}

void Card::MARK_START()
{
    cBingoGo draw(random());
    draw.Canvas = ui::tagsOf(Label1);
    draw.Total = mark::DeckSize;
    draw.Last = mark::CardsDealt;
    draw.make();
    for (int k = 0; k < mark::CardsDealt; ++k) {
        const mark::DeckCard c = mark::cardOfTag(ui::tag(Label1[k]).toStdString());
        CardValue[k] = c.value;
        CardSuit[k] = c.suit;
    }
    for (int k = 0; k < mark::CardsDealt; ++k) {
        Picture14[k]->show();
        Picture1[k].box->hide();
    }
    for (int k = 0; k < mark::CardsDealt; ++k)
        Picture1[k].set(CardValue[k], CardSuit[k]);
    for (int j = 0; j < mark::Choices; ++j) {
        MarkChoice[j] = mark::Heart;
        cards::showSuit(Picture2[j], MarkChoice[j]);
        Shape1[j]->setFillColor(LampOpen);
        ui::setSelected(Shape1[j], false);
    }
    MarkMode = mark::Mode::Combination;
    showMode();
    Label4->setText(bonusText(5));
    Picture10->hide();
    Picture9->hide();
}

void Card::showMode()
{
    Label3->setText(modeText(MarkMode));
}

void Card::showBet()
{
    Label5->setText(QString::number(stake_));
}

void Card::Command3_Click()
{
    if (!stake()) return;
    showWin(0);
    Command1->setEnabled(true);
    Command2->setEnabled(false);
    ++stake_;
    showBet();
}

void Card::Label3_Click()
{
    if (!Command3->isEnabled()) return;
    MarkMode = MarkMode == mark::Mode::Combination ? mark::Mode::Order : mark::Mode::Combination;
    showMode();
}

void Card::Picture2_Click(int j)
{
    MarkChoice[j] = mark::nextSuit(MarkChoice[j]);
    cards::showSuit(Picture2[j], MarkChoice[j]);
}

void Card::Command1_Click()
{
    if (stake_ <= 0) return;
    play(turnCards());
}

ui::Play Card::turnCards()
{
    Command1->setEnabled(false);
    Command3->setEnabled(false);
    mark::Round round(MarkMode);
    for (int i = 0; i < mark::CardsDealt; ++i) {
        if (i >= 3) Label4->setText(bonusText(mark::bonusForCard(i)));
        Picture1[i].box->show();
        Picture14[i]->hide();
        // The choices are read as they are now: the player may change them between cards.
        const int lamp = round.turn(CardSuit[i], MarkChoice);
        if (lamp >= 0) {
            Shape1[lamp]->setFillColor(LampLit);
            ui::setSelected(Shape1[lamp], true);
        }
        if (round.won()) break;
        co_await pause(TurnPause);
    }
    const std::int64_t payout = round.payout(stake_);
    if (round.won()) {
        Picture10->show();
        showWin(payout);
    } else {
        Picture9->show();
    }
    co_await pause(ResultPause);
    MARK_START();
    pay(payout);
    showWin(0);
    stake_ = 0;
    showBet();
    Command3->setEnabled(true);
    Command2->setEnabled(true);
}
