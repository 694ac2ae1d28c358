// SPDX-License-Identifier: GPL-3.0-or-later
// Renders an SVG picture into a square PNG of the given size, for the icon theme:
//   render-icon input.svg output.png size
// It paints on an image in memory and needs no window system (nor fonts: icons hold no text).
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: render-icon input.svg output.png size\n");
        return 2;
    }
    bool ok = false;
    const int size = QByteArray(argv[3]).toInt(&ok);
    if (!ok || size < 1 || size > 4096) {
        std::fprintf(stderr, "render-icon: bad size %s\n", argv[3]);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "render-icon: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        // Keep the picture's aspect ratio and centre it on the square.
        QSizeF fit = svg.defaultSize().toSizeF();
        if (fit.isEmpty()) fit = QSizeF(size, size);
        fit.scale(size, size, Qt::KeepAspectRatio);
        svg.render(&painter, QRectF((size - fit.width()) / 2, (size - fit.height()) / 2,
                                    fit.width(), fit.height()));
    }
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "render-icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
