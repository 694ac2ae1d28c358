// SPDX-License-Identifier: GPL-3.0-or-later
#include "slot.h"

#include "reels.h"

#include <QPalette>

namespace {
const QColor Grey = ui::rgb(192, 192, 192);

QString flagPicture(slot::Flag flag)
{
    switch (flag) {
    case slot::Flag::Japan:
        return QStringLiteral("slot/japan");
    case slot::Flag::USA:
        return QStringLiteral("slot/usa");
    case slot::Flag::UK:
        return QStringLiteral("slot/uk");
    case slot::Flag::Germany:
        return QStringLiteral("slot/germany");
    }
    return {};
}

QString flagName(slot::Flag flag)
{
    switch (flag) {
    case slot::Flag::Japan:
        return Slot::tr("flag of Japan");
    case slot::Flag::USA:
        return Slot::tr("flag of the USA");
    case slot::Flag::UK:
        return Slot::tr("flag of the UK");
    case slot::Flag::Germany:
        return Slot::tr("flag of Germany");
    }
    return {};
}
} // namespace

const GameWindow::Form Slot::form{"Slot", "Slot Machine", 4095, 3750, "icons/Slot"};

Slot::Slot(Context &context, QWidget *opener) : GameWindow(context, form, opener)
{
    ui::setBackground(this, Grey);

    Command1 = button("Command1", {3120, 360, 855, 495}, "START").enabled(false);
    auto window = pictureBox("Picture1", {840, 360, 1980, 525})
                      .back(ui::rgb(128, 128, 128))
                      .name(tr("reels"));
    const int reelLeft[3] = {120, 720, 1320};
    for (int k = 0; k < 3; ++k)
        reels_[k] = in(window)
                        .image(QStringLiteral("Image%1").arg(k + 1), {reelLeft[k], 0, 480, 5280})
                        .picture("slot/strip")
                        .name(tr("reel %1").arg(k + 1));

    // The payout legend: three flags in a row and the factor beside them.
    const slot::Flag legend[4] = {slot::Flag::Japan, slot::Flag::Germany, slot::Flag::USA,
                                  slot::Flag::UK};
    const char *factors[4] = {"×２００", "×５０", "×１０", "×５"};
    for (int row = 0; row < 4; ++row) {
        for (int i = 0; i < 3; ++i)
            image(ui::indexed(QStringLiteral("Image%1").arg(4 + row), i),
                  {240 + 480 * i, 1080 + 480 * row, 480, 480})
                .picture(flagPicture(legend[row]))
                .name(flagName(legend[row]));
        label(ui::indexed("Label1", row), {1800, 1200 + 480 * row, 615, 255})
            .text(QString::fromUtf8(factors[row]))
            .font(9, ui::Bold);
    }

    QLabel *win = winBox("Label6", {2880, 1200, 495, 255}, "Label3", {3240, 1560, 735, 375});
    Label2 =
        label("Label2", {2520, 2280, 615, 375}).text("0").font(12, ui::Bold).border().alignRight();
    Command2 = button("Command2", {3240, 2280, 735, 375}, "BET");
    QLabel *credit = creditBox("Label4", {2160, 3120, 975, 255}, "Label5", {3120, 3120, 855, 375});
    Command3 = button("Command3", {240, 3120, 1095, 495}, "PLAY OUT");
    setFrameWidgets(credit, win, Command3);

    ui::onClick(Command1, [this] { Command1_Click(); });
    ui::onClick(Command2, [this] { Command2_Click(); });
}

void Slot::Command2_Click()
{
    if (playing() || !stake(1)) return;
    showWin(0);
    Command1->setEnabled(true);
    Command3->setEnabled(false);
    ++bet_;
    Label2->setText(QString::number(bet_));
}

void Slot::Command1_Click()
{
    play(spin());
}

ui::Play Slot::spin()
{
    setCursor(Qt::WaitCursor);
    Command1->setEnabled(false);
    Command2->setEnabled(false);

    random().reseed();
    const int r1 = random().pick(slot::Rows);
    const int r2 = random().pick(slot::Rows);
    const int r3 = random().pick(slot::Rows);
    const slot::Spin drawn = slot::spinFromStartRows(r1, r2, r3);

    // The strips leave their resting places at once: the first frame is already one step on.
    // Each pause counts from when the previous one was due (the timeline sees to that), so time
    // spent drawing a frame does not stretch the spin. The reels move every frame but are drawn
    // at most once a display frame: the screen could not show more.
    slot::Reels reels({r1, r2, r3});
    ui::PacedFrames frames = pacedFrames();
    for (int i = 0; i < slot::Frames; ++i) {
        reels.frame(i);
        if (co_await frames.frame(i == slot::Frames - 1)) placeReels(reels.ReelOffset());
        frames.elapse(FrameInterval);
    }
    co_await frames.end();

    unsetCursor();
    pay(slot::payout(bet_, drawn.PayFactor), Save::No);
    bet_ = 0;
    Label2->setText(QStringLiteral("0"));
    Command2->setEnabled(true);
    Command3->setEnabled(true);
    saveCredit();
}

void Slot::placeReels(const std::array<int, 3> &offsets)
{
    for (int k = 0; k < 3; ++k)
        reels_[k]->move(reels_[k]->x(), ui::px(-offsets[k]));
}
