// SPDX-License-Identifier: GPL-3.0-or-later
#include "winner.h"

#include "ui/pictures.h"

#include <QPushButton>

namespace {

constexpr int TileWidth = 75; // pixels of one piece
constexpr int TileHeight = 70;

const QColor Board = ui::rgb(224, 224, 224);
const QColor Red = ui::rgb(255, 0, 0);
const QColor Black = ui::rgb(0, 0, 0);

// Piece k of the puzzle picture: its column k % 4 and row k / 4.
QPixmap tile(const QPixmap &whole, int k)
{
    const qreal dpr = whole.devicePixelRatio();
    const QRectF cut(TileWidth * (k % premium::Columns) * dpr,
                     TileHeight * (k / premium::Columns) * dpr, TileWidth * dpr, TileHeight * dpr);
    QPixmap piece = whole.copy(cut.toAlignedRect());
    piece.setDevicePixelRatio(dpr);
    return piece;
}

} // namespace

const GameWindow::Form Winner::form{"Winner", "Premium", 6015, 4230, "icons/Winner"};

Winner::Winner(Context &context, QWidget *opener) : GameWindow(context, form, opener)
{
    Picture1 = pictureBox("Picture1", {0, 0, 4530, 4230}).back(Board).name(tr("puzzle"));
    const ui::Builder board = in(Picture1);
    const QPixmap puzzle = ui::picture("premium/puzzle");
    for (int k = 0; k < premium::PieceCount; ++k) {
        const int column = k % premium::Columns, row = k / premium::Columns;
        Image2[k] = board.image(ui::indexed("Image2", k), {1125 * column, 1050 * row, 1125, 1050})
                        .picture(tile(puzzle, k))
                        .name(tr("piece %1").arg(k + 1))
                        .visible(false);
    }
    // The numbers lie above the pieces.
    static constexpr int NumberLeft[] = {480, 1560, 2760, 3840};
    static constexpr int NumberTop[] = {360, 1440, 2520, 3600};
    for (int k = 0; k < premium::PieceCount; ++k) {
        const int column = k % premium::Columns, row = k / premium::Columns;
        Label1[k] =
            board.label(ui::indexed("Label1", k), {NumberLeft[column], NumberTop[row], 255, 255})
                .text(QString::number(k + 1))
                .font(12, ui::Bold)
                .center();
    }

    Command1 = button("Command1", {4680, 120, 1215, 495}, "Close").font(12, ui::Bold);
    Command2 = button("Command2", {4680, 840, 1215, 495}, "50 BET").font(11.25, ui::Bold);
    label("Label3", {4800, 1560, 495, 375}).text("NO.").font(14.25, ui::Bold);
    Label2 = label("Label2", {5280, 1560, 495, 375}).font(14.25, ui::Bold).center().border();
    Command3 =
        button("Command3", {4800, 2040, 975, 495}, "STOP").font(9.75, ui::Bold).enabled(false);
    QLabel *win = nullptr;
    QLabel *credit = creditBox("Label4", {4680, 2760, 975, 255}, "Label5", {4920, 3120, 855, 375});
    Command4 =
        button("Command4", {4680, 3600, 1215, 495}, "CLEAR").font(9, ui::Bold).visible(false);
    // The bonus picture waits below the client area; it is only ever copied onto the board.
    Image1 = image("Image1", {0, 4440, 4500, 4200})
                 .picture("premium/bonus")
                 .name(tr("bonus picture"))
                 .visible(false);

    ui::onClick(Command2, [this] { Command2_Click(); });
    ui::onClick(Command3, [this] { Command3_Click(); });
    ui::onClick(Command4, [this] { Command4_Click(); });
    setFrameWidgets(credit, win, Command1);

    PuzzleComplete = false;
    loadPieces();
}

bool Winner::owned(int k) const
{
    return !Image2[k]->isHidden();
}

int Winner::countOwned()
{
    int count = 0;
    for (int k = 0; k < premium::PieceCount; ++k) {
        if (!owned(k)) continue;
        Label1[k]->hide();
        ++count;
    }
    return count;
}

void Winner::showBonus()
{
    PuzzleComplete = true;
    Picture1->setPicture(Image1->picture());
}

void Winner::loadPieces()
{
    for (int k = 0; k < premium::PieceCount; ++k) {
        const auto &piece = premium::PieceKeys[k];
        const QByteArray stored =
            game().readKey(piece.key, QByteArray::fromStdString(premium::defaultText(k)));
        if (premium::isOwned(k, stored.toStdString())) Image2[k]->show();
    }
    if (countOwned() == premium::PieceCount) {
        showBonus();
        for (auto *piece : Image2)
            piece->hide();
        Command2->setEnabled(false);
        Command4->show();
    }
}

void Winner::Command2_Click()
{
    if (playing()) return; // one purchase at a time; nothing is taken for a second one
    if (!stake(Price)) return;
    StopPressed = false;
    Command1->setEnabled(false);
    Command2->setEnabled(false);
    Command3->setEnabled(true);
    saveCredit(); // the price is saved before the selection runs
    for (auto *number : Label1) {
        number->show();
        number->setForeColor(Black);
        ui::setSelected(number, false);
    }
    play(purchase());
}

ui::Play Winner::purchase()
{
    // The highlight moves once per step until STOP; a STOP during a step's pause still lets
    // that step move it, so the first number that can be chosen is 2.
    int Pick = 0;
    while (!StopPressed) {
        co_await pause(HighlightStep);
        Label1[Pick]->setForeColor(Black);
        ui::setSelected(Label1[Pick], false);
        Pick = (Pick + 1) % premium::PieceCount;
        Label1[Pick]->setForeColor(Red);
        ui::setSelected(Label1[Pick], true);
        Label2->setText(QString::number(Pick + 1));
    }
    co_await pause(ChosenPause);

    // Reveal the piece; one already owned stays as it is. The piece bought is written at once,
    // as its price was: nothing can lose it.
    Label1[Pick]->hide();
    Image2[Pick]->show();
    writePieces();
    if (countOwned() == premium::PieceCount) {
        // The bonus picture goes onto the board and the pieces vanish from it one by one.
        showBonus();
        for (auto *piece : Image2) {
            piece->hide();
            co_await pause(VanishStep);
        }
    } else {
        Command2->setEnabled(true);
    }
    Command1->setEnabled(true);
    settle(0); // a purchase pays nothing back; the piece (and the bonus picture) is its return
}

void Winner::Command3_Click()
{
    StopPressed = true;
    Command3->setEnabled(false);
}

void Winner::Command4_Click()
{
    PuzzleComplete = false;
    Picture1->setPicture(QPixmap());
    for (int k = 0; k < premium::PieceCount; ++k) {
        Label1[k]->show();
        Image2[k]->hide();
    }
    Command2->setEnabled(true);
    Command4->hide();
}

void Winner::finishing()
{
    // Closing during a selection stops it as STOP would; the purchase then reveals its piece.
    if (Command3->isEnabled()) Command3_Click();
}

void Winner::leaving()
{
    writePieces();
}

void Winner::writePieces()
{
    QList<QPair<QByteArray, QByteArray>> keys;
    for (int k = 0; k < premium::PieceCount; ++k) {
        // While the bonus picture is shown the pieces are hidden, yet all of them are owned.
        const bool have = PuzzleComplete || owned(k);
        keys.append({premium::PieceKeys[k].key, Game_C::numberText(premium::storedValue(k, have))});
    }
    game().writeKeys(keys);
}
