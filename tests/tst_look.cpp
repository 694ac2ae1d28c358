// SPDX-License-Identifier: GPL-3.0-or-later
// What the player sees, over every window: every label's text whole inside its box, framed boxes
// that draw their digits whole and read closed on white, and Bingo's fonts and bet-table caption.
#include "testing.h"

#include "shell/gamemain.h"
#include "shell/gametable.h"
#include "ui/form.h"
#include "ui/pictures.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTextLayout>

#include <algorithm>
#include <climits>
#include <cmath>
#include <tuple>
#include <vector>

namespace {

constexpr int Largest = INT_MAX; // the largest balance the store keeps

// Where a label's text went wrong, or "" when every glyph lies inside its contents rectangle:
// measured with the metrics of the font the label drew at, laid out as QPainter lays it out.
QString cut(const ui::Label *l)
{
    const ui::Label::Drawn &d = l->drawn();
    const QFontMetricsF fm(d.font);
    const QRectF inside(l->contentsRect());
    QRectF ink;
    if (l->wordWrap()) {
        // Lines of the paragraph: the last one's ink ends on its baseline, or where its Latin
        // letters' descenders (g, p, y) end below it.
        ink = fm.boundingRect(inside, int(l->alignment()) | Qt::TextWordWrap, d.text);
        QTextLayout layout(d.text, d.font);
        QTextOption option(l->alignment());
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine last;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(inside.width());
            last = line;
        }
        layout.endLayout();
        QString latin; // Japanese letters stand on the line as set
        if (last.isValid())
            for (QChar c : d.text.mid(last.textStart(), last.textLength()))
                if (c.unicode() < 0x3000 && !c.isSpace()) latin += c;
        // Less than a pixel below the baseline is the overshoot of round letters, not a descender.
        qreal below = latin.isEmpty() ? 0 : fm.tightBoundingRect(latin).bottom();
        if (below < 1) below = 0;
        ink.setBottom(ink.bottom() - fm.descent() + below);
    } else {
        const QRectF room = d.room;
        const QRectF layout = fm.boundingRect(room, int(l->alignment()), d.text);
        const QStringList lines = d.text.split('\n');
        for (int i = 0; i < lines.size(); ++i) {
            const qreal advance = fm.horizontalAdvance(lines[i]);
            const Qt::Alignment a = l->alignment();
            const qreal x = a & Qt::AlignRight     ? room.right() - advance
                            : a & Qt::AlignHCenter ? room.left() + (room.width() - advance) / 2
                                                   : room.left();
            const qreal baseline = layout.top() + fm.ascent() + i * fm.lineSpacing();
            ink |= fm.tightBoundingRect(lines[i]).translated(x, baseline);
        }
    }
    constexpr qreal slack = 0.01;
    if (ink.left() >= inside.left() - slack && ink.right() <= inside.right() + slack &&
        ink.top() >= inside.top() - slack && ink.bottom() <= inside.bottom() + slack)
        return {};
    QString where;
    QDebug(&where) << l->objectName() << d.text << "ink" << ink << "inside" << inside
                   << d.font.family() << d.font.pixelSize() << "px" << d.font.stretch() << "%";
    return where;
}

// The largest values that boxes show, beyond the CREDIT and WIN boxes: stakes of a hundred on a
// Dice outcome, field or line, a dog race pair's highest odds and a stake of a hundred on it,
// Treasure's and Bingo's stakes, roulette's stake boxes, Kabu's and Mark's bets.
struct LargestValue
{
    const char *form;
    const char *label; // a name, or the name of an array with "(" at its end
    const char *value;
};
constexpr LargestValue LargestValues[] = {
    {"Dice", "Label1(", "100"},   {"Dice", "Label3(", "100"},  {"Dice", "Label4(", "100"},
    {"Dango", "Label5(", "99"},   {"Dango", "Label6(", "100"}, {"Takara", "Label1", "12345"},
    {"Bingo", "Label6(", "9999"}, {"Bingo", "Label9(", "500"}, {"Roter", "Label2", "1000"},
    {"Roter", "Label3", "1000"},  {"Roter", "Label4", "1000"}, {"Roter", "Label5", "1000"},
    {"Kabu", "Label3(", "9999"},  {"Card", "Label4", "9999"},
};

void showLargest(QWidget *window)
{
    for (const LargestValue &v : LargestValues)
        if (window->objectName() == v.form)
            for (ui::Label *l : window->findChildren<ui::Label *>()) {
                const QString name = l->objectName(), want = v.label;
                if (want.endsWith('(') ? name.startsWith(want) : name == want) l->setText(v.value);
            }
}

// Where a label drawn narrower or smaller than its font became hard to read, or "": its digits
// shorter than LeastDigitPixels, or a letter of it drawn nowhere as dark as the text colour (a
// squeezed stroke smeared into grey). Judged from the label as painted.
QString illegible(ui::Label *l)
{
    const ui::Label::Drawn &d = l->drawn();
    const QFont given = l->font();
    if (d.text.isEmpty() ||
        (d.font.family() == given.family() && d.font.families() == given.families() &&
         d.font.pixelSize() == given.pixelSize() && d.font.stretch() == given.stretch()))
        return {};
    QString digits;
    for (const QChar c : d.text)
        if (c.isDigit()) digits += c;
    QString where;
    QDebug debug(&where);
    debug << l->objectName() << d.text << d.font.families() << d.font.pixelSize() << "px"
          << d.font.stretch() << "%";
    // Each glyph's darkest pixel, as a share of the contrast between fill and text colour.
    const QImage image = l->grab().toImage();
    const QColor fore = l->palette().color(QPalette::WindowText);
    const QColor back = l->palette().color(QPalette::Window);
    const auto share = [&](QRgb px) {
        const int full = qAbs(qGray(fore.rgb()) - qGray(back.rgb()));
        return full ? qreal(qAbs(qGray(px) - qGray(back.rgb()))) / full : 1.0;
    };
    // Read in the screen's pixels (two to the window's pixel at 2x), heights given in the window's.
    const qreal ratio = image.devicePixelRatio();
    const QRect logical = l->contentsRect();
    const QRect inside(QPoint(qRound(logical.left() * ratio), qRound(logical.top() * ratio)),
                       QSize(qRound(logical.width() * ratio), qRound(logical.height() * ratio)));
    qreal weakest = 1, glyph = 0; // glyph: the darkest share of the run of ink columns so far
    for (int x = inside.left(); x <= inside.right() + 1; ++x) {
        qreal column = 0;
        for (int y = inside.top(); x <= inside.right() && y <= inside.bottom(); ++y)
            column = std::max(column, share(image.pixel(x, y)));
        if (column > 0.15)
            glyph = std::max(glyph, column);
        else if (glyph > 0)
            weakest = std::min(weakest, glyph), glyph = 0;
    }
    debug << "darkest" << weakest;
    bool bad = weakest < 0.9;
    if (!digits.isEmpty()) {
        // A text of digits alone: the rows with ink at least half as dark as the text colour;
        // else the digits' ink as the font measures it.
        qreal height = QFontMetricsF(d.font).tightBoundingRect(digits).height();
        if (digits == d.text) {
            int rows = 0;
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                for (int x = inside.left(); x <= inside.right(); ++x)
                    if (share(image.pixel(x, y)) >= 0.5) {
                        ++rows;
                        break;
                    }
            height = rows / ratio;
        }
        debug << "digits" << height << "px tall";
        bad = bad || height < ui::LeastDigitPixels - 0.01;
    }
    return bad ? where : QString();
}

// Paints each visible label of the window as the screen would (also those scrolled out of sight)
// and lists those whose text is cut.
QStringList cutLabels(QWidget *window, const QString &state)
{
    QStringList faults;
    for (ui::Label *l : window->findChildren<ui::Label *>())
        if (l->window() == window && l->isVisibleTo(window) && !l->text().isEmpty()) {
            l->grab();
            if (const QString c = cut(l); !c.isEmpty())
                faults << window->objectName() + " " + state + ": " + c;
            if (const QString c = illegible(l); !c.isEmpty())
                faults << window->objectName() + " " + state + " illegible: " + c;
        }
    return faults;
}

bool leaves(const QAbstractButton *b)
{
    return b->text() == "PLAY OUT" || b->text() == "Close";
}

// Clicks every enabled, visible button of the window but its leave button; only the start
// buttons when starting.
void clickButtons(QWidget *window, bool starting, int times = 1)
{
    for (int n = 0; n < times; ++n)
        for (QPushButton *b : window->findChildren<QPushButton *>())
            if (b->isVisibleTo(window) && b->isEnabled() && !leaves(b) &&
                (b->text() == "START") == starting)
                QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
}

// The framed label nearest to the heading with this caption: the CREDIT or WIN box.
ui::Label *boxUnder(QWidget *window, const QString &heading)
{
    const auto labels = window->findChildren<ui::Label *>();
    const ui::Label *head = nullptr;
    for (const ui::Label *l : labels)
        if (l->text() == heading && l->frameWidth() == 0) head = l;
    if (!head) return nullptr;
    ui::Label *nearest = nullptr;
    int best = INT_MAX;
    for (ui::Label *l : labels) {
        if (l->frameWidth() == 0 || l->parentWidget() != head->parentWidget()) continue;
        const int d = (l->geometry().center() - head->geometry().center()).manhattanLength();
        if (d < best) best = d, nearest = l;
    }
    return nearest;
}

// Columns of the image, left to right, that hold ink (darker than grey `lighter`) in area.
std::vector<int> inkColumns(const QImage &image, const QRect &area, int lighter = 96)
{
    std::vector<int> columns;
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            if (qGray(image.pixel(x, y)) < lighter) {
                columns.push_back(x);
                break;
            }
    return columns;
}

// Runs of ink columns no more than gap apart, as (first, last) column.
std::vector<std::pair<int, int>> runs(const std::vector<int> &columns, int gap)
{
    std::vector<std::pair<int, int>> out;
    for (int x : columns)
        if (!out.empty() && x - out.back().second <= gap)
            out.back().second = x;
        else
            out.push_back({x, x});
    return out;
}

} // namespace

class TestLook : public QObject
{
    Q_OBJECT
private slots:
    // Every window, as it opens, staked, playing and after its result, with the largest balance
    // in its CREDIT box and the largest win in its WIN box: no label's text is cut.
    void everyLabelWhole()
    {
        Bench bench;
        bench.game.Credit = Largest;
        QStringList faults;
        GameMain menu(bench.context);
        menu.show();
        menu.openHelp();
        menu.openAbout();
        for (const char *name : {"GameMain", "Help", "about"}) {
            QWidget *w = name == QString("GameMain") ? &menu : menu.findChild<QWidget *>(name);
            QVERIFY(w);
            faults << cutLabels(w, "open");
        }
        for (const GameEntry &g : gameTable()) {
            GameWindow *w = g.make(bench.context, &bench.menu);
            w->show();
            faults << cutLabels(w, "start");
            clickButtons(w, false, 3);
            faults << cutLabels(w, "staked");
            clickButtons(w, true);
            bench.advance(1500);
            faults << cutLabels(w, "playing");
            bench.advance(300000);
            clickButtons(w, false);
            bench.advance(300000);
            faults << cutLabels(w, "result");
            if (ui::Label *win = boxUnder(w, "WIN")) win->setText(QString::number(Largest));
            if (ui::Label *credit = boxUnder(w, "CREDIT"))
                credit->setText(QString::number(Largest));
            showLargest(w);
            faults << cutLabels(w, "largest");
            delete w;
        }
        for (const QString &f : faults)
            qWarning("%s", qPrintable(f));
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 labels cut").arg(faults.size())));
    }

    // A framed odds or bet box of the dog race, as drawn: no ink on the inner edge of the border,
    // and the text's ink as wide as the same text drawn freely at the same font: nothing of it
    // lost to the edge.
    void framedDigitsWhole_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("points");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<bool>("centred"); // else aligned right
        const QRect dogRace(0, 0, 375, 375), roulette(0, 0, 615, 255);
        QTest::newRow("99") << "99" << 14.25 << dogRace << false;
        QTest::newRow("88") << "88" << 14.25 << dogRace << false;
        QTest::newRow("100") << "100" << 14.25 << dogRace << false;
        QTest::newRow("11") << "11" << 14.25 << dogRace << false;
        QTest::newRow("roulette 0") << "0" << 11.25 << roulette << true;
        QTest::newRow("roulette 8") << "8" << 11.25 << roulette << true;
        QTest::newRow("roulette 1000") << "1000" << 11.25 << roulette << true;
    }
    void framedDigitsWhole()
    {
        QFETCH(QString, text);
        QFETCH(double, points);
        QFETCH(QRect, twips);
        QFETCH(bool, centred);
        QWidget form;
        ui::setBackground(&form, Qt::white);
        ui::LabelRef box = ui::Builder(&form)
                               .label("Label5(0)", {0, 0, twips.width(), twips.height()})
                               .text(text)
                               .font(points, ui::Bold)
                               .border()
                               .opaque();
        centred ? box.center() : box.alignRight();
        const QImage image = box->grab().toImage();
        const QRect inside = box->contentsRect();
        // Not a shade of ink against the border: the text stands clear of it.
        for (const QRect edge : {QRect(inside.left(), inside.top(), 1, inside.height()),
                                 QRect(inside.right(), inside.top(), 1, inside.height()),
                                 QRect(inside.left(), inside.top(), inside.width(), 1),
                                 QRect(inside.left(), inside.bottom(), inside.width(), 1)})
            QVERIFY2(inkColumns(image, edge, 224).empty(),
                     qPrintable(QStringLiteral("ink on the inner edge at %1,%2 %3x%4, %5 px")
                                    .arg(edge.x())
                                    .arg(edge.y())
                                    .arg(edge.width())
                                    .arg(edge.height())
                                    .arg(box->drawn().font.pixelSize())));

        QImage free(200, 80, QImage::Format_RGB32);
        free.fill(Qt::white);
        QPainter p(&free);
        p.setFont(box->drawn().font);
        p.setPen(Qt::black);
        p.drawText(QPoint(50, 50), text);
        p.end();
        const auto drawn = inkColumns(image, inside), alone = inkColumns(free, free.rect());
        QVERIFY(!drawn.empty());
        QVERIFY2(qAbs((drawn.back() - drawn.front()) - (alone.back() - alone.front())) <= 1,
                 qPrintable(QStringLiteral("ink %1 to %2 in the box, %3 wide alone")
                                .arg(drawn.front())
                                .arg(drawn.back())
                                .arg(alone.back() - alone.front())));
    }

    // Texts that only fit when fitted: too tall for the box at their font (made smaller), and
    // glyphs whose ink reaches past their advance at the box's edge (moved inside). Each, drawn
    // in a label on white, has all its ink inside the label, and its drawn ink is as wide as the
    // same text drawn freely at the font the label drew it at: nothing of it lost to the edge.
    void fittedTextWhole_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("points");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<bool>("right"); // aligned right, else left
        QTest::newRow("too tall") << "88" << 24.0 << QRect(0, 0, 1200, 255) << false;
        QTest::newRow("j at the left edge") << "j" << 24.0 << QRect(0, 0, 900, 600) << false;
        QTest::newRow("T at the right edge") << "T" << 24.0 << QRect(0, 0, 900, 600) << true;
    }
    void fittedTextWhole()
    {
        QFETCH(QString, text);
        QFETCH(double, points);
        QFETCH(QRect, twips);
        QFETCH(bool, right);
        QWidget form;
        ui::setBackground(&form, Qt::white);
        ui::Label *label =
            ui::Builder(&form)
                .label("Label1", {twips.x(), twips.y(), twips.width(), twips.height()})
                .text(text)
                .font(points)
                .opaque()
                .back(Qt::white);
        if (right) ui::LabelRef(label).alignRight();
        const QImage image = label->grab().toImage();
        const QString c = cut(label);
        QVERIFY2(c.isEmpty(), qPrintable(c));

        QImage free(300, 120, QImage::Format_RGB32);
        free.fill(Qt::white);
        QPainter p(&free);
        p.setFont(label->drawn().font);
        p.setPen(Qt::black);
        p.drawText(QPoint(100, 80), text);
        p.end();
        const auto drawn = inkColumns(image, image.rect()), alone = inkColumns(free, free.rect());
        QVERIFY(!drawn.empty());
        QVERIFY2(drawn.back() - drawn.front() == alone.back() - alone.front(),
                 qPrintable(QStringLiteral("ink %1 to %2 in the label, %3 wide alone")
                                .arg(drawn.front())
                                .arg(drawn.back())
                                .arg(alone.back() - alone.front())));
    }

    // A text too wide for its box is drawn narrower, down to 70 % of its face's width, and only
    // past that smaller: in a box of any width, a text drawn smaller would not fit one pixel
    // larger at 70 %.
    void narrowerBeforeSmaller()
    {
        const QFont given = ui::font(12);
        const QString text = "1234567890";
        const int flags = Qt::AlignLeft | Qt::AlignTop;
        const int own = QFontInfo(given).pixelSize();
        const int natural = qCeil(QFontMetricsF(given).horizontalAdvance(text));
        int smaller = 0;
        for (int width = natural + 2; width > natural / 2; --width) {
            const QRect room(0, 0, width, 40);
            const QFont drawn = ui::fitText(given, text, room, flags).font;
            if (drawn.pixelSize() <= 0 || drawn.pixelSize() >= own) continue;
            ++smaller;
            QFont larger = drawn;
            larger.setPixelSize(drawn.pixelSize() + 1);
            larger.setStretch(70);
            QVERIFY2(
                ui::fitText(larger, text, room, flags).font != larger,
                qPrintable(QStringLiteral("%1 px in a box %2 px wide, where %3 px at 70 % fits")
                               .arg(drawn.pixelSize())
                               .arg(width)
                               .arg(larger.pixelSize())));
        }
        QVERIFY(smaller > 0);
    }

    // A bordered label and a bordered picture box on a white window with a white fill: each of
    // the four sides of the edge shows pixels that differ from the fill.
    void borderedBoxClosedOnWhite()
    {
        QWidget form;
        ui::setBackground(&form, Qt::white);
        const ui::Builder b(&form);
        QWidget *boxes[] = {
            b.label("Label3", {0, 0, 1455, 255}).text("x").border().back(Qt::white).get(),
            b.pictureBox("Picture1(0)", {0, 600, 735, 1095}).back(Qt::white).border().get()};
        for (QWidget *box : boxes) {
            const QImage image = box->grab().toImage();
            const QRect r = box->rect();
            const QColor fill = Qt::white;
            const auto side = [&](QPoint a, QPoint step) {
                // The side is closed where, at its middle, one of its two rings is not white.
                return image.pixelColor(a) != fill || image.pixelColor(a + step) != fill;
            };
            const int mx = r.center().x(), my = r.center().y();
            QVERIFY2(side({mx, r.top()}, {0, 1}), qPrintable(box->objectName() + " top"));
            QVERIFY2(side({mx, r.bottom()}, {0, -1}), qPrintable(box->objectName() + " bottom"));
            QVERIFY2(side({r.left(), my}, {1, 0}), qPrintable(box->objectName() + " left"));
            QVERIFY2(side({r.right(), my}, {-1, 0}), qPrintable(box->objectName() + " right"));
        }
    }

    // Edges, lines and shapes scale with the screen: on a screen of any number of its pixels to
    // the window's pixel (this case runs again at 2, tst_look_2x), a bordered box's two-line
    // sunken edge is two window pixels on each side, a shape's border one and a three-pixel
    // line three.
    void edgesAtEveryScale()
    {
        const QColor green = ui::rgb(0, 128, 0); // none of the edge's colours
        QWidget form;
        ui::setBackground(&form, green);
        form.resize(400, 300);
        const ui::Builder b(&form);
        b.label("Label3", {0, 0, 1455, 375}).text("7").border().back(green);
        b.pictureBox("Picture1", {0, 600, 735, 1095}).back(green).border();
        b.shape("Shape1", {1800, 0, 1455, 1095}, ui::Shape::Rectangle).fill(green);
        b.line("Line1", 1800, 2400, 3600, 2400, Qt::black, 3);
        const QPixmap grab = form.grab();
        const qreal ratio = grab.devicePixelRatio();
        const QImage image = grab.toImage();
        // A scale of a fraction may round a line to a screen pixel more or less.
        const qreal slack = ratio == std::floor(ratio) ? 0.01 : 1.01;
        // The screen pixels that differ from the green, walking in from a point on the outside
        // of a side (or across a line).
        const auto ink = [&](QPoint from, QPoint step) {
            QPoint at = (QPointF(from) * ratio).toPoint();
            int n = 0;
            while (image.valid(at) && image.pixelColor(at) == green)
                at += step;
            for (; image.valid(at) && image.pixelColor(at) != green; at += step)
                ++n;
            return n;
        };
        const auto edges = [&](const char *name, int want) {
            const QRect r = widget(&form, name)->geometry();
            const int mx = r.center().x(), my = r.center().y();
            const struct
            {
                const char *side;
                int width;
            } sides[] = {{"top", ink({mx, r.top()}, {0, 1})},
                         {"left", ink({r.left(), my}, {1, 0})},
                         {"bottom", ink({mx, r.bottom() + 1}, {0, -1})},
                         {"right", ink({r.right() + 1, my}, {-1, 0})}};
            for (const auto &s : sides)
                QVERIFY2(qAbs(s.width - want * ratio) <= slack,
                         qPrintable(QStringLiteral("%1 %2: %3 screen pixels at %4x, not %5")
                                        .arg(name, s.side)
                                        .arg(s.width)
                                        .arg(ratio)
                                        .arg(want * ratio)));
        };
        edges("Label3", 2);
        edges("Picture1", 2);
        edges("Shape1", 1);
        const QRect line = widget(&form, "Line1")->geometry();
        const int across = ink({line.center().x(), line.top()}, {0, 1});
        QVERIFY2(qAbs(across - 3 * ratio) <= slack, qPrintable(QString::number(across)));
    }

    // Bold text as bold at every scale as at 1x: a bold caption's ink over a regular one's, each
    // less the widget's ink without text, on buttons and labels, in faces with a bold of their
    // own and without one.
    void boldAtEveryScale_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("name");
        QTest::newRow("Premium's Close button") << "Winner"
                                                << "Command1";
        QTest::newRow("Mark's ×５ label") << "Card"
                                          << "Label4";
        QTest::newRow("Mark's bet box") << "Card"
                                        << "Label5";
        QTest::newRow("Bingo's card button") << "Bingo"
                                             << "Command2(0)";
    }
    void boldAtEveryScale()
    {
        QFETCH(QString, form);
        QFETCH(QString, name);
        Bench bench;
        GameWindow *w = findGame(form)->make(bench.context, &bench.menu);
        w->show();
        QWidget *target = widget(w, qPrintable(name));
        QVERIFY(target->font().bold());
        const auto caption = [&](const QString &text) {
            if (auto *b = qobject_cast<QAbstractButton *>(target)) b->setText(text);
            if (auto *l = qobject_cast<QLabel *>(target)) l->setText(text);
        };
        const auto ink = [&] {
            const QImage image = target->grab().toImage();
            qint64 sum = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    sum += 255 - qGray(image.pixel(x, y));
            return sum;
        };
        const QString text = QStringLiteral("BET 5");
        caption(QString());
        const qint64 none = ink();
        caption(text);
        const qint64 bold = ink() - none;
        QFont regular = target->font();
        regular.setBold(false);
        target->setFont(regular);
        const qint64 plain = ink() - none;
        QVERIFY(plain > 0);
        const double ratio = double(bold) / double(plain);
        QVERIFY2(
            ratio >= 1.33,
            qPrintable(QStringLiteral("bold %1 times as dark as regular").arg(ratio, 0, 'f', 2)));
        delete w;
    }

    // Bingo: START, PLAY OUT and "Good Luck" in the default font, everything else in System;
    // the words of the bet table's caption, read from the rendered window, each centred over its
    // column and on the frame's top line.
    void bingoFontsAndCaption()
    {
        Bench bench;
        GameWindow *w = findGame("Bingo")->make(bench.context, &bench.menu);
        w->show();
        const QFont gothic = ui::font(9);
        for (const char *name : {"Command1", "Command3", "Label16"}) {
            const QFont f = widget(w, name)->font();
            QVERIFY2(f.family() == gothic.family() && f.pixelSize() == gothic.pixelSize() &&
                         !f.bold(),
                     name);
        }
        const QFont system = widget(w, "Command2(0)")->font();
        QVERIFY(system.bold());
        QVERIFY(system.family() != gothic.family());

        auto *table = widget<QGroupBox>(w, "Frame1");
        QCOMPARE(table->title(), "    BET      LINE   ODDS");
        const QImage image = w->grab().toImage();
        // The caption's row: above the first row of boxes, inside the frame's width.
        const QPoint origin = table->mapTo(w, QPoint(0, 0));
        const int firstBoxTop = widget(w, "Label6(0)")->mapTo(w, QPoint(0, 0)).y();
        const QRect row(origin.x(), origin.y(), table->width(), firstBoxTop - origin.y() - 6);
        const auto words = runs(inkColumns(image, row), 4);
        QCOMPARE(int(words.size()), 3);
        const char *columns[] = {"Label6(0)", "Label8(0)", "Label9(0)"};
        for (int i = 0; i < 3; ++i) {
            QWidget *box = widget(w, columns[i]);
            const int left = box->mapTo(w, QPoint(0, 0)).x(), right = left + box->width() - 1;
            const int centre = (words[i].first + words[i].second) / 2;
            QVERIFY2(qAbs(centre - (left + right) / 2) <= 1,
                     qPrintable(QStringLiteral("word %1 centred at %2, its boxes span %3 to %4")
                                    .arg(i)
                                    .arg(centre)
                                    .arg(left)
                                    .arg(right)));
        }
        // The edge's top line runs through the caption, between its ink's top and bottom rows.
        int inkTop = row.bottom(), inkBottom = row.top();
        for (int y = row.top(); y <= row.bottom(); ++y)
            for (int x = words[0].first; x <= words[0].second; ++x)
                if (qGray(image.pixel(x, y)) < 96) {
                    inkTop = std::min(inkTop, y), inkBottom = std::max(inkBottom, y);
                    break;
                }
        int edge = origin.y();
        while (edge < firstBoxTop && qGray(image.pixel(origin.x() + 4, edge)) > 160)
            ++edge;
        QVERIFY2(inkTop < edge && edge < inkBottom,
                 qPrintable(QStringLiteral("edge at row %1, the caption's ink from %2 to %3")
                                .arg(edge)
                                .arg(inkTop)
                                .arg(inkBottom)));
        delete w;
    }

    // Each suit picture solid at every size it may be drawn: no light pixel inside its ink that
    // the white around it cannot reach through pixels at least a quarter light (a seam where
    // its parts fail to meet; the tip of a notch between them is grey, so it still counts as
    // reached).
    void suitsWithoutSeams()
    {
        for (int suit = 1; suit <= 4; ++suit)
            for (int size = 16; size <= 96; size += 4) {
                const QPixmap picture =
                    ui::picture(QStringLiteral("cards/suit%1").arg(suit), QSize(size, size));
                QImage image(picture.size(), QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter(&image).drawPixmap(0, 0, picture);
                const int w = image.width(), h = image.height();
                std::vector<char> reached(size_t(w) * h, 0);
                std::vector<QPoint> todo;
                for (int x = 0; x < w; ++x)
                    todo.insert(todo.end(), {{x, 0}, {x, h - 1}});
                for (int y = 0; y < h; ++y)
                    todo.insert(todo.end(), {{0, y}, {w - 1, y}});
                while (!todo.empty()) {
                    const QPoint p = todo.back();
                    todo.pop_back();
                    if (!image.rect().contains(p) || reached[size_t(p.y()) * w + p.x()] ||
                        qGray(image.pixel(p)) < 64)
                        continue;
                    reached[size_t(p.y()) * w + p.x()] = 1;
                    todo.insert(todo.end(), {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1),
                                             p - QPoint(0, 1)});
                }
                int seam = 0;
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x)
                        seam += qGray(image.pixel(x, y)) >= 128 && !reached[size_t(y) * w + x];
                QVERIFY2(seam == 0, qPrintable(QStringLiteral("suit %1 at %2 px: %3 pixels of seam")
                                                   .arg(suit)
                                                   .arg(image.width())
                                                   .arg(seam)));
            }
    }

    // Mark's thick lines end where they are drawn to (flat ends, 980 to 1120 twips); a card back
    // fills its box to the right and bottom edges, no table green beside it; About's title
    // lettering leaves its picture's right edge clear.
    void edgesOfPictures()
    {
        Bench bench;
        {
            GameWindow *w = findGame("Card")->make(bench.context, &bench.menu);
            w->show();
            for (const auto &[name, x1, x2] :
                 {std::tuple{"Line1", 980, 1120}, {"Line2", 1820, 1960}}) {
                QWidget *line = widget(w, name);
                const QImage image = line->grab().toImage();
                const auto ink = runs(inkColumns(image, image.rect()), 1);
                QCOMPARE(int(ink.size()), 1);
                QCOMPARE(line->x() + ink.front().first, ui::px(x1));
                QCOMPARE(line->x() + ink.front().second, ui::px(x2) - 1);
            }
            delete w;
        }
        {
            GameWindow *w = findGame("Kabu")->make(bench.context, &bench.menu);
            w->show();
            QWidget *back = widget(w, "Picture14(0)");
            const QImage image = back->grab().toImage();
            const QColor table = ui::rgb(0, 128, 0);
            const QRect r = back->rect();
            for (int y = 4; y < r.height() - 4; ++y)
                QVERIFY2(image.pixelColor(r.right(), y) != table, "green at the right edge");
            for (int x = 4; x < r.width() - 4; ++x)
                QVERIFY2(image.pixelColor(x, r.bottom()) != table, "green at the bottom edge");
            delete w;
        }
        {
            GameMain menu(bench.context);
            menu.openAbout();
            const QPixmap title = widget<ui::Picture>(&menu, "Image2")->picture();
            const QImage image = title.toImage();
            const int right = image.width() - 1;
            for (int y = 0; y < image.height(); ++y)
                QVERIFY2(qAlpha(image.pixel(right, y)) == 0, "lettering on the right edge");
        }
    }
};

ARCADE_TEST_MAIN(TestLook)
#include "tst_look.moc"
