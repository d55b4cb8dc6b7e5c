// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up probe: brings up either the program's main window or a minimal Qt Widgets window (one
// button) of the same size, waits until it has been shown and painted, and prints the time since
// main() began (ms) and the peak resident memory (KiB). `startup_probe kel` or `startup_probe
// minimal`.
#include "display/windowinstance.h"
#include "shell/mainmenu.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>

namespace
{

class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *window) : m_window(window) {}
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!painted && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window() == m_window) {
            painted = true;
            // Let the rest of this paint pass finish before the clock stops.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    QWidget *m_window;
};

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer clock;
    clock.start();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool minimal = argc > 1 && std::strcmp(argv[1], "minimal") == 0;
    QApplication app(argc, argv);
    QWidget *window = nullptr;
    if (minimal) {
        // The smallest useful window: one button with a caption, so that both probes load
        // the fonts.
        window = new QWidget;
        window->resize(601, 445); // the main menu's client area at 96 dpi
        auto *button = new QPushButton("Quit", window);
        button->move(500, 380);
    } else {
        window = &kel::display::WindowInstance<kel::shell::MainMenu>::get();
    }
    FirstPaint probe(window);
    app.installEventFilter(&probe);
    window->show();
    QApplication::exec();
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.3f %ld\n", ms, usage.ru_maxrss);
    std::fflush(stdout);
    std::_Exit(probe.painted ? 0 : 1);
}
