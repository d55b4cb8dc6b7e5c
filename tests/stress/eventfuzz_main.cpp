// SPDX-License-Identifier: GPL-3.0-or-later
// The long random-event run: eventfuzz [events] [seed]. Prints the outcome; exit 1 if an
// invariant broke.
#include "eventfuzzer.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("kel");
    const unsigned long long events = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000ULL;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1ULL;
    QElapsedTimer clock;
    clock.start();
    kel::testing::EventFuzzer fuzzer(seed);
    const std::string broken = fuzzer.run(events);
    std::printf("seed %llu: %llu events (%llu acted), %llu messages, %.1f s: %s\n", seed,
                static_cast<unsigned long long>(fuzzer.eventsRun()),
                static_cast<unsigned long long>(fuzzer.eventsActed()),
                static_cast<unsigned long long>(fuzzer.messagesShown()),
                static_cast<double>(clock.elapsed()) / 1000.0,
                broken.empty() ? "no invariant broke" : broken.c_str());
    return broken.empty() ? 0 : 1;
}
