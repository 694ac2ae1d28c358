// SPDX-License-Identifier: GPL-3.0-or-later
#include "kabu.h"

#include "ui/pictures.h"

#include <QPushButton>

namespace {

// Where each hand's first card lies; the next cards fan out 480 twips to the right.
constexpr std::array<int, kabu::HandCount> HandLeft{2640, 360, 2640, 4920};
constexpr std::array<int, kabu::HandCount> HandTop{720, 2880, 2880, 2880};
constexpr int FanStep = 480;

constexpr double DealerDrawPause = 1.2; // before the dealer's third card
constexpr double SettlePause = 1.1;     // before the hands are settled
constexpr double ResultPause = 2.5;     // the result stays on the table this long

} // namespace

const GameWindow::Form Kabu::form{"Kabu", "Oicyo Kabu", 8310, 5415, "icons/Kabu"};

Kabu::Kabu(Context &context, QWidget *opener) : GameWindow(context, form, opener)
{
    QLabel *win = winBox("Label9", {7080, 3120, 495, 255}, "Label10", {7440, 3480, 615, 375});
    QLabel *credit = creditBox("Label7", {6960, 4320, 975, 255}, "Label8", {7200, 4680, 855, 375});
    Command5 = button("Command5", {7080, 240, 1095, 495}, "PLAY OUT");
    Command1 = button("Command1", {7080, 1080, 1095, 615}, "START").enabled(false);
    ui::onClick(Command1, [this] { Command1_Click(); });

    Picture2 =
        pictureBox("Picture2", {0, 0, 6855, 5415}).back(ui::rgb(0, 128, 0)).name(tr("table"));
    const ui::Builder table = in(Picture2);

    // The hidden holders of the deal's card numbers.
    for (int f = 0; f < kabu::SlotCount; ++f)
        Label1[f] = table.label(ui::indexed("Label1", f), {0, 0, 375, 255}).visible(false);

    // The deck, then the hands: each next card lies over the one before it, and the backs lie
    // over the second cards.
    Picture14[0] = cards::back(table, 0, 480, 480);
    Picture14[5] = cards::back(table, 5, 600, 720);
    for (int k = 0; k < 12; ++k) {
        const int h = k % 4;
        Picture1[k] = cards::face(table, k, HandLeft[h] + FanStep * (k / 4), HandTop[h]);
    }
    for (int h = 1; h <= 3; ++h)
        Picture14[h] = cards::back(table, h, HandLeft[h] + FanStep, HandTop[h]);
    Picture14[4] = cards::back(table, 4, HandLeft[0] + FanStep, HandTop[0]);

    for (int h = 0; h < kabu::HandCount; ++h)
        Label3[h] =
            table
                .label(ui::indexed("Label3", h), {HandLeft[h] + 600, h == 0 ? 240 : 2400, 375, 375})
                .font(15.75, ui::Bold)
                .center()
                .border();
    for (int h = 0; h < kabu::HandCount; ++h)
        Label11[h] = table
                         .label(ui::indexed("Label11", h),
                                {HandLeft[h] + 240, h == 0 ? 1080 : 2400, 1215, 375})
                         .text("LOST")
                         .font(15.75, ui::Bold)
                         .center()
                         .border()
                         .back(Qt::white)
                         .fore(Qt::black)
                         .visible(false);
    const QColor boxFace = palette().color(QPalette::Button);
    Label4[0] = table.label("Label4(0)", {600, 600, 735, 375})
                    .text("0")
                    .font(14.25, ui::Bold)
                    .alignRight()
                    .border()
                    .back(boxFace)
                    .visible(false);
    for (int h = 1; h <= 3; ++h)
        Label4[h] = table.label(ui::indexed("Label4", h), {HandLeft[h] + 840, 4680, 735, 375})
                        .text("0")
                        .font(14.25, ui::Bold)
                        .alignRight()
                        .border()
                        .back(boxFace);

    for (int h = 1; h <= 3; ++h) {
        okButton[h] = table
                          .button(QStringLiteral("Command%1").arg(8 + h),
                                  {HandLeft[h] + 120, 4080, 615, 375}, "OK")
                          .enabled(false);
        againButton[h] = table
                             .button(QStringLiteral("Command%1").arg(1 + h),
                                     {HandLeft[h] + 840, 4080, 735, 375}, "Again")
                             .enabled(false);
        betButton[h] = table.button(QStringLiteral("Command%1").arg(5 + h),
                                    {HandLeft[h] + 120, 4680, 615, 375}, "BET");
    }
    ui::onClick(betButton[1], [this] { Command6_Click(); });
    ui::onClick(betButton[2], [this] { Command7_Click(); });
    ui::onClick(betButton[3], [this] { Command8_Click(); });
    ui::onClick(okButton[1], [this] { Command9_Click(); });
    ui::onClick(okButton[2], [this] { Command10_Click(); });
    ui::onClick(okButton[3], [this] { Command11_Click(); });
    ui::onClick(againButton[1], [this] { Command2_Click(); });
    ui::onClick(againButton[2], [this] { Command3_Click(); });
    ui::onClick(againButton[3], [this] { Command4_Click(); });

    setFrameWidgets(credit, win, Command5);
    Form_Load();
}

void Kabu::Form_Load()
{
    CARD_START();
    openFirstCards();
}

void Kabu::CARD_START()
{
    draw_ = std::make_unique<cBingoGo>(random());
    draw_->Canvas = ui::tagsOf(Label1);
    draw_->Total = kabu::DeckSize;
    draw_->Last = kabu::SlotCount;
    draw_->make();

    for (int e = 1; e <= 3; ++e) {
        Label11[e]->hide();
        Label11[e]->setText("LOST");
    }
    HandBet.fill(0);
    HandTotal.fill(0);
    for (const cards::Face &face : Picture1)
        face.box->hide();
    for (int f = 0; f < kabu::SlotCount; ++f) {
        const kabu::Card card = kabu::cardOfTag(ui::tag(Label1[f]).toStdString());
        SlotValue[f] = card.value;
        SlotSuit[f] = card.suit;
    }
    for (int h = 1; h <= 4; ++h)
        Picture14[h]->show();

    Command5->setEnabled(true);
    for (int h = 1; h <= 3; ++h) {
        betButton[h]->setEnabled(true);
        againButton[h]->setEnabled(false);
        okButton[h]->setEnabled(false);
        Label4[h]->setText("0");
    }
    showWin(0);
}

void Kabu::CARD_OPEN(int k)
{
    Picture1[k].set(SlotValue[k], SlotSuit[k]);
    Picture1[k].box->show();
}

void Kabu::openFirstCards()
{
    for (int h = 0; h < kabu::HandCount; ++h) {
        CARD_OPEN(h);
        HandTotal[h] = SlotValue[h];
        Label3[h]->setText(QString::number(HandTotal[h]));
    }
}

void Kabu::addSlot(int h, int k)
{
    HandTotal[h] = kabu::addCard(HandTotal[h], SlotValue[k]);
    Label3[h]->setText(QString::number(HandTotal[h]));
}

void Kabu::BET(int h)
{
    if (!stake(1)) return;
    Command5->setEnabled(false);
    Command1->setEnabled(true);
    ++HandBet[h];
    Label4[h]->setText(QString::number(HandBet[h]));
}

void Kabu::Command1_Click()
{
    Command1->setEnabled(false);
    for (int h = 1; h <= 3; ++h)
        betButton[h]->setEnabled(false);
    for (int h = 3; h >= 1; --h) {
        if (HandBet[h] <= 0) continue;
        okButton[h]->setEnabled(true);
        const int second = kabu::slotOf(h, 1);
        if (Picture1[second].box->isHidden()) {
            Picture14[h]->hide();
            CARD_OPEN(second);
            addSlot(h, second);
            againButton[h]->setEnabled(true);
        }
    }
}

void Kabu::OK(int h)
{
    okButton[h]->setEnabled(false);
    againButton[h]->setEnabled(false);
    dealerWhenAllActed();
}

void Kabu::Again(int h)
{
    againButton[h]->setEnabled(false);
    okButton[h]->setEnabled(false);
    const int third = kabu::slotOf(h, 2);
    CARD_OPEN(third);
    addSlot(h, third);
    dealerWhenAllActed();
}

void Kabu::dealerWhenAllActed()
{
    for (int h = 1; h <= 3; ++h)
        if (okButton[h]->isEnabled()) return;
    play(COMP_GO());
}

ui::Play Kabu::COMP_GO()
{
    // Hands without a bet never turned their second card; they count as 0.
    for (int h = 1; h <= 3; ++h)
        if (Picture1[kabu::slotOf(h, 1)].box->isHidden()) HandTotal[h] = 0;

    std::int64_t RoundPayout = 0;
    Picture14[4]->hide();
    const int second = kabu::slotOf(0, 1);
    CARD_OPEN(second);
    addSlot(0, second);

    if (kabu::dealerTakesAll(HandTotal[0], SlotValue[second])) {
        // Every hand loses; the dealer's total box keeps the total reached.
        for (int h = 1; h <= 3; ++h)
            HandTotal[h] = 0;
        HandTotal[0] = 9;
    } else {
        int n = 0, w = 0, t = 0;
        for (int h = 1; h <= 3; ++h) {
            if (HandBet[h] <= 0) continue;
            ++n;
            if (HandTotal[h] > HandTotal[0]) ++w;
            if (HandTotal[h] == HandTotal[0]) ++t;
        }
        if (kabu::DEALER_DRAWS(n, w, t, HandTotal[0])) {
            co_await pause(DealerDrawPause);
            const int third = kabu::slotOf(0, 2);
            CARD_OPEN(third);
            addSlot(0, third);
        }
        // Three of a kind pays five times the bet and nothing more for that hand.
        for (int h = 1; h <= 3; ++h) {
            if (!kabu::threeOfAKind(SlotValue, h)) continue;
            RoundPayout += 5 * HandBet[h];
            HandBet[h] = 0;
            Label11[h]->setText("WIN");
        }
        co_await pause(SettlePause);
    }

    for (int h = 1; h <= 3; ++h) {
        if (HandTotal[h] > HandTotal[0]) {
            RoundPayout += 2 * HandBet[h];
            Label11[h]->setText("WIN");
        } else if (HandTotal[h] == HandTotal[0]) {
            RoundPayout += HandBet[h];
            Label11[h]->setText("PUSH");
        }
        // The bet box still shows the stake after a bonus cleared it.
        if (Label4[h]->text().toLongLong() != 0) Label11[h]->show();
    }

    // The new balance is saved now but shown only when the next deal comes.
    settle(RoundPayout);
    showWin(RoundPayout);
    saveCredit();
    co_await pause(ResultPause);

    showCredit();
    CARD_START();
    openFirstCards();
}
