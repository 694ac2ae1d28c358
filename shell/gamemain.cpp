// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamemain.h"

#include "frame/gamewindow.h"
#include "shell/about.h"
#include "shell/gametable.h"
#include "shell/help.h"
#include "shell/records.h"
#include "ui/pictures.h"
#include "ui/placement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPushButton>
#include <QShortcut>

namespace {

struct GameButton
{
    const char *name;
    ui::Rect rect;
    const char *caption; // the source text; translated where it is shown
    const char *form;
};
// In the order of their numbers, which is also the keyboard focus order.
const GameButton Buttons[] = {
    {"Command1", {120, 120, 1095, 495}, QT_TRANSLATE_NOOP("GameMain", "ビンゴ"), "Bingo"},
    {"Command2", {120, 840, 1095, 495}, QT_TRANSLATE_NOOP("GameMain", "宝探し"), "Takara"},
    {"Command3", {1440, 840, 1095, 495}, QT_TRANSLATE_NOOP("GameMain", "ルーレット"), "Roter"},
    {"Command4", {120, 1560, 1095, 495}, QT_TRANSLATE_NOOP("GameMain", "サイコロ"), "Dice"},
    {"Command5", {1440, 120, 1095, 495}, QT_TRANSLATE_NOOP("GameMain", "スロット"), "Slot"},
    {"Command6", {2760, 120, 1095, 375}, QT_TRANSLATE_NOOP("GameMain", "おまけ"), "Winner"},
    {"Command7", {1440, 1560, 1095, 495}, QT_TRANSLATE_NOOP("GameMain", "かぶ"), "Kabu"},
    {"Command8", {2760, 1680, 1095, 375}, QT_TRANSLATE_NOOP("GameMain", "終了"), nullptr},
    {"Command9", {2760, 1080, 1095, 375}, QT_TRANSLATE_NOOP("GameMain", "Ver情報"), nullptr},
    {"Command10", {2760, 600, 1095, 375}, QT_TRANSLATE_NOOP("GameMain", "HELP"), nullptr},
    {"Command11", {120, 2280, 1095, 495}, QT_TRANSLATE_NOOP("GameMain", "ドッグレース"), "Dango"},
    {"Command12", {1440, 2280, 1095, 495}, QT_TRANSLATE_NOOP("GameMain", "マーク"), "Card"},
};

} // namespace

GameMain::GameMain(Context &context) : ui::Builder(this), context_(context)
{
    setObjectName("GameMain");
    setWindowTitle(tr("Zelkのゲーム屋さん"));
    setWindowIcon(ui::icon("icons/GameMain"));
    ui::noMaximise(this, ui::Minimise::Yes);
    ui::fixSize(this, ui::pxSize(4020, 3015));
    ui::setBackground(this, ui::rgb(192, 192, 192));

    shape("Shape1", {0, 0, 2655, 3015}, ui::Shape::Rectangle).fill(ui::rgb(128, 255, 128));
    QWidget *previous = nullptr;
    for (const GameButton &b : Buttons) {
        QPushButton *w = button(b.name, b.rect, tr(b.caption));
        if (b.form) ui::onClick(w, [this, form = QString(b.form)] { openGame(form); });
        if (previous) setTabOrder(previous, w);
        previous = w;
    }
    ui::onClick(findChild<QPushButton *>("Command8"), [this] { exitArcade(); });
    ui::onClick(findChild<QPushButton *>("Command9"), [this] { openAbout(); });
    ui::onClick(findChild<QPushButton *>("Command10"), [this] { openHelp(); });

    label("Label1", {2640, 2220, 975, 255}).text("CREDIT").center().font(11.25, ui::Bold).fore(ui::rgb(255, 0, 0));
    credit_ = label("Label2", {3000, 2520, 855, 375}).text("0").border().alignRight().font(12, ui::Bold).heading("CREDIT");
    // The CREDIT box opens the records, as does its key.
    credit_->setCursor(Qt::PointingHandCursor);
    credit_->setToolTip(tr("成績を見る (%1)").arg(recordsKey().toString(QKeySequence::NativeText)));
    ui::onClick(credit_, [this] { openRecords(); });
    auto *key = new QShortcut(recordsKey(), this);
    connect(key, &QShortcut::activated, this, [this] { openRecords(); });
    ui::centreWithFrame(this);
}

GameMain::~GameMain()
{
    // The program is ending: windows still open close without their own handlers.
    delete game_.data();
}

GameWindow *GameMain::openGame(const QString &form)
{
    const GameEntry *entry = findGame(form);
    if (!entry) return game_;
    if (game_ && game_->objectName() == form) {
        game_->raise();
        game_->activateWindow();
        return game_;
    }
    // One game window at a time: another game open is left as its leave button leaves it
    // (a running play finished, paid and saved), without the menu coming back in between.
    if (game_) game_->leave(GameWindow::ShowOpener::No);
    hide();
    game_ = entry->make(context_, this);
    game_->show();
    game_->raise();
    game_->activateWindow();
    return game_;
}

void GameMain::openHelp()
{
    if (!help_) help_ = new Help(this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void GameMain::openAbout()
{
    if (!about_) about_ = new about(this);
    about_->show();
    about_->raise();
    about_->activateWindow();
}

RecordsWindow *GameMain::openRecords()
{
    if (!records_) {
        records_ = new RecordsWindow(context_, this, [this] { return !game_; });
        connect(records_, &RecordsWindow::balanceChanged, this,
                [this] { credit_->setText(QString::number(context_.game.Credit)); });
    }
    records_->show();
    records_->raise();
    records_->activateWindow();
    return records_;
}

QKeySequence GameMain::recordsKey()
{
    return QKeySequence(Qt::CTRL | Qt::Key_R);
}

QString GameMain::menuCaption(const QString &form)
{
    for (const GameButton &b : Buttons)
        if (b.form && form == QLatin1String(b.form)) return QString::fromUtf8(b.caption);
    return form;
}

void GameMain::exitArcade()
{
    if (ending_) return;
    ending_ = true;
    context_.game.SaveCredit();
    QCoreApplication::exit(0);
}

void GameMain::Form_Activate()
{
    credit_->setText(QString::number(context_.game.Credit));
    context_.random.reseed();
}

bool GameMain::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate) Form_Activate();
    return QWidget::event(e);
}

void GameMain::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // Also refresh when shown: a platform without a window manager may not activate it.
    credit_->setText(QString::number(context_.game.Credit));
}

void GameMain::closeEvent(QCloseEvent *e)
{
    e->accept();
    exitArcade();
}
