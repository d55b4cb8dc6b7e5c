// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "display/qstringtext.h"
#include "kelversion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <variant>
#include <vector>

namespace kel::shell
{

namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("CommandLine", text);
}

CommandLineRequest refused(const QString &why)
{
    CommandLineRequest request;
    request.action = CommandLineRequest::Action::Refuse;
    request.text = why;
    return request;
}

QString versionText()
{
    return QStringLiteral("kel ") + display::toQString(kVersion);
}

// The options of --fit, apart from it.
struct FitOptions {
    QCommandLineOption circuit{QStringLiteral("circuit"),
                               tr("With --fit: the circuit, one of rc, rl, lc, rlc, each alone "
                                  "(no source) or with -dc or -ac."),
                               QStringLiteral("NAME")};
    QCommandLineOption quantity{QStringLiteral("quantity"),
                                tr("With --fit: what the channel measured, vC, vR, vL, i or q."),
                                QStringLiteral("Q")};
    QCommandLineOption fix{QStringLiteral("fix"),
                           tr("With --fit: holds a parameter (R, L, C, v0, f0, q0, i0) at a "
                              "value in SI units; every other parameter is fitted."),
                           QStringLiteral("NAME=VALUE")};
    QCommandLineOption from{QStringLiteral("from"),
                            tr("With --fit: fits the samples from this time on, in seconds."),
                            QStringLiteral("T")};
    QCommandLineOption to{QStringLiteral("to"),
                          tr("With --fit: fits the samples up to this time, in seconds."),
                          QStringLiteral("T")};
    QCommandLineOption channel{QStringLiteral("channel"),
                               tr("With --fit: the value column to fit, 1 by default."),
                               QStringLiteral("N")};
    QCommandLineOption json{QStringLiteral("json"),
                            tr("With --fit: writes the result as one JSON object.")};

    std::array<const QCommandLineOption *, 6> valued() const
    {
        return {&circuit, &quantity, &from, &to, &channel, &json};
    }
};

QString quoted(const QString &text)
{
    return QStringLiteral("\"") + text + QStringLiteral("\"");
}

// The fit the options ask for, or what is wrong with them.
std::variant<FitRequest, QString> fitRequestOf(const QCommandLineParser &parser,
                                               const FitOptions &o, const QString &path)
{
    using namespace measurement;
    FitRequest fit;
    fit.recordingPath = path;
    if (!parser.isSet(o.circuit) || !parser.isSet(o.quantity))
        return tr("--fit needs the circuit and the quantity (kel --fit FILE --circuit rlc "
                  "--quantity vC).");
    const std::optional<CircuitName> circuit = circuitNamed(parser.value(o.circuit).toStdString());
    if (!circuit)
        return tr("The circuit %1 is not one of rc, rl, lc, rlc, each alone or with -dc or -ac.")
            .arg(quoted(parser.value(o.circuit)));
    const std::optional<Quantity> quantity = quantityNamed(parser.value(o.quantity).toStdString());
    if (!quantity)
        return tr("The quantity %1 is not one of vC, vR, vL, i, q.")
            .arg(quoted(parser.value(o.quantity)));
    if (!hasQuantity(circuit->circuit, *quantity))
        return tr("The %1 circuit has no %2.")
            .arg(parser.value(o.circuit), parser.value(o.quantity));
    fit.problem.circuit = circuit->circuit;
    fit.problem.source = circuit->source;
    fit.problem.quantity = *quantity;
    const std::span<const FitParameter> present = parametersOf(circuit->circuit, circuit->source);
    for (const FitParameter p : present)
        fit.problem[p].free = true;
    for (const QString &fix : parser.values(o.fix)) {
        const qsizetype equals = fix.indexOf(QLatin1Char('='));
        const QString name = fix.left(equals);
        const std::optional<FitParameter> parameter =
            equals < 0 ? std::nullopt : parameterNamed(name.toStdString());
        const std::optional<double> value =
            equals < 0 ? std::nullopt : display::numberOf(fix.mid(equals + 1));
        if (!parameter || !value)
            return tr("--fix %1 is not NAME=VALUE with NAME one of R, L, C, v0, f0, q0, i0 and "
                      "VALUE a number, such as --fix C=1e-6.")
                .arg(quoted(fix));
        if (std::find(present.begin(), present.end(), *parameter) == present.end())
            return tr("The %1 circuit has no parameter %2.").arg(parser.value(o.circuit), name);
        if (!fit.problem[*parameter].free)
            return tr("The parameter %1 is fixed more than once.").arg(name);
        const bool positive = *parameter == FitParameter::R || *parameter == FitParameter::L ||
                              *parameter == FitParameter::C || *parameter == FitParameter::f0;
        if (positive && !(*value > 0))
            return tr("The fixed %1 must be above 0.").arg(name);
        fit.problem[*parameter] = {*value, false};
    }
    for (const auto &[option, window] : {std::pair{&o.from, &fit.from}, {&o.to, &fit.to}}) {
        if (!parser.isSet(*option))
            continue;
        *window = display::numberOf(parser.value(*option));
        if (!*window)
            return tr("The time %1 of --%2 is not a number of seconds.")
                .arg(quoted(parser.value(*option)), option->names().constFirst());
    }
    if (fit.from && fit.to && !(*fit.from < *fit.to))
        return tr("The time window from %1 s to %2 s is empty.")
            .arg(parser.value(o.from), parser.value(o.to));
    if (parser.isSet(o.channel)) {
        bool whole = false;
        fit.channel = parser.value(o.channel).toInt(&whole);
        if (!whole || fit.channel < 1)
            return tr("The channel %1 is not a column number from 1.")
                .arg(quoted(parser.value(o.channel)));
    }
    fit.json = parser.isSet(o.json);
    return fit;
}

} // namespace

std::optional<QSize> CommandLine::sizeOf(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,5})[xX]([0-9]{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const std::optional<double> width = display::numberOf(match.captured(1));
    const std::optional<double> height = display::numberOf(match.captured(2));
    if (!width || !height || *width < 1 || *height < 1 || *width > kMaxSide || *height > kMaxSide)
        return std::nullopt;
    return QSize(static_cast<int>(*width), static_cast<int>(*height));
}

CommandLineRequest CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Kel Circuit Lab: the exact charge, current and voltages of series RC, RL, LC and "
           "RLC circuits, and the phasors of a driven RLC circuit."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     tr("Shows the program's version."));
    const QCommandLineOption language(QStringLiteral("lang"),
                                      tr("Shows the program in the language CODE (de, en, es, "
                                         "fr, pt_BR) instead of the system's."),
                                      QStringLiteral("CODE"));
    const QCommandLineOption png(QStringLiteral("export-png"),
                                 tr("Writes the experiment's picture as PNG to FILE, without "
                                    "showing a window."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption svg(QStringLiteral("export-svg"),
                                 tr("Writes the experiment's picture as SVG to FILE, without "
                                    "showing a window."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption csv(QStringLiteral("export-csv"),
                                 tr("Writes the samples of the experiment's last plot as CSV to "
                                    "FILE, without showing a window."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption energyCsv(QStringLiteral("export-energy-csv"),
                                       tr("Writes the energies of the experiment's circuit "
                                          "(t,W_C,W_L,W_R,W_S) as CSV to FILE, without showing "
                                          "a window."),
                                       QStringLiteral("FILE"));
    const QCommandLineOption pdf(
        QStringLiteral("export-pdf"),
        tr("Writes the experiment's worksheet (circuit, parameters, graph, "
           "equations and task on one page, the experiment attached) as "
           "PDF to FILE, without showing a window."),
        QStringLiteral("FILE"));
    const QCommandLineOption size(QStringLiteral("size"),
                                  tr("Fits the PNG within WxH pixels (such as 1600x1200), "
                                     "keeping its proportions."),
                                  QStringLiteral("WxH"));
    const QCommandLineOption fit(QStringLiteral("fit"),
                                 tr("Fits the circuit's exact solution to the recording FILE "
                                    "and writes each value with its uncertainty, without "
                                    "showing a window."),
                                 QStringLiteral("FILE"));
    const FitOptions fitOptions;
    parser.addOption(version);
    for (const QCommandLineOption *option :
         {&language, &png, &svg, &csv, &energyCsv, &pdf, &size, &fit})
        parser.addOption(*option);
    for (const QCommandLineOption *option : fitOptions.valued())
        parser.addOption(*option);
    parser.addOption(fitOptions.fix);
    parser.addPositionalArgument(QStringLiteral("FILE.kel"), tr("The experiment to open."),
                                 QStringLiteral("[FILE.kel]"));

    if (!parser.parse(arguments))
        return refused(parser.errorText());

    CommandLineRequest request;
    // Kept for the help too, which is shown in that language.
    request.language = parser.value(language);
    if (parser.isSet(help)) {
        request.action = CommandLineRequest::Action::ShowHelp;
        request.text = parser.helpText();
        return request;
    }
    if (parser.isSet(version)) {
        request.action = CommandLineRequest::Action::ShowVersion;
        request.text = versionText();
        return request;
    }
    // An option given twice would leave one of its values unused without a word.
    const auto fitValued = fitOptions.valued();
    std::vector<const QCommandLineOption *> once{&language,  &png, &svg,  &csv,
                                                 &energyCsv, &pdf, &size, &fit};
    once.insert(once.end(), fitValued.begin(), fitValued.end());
    for (const QCommandLineOption *option : once) {
        if (parser.values(*option).size() > 1)
            return refused(
                tr("The option --%1 is given more than once.").arg(option->names().constLast()));
    }

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return refused(tr("Give one experiment file, not %1.")
                           .arg(display::numberText(static_cast<double>(files.size()))));
    request.experimentPath = files.value(0);
    request.pngPath = parser.value(png);
    request.svgPath = parser.value(svg);
    request.csvPath = parser.value(csv);
    request.energyCsvPath = parser.value(energyCsv);
    request.pdfPath = parser.value(pdf);
    for (const QCommandLineOption *option :
         {&language, &png, &svg, &csv, &energyCsv, &pdf, &size}) {
        if (parser.isSet(*option) && parser.value(*option).trimmed().isEmpty())
            return refused(tr("The option --%1 needs a value.").arg(option->names().constLast()));
    }
    if (parser.isSet(size)) {
        request.pngSize = sizeOf(parser.value(size));
        if (!request.pngSize)
            return refused(
                tr("The size \"%1\" is not WIDTHxHEIGHT in pixels from 1 to %2, such "
                   "as 1600x1200.")
                    .arg(parser.value(size), display::numberText(static_cast<double>(kMaxSide))));
        if (!parser.isSet(png))
            return refused(tr("The option --size sets the size of --export-png; give both."));
    }

    const bool exporting = parser.isSet(png) || parser.isSet(svg) || parser.isSet(csv) ||
                           parser.isSet(energyCsv) || parser.isSet(pdf);
    if (parser.isSet(fit)) {
        if (exporting || !request.experimentPath.isEmpty())
            return refused(tr("--fit reads a recording on its own; give no experiment file "
                              "and no export with it."));
        if (parser.value(fit).trimmed().isEmpty())
            return refused(tr("The option --fit needs a value."));
        auto made = fitRequestOf(parser, fitOptions, parser.value(fit));
        if (const QString *why = std::get_if<QString>(&made))
            return refused(*why);
        request.action = CommandLineRequest::Action::Fit;
        request.fit = std::get<FitRequest>(std::move(made));
        return request;
    }
    for (const QCommandLineOption *option : fitOptions.valued()) {
        if (parser.isSet(*option))
            return refused(tr("The option --%1 goes with --fit.").arg(option->names().constLast()));
    }
    if (parser.isSet(fitOptions.fix))
        return refused(tr("The option --fix goes with --fit."));
    if (exporting) {
        if (request.experimentPath.isEmpty())
            return refused(tr("Exporting needs the experiment file to export (kel FILE.kel "
                              "--export-png OUT.png)."));
        request.action = CommandLineRequest::Action::Export;
    }
    return request;
}

} // namespace kel::shell
