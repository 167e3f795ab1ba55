// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "windowentry.h"

#include "diagram/atomicfile.h"
#include "diagram/labels.h"
#include "model/presets.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace velmora::app {

namespace {

constexpr double kMinPka = 0.0;
constexpr double kMaxPka = 14.0;

bool parseFinite(const QString& text, double& value) {
    bool ok = false;
    value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value);
}

} // namespace

QString parsePkaList(const QString& text, model::Acid& acid) {
    const QStringList parts = text.split(u',');
    if (parts.size() > model::kMaxProtons) {
        return QStringLiteral("at most %1 values, got %2")
            .arg(model::kMaxProtons)
            .arg(parts.size());
    }
    model::Exponents values{};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        double v = 0.0;
        if (!parseFinite(parts[i], v)) {
            return QStringLiteral("'%1' is not a number")
                .arg(diagram::shownName(parts[i].trimmed()));
        }
        if (v < kMinPka || v > kMaxPka) {
            return QStringLiteral("%1 is out of range (0 to 14)")
                .arg(diagram::shownName(parts[i].trimmed()));
        }
        if (i > 0 && v == 0.0) {
            return QStringLiteral("value %1 is 0, which marks an absent constant").arg(i + 1);
        }
        if (i > 0 && v < values[static_cast<std::size_t>(i - 1)]) {
            return QStringLiteral("values must not decrease (%1 after %2)")
                .arg(diagram::shownName(parts[i].trimmed()),
                     diagram::shownName(parts[i - 1].trimmed()));
        }
        values[static_cast<std::size_t>(i)] = v;
    }
    acid = model::Acid(values);
    return {};
}

namespace {

/** How many values Qt's own window option `arg` takes (-1: not one of them). */
int qtOptionValues(const char* arg) {
    static const char* const qtWithValue[] = {
        "platform",     "display",     "style",   "stylesheet",         "qwindowgeometry",
        "qwindowtitle", "qwindowicon", "session", "platformpluginpath", "platformtheme"};
    static const char* const qtAlone[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    // Qt takes its options with one dash or two.
    if (arg[0] != '-') {
        return -1;
    }
    const char* name = arg[1] == '-' ? arg + 2 : arg + 1;
    for (const char* option : qtWithValue) {
        if (std::strcmp(name, option) == 0) {
            return 1;
        }
    }
    for (const char* option : qtAlone) {
        if (std::strcmp(name, option) == 0) {
            return 0;
        }
    }
    return -1;
}

} // namespace

bool wantsCommandLine(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const int values = qtOptionValues(argv[i]);
        if (values < 0) {
            return true;
        }
        i += values;
    }
    return false;
}

QByteArrayList commandArguments(int argc, const char* const* argv) {
    QByteArrayList arguments;
    for (int i = 0; i < argc; ++i) {
        const int values = i == 0 ? -1 : qtOptionValues(argv[i]);
        if (values < 0) {
            arguments << QByteArray(argv[i]);
        }
        i += std::max(values, 0);
    }
    return arguments;
}

QString presetListing() {
    QStringList lines;
    for (const model::Preset& preset : model::presets()) {
        QStringList formulas;
        for (const std::string& f : preset.formulas) {
            formulas << QString::fromStdString(f);
        }
        QStringList values;
        for (double v : preset.pKa) {
            values << QString::number(v, 'f', 2);
        }
        lines << QStringLiteral("%1 | %2 | %3 | pKa %4 | %5")
                     .arg(QString::fromStdString(preset.key), QString::fromStdString(preset.name),
                          formulas.join(QStringLiteral(", ")), values.join(QStringLiteral(", ")),
                          QString::fromStdString(preset.source));
    }
    return lines.join(u'\n');
}

namespace {

/** The usage line names the program, not the path it was started from. */
QString helpNamingTheProgram(const QString& help) {
    const QString program = QCoreApplication::instance() != nullptr
                                ? QCoreApplication::arguments().value(0)
                                : QStringLiteral("<executable_name>");
    const QString usage = QStringLiteral("Usage: ");
    if (!program.isEmpty() && help.startsWith(usage + program)) {
        return usage + QStringLiteral("velmora") + help.mid(usage.size() + program.size());
    }
    return help;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QByteArrayList bytes;
    for (const QString& argument : arguments) {
        bytes << argument.toUtf8();
    }
    return parseCommandLine(bytes);
}

CommandLine parseCommandLine(const QByteArrayList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Distribution diagrams of mono- to tetraprotic acids; the pH, log-"
                       "concentration diagram and titration curve of an acid's solution.\n"
                       "Without options the window opens; with --export a drawing or its data "
                       "is written to a file, with --solve a solution's pH and species are "
                       "printed, and no display is needed."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version."));
    const QCommandLineOption exportOption(
        QStringLiteral("export"),
        QStringLiteral("Writes the diagram (or the chart --plot names) to FILE: .png, .svg or .pdf "
                       "for the picture, .csv for its data."),
        QStringLiteral("FILE"));
    QStringList startValues;
    for (double pKa : model::kStartExponents) {
        startValues << QString::number(pKa);
    }
    const QCommandLineOption pkaOption(
        QStringLiteral("pka"),
        QStringLiteral("One to four comma-separated pKa values from 0 to 14, not decreasing "
                       "(default %1); for --solve and the solution's charts one to six from -5 to "
                       "25.")
            .arg(startValues.join(u',')),
        QStringLiteral("LIST"));
    const QCommandLineOption scaleOption(
        QStringLiteral("scale"),
        QStringLiteral("PNG only: whole-number magnification 1 to 8 (default 1)."),
        QStringLiteral("N"));
    const QCommandLineOption stepOption(
        QStringLiteral("step"),
        QStringLiteral("CSV only: pH step from 0.001 to 1 (default 0.1); for --plot titration the "
                       "volume step, 0.001 mL to the end volume (default 0.05), at most a million "
                       "rows."),
        QStringLiteral("S"));
    const QCommandLineOption presetOption(
        QStringLiteral("preset"),
        QStringLiteral("Uses an example acid with its literature values and formulas instead of "
                       "--pka (see --list-presets)."),
        QStringLiteral("NAME"));
    const QCommandLineOption listOption(
        QStringLiteral("list-presets"),
        QStringLiteral("Lists the example acids that --preset takes."));
    // The window's own option: the program handles it before the command line is read, so here
    // it only appears in the help and is refused beside command-line work.
    const QCommandLineOption solutionWindowOption(
        QString::fromLatin1(kSolutionOption).mid(2),
        QStringLiteral("Opens the solution window beside the main window (no other option)."));
    parser.addOptions({help, version, exportOption, pkaOption, presetOption, listOption,
                       scaleOption, stepOption, solutionWindowOption});
    const SolutionOptions solution;
    parser.addOptions(solution.all());

    CommandLine result;
    const auto refuse = [&result](const QString& problem) {
        result.action = CommandLine::Action::Refused;
        result.problem = problem;
        return result;
    };
    // The parser sees every byte as one Latin-1 character, so a value's bytes come back
    // unchanged whatever they are; texts are decoded from them, shown names escaped.
    QStringList latin1;
    for (const QByteArray& argument : arguments) {
        latin1 << QString::fromLatin1(argument);
    }
    const auto bytes = [&parser](const QCommandLineOption& option) {
        return parser.value(option).toLatin1();
    };
    const auto text = [&](const QCommandLineOption& option) {
        return QString::fromUtf8(bytes(option));
    };
    const auto shown = [&](const QCommandLineOption& option) {
        return diagram::shownName(bytes(option));
    };
    if (!parser.parse(latin1)) {
        return refuse(diagram::shownName(parser.errorText().toLatin1()));
    }
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::Help;
        result.helpText = helpNamingTheProgram(parser.helpText());
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::Version;
        return result;
    }
    if (parser.isSet(listOption)) {
        result.action = CommandLine::Action::ListPresets;
        return result;
    }
    if (parser.isSet(solutionWindowOption)) {
        return refuse(QStringLiteral("--solution opens the window and takes no other option"));
    }
    QList<QCommandLineOption> single{exportOption, pkaOption, presetOption, scaleOption,
                                     stepOption};
    single << solution.all();
    // A flag has no values to count: its name is listed each time it is given.
    for (const QCommandLineOption& option : single) {
        if (parser.values(option).size() > 1 ||
            parser.optionNames().count(option.names().first()) > 1) {
            return refuse(
                QStringLiteral("--%1 is given more than once").arg(option.names().first()));
        }
    }
    if (!parser.positionalArguments().isEmpty()) {
        return refuse(
            QStringLiteral("unexpected argument '%1'")
                .arg(diagram::shownName(parser.positionalArguments().first().toLatin1())));
    }
    if (solution.solves(parser)) {
        if (parser.isSet(exportOption)) {
            return refuse(QStringLiteral("--solve: use either --solve or --export, not both"));
        }
        for (const QCommandLineOption* option : {&presetOption, &scaleOption, &stepOption}) {
            if (parser.isSet(*option)) {
                return refuse(
                    QStringLiteral("--%1 is only used with --export").arg(option->names().first()));
            }
        }
        result.chart.emplace();
        if (const QString problem = solution.readSolve(parser, pkaOption, *result.chart);
            !problem.isEmpty()) {
            return refuse(problem);
        }
        result.action = CommandLine::Action::Solve;
        return result;
    }
    if (!parser.isSet(exportOption)) {
        for (const QCommandLineOption* option :
             {&pkaOption, &presetOption, &scaleOption, &stepOption}) {
            if (parser.isSet(*option)) {
                return refuse(
                    QStringLiteral("--%1 is only used with --export").arg(option->names().first()));
            }
        }
        if (const QString problem = solution.problemWithoutExport(parser); !problem.isEmpty()) {
            return refuse(problem);
        }
        return result;
    }

    result.action = CommandLine::Action::Export;
    result.fileName = bytes(exportOption);
    result.file = text(exportOption);
    if (result.fileName.isEmpty()) {
        return refuse(QStringLiteral("--export: no file name given"));
    }
    const auto format = diagram::formatForFile(result.file);
    if (!format) {
        return refuse(
            QStringLiteral("--export: unknown file type of '%1' (use .png, .svg, .pdf or .csv)")
                .arg(shown(exportOption)));
    }
    result.format = *format;
    if (parser.isSet(scaleOption) && result.format != diagram::ExportFormat::Png) {
        return refuse(QStringLiteral("--scale applies to .png only"));
    }
    if (parser.isSet(stepOption) && result.format != diagram::ExportFormat::Csv) {
        return refuse(QStringLiteral("--step applies to .csv only"));
    }
    if (parser.isSet(scaleOption)) {
        bool ok = false;
        const int scale = text(scaleOption).trimmed().toInt(&ok);
        if (!ok || scale < diagram::kMinScale || scale > diagram::kMaxScale) {
            return refuse(QStringLiteral("--scale: '%1' is not a whole number from 1 to 8")
                              .arg(shown(scaleOption)));
        }
        result.request.scale = scale;
    }

    QString plotProblem;
    const std::optional<diagram::ChartKind> chart = solution.chartKind(parser, plotProblem);
    if (!plotProblem.isEmpty()) {
        return refuse(plotProblem);
    }
    if (chart) {
        if (parser.isSet(presetOption)) {
            return refuse(QStringLiteral("--preset applies to --plot main only"));
        }
        result.chart = ChartExport{.request = {}, .scale = result.request.scale, .step = 0.0};
        const QString problem =
            solution.readChart(parser, pkaOption, stepOption, *chart, result.format, *result.chart);
        if (!problem.isEmpty()) {
            return refuse(problem);
        }
        return result;
    }
    if (const QString problem = solution.problemWithMainDiagram(parser); !problem.isEmpty()) {
        return refuse(problem);
    }

    result.request.acid = model::Acid::startAcid();
    if (parser.isSet(presetOption)) {
        if (parser.isSet(pkaOption)) {
            return refuse(QStringLiteral("--preset: use either --preset or --pka, not both"));
        }
        const model::Preset* preset = model::findPreset(bytes(presetOption).toStdString());
        if (preset == nullptr) {
            return refuse(QStringLiteral("--preset: unknown acid '%1' (see --list-presets)")
                              .arg(shown(presetOption)));
        }
        result.request.acid = preset->acid();
        result.request.labels = diagram::presetLabels(*preset);
        result.presetName = QString::fromStdString(preset->name);
    } else if (parser.isSet(pkaOption)) {
        const QString problem = parsePkaList(text(pkaOption), result.request.acid);
        if (!problem.isEmpty()) {
            return refuse(QStringLiteral("--pka: ") + problem);
        }
    }
    if (parser.isSet(stepOption)) {
        double step = 0.0;
        if (!parseFinite(text(stepOption), step)) {
            return refuse(QStringLiteral("--step: '%1' is not a number").arg(shown(stepOption)));
        }
        if (step < diagram::kMinStep || step > diagram::kMaxStep) {
            return refuse(
                QStringLiteral("--step: %1 is out of range (0.001 to 1)").arg(shown(stepOption)));
        }
        result.request.step = step;
    }
    return result;
}

} // namespace velmora::app
