// SPDX-License-Identifier: GPL-3.0-or-later
#include "eventfuzzer.h"

#include <gtest/gtest.h>

// A short seeded run over every window; the long run is the eventfuzz command.
TEST(EventFuzz, TwentyThousandRandomEventsBreakNothing)
{
    kel::testing::EventFuzzer fuzzer(20261208);
    EXPECT_EQ(fuzzer.run(20000), "");
    EXPECT_EQ(fuzzer.eventsRun(), 20000u);
    EXPECT_GT(fuzzer.messagesShown(), 0u);
}
