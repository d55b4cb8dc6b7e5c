// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPicture>
#include <QSize>
#include <QString>

#include <vector>

namespace kel::display
{

class PictureArea;

// Exports of what picture areas show, rendered from their recorded drawing (not from the
// screen), so any resolution is sharp. Several areas are put side by side, left to right,
// each scaled by the same factor from its size on screen. Files are written by writePictures
// (fileexport.h).
class PictureExport
{
public:
    explicit PictureExport(std::vector<const PictureArea *> areas) : m_areas(std::move(areas)) {}

    // Size on screen of the areas side by side, in logical pixels.
    QSize screenSize() const;
    // The areas rendered `scale` times their size on screen.
    QImage image(double scale = 1.0) const;
    // An SVG document of the areas at their size on screen.
    QByteArray svg() const;
    // The areas as vector drawing at their size on screen, lines `lineWidth` pixels wide and
    // growing with the scale the picture is drawn at (a page of print).
    QPicture picture(double lineWidth) const;
    // Puts the image on the clipboard.
    void copyToClipboard(double scale = 1.0) const;

private:
    std::vector<const PictureArea *> m_areas;
};

} // namespace kel::display
