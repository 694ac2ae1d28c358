// SPDX-License-Identifier: GPL-3.0-or-later
#include "bingo.h"

#include "games/common/cards.h"
#include "rules.h"
#include "store/numval.h"
#include "ui/pictures.h"

#include <QPushButton>

namespace bingo {

std::string LabelCell::caption() const
{
    return label->text().toStdString();
}
void LabelCell::setCaption(const std::string &text)
{
    label->setText(QString::fromStdString(text));
}
std::string LabelCell::tag() const
{
    return ui::tag(label).toStdString();
}
void LabelCell::setTag(const std::string &text)
{
    ui::setTag(label, QString::fromStdString(text));
}

Rgb LabelCell::backColor() const
{
    const QColor c = label->backColor();
    return {c.red(), c.green(), c.blue()};
}

void LabelCell::setBackColor(Rgb c)
{
    label->setBackColor(QColor(c.r, c.g, c.b));
    // The colours of a marked cell; the mark shows it without them.
    ui::setSelected(label, c == LightGrey || c == Yellow || c == Red);
}

} // namespace bingo

namespace {

QColor qcolor(bingo::Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

// The numeric value of a caption or Tag.
double valueOf(const QString &text)
{
    return NumVal(text.toStdString());
}

// The window's font for labels and buttons: System 13.5 pt bold.
QFont windowFont()
{
    return ui::font(13.5, ui::Bold, ui::Family::System);
}

const QString Letters[4] = {"A", "B", "C", "D"};

} // namespace

const GameWindow::Form Bingo::form{"Bingo", "BINGO", 8745, 5055, "icons/Bingo"};

Bingo::Bingo(Context &context, QWidget *opener) : GameWindow(context, form, opener)
{
    setFont(windowFont());
    const QColor buttonFace = palette().color(QPalette::Button);
    const QColor windowBack = palette().color(QPalette::Base);
    const QColor windowText = palette().color(QPalette::Text);

    // The four cards: 25 numbered cells under the coloured B I N G O headers.
    const ui::Rect cardRects[4] = {{360, 240, 1935, 2295},
                                   {2760, 240, 1935, 2295},
                                   {360, 2760, 1935, 2295},
                                   {2760, 2760, 1935, 2295}};
    const QString headers[5] = {"B", "I", "N", "G", "O"};
    for (int k = 0; k < 4; ++k) {
        ui::Picture *box = cardBoxes_[k] =
            pictureBox(QStringLiteral("Picture%1").arg(k + 2), cardRects[k])
                .back(buttonFace)
                .name(tr("card %1").arg(Letters[k]));
        const ui::Builder in = this->in(box);
        const QString array = QStringLiteral("Label%1").arg(k + 2);
        for (int i = 0; i < 30; ++i) {
            const bool header = i >= 25;
            const ui::Rect r = header ? ui::Rect{360 * (i - 25), 0, 375, 375}
                                      : ui::Rect{360 * (i % 5), 360 + 360 * (i / 5), 375, 375};
            auto cell = in.label(ui::indexed(array, i), r).border().center();
            if (header)
                cell.text(headers[i - 25]).back(qcolor(bingo::ColumnColours[i - 25]));
            else
                cell.back(windowBack).fore(windowText);
            Card[k][i] = cell;
            cardCells_[k][i].label = cell;
            cardArrays_[k][i] = &cardCells_[k][i];
        }
    }
    const ui::Rect letterRects[4] = {
        {0, 120, 255, 375}, {2400, 120, 255, 375}, {0, 2640, 255, 375}, {2400, 2640, 255, 375}};
    for (int k = 0; k < 4; ++k)
        label(ui::indexed("Label7", k), letterRects[k]).text(Letters[k]).alignRight();

    // The drawn numbers, top to bottom.
    ui::Picture *column =
        pictureBox("Picture1", {8280, 360, 495, 4455}).back(buttonFace).name(tr("drawn numbers"));
    for (int i = 0; i < 12; ++i) {
        Label1[i] =
            in(column).label(ui::indexed("Label1", i), {0, 360 * i, 375, 375}).border().center();
        drawnCells_[i].label = Label1[i];
        drawnArray_[i] = &drawnCells_[i];
    }

    // The bet table: BET x LINE x ODDS for each card.
    ui::GroupFrame *table = frame("Frame1", {4800, 240, 3255, 2295}, "    BET      LINE   ODDS");
    const ui::Builder t = in(table);
    for (int k = 0; k < 4; ++k) {
        const int top = 360 + 480 * k;
        Command2[k] = t.button(ui::indexed("Command2", k), {120, top, 375, 375}, Letters[k]);
        ui::onClick(Command2[k], [this, k] { Command2_Click(k); });
        Label6[k] =
            t.label(ui::indexed("Label6", k), {600, top, 615, 375}).text("0").border().alignRight();
        t.label(ui::indexed("Label10", k), {1320, top + 120, 255, 255}).text("×").center();
        Label8[k] = t.label(ui::indexed("Label8", k), {1680, top, 375, 375})
                        .text("0")
                        .border()
                        .alignRight();
        t.label(ui::indexed("Label10", k + 4), {2160, top + 120, 255, 255}).text("×").center();
        Label9[k] = t.label(ui::indexed("Label9", k), {2520, top, 495, 375})
                        .text("500")
                        .border()
                        .alignRight()
                        .tag("0");
    }
    table->headingsOver({Label6[0], Label8[0], Label9[0]});

    // The hostess presenting the ball, and the pictures the animation swaps in.
    Picture6 = pictureBox("Picture6", {4920, 2880, 1575, 1725})
                   .picture("bingo/eyes_open")
                   .name(tr("hostess with the ball"));
    const ui::Builder ball = in(Picture6);
    Shape1 = ball.shape("Shape1", {1080, 600, 495, 495}, ui::Shape::Circle)
                 .fill(qcolor(bingo::LightGrey))
                 .borderColor(Qt::black);
    Label15 = ball.label("Label15", {1200, 720, 255, 255}).center();
    Image1 = image("Image1", {480, 5880, 1575, 1725}).picture("bingo/eyes_open").decoration();
    Image2 = image("Image2", {2280, 5880, 1575, 1725}).picture("bingo/eyes_closed").decoration();
    Image3 = image("Image3", {4080, 5880, 1575, 1725}).picture("bingo/mouth_open").decoration();

    // The frame's boxes and buttons.
    QLabel *win = winBox("Label12", {6600, 2640, 495, 255}, "Label11", {7200, 2640, 735, 375});
    QLabel *credit =
        creditBox("Label14", {6720, 3120, 855, 255}, "Label13", {7080, 3480, 855, 375});
    for (const char *name : {"Label11", "Label12", "Label13", "Label14"})
        findChild<QLabel *>(name)->setFont(windowFont());
    Command1 = button("Command1", {6840, 3960, 1095, 495}, "START").font(9).enabled(false);
    ui::onClick(Command1, [this] { Command1_Click(); });
    Command3 = button("Command3", {6840, 4560, 1095, 375}, "PLAY OUT").font(9);
    label("Label16", {5040, 4680, 1215, 255})
        .text("Good Luck")
        .fore(ui::rgb(0, 0, 255))
        .font(9)
        .center();

    // The banners, in front of the cards and the bet table; front to back 10, 9, 8, 7.
    Picture7 = pictureBox("Picture7", {2880, 1920, 2970, 825})
                   .picture("bingo/bingo")
                   .words(QStringLiteral("BINGO !"))
                   .back(ui::rgb(255, 255, 0))
                   .visible(false);
    Picture8 = pictureBox("Picture8", {3000, 2040, 2805, 630})
                   .picture("bingo/reach")
                   .words(tr("リーチ !"))
                   .back(ui::rgb(0, 255, 255))
                   .visible(false);
    Picture9 = banners::lost(*this, "Picture9", {3000, 2040, 2805, 630});
    Picture10 = banners::win(*this, "Picture10", {3000, 2040, 2805, 630});
    for (QWidget *banner : {Picture7, Picture8, Picture9, Picture10})
        banner->raise();

    Start_Up();
    setFrameWidgets(credit, win, Command3);
}

Bingo::~Bingo() = default;

void Bingo::Start_Up()
{
    DrawCount = 0;
    for (QWidget *banner : {Picture8, Picture7, Picture9, Picture10})
        banner->hide();
    Command3->setEnabled(true);
    for (QPushButton *b : Command2)
        b->setEnabled(true);
    Shape1->setFillColor(qcolor(bingo::LightGrey));
    for (auto &card : Card)
        ui::setTag(card[29], "0");
    Label15->clear();
    for (ui::Label *l : Label1)
        l->clear();
    const QColor windowBack = palette().color(QPalette::Base);
    for (int i = 0; i < bingo::CardCells; ++i)
        for (auto &card : Card) {
            card[i]->setBackColor(windowBack);
            ui::setSelected(card[i], false);
        }
    for (int k = 0; k < 4; ++k) {
        Label6[k]->setText("0");
        ui::setSelected(cardBoxes_[k], false);
        Label8[k]->setText("0");
        Label9[k]->setText("500");
        ui::setTag(Label9[k], "0");
    }
    showWin(0);
    random().reseed();
    CardMaker = std::make_unique<cBingoMake>(random());
    BallDraw = std::make_unique<cBingoGo>(random());
    LineChecker = std::make_unique<cLineChk>();
    LineChecker->Master = drawnArray_;
    BallDraw->Canvas = ui::tagsOf(Label1);
    BallDraw->Total = 30;
    BallDraw->Last = bingo::Draws;
    BallDraw->make();
    for (auto &card : cardArrays_) {
        CardMaker->Canvas = card;
        CardMaker->make();
    }
}

void Bingo::Command2_Click(int Index)
{
    if (Index < 0 || Index >= 4 || !stake(1)) return;
    Label6[Index]->setText(QString::number(qint64(valueOf(Label6[Index]->text())) + 1));
    ui::setSelected(cardBoxes_[Index], true);
    Command1->setEnabled(true);
    Command3->setEnabled(false);
}

void Bingo::Command1_Click()
{
    if (Timer1.interval() != 0) return; // a game is already running
    SpinCount = 0;
    Timer1.setInterval(bingo::FrameMs);
    Command1->setEnabled(false);
    Command3->setEnabled(false);
    for (QPushButton *b : Command2)
        b->setEnabled(false);
    setCursor(Qt::WaitCursor);
}

void Bingo::Timer1_Timer()
{
    if (DrawCount < bingo::Draws) {
        for (ui::Label *odds : Label9)
            if (valueOf(ui::tag(odds)) == 0)
                odds->setText(QString::number(bingo::DrawOdds[DrawCount]));
        Timer1.setInterval(bingo::FrameMs);
        Picture8->hide();
        Picture7->hide();
        if (SpinCount > bingo::BallFrames - 1) {
            reveal();
        } else {
            showBallFrame(SpinCount);
            ++SpinCount;
        }
    } else if (Timer1.interval() != bingo::ResultMs) {
        settle();
    } else {
        Timer1.setInterval(0);
        Start_Up();
        unsetCursor();
    }
}

void Bingo::showBallFrame(int t)
{
    const bingo::BallFrame f = bingo::ballFrame(t);
    Label15->setText(QString::number(f.number));
    Shape1->setFillColor(qcolor(bingo::ColumnColours[f.column]));
    const ui::Picture *source = f.hostess == bingo::Hostess::EyesClosed  ? Image2
                                : f.hostess == bingo::Hostess::MouthOpen ? Image3
                                                                         : Image1;
    Picture6->setPicture(source->picture());
}

void Bingo::reveal()
{
    const int n = DrawCount;
    SpinCount = 0;
    const QString number = ui::tag(Label1[n]);
    Label15->setText(number);
    Shape1->setFillColor(qcolor(bingo::ColumnColours[bingo::columnOf(int(valueOf(number)))]));
    Timer1.setInterval(bingo::AfterRevealMs);
    LineChecker->Num = std::int16_t(n);
    for (int k = 0; k < 4; ++k) {
        LineChecker->Canvas = cardArrays_[k];
        LineChecker->BingoCheck();
        LineChecker->LineCheck();
        const int e = LineChecker->EndCheck();
        const int r = LineChecker->RichCheck();
        // A new reach: more reach lines than the card has had so far in this game.
        ui::Label *highest = Card[k][29];
        if (valueOf(ui::tag(highest)) < r) {
            if (Picture7->isHidden()) Picture8->show();
            ui::setTag(highest, QString::number(r));
        }
        // A new line: BINGO hides REACH; the first line freezes the card's odds at this draw's.
        if (valueOf(Label8[k]->text()) < e) {
            Picture8->hide();
            Picture7->show();
            Label8[k]->setText(QString::number(e));
            if (valueOf(ui::tag(Label9[k])) == 0) ui::setTag(Label9[k], Label9[k]->text());
        }
    }
    ++DrawCount;
}

void Bingo::settle()
{
    Timer1.setInterval(bingo::ResultMs);
    std::array<bingo::CardResult, 4> cards;
    for (int k = 0; k < 4; ++k)
        cards[k] = {valueOf(Label6[k]->text()), valueOf(Label8[k]->text()),
                    valueOf(Label9[k]->text())};
    const std::int64_t win = bingo::settlementWin(cards);
    (win != 0 ? Picture10 : Picture9)->show();
    pay(win);
}
