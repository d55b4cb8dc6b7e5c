// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the measurement window for a person to look at (not run as a test): the
// synthetic underdamped RLC recording over the lab's curve before the fit and after it, and
// the experiment saved after the fit (measurement-fitted.kel), to open in the program.
//   measurement_shots OUTPUT_FOLDER [LANGUAGE]
#include "display/experimentfile.h"
#include "display/fileexport.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/labwindow.h"
#include "measurement/measurementwindow.h"
#include "shell/languages.h"
#include "support/scripteddialogs.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    kel::shell::Languages languages;
    const QString language = languages.install(argc > 2 ? QString::fromLocal8Bit(argv[2]) : "en");
    kel::testing::ScriptedDialogs dialogs;
    kel::lab::LabWindow lab(dialogs);
    lab.applyConfiguration(*kel::lab::launcherConfiguration(9));
    for (const auto &[name, text] : {std::pair{"R", "30"},
                                     {"L", "0.02"},
                                     {"C", "1E-06"},
                                     {"v0", "4"},
                                     {"q0", "0"},
                                     {"i0", "0"}}) {
        auto *box = lab.findChild<QLineEdit *>(name);
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    dialogs.queueOpenPath(QStringLiteral(KEL_EXAMPLES_DIR "/synthetic-rlc-underdamped.csv"));
    lab.findChild<QAction *>("OpenMeasurement")->trigger();
    auto *window = lab.findChild<kel::measurement::MeasurementWindow *>("Measurement");
    QSignalSpy read(&window->jobs(), &kel::measurement::MeasurementJobs::busyChanged);
    read.wait(5000);
    QTest::qWait(50);
    window->grab().save(folder + "/measurement-before-" + language + ".png");
    QSignalSpy fitted(&window->jobs(), &kel::measurement::MeasurementJobs::fitted);
    window->findChild<QPushButton *>("Fit")->click();
    fitted.wait(20000);
    QTest::qWait(50);
    window->grab().save(folder + "/measurement-after-" + language + ".png");
    lab.setTask(QStringLiteral("Fit R, L and v0 of the underdamped recording."));
    const auto saved = kel::display::writeFileAtomically(
        folder + "/measurement-fitted.kel", kel::display::ExperimentFile::write(lab.experiment()));
    return saved.ok() ? 0 : 1;
}
