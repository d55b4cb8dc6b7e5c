// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon as a scalable SVG file (used at build time for the desktop entry).
#include "appicon.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kel-write-icon FILE.svg\n");
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgGenerator svg;
    svg.setFileName(QString::fromLocal8Bit(argv[1]));
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle("Kel Circuit Lab");
    svg.setDescription("Kel Circuit Lab icon");
    QPainter painter(&svg);
    kel::display::paintAppIcon(painter, QRectF(0, 0, 256, 256));
    return painter.end() ? 0 : 1;
}
