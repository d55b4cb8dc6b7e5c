// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon as a scalable SVG file (used at build time for the desktop entry).
#include "appicon.h"
#include "fileexport.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: kel-write-icon FILE.svg\n", stderr);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle("Kel Circuit Lab");
    svg.setDescription("Kel Circuit Lab icon");
    QPainter painter(&svg);
    kel::display::paintAppIcon(painter, QRectF(0, 0, 256, 256));
    if (!painter.end())
        return 1;
    const kel::display::ExportResult written =
        kel::display::writeFileAtomically(QString::fromLocal8Bit(argv[1]), buffer.data());
    if (!written.ok()) {
        std::fputs((written.error.toStdString() + '\n').c_str(), stderr);
        return 1;
    }
    return 0;
}
