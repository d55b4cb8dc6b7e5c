// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace kel::display
{

// The application's own style, except that the extension arrows of menu bars and tool bars are
// read from their image files only when first drawn. Every menu bar asks for its arrow when it
// is made, though the arrow shows only when the bar is too narrow for its commands, and reading
// the file loads every image-format plugin: a few milliseconds before the first window appears.
class DeferredIconStyle : public QProxyStyle
{
    Q_OBJECT
public:
    DeferredIconStyle() = default;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option,
                       const QWidget *widget) const override;
};

// Makes a DeferredIconStyle the application's style, before the first window is made, and
// returns it; the application owns it, as QApplication::setStyle() does.
QStyle *useDeferredIcons();

} // namespace kel::display
