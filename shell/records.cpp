// SPDX-License-Identifier: GPL-3.0-or-later
#include "records.h"

#include "shell/gamemain.h"
#include "shell/gametable.h"
#include "ui/form.h"
#include "ui/pictures.h"
#include "ui/placement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

// The return per credit staked that the README's table gives for each game, over its bets.
struct Published
{
    const char *form;
    const char *odds;
};
constexpr Published PublishedOdds[] = {
    {"Bingo", "1.47"},      {"Slot", "1.19"},      {"Takara", "0.00–0.88"},
    {"Roter", "0.71–0.86"}, {"Dice", "1.00"},      {"Kabu", "0.63–0.94"},
    {"Dango", "0.16–2.62"}, {"Card", "0.53–2.88"}, {"Winner", "0.00"},
};

QString publishedOdds(const QString &form)
{
    for (const Published &p : PublishedOdds)
        if (form == QLatin1String(p.form)) return QString::fromUtf8(p.odds);
    return QString();
}

// The columns of the table, in twips from the panel's left edge.
struct Column
{
    const char *name; // widget name of the column's cells: "Plays(3)"
    int left, width;
};
constexpr Column Columns[] = {
    {"Game", 90, 1500},  {"Plays", 1560, 840},  {"Staked", 2460, 1140}, {"Paid", 3660, 1140},
    {"Net", 4860, 1140}, {"Return", 6060, 900}, {"Odds", 7020, 1260},   {"Best", 8340, 1110},
};
constexpr int RowTop = 420, RowHeight = 300, HeaderTop = 90;

QString signedNumber(std::int64_t n)
{
    return n > 0 ? QStringLiteral("+%1").arg(n) : QString::number(n);
}

QString ratio(const Records::Game &g)
{
    if (g.staked <= 0) return QStringLiteral("–");
    return QString::number(double(g.paid) / double(g.staked), 'f', 2);
}

} // namespace

RecordsWindow::RecordsWindow(Context &context, QWidget *menu, std::function<bool()> idle)
    : QWidget(menu, Qt::Window), context_(context), idle_(std::move(idle))
{
    setObjectName("Records");
    setWindowTitle(tr("成績"));
    setWindowIcon(ui::icon("icons/GameMain"));
    setWindowModality(Qt::ApplicationModal);
    // A fixed window: a title bar with its menu and close button, neither minimise nor maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(ui::pxSize(9840, 4920));
    ui::setBackground(this, ui::rgb(192, 192, 192));
    ui::Builder form(this);

    const auto &games = gameTable();
    const int rows = int(games.size()) + 1; // the games and the total
    auto panel = form.pictureBox("Picture1", {120, 120, 9600, RowTop + rows * RowHeight + 150})
                     .back(Qt::white)
                     .border()
                     .name(tr("records"));
    ui::Builder in = form.in(panel);

    const QString headings[] = {tr("ゲーム"), tr("回数"),   tr("賭け"),   tr("払い戻し"),
                                tr("損益"),   tr("還元率"), tr("公表値"), tr("最高配当")};
    for (int c = 0; c < int(std::size(Columns)); ++c) {
        auto h = in.label(QStringLiteral("%1Heading").arg(QLatin1String(Columns[c].name)),
                          {Columns[c].left, HeaderTop, Columns[c].width, 255})
                     .text(headings[c])
                     .font(9, ui::Bold);
        if (c == 0)
            h.alignLeft();
        else
            h.alignRight();
    }
    in.line("Line1", 60, RowTop - 60, 9540, RowTop - 60, ui::rgb(128, 128, 128));
    for (int r = 0; r < rows; ++r) {
        const bool total = r == rows - 1;
        const int top = RowTop + r * RowHeight + (total ? 90 : 0);
        for (int c = 0; c < int(std::size(Columns)); ++c) {
            auto cell = in.label(ui::indexed(QLatin1String(Columns[c].name), r),
                                 {Columns[c].left, top, Columns[c].width, 255})
                            .font(9, total ? ui::Bold : ui::Regular);
            if (c == 0)
                cell.alignLeft();
            else
                cell.alignRight();
        }
        // The game's name as the menu shows it; the published return beside the player's own.
        QLabel *name = findChild<QLabel *>(ui::indexed("Game", r));
        name->setText(
            total ? tr("合計")
                  : QCoreApplication::translate(
                        "GameMain", GameMain::menuCaption(games[r].form).toUtf8().constData()));
        if (!total)
            findChild<QLabel *>(ui::indexed("Odds", r))->setText(publishedOdds(games[r].form));
    }
    const int totalTop = RowTop + (rows - 1) * RowHeight;
    in.line("Line2", 60, totalTop + 30, 9540, totalTop + 30, ui::rgb(128, 128, 128));

    const int below = 120 + RowTop + rows * RowHeight + 150 + 150;
    since_ = form.label("Since", {240, below, 4500, 255}).font(9);
    restarts_ = form.label("Restarts", {4920, below, 4500, 255}).font(9);
    const int buttons = below + 420;
    QPushButton *reset =
        form.button("Reset", {120, buttons, 2160, 495}, tr("成績をリセット")).font(9);
    freshStart_ = form.button("FreshStart", {3300, buttons, 3240, 495}, tr("100クレジットで再開"))
                      .font(9, ui::Bold);
    QPushButton *close = form.button("Close", {8280, buttons, 1440, 495}, tr("閉じる")).font(9);
    ui::onClick(reset, [this] { askReset(); });
    ui::onClick(freshStart_, [this] { freshStart(); });
    ui::onClick(close, [this] { close_(); });
    refresh();
    ui::centreWithFrame(this);
}

bool RecordsWindow::freshStartOffered() const
{
    return context_.game.Credit == 0 && (!idle_ || idle_());
}

void RecordsWindow::refresh()
{
    const Records &records = context_.game.Record;
    const auto &games = gameTable();
    const auto show = [this](int r, const Records::Game &g) {
        const auto set = [this, r](const char *column, const QString &text) {
            findChild<QLabel *>(ui::indexed(QLatin1String(column), r))->setText(text);
        };
        set("Plays", QString::number(g.plays));
        set("Staked", QString::number(g.staked));
        set("Paid", QString::number(g.paid));
        set("Net", signedNumber(g.net()));
        set("Return", ratio(g));
        set("Best", QString::number(g.best));
    };
    for (int r = 0; r < int(games.size()); ++r) {
        const Records::Game *g = records.game(games[r].form);
        show(r, g ? *g : Records::Game{games[r].form});
    }
    show(int(games.size()), records.total());
    since_->setText(tr("記録の開始日: %1").arg(records.since().toString(Qt::ISODate)));
    restarts_->setText(tr("100クレジットで再開した回数: %1").arg(records.restarts()));
    freshStart_->setVisible(freshStartOffered());
}

void RecordsWindow::askReset()
{
    if (confirm_) return;
    confirm_ = new QMessageBox(QMessageBox::Question, tr("成績"),
                               tr("成績をすべて消して、今日から記録し直しますか？\n"
                                  "クレジットはそのままです。"),
                               QMessageBox::NoButton, this);
    confirm_->setObjectName("ResetConfirm");
    confirm_->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton *yes = confirm_->addButton(tr("リセット"), QMessageBox::AcceptRole);
    yes->setObjectName("ResetYes");
    QPushButton *no = confirm_->addButton(tr("やめる"), QMessageBox::RejectRole);
    no->setObjectName("ResetNo");
    confirm_->setDefaultButton(no);
    connect(confirm_, &QMessageBox::finished, this, [this, yes] {
        const bool accepted = confirm_ && confirm_->clickedButton() == yes;
        confirm_ = nullptr;
        if (accepted) resetConfirmed();
    });
    confirm_->open();
}

void RecordsWindow::resetConfirmed()
{
    context_.game.Record.reset(QDate::currentDate());
    context_.game.Record.save();
    refresh();
}

void RecordsWindow::freshStart()
{
    if (!freshStartOffered()) return;
    context_.game.add(Records::FreshStartCredits);
    context_.game.Record.freshStart();
    context_.game.SaveCredit();
    refresh();
    emit balanceChanged();
}

void RecordsWindow::close_()
{
    hide();
    deleteLater();
}

void RecordsWindow::showEvent(QShowEvent *e)
{
    refresh();
    QWidget::showEvent(e);
}

void RecordsWindow::closeEvent(QCloseEvent *e)
{
    e->accept();
    close_();
}
