// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "display/qstringtext.h"
#include "kelversion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

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
    const QCommandLineOption size(QStringLiteral("size"),
                                  tr("Fits the PNG within WxH pixels (such as 1600x1200), "
                                     "keeping its proportions."),
                                  QStringLiteral("WxH"));
    parser.addOption(version);
    for (const QCommandLineOption *option : {&language, &png, &svg, &csv, &energyCsv, &size})
        parser.addOption(*option);
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
    for (const QCommandLineOption *option : {&language, &png, &svg, &csv, &energyCsv, &size}) {
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
    for (const QCommandLineOption *option : {&language, &png, &svg, &csv, &energyCsv, &size}) {
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

    const bool exporting =
        parser.isSet(png) || parser.isSet(svg) || parser.isSet(csv) || parser.isSet(energyCsv);
    if (exporting) {
        if (request.experimentPath.isEmpty())
            return refused(tr("Exporting needs the experiment file to export (kel FILE.kel "
                              "--export-png OUT.png)."));
        request.action = CommandLineRequest::Action::Export;
    }
    return request;
}

} // namespace kel::shell
