// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/circuitconfiguration.h"
#include "core/labsession.h"

#include <array>
#include <span>
#include <utility>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QStatusBar;

namespace kel::display
{
class PictureArea;
class TwipLayout;
} // namespace kel::display

namespace kel::lab
{

// The widgets of the lab window that its commands read or change, as the layout creates them.
struct LabControls {
    display::PictureArea *graph = nullptr; // Picture1
    std::array<QLineEdit *, kFieldCount> boxes{};
    QCheckBox *charge = nullptr, *current = nullptr, *voltage = nullptr;
    QPushButton *naturalFrequency = nullptr; // SetNatf
    QLabel *regimeStatus = nullptr, *scaleStatus = nullptr, *pointerStatus = nullptr;
    // The client area's and the parameter strip's, each owned by its container.
    display::TwipLayout *clientLayout = nullptr, *stripLayout = nullptr;

    QLineEdit *box(Field field) const { return boxes[static_cast<std::size_t>(field)]; }
};

// A command of the lab window's menus: objectName, caption and shortcut. Commands without a
// caption only space the others apart.
struct LabMenuEntry {
    const char *name;
    const char *caption;
    int shortcut; // a QKeyCombination as an int, 0 for none
};

// The menu bar's commands, then those of its Export menu.
std::span<const LabMenuEntry> labMenuEntries();
std::span<const LabMenuEntry> labExportEntries();
// Whether an entry only spaces the others apart (a blank caption).
bool isSpacer(const LabMenuEntry &entry);

// The objectNames in the order of the Tab key, with the accessible names (the English text,
// none to keep the caption).
std::span<const std::pair<const char *, const char *>> labKeyboardOrder();

// Creates every control of the lab window at its place in twips, with captions, fonts, tool
// tips and the visibility before the first configuration, and the status bar.
LabControls buildLabControls(QMainWindow *window);

// The order of the Tab key through the lab window and the names screen readers hear.
void setLabKeyboardOrder(QMainWindow *window);

// The objectNames of the controls that a configuration group shows or hides.
std::span<const char *const> groupMembers(ControlGroup group);

// The objectNames of the controls every configuration hides (the other voltage and current
// graphs, the mu sign).
std::span<const char *const> alwaysHidden();

} // namespace kel::lab
