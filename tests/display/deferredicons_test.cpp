// SPDX-License-Identifier: GPL-3.0-or-later
// The style that reads the extension arrows late still draws them as the application's style.
#include "display/deferredicons.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>

TEST(DeferredIcons, ArrowsAreTheStylesOwnOnceDrawnAndOtherIconsPassThrough)
{
    const kel::display::DeferredIconStyle deferring;
    for (const QStyle::StandardPixmap which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
          QStyle::SP_MessageBoxWarning}) {
        const QIcon late = deferring.standardIcon(which, nullptr, nullptr);
        const QIcon own = QApplication::style()->standardIcon(which);
        ASSERT_FALSE(own.isNull()) << which;
        EXPECT_FALSE(late.isNull()) << which;
        for (const int side : {8, 16, 32}) {
            const QImage drawn = late.pixmap(side).toImage();
            EXPECT_FALSE(drawn.isNull()) << which << ' ' << side;
            EXPECT_EQ(drawn, own.pixmap(side).toImage()) << which << ' ' << side;
        }
        EXPECT_EQ(late.actualSize(QSize(64, 64)), own.actualSize(QSize(64, 64))) << which;
    }
}
