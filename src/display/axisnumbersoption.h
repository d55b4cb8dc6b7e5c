// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

class QAction;
class QMainWindow;

namespace kel::display
{

class PictureArea;

// The View menu's checkable entry `AxisNumbers` ("Axis Numbers"), added after the menu's
// entries (the menu `View` of `window`, made at the end of its menu bar when it has none).
// It shows or hides the numbered axes of `areas`; its state is a setting of the program,
// on until switched off, kept between runs and read by every window that adds the entry.
QAction *addAxisNumbersOption(QMainWindow *window, std::vector<PictureArea *> areas);

// The setting itself, for what draws pictures without a window (the worksheets).
bool axisNumbersSetting();

} // namespace kel::display
