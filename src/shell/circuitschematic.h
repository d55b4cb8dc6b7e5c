// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace kel::shell
{

// The picture of the series circuit on the main menu: black strokes on white inside a
// thin sunken border, scaled with the widget and centred in it.
class CircuitSchematic : public QWidget
{
    Q_OBJECT
public:
    explicit CircuitSchematic(QWidget *parent = nullptr);

    // Renders the picture (border included) into a painter's device of the given size.
    static void render(QPainter &painter, const QSizeF &size);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace kel::shell
