// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace kel::about
{

// The program's icon, painted to fill the widget so that it stays sharp at any size.
class IconView : public QWidget
{
    Q_OBJECT
public:
    explicit IconView(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace kel::about
