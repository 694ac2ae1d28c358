// SPDX-License-Identifier: GPL-3.0-or-later
#include "dango.h"

#include "games/bingo/draw/cbingogo.h"

#include <QPushButton>

#include <algorithm>
#include <string_view>

namespace {

constexpr std::array<const char *, dograce::Pairs> PairCaptions{
    "１－２", "１－３", "１－４", "１－５", "２－３",
    "２－４", "２－５", "３－４", "３－５", "４－５"};

// The bet grid: three columns of button, odds box and bet box; four rows.
struct Cell
{
    int column, row;
};
constexpr std::array<Cell, dograce::Pairs> GridCells{
    {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {2, 3}}};
constexpr std::array<int, 3> ButtonLeft{120, 2160, 4200};
constexpr std::array<int, 3> OddsLeft{960, 3000, 5040};
constexpr std::array<int, 3> BetLeft{1560, 3600, 5640};
constexpr std::array<int, 4> RowTop{360, 840, 1320, 1800};

constexpr int laneTop(int i)
{
    return 120 + 480 * i;
}

QString spriteName(int type)
{
    return QStringLiteral("dograce/dog%1").arg(type);
}

std::string_view view(const QByteArray &text)
{
    return {text.constData(), std::size_t(text.size())};
}

} // namespace

const GameWindow::Form Dango::form{"Dango", "Dog Race", 8310, 3375, "icons/Dango"};

Dango::Dango(Context &context, QWidget *opener) : GameWindow(context, form, opener)
{
    using namespace dograce;
    const QColor window = palette().color(QPalette::Base);

    // The track, with the start line on the right and the goal line on the left.
    Picture1 = pictureBox("Picture1", {0, 0, 8295, 2535}).back(window).name(tr("track"));
    const ui::Builder track = in(Picture1);
    track.line("Line3", 7680, 120, 7680, 2400, ui::rgb(255, 0, 0), 3);
    track.line("Line1", 720, 120, 720, 2400, Qt::black, 3);
    for (int i = 0; i < Lanes; ++i) {
        Picture2[i] =
            track.pictureBox(ui::indexed("Picture2", i), {StartLine, laneTop(i), 510, 390})
                .back(Qt::white)
                .border()
                .picture("dograce/plain")
                .name(tr("dog %1").arg(i + 1));
        Label2[i] = track.label(ui::indexed("Label2", i), {120, laneTop(i), 375, 375})
                        .text(QString::number(i + 1))
                        .font(15.75, ui::Bold)
                        .center()
                        .border();
    }

    // The betting panel over the middle of the track.
    Picture4 = pictureBox("Picture4", {1080, 120, 6255, 2295})
                   .back(ui::rgb(224, 224, 224))
                   .name(tr("bets"));
    const ui::Builder panel = in(Picture4);
    for (int c = 0; c < 3; ++c) {
        panel.label(QStringLiteral("Label%1").arg(7 + c), {OddsLeft[c] - 120, 120, 615, 255})
            .text("ODDS")
            .font(9.75, ui::Bold)
            .center();
        panel.label(QStringLiteral("Label%1").arg(10 + c), {BetLeft[c], 120, 375, 255})
            .text("BET")
            .font(9.75, ui::Bold)
            .center();
    }
    for (int j = 0; j < Pairs; ++j) {
        const Cell cell = GridCells[j];
        const int top = RowTop[cell.row];
        Command3[j] =
            panel
                .button(ui::indexed("Command3", j), {ButtonLeft[cell.column], top, 735, 375},
                        QString::fromUtf8(PairCaptions[j]))
                .font(9, ui::Bold);
        ui::onClick(Command3[j], [this, j] { Command3_Click(j); });
        Label5[j] = panel.label(ui::indexed("Label5", j), {OddsLeft[cell.column], top, 375, 375})
                        .text("10")
                        .font(14.25, ui::Bold)
                        .alignRight()
                        .border()
                        .back(window);
        Label6[j] = panel.label(ui::indexed("Label6", j), {BetLeft[cell.column], top, 375, 375})
                        .text("0")
                        .font(14.25, ui::Bold)
                        .alignRight()
                        .border()
                        .back(window);
    }

    // The result panel: the two placed lanes, smaller number left.
    Picture3 = pictureBox("Picture3", {1560, 2640, 2175, 615})
                   .back(ui::rgb(192, 192, 192))
                   .name(tr("result"));
    const ui::Builder result = in(Picture3);
    result.label("Label4", {0, 120, 735, 375})
        .text(tr("確定"))
        .fore(ui::rgb(0, 0, 255))
        .font(15.75, ui::Bold);
    for (int k = 0; k < 2; ++k)
        Label3[k] = result.label(ui::indexed("Label3", k), {840 + 840 * k, 120, 375, 375})
                        .font(14.25, ui::Bold)
                        .center()
                        .border();
    result.line("Line2", 1320, 300, 1560, 300, Qt::black, 4);
    Picture3->hide();

    Command2 = button("Command2", {120, 2760, 1215, 495}, "START");
    ui::onClick(Command2, [this] { Command2_Click(); });

    QLabel *win = winBox("Label15", {3960, 2640, 495, 255}, "Label16", {4200, 2880, 975, 375});
    QLabel *credit =
        creditBox("Label14", {5520, 2640, 975, 255}, "Label13", {6000, 2880, 975, 375});
    Command1 = button("Command1", {7080, 2760, 1095, 495}, "PLAY OUT");
    setFrameWidgets(credit, win, Command1);

    // Below the client area, never shown: the sprites of the five types and the holders of
    // the lane draw.
    for (int t = 0; t < Types; ++t)
        Image1[t] = image(ui::indexed("Image1", t), {1560 + 600 * t, 3600, 480, 360})
                        .picture(spriteName(t))
                        .visible(false);
    for (int i = 0; i < Lanes; ++i)
        Label1[i] = label(ui::indexed("Label1", i), {120 + 240 * i, 3600, 255, 255}).visible(false);

    SYOKI();
}

void Dango::drawLanes()
{
    cBingoGo LaneDraw(random());
    LaneDraw.Total = dograce::Lanes;
    LaneDraw.Last = dograce::Lanes;
    LaneDraw.Canvas = ui::tagsOf(Label1);
    LaneDraw.make();
}

void Dango::SYOKI()
{
    using namespace dograce;
    drawLanes();
    Picture3->hide();
    for (auto *l : Label3)
        l->setText(QString());

    for (int t = 0; t < Types; ++t)
        TypeScore[t] =
            scoreFromText(view(game().readKey(ScoreKeys[t], QByteArray::number(DefaultScores[t]))));
    const auto factors = typeFactors(TypeScore);

    for (int i = 0; i < Lanes; ++i) {
        const int t = std::clamp(ui::tagNumber(Label1[i]) - 1, 0, Types - 1);
        Picture2[i]->setPicture(Image1[t]->picture());
        ui::setTag(Picture2[i], QString::number(t));
        Picture2[i]->move(ui::px(StartLine), ui::px(laneTop(i)));
        Label2[i]->setText(QString::number(i + 1));
        LaneFactor[i] = factors[t];
    }
    const QColor window = palette().color(QPalette::Base);
    for (int j = 0; j < Pairs; ++j) {
        bets_[j] = 0;
        showBet(j);
        Label6[j]->setBackColor(window);
        ui::setSelected(Label6[j], false);
    }
    for (int j = 0; j < Pairs; ++j) {
        odds_[j] = pairOdds(LaneFactor[PairLanes[j].a - 1], LaneFactor[PairLanes[j].b - 1]);
        Label5[j]->setText(QString::number(odds_[j]));
    }
    showWin(0);
    showCredit();
    Command2->setEnabled(false);
}

void Dango::showBet(int j)
{
    Label6[j]->setText(QString::number(bets_[j]));
}

void Dango::Command3_Click(int j)
{
    // No bet is taken while a race or its result is on: the next set-up would wipe it.
    if (playing()) return;
    if (!stake(1)) return;
    ++bets_[j];
    showBet(j);
    Command1->setEnabled(false);
    Command2->setEnabled(true);
}

void Dango::Command2_Click()
{
    play(race());
}

ui::Play Dango::race()
{
    using namespace dograce;
    Command2->setEnabled(false);
    Picture4->hide();
    for (auto *l : Label2)
        l->setText(QString());
    std::array<int, Lanes> types{};
    for (int i = 0; i < Lanes; ++i)
        types[i] = ui::tagNumber(Picture2[i]);
    Race run(types);

    co_await pause(StartPause);
    // Each frame moves the dogs in a fresh order and is shown for one frame interval.
    while (!run.over()) {
        drawLanes();
        std::array<int, Lanes> order{};
        for (int c = 0; c < Lanes; ++c) {
            Label1[c]->setText(ui::tag(Label1[c]));
            order[c] = ui::tagNumber(Label1[c]) - 1;
        }
        for (const Race::Move &m : run.frame(order, [this] { return random().rnd(); })) {
            Picture2[m.lane]->move(ui::px(m.to), Picture2[m.lane]->y());
            if (m.place == 0) continue;
            Label2[m.lane]->setText(QString::number(m.place));
            const int t = run.type(m.lane);
            if (t >= 0 && t < Types) TypeScore[t] = raisedScore(TypeScore[t]);
            Label3[m.place - 1]->setText(QString::number(m.lane + 1));
        }
        if (run.over()) break;
        co_await pause(FrameInterval);
    }
    if (Label3[0]->text() > Label3[1]->text()) {
        const QString first = Label3[0]->text();
        Label3[0]->setText(Label3[1]->text());
        Label3[1]->setText(first);
    }
    Picture3->show();
    writeScores();

    Picture4->show();
    const int j = winningPair(Label3[0]->text().toInt(), Label3[1]->text().toInt());
    Label6[j]->setBackColor(ui::rgb(255, 255, 0));
    ui::setSelected(Label6[j], true);
    pay(std::int64_t(odds_[j]) * bets_[j]);

    co_await pause(ResultPause);
    SYOKI();
    Command1->setEnabled(true);
}

void Dango::writeScores()
{
    QList<QPair<QByteArray, QByteArray>> keys;
    for (int t = 0; t < dograce::Types; ++t)
        keys.append({dograce::ScoreKeys[t], Game_C::numberText(TypeScore[t])});
    game().writeKeys(keys);
}

void Dango::leaving()
{
    writeScores();
}
