// SPDX-License-Identifier: GPL-3.0-or-later
#include "headlessfit.h"

#include "commandline.h"
#include "display/qstringtext.h"
#include "measurement/core/circuitfit.h"
#include "measurement/core/recordingreader.h"
#include "solutions/numbertext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cmath>

namespace kel::shell
{

namespace
{

using namespace measurement;

QString tr(const char *text)
{
    return QCoreApplication::translate("HeadlessFit", text);
}

QString nameOf(FitParameter p)
{
    return display::toQString(std::string(parameterName(p)));
}

QString unitOf(FitParameter p)
{
    return display::toQString(std::string(parameterUnit(p)));
}

QString failureText(FitStatus status)
{
    switch (status) {
    case FitStatus::Fitted:
        return {};
    case FitStatus::Cancelled:
        return tr("The fit was cancelled.");
    case FitStatus::NoSuchQuantity:
        return tr("The circuit has no such quantity.");
    case FitStatus::TooFewPoints:
        return tr("The time window holds too few samples for the parameters to fit.");
    case FitStatus::NothingFree:
        return tr("Every parameter is fixed; there is nothing to fit.");
    case FitStatus::BadSamples:
        return tr("The samples hold a value that is not a finite number.");
    case FitStatus::BadHeldValue:
        return tr("A fixed value is not a number the circuit can have.");
    case FitStatus::NoSolution:
        return tr("The circuit's solution has no finite value for these samples; the fit "
                  "cannot be made.");
    }
    return {};
}

// A JSON number: the program's number text (15 significant digits, '.' always), or null.
QString jsonNumber(double value)
{
    return std::isfinite(value) ? display::toQString(solutions::toText(value))
                                : QStringLiteral("null");
}

QString jsonString(const QString &text)
{
    return QStringLiteral("\"") + text + QStringLiteral("\"");
}

QString jsonNames(const std::vector<FitParameter> &parameters)
{
    QStringList names;
    for (const FitParameter p : parameters)
        names << jsonString(nameOf(p));
    return QStringLiteral("[") + names.join(QStringLiteral(", ")) + QStringLiteral("]");
}

void writeJson(QTextStream &out, const FitProblem &problem, const FitResult &result)
{
    QStringList parameters;
    for (const FittedParameter &p : result.parameters) {
        const bool known = p.fixed || p.determined;
        parameters << jsonString(nameOf(p.parameter)) + QStringLiteral(": {\"value\": ") +
                          (known ? jsonNumber(p.value) : QStringLiteral("null")) +
                          QStringLiteral(", \"uncertainty\": ") +
                          (known ? jsonNumber(p.uncertainty) : QStringLiteral("null")) +
                          QStringLiteral(", \"fixed\": ") +
                          (p.fixed ? QStringLiteral("true") : QStringLiteral("false")) +
                          QStringLiteral("}");
    }
    QStringList correlations;
    for (const Correlation &c : result.correlations)
        correlations << QStringLiteral("{\"parameters\": ") + jsonNames({c.first, c.second}) +
                            QStringLiteral(", \"coefficient\": ") + jsonNumber(c.coefficient) +
                            QStringLiteral("}");
    out << "{\"circuit\": "
        << jsonString(display::toQString(std::string(circuitName(problem.circuit, problem.source))))
        << ", \"quantity\": "
        << jsonString(display::toQString(std::string(quantityName(problem.quantity))))
        << ", \"points\": "
        << display::toQString(solutions::integerText(static_cast<long long>(result.points)))
        << ", \"converged\": " << (result.converged ? "true" : "false")
        << ", \"rms_residual\": " << jsonNumber(result.rmsResidual) << ", \"parameters\": {"
        << parameters.join(QStringLiteral(", ")) << "}"
        << ", \"not_determined\": " << jsonNames(result.notDetermined)
        << ", \"hold_to_determine\": " << jsonNames(result.suggestHold) << ", \"correlations\": ["
        << correlations.join(QStringLiteral(", ")) << "]}" << Qt::endl;
}

QString listOf(const std::vector<FitParameter> &parameters)
{
    QStringList names;
    for (const FitParameter p : parameters)
        names << nameOf(p);
    return names.join(QStringLiteral(", "));
}

QString shortNumber(double value, int digits)
{
    return display::toQString(solutions::shortText(value, digits));
}

void writeTable(QTextStream &out, const FitProblem &problem, const FitResult &result)
{
    out << tr("Circuit %1, quantity %2, %3 points")
               .arg(display::toQString(std::string(circuitName(problem.circuit, problem.source))),
                    display::toQString(std::string(quantityName(problem.quantity))),
                    display::toQString(
                        solutions::integerText(static_cast<long long>(result.points))))
        << Qt::endl;
    out << (result.converged ? tr("The fit converged.") : tr("The fit did not converge.")) << ' '
        << tr("RMS residual: %1").arg(shortNumber(result.rmsResidual, 4)) << Qt::endl
        << Qt::endl;
    const QStringList headings{tr("Parameter"), tr("Value"), tr("Uncertainty"), tr("Unit")};
    constexpr int kWidth = 16;
    for (qsizetype k = 0; k < headings.size(); ++k)
        out << (k + 1 < headings.size() ? headings[k].leftJustified(kWidth) : headings[k]);
    out << Qt::endl;
    for (const FittedParameter &p : result.parameters) {
        const QString value =
            p.fixed || p.determined ? shortNumber(p.value, 6) : tr("not determined");
        const QString spread = p.fixed        ? tr("fixed")
                               : p.determined ? shortNumber(p.uncertainty, 2)
                                              : QStringLiteral("-");
        out << nameOf(p.parameter).leftJustified(kWidth) << value.leftJustified(kWidth)
            << spread.leftJustified(kWidth) << unitOf(p.parameter) << Qt::endl;
    }
    if (!result.notDetermined.empty())
        out << Qt::endl
            << tr("The data cannot determine %1; fix %2 (--fix NAME=VALUE) to determine the "
                  "others.")
                   .arg(listOf(result.notDetermined), listOf(result.suggestHold))
            << Qt::endl;
    for (const Correlation &c : result.correlations)
        out << tr("%1 and %2 are correlated: %3.")
                   .arg(nameOf(c.first), nameOf(c.second), shortNumber(c.coefficient, 3))
            << Qt::endl;
}

} // namespace

int fitRecording(const FitRequest &request, QTextStream &out, QTextStream &errors)
{
    const QString file = QDir::toNativeSeparators(request.recordingPath);
    const auto fail = [&](const QString &why) {
        errors << "kel: " << file << ": " << why << Qt::endl;
        return 1;
    };
    const ReadResult reading =
        readRecordingFile(QFile::encodeName(request.recordingPath).toStdString());
    if (!reading.recording)
        return fail(display::toQString(problemText(*reading.problem)));
    const Recording &recording = *reading.recording;
    const auto channel = static_cast<std::size_t>(request.channel);
    if (channel > recording.channels.size())
        return fail(tr("The recording has no channel %1; it has %2.")
                        .arg(display::toQString(solutions::integerText(request.channel)),
                             display::toQString(solutions::integerText(
                                 static_cast<long long>(recording.channels.size())))));
    const std::vector<double> &values = recording.channels[channel - 1];
    std::vector<double> t, y;
    for (std::size_t k = 0; k < recording.time.size(); ++k) {
        const double time = recording.time[k];
        if ((request.from && time < *request.from) || (request.to && time > *request.to))
            continue;
        t.push_back(time);
        y.push_back(values[k]);
    }
    const FitResult result = fitCircuit(request.problem, t, y);
    if (result.status != FitStatus::Fitted)
        return fail(failureText(result.status));
    if (request.json)
        writeJson(out, request.problem, result);
    else
        writeTable(out, request.problem, result);
    return 0;
}

} // namespace kel::shell
