// SPDX-License-Identifier: GPL-3.0-or-later
// The test main's guard against a real modal box: the test fails at once and goes on.
#include "display/dialogs.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QElapsedTimer>

TEST(ModalWatchdog, ARealMessageBoxFailsTheTestInsteadOfHanging)
{
    EXPECT_NONFATAL_FAILURE(
        {
            QElapsedTimer clock;
            clock.start();
            kel::display::QtDialogs real;
            EXPECT_EQ(real.message("Unexpected", "Kel", kel::display::MessageButtons::OkCancel),
                      kel::display::MessageAnswer::Cancel);
            EXPECT_LT(clock.elapsed(), 5000);
        },
        "A real modal window appeared (QMessageBox \"Kel: Unexpected\")");
}

TEST(ModalWatchdog, ARealInputBoxIsClosedAsCancelled)
{
    EXPECT_NONFATAL_FAILURE(
        {
            kel::display::QtDialogs real;
            EXPECT_EQ(real.input("Value", "Kel", "10"), QString());
        },
        "A real modal window appeared");
}
