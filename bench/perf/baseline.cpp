// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline of the start-up, memory and idle figures: a bare Qt program that opens one small
// window with a label and a button, built with the arcade's flags. With ARCADE_REPORT_PAINT set
// it reports its first paint with the arcade's own code (app/firstpaint.h).
#include "app/firstpaint.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    firstpaint::installIfAsked(app);

    // The size of the arcade's menu (268 x 201 pixels).
    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.setFixedSize(268, 201);
    QLabel label(QStringLiteral("Hello"), &window);
    label.setGeometry(16, 16, 120, 24);
    QPushButton button(QStringLiteral("OK"), &window);
    button.setGeometry(16, 56, 96, 32);
    QObject::connect(&button, &QPushButton::clicked, &app, &QApplication::quit);
    window.show();
    return app.exec();
}
