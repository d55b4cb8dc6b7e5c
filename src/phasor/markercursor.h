// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/phasorscene.h"

#include <QObject>

#include <optional>

namespace kel::display
{
class PictureArea;
} // namespace kel::display

namespace kel::phasor
{

// The keyboard cursor of the time plot, kept on the time marker: shown while the plot has
// the focus, at the marker when one is drawn within the plot, so that the keys move it from
// the time shown. The window redraws at each time the keys move it to, as a click there
// does, which moves the marker and the cursor with it. Owned by the plot, whose keyboard
// cursor must be on.
class MarkerCursor : public QObject
{
    Q_OBJECT
public:
    explicit MarkerCursor(display::PictureArea *plot);

    // The marker drawn, at a time (s) within the plotted interval; none for a drawing
    // without one.
    void follow(std::optional<float> marker);
    // The plot was cleared: no marker.
    void clearMarker();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();

    display::PictureArea *m_plot;
    std::optional<float> m_marker;
};

} // namespace kel::phasor
