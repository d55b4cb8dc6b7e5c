// SPDX-License-Identifier: GPL-3.0-or-later
#include "headlessexport.h"

#include "commandline.h"
#include "display/dialogs.h"
#include "display/experimentfile.h"
#include "display/experimenttarget.h"
#include "display/fileexport.h"
#include "experimentparts.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTextStream>

#include <algorithm>

namespace kel::shell
{

namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("HeadlessExport", text);
}

// Nobody is there to answer: messages are kept to be reported, an input box is answered as
// OK would, and a save chooser is cancelled.
class UnattendedDialogs final : public display::Dialogs
{
public:
    display::MessageAnswer message(const QString &text, const QString &title,
                                   display::MessageButtons) override
    {
        m_messages << (title.isEmpty() ? text : title + QStringLiteral(": ") + text);
        return display::MessageAnswer::Ok;
    }
    QString input(const QString &, const QString &, const QString &defaultText) override
    {
        return defaultText;
    }
    QString saveFile(const QString &, const QString &, const QString &) override { return {}; }

    const QStringList &messages() const { return m_messages; }

private:
    QStringList m_messages;
};

// The scale that fits `screen` within `box`, keeping its proportions.
double fittingScale(const QSize &screen, const QSize &box)
{
    if (screen.isEmpty())
        return 1.0;
    return std::min(static_cast<double>(box.width()) / screen.width(),
                    static_cast<double>(box.height()) / screen.height());
}

class ExportRun
{
public:
    ExportRun(const CommandLineRequest &request, QTextStream &errors)
        : m_request(request), m_errors(errors)
    {
    }

    void report(const QString &file, const QString &problem)
    {
        m_errors << "kel: " << QDir::toNativeSeparators(file) << ": " << problem << Qt::endl;
        m_failed = true;
    }

    void write(const QString &path, const display::ExportResult &result)
    {
        if (!result.ok())
            report(path, result.error);
    }

    int run(const ExperimentTargetFactory &makeTarget)
    {
        const QString &source = m_request.experimentPath;
        const display::ExperimentFile::Reading reading =
            display::ExperimentFile::readFile(source, experimentParts());
        if (!reading.ok()) {
            report(source, reading.error);
            return 1;
        }
        UnattendedDialogs dialogs;
        const std::unique_ptr<display::ExperimentTarget> target =
            makeTarget ? makeTarget(reading.experiment->window, dialogs) : nullptr;
        if (!target) {
            report(source, tr("This program cannot open the experiment's window."));
            return 1;
        }
        target->applyExperiment(*reading.experiment);
        for (const QString &message : dialogs.messages())
            report(source, message);
        if (m_failed)
            return 1;

        const display::PictureExport pictures = target->pictures();
        if (!m_request.pngPath.isEmpty()) {
            const double scale = m_request.pngSize
                                     ? fittingScale(pictures.screenSize(), *m_request.pngSize)
                                     : target->pictureScale();
            write(m_request.pngPath,
                  display::writeImageAtomically(m_request.pngPath, pictures.image(scale)));
        }
        if (!m_request.svgPath.isEmpty())
            write(m_request.svgPath,
                  display::writeFileAtomically(m_request.svgPath, pictures.svg()));
        if (!m_request.csvPath.isEmpty()) {
            if (const std::optional<QByteArray> csv = target->csv())
                write(m_request.csvPath, display::writeFileAtomically(m_request.csvPath, *csv));
            else
                report(m_request.csvPath, tr("The experiment has no plot whose samples could "
                                             "be written."));
        }
        if (!m_request.energyCsvPath.isEmpty()) {
            if (const std::optional<QByteArray> csv = target->energyCsv())
                write(m_request.energyCsvPath,
                      display::writeFileAtomically(m_request.energyCsvPath, *csv));
            else
                report(m_request.energyCsvPath,
                       tr("The experiment's circuit has no energies that could be written."));
        }
        if (!m_request.pdfPath.isEmpty()) {
            if (const std::optional<QByteArray> pdf = target->worksheetPdf())
                write(m_request.pdfPath, display::writeFileAtomically(m_request.pdfPath, *pdf));
            else
                report(m_request.pdfPath, tr("The experiment's window has no worksheet."));
        }
        return m_failed ? 1 : 0;
    }

private:
    const CommandLineRequest &m_request;
    QTextStream &m_errors;
    bool m_failed = false;
};

} // namespace

int exportExperiment(const CommandLineRequest &request, const ExperimentTargetFactory &makeTarget,
                     QTextStream &errors)
{
    return ExportRun(request, errors).run(makeTarget);
}

} // namespace kel::shell
