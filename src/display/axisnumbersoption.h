// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

class QAction;
class QMainWindow;
class QObject;

namespace kel::display
{

class PictureArea;

// The View menu's checkable entry `AxisNumbers` ("Axis Numbers"), added after the menu's
// entries (the menu `View` of `window`, made at the end of its menu bar when it has none).
// It shows or hides the numbered axes of `areas`; its state is a setting of the program,
// on until switched off, kept between runs and read by every window that adds the entry.
QAction *addAxisNumbersOption(QMainWindow *window, std::vector<PictureArea *> areas);
// The same entry for a picture that draws its own numbered axes: `show` is called with the
// setting at once and whenever the entry is toggled, for as long as `receiver` lives.
QAction *addAxisNumbersOption(QMainWindow *window, QObject *receiver,
                              std::function<void(bool)> show);

// The setting itself, for what draws pictures without a window (the worksheets).
bool axisNumbersSetting();

} // namespace kel::display
