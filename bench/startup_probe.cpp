// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up probe: brings up either the program's main window or a minimal Qt Widgets window (one
// button) of the same size, waits until it has been shown and painted, and prints the time since
// main() began (ms) and this process's own peak resident memory (KiB). `startup_probe kel` or
// `startup_probe minimal`.
#include "display/deferredicons.h"
#include "shell/languages.h"
#include "shell/mainmenu.h"
#include "solutions/numbertext.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace
{

class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *window) : m_window(window) {}
    bool painted() const { return m_painted; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_painted && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window() == m_window) {
            m_painted = true;
            // Let the rest of this paint pass finish before the clock stops.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    QWidget *m_window;
    bool m_painted = false;
};

// The peak resident set of this process image (VmHWM). getrusage's ru_maxrss would also count
// the parent's pages this process shared between fork and exec, so every probe started from
// the benchmark would show at least the benchmark's own size.
std::string peakResidentKib()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return "0";
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).replace("kB", "").trimmed().toStdString();
    }
    return "0";
}

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer clock;
    clock.start();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool minimal = argc > 1 && std::strcmp(argv[1], "minimal") == 0;
    QApplication app(argc, argv);
    // The program's style and its translation for the system's languages, as the program sets
    // them up (LANGUAGE=de measures the start-up in German).
    kel::shell::Languages languages;
    if (!minimal) {
        kel::display::useDeferredIcons();
        languages.install();
    }
    std::unique_ptr<QWidget> window;
    if (minimal) {
        // The smallest useful window: one button with a caption, so that both probes load
        // the fonts.
        window = std::make_unique<QWidget>();
        window->resize(601, 445); // the main menu's client area at 96 dpi
        auto *button = new QPushButton("Quit", window.get());
        button->move(500, 380);
    } else {
        window = std::make_unique<kel::shell::MainMenu>();
    }
    FirstPaint probe(window.get());
    app.installEventFilter(&probe);
    window->show();
    QApplication::exec();
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const std::string line = kel::solutions::toText(ms) + ' ' + peakResidentKib() + '\n';
    std::fputs(line.c_str(), stdout);
    std::fflush(stdout);
    std::_Exit(probe.painted() ? 0 : 1);
}
