// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "optionvalue.h"
#include "windowentry.h"

#include "diagram/labels.h"
#include "io/atomicfile.h"
#include "io/shownname.h"
#include "language/modeltexts.h"
#include "model/presets.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cstring>

namespace velmora::app {

namespace {

constexpr double kMinPka = 0.0;
constexpr double kMaxPka = 14.0;

} // namespace

QString parsePkaList(const QString& text, model::Acid& acid) {
    return parsePkaList(text.toUtf8(), acid);
}

QString parsePkaList(const QByteArray& bytes, model::Acid& acid) {
    const QByteArrayList parts = bytes.split(',');
    if (parts.size() > model::kMaxProtons) {
        return CommandLine::tr("at most %1 values, got %2")
            .arg(model::kMaxProtons)
            .arg(parts.size());
    }
    model::Exponents values{};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        double v = 0.0;
        const QString shown = io::shownName(trimmedValue(parts[i]));
        if (!readFinite(parts[i], v)) {
            return CommandLine::tr("'%1' is not a number").arg(shown);
        }
        if (v < kMinPka || v > kMaxPka) {
            return CommandLine::tr("%1 is out of range (0 to 14)").arg(shown);
        }
        if (i > 0 && v == 0.0) {
            return CommandLine::tr("value %1 is 0, which marks an absent constant").arg(i + 1);
        }
        if (i > 0 && v < values[static_cast<std::size_t>(i - 1)]) {
            return CommandLine::tr("values must not decrease (%1 after %2)")
                .arg(shown, io::shownName(trimmedValue(parts[i - 1])));
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
                     .arg(QString::fromStdString(preset.key), language::presetName(preset),
                          formulas.join(QStringLiteral(", ")), values.join(QStringLiteral(", ")),
                          language::presetSource(preset));
    }
    return lines.join(u'\n');
}

namespace {

/** The refusal of an option given without --export. */
QString onlyWithExport(const QCommandLineOption& option) {
    return CommandLine::tr("--%1 is only used with --export").arg(option.names().first());
}

/** The usage line names the program, not the path it was started from. */
QString helpNamingTheProgram(const QString& help) {
    const QString program = QCoreApplication::instance() != nullptr
                                ? QCoreApplication::arguments().value(0)
                                : QStringLiteral("<executable_name>");
    // The parser's own words around the program's name, in the user's language (Qt's
    // translation, not the program's: named through constants, so they are not read as ours).
    static constexpr char kParser[] = "QCommandLineParser";
    static constexpr char kUsage[] = "Usage: %1";
    const QString usage = QCoreApplication::translate(kParser, kUsage);
    const qsizetype at = usage.indexOf(QLatin1String("%1"));
    const QString before = usage.left(at);
    if (!program.isEmpty() && at >= 0 && help.startsWith(before + program)) {
        return before + QStringLiteral("velmora") + help.mid(before.size() + program.size());
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
        CommandLine::tr("Distribution diagrams of mono- to tetraprotic acids; the pH, log-"
                        "concentration diagram and titration curve of an acid's solution.\n"
                        "Without options the window opens; with --export a drawing or its data "
                        "is written to a file, with --solve a solution's pH and species are "
                        "printed, and no display is needed."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  CommandLine::tr("Shows this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     CommandLine::tr("Shows the version."));
    const QCommandLineOption exportOption(
        QStringLiteral("export"),
        CommandLine::tr("Writes the diagram (or the chart --plot names) to FILE: .png, .svg or "
                        ".pdf for the picture, .csv for its data."),
        //: The value of --export, as its description names it.
        CommandLine::tr("FILE"));
    QStringList startValues;
    for (double pKa : model::kStartExponents) {
        startValues << QString::number(pKa);
    }
    const QCommandLineOption pkaOption(
        QStringLiteral("pka"),
        CommandLine::tr("One to four comma-separated pKa values from 0 to 14, not decreasing "
                        "(default %1); for --solve and the solution's charts one to six from -5 "
                        "to 25.")
            .arg(startValues.join(u',')),
        //: The value of --pka and --names: a comma-separated list.
        CommandLine::tr("LIST"));
    const QCommandLineOption scaleOption(
        QStringLiteral("scale"),
        CommandLine::tr("PNG only: whole-number magnification 1 to 8 (default 1)."),
        QStringLiteral("N"));
    const QCommandLineOption stepOption(
        QStringLiteral("step"),
        CommandLine::tr("CSV only: pH step from 0.001 to 1 (default 0.1); for --plot titration the "
                        "volume step, 0.001 mL to the end volume (default 0.05), at most a million "
                        "rows."),
        QStringLiteral("S"));
    const QCommandLineOption presetOption(
        QStringLiteral("preset"),
        CommandLine::tr("Uses an example acid with its literature values and formulas instead of "
                        "--pka (see --list-presets)."),
        //: The value of --preset: the name of an example acid as --list-presets shows it.
        CommandLine::tr("NAME"));
    const QCommandLineOption listOption(
        QStringLiteral("list-presets"),
        CommandLine::tr("Lists the example acids that --preset takes."));
    // The window's own option: the program handles it before the command line is read, so here
    // it only appears in the help and is refused beside command-line work.
    const QCommandLineOption solutionWindowOption(
        QString::fromLatin1(kSolutionOption).mid(2),
        CommandLine::tr("Opens the solution window beside the main window (no other option)."));
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
        return io::shownName(bytes(option));
    };
    if (!parser.parse(latin1)) {
        // The parser's text is in the user's language, which Latin-1 cannot carry: it is made
        // again from the arguments as they are shown, each byte that is no text escaped.
        QStringList shownArguments;
        for (const QByteArray& argument : arguments) {
            shownArguments << io::shownName(argument);
        }
        const QString problem = parser.errorText();
        return refuse(parser.parse(shownArguments) ? io::shownName(problem.toLatin1())
                                                   : parser.errorText());
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
    // The parser lists an option's name each time it is given, flag or value alike.
    const auto givenTwice = [&](const QCommandLineOption& option) {
        return parser.optionNames().count(option.names().first()) > 1
                   ? CommandLine::tr("--%1 is given more than once").arg(option.names().first())
                   : QString();
    };
    if (parser.isSet(solutionWindowOption)) {
        const QString twice = givenTwice(solutionWindowOption);
        return refuse(!twice.isEmpty() ? twice
                                       : CommandLine::tr("--solution opens the window and takes "
                                                         "no other option"));
    }
    QList<QCommandLineOption> single{exportOption, pkaOption, presetOption, scaleOption,
                                     stepOption};
    single << solution.all();
    for (const QCommandLineOption& option : single) {
        if (const QString twice = givenTwice(option); !twice.isEmpty()) {
            return refuse(twice);
        }
    }
    if (!parser.positionalArguments().isEmpty()) {
        return refuse(CommandLine::tr("unexpected argument '%1'")
                          .arg(io::shownName(parser.positionalArguments().first().toLatin1())));
    }
    if (solution.solves(parser)) {
        if (parser.isSet(exportOption)) {
            return refuse(CommandLine::tr("--solve: use either --solve or --export, not both"));
        }
        for (const QCommandLineOption* option : {&presetOption, &scaleOption, &stepOption}) {
            if (parser.isSet(*option)) {
                return refuse(onlyWithExport(*option));
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
                return refuse(onlyWithExport(*option));
            }
        }
        if (const QString problem = solution.problemWithoutExport(parser); !problem.isEmpty()) {
            return refuse(problem);
        }
        return result;
    }

    result.action = CommandLine::Action::Export;
    result.fileName = bytes(exportOption);
    if (result.fileName.isEmpty()) {
        return refuse(CommandLine::tr("--export: no file name given"));
    }
    const auto format = diagram::formatForFile(text(exportOption));
    if (!format) {
        return refuse(
            CommandLine::tr("--export: unknown file type of '%1' (use .png, .svg, .pdf or .csv)")
                .arg(shown(exportOption)));
    }
    result.format = *format;
    if (parser.isSet(scaleOption) && result.format != diagram::ExportFormat::Png) {
        return refuse(CommandLine::tr("--scale applies to .png only"));
    }
    if (parser.isSet(stepOption) && result.format != diagram::ExportFormat::Csv) {
        return refuse(CommandLine::tr("--step applies to .csv only"));
    }
    if (parser.isSet(scaleOption)) {
        int scale = 0;
        if (!readInteger(bytes(scaleOption), scale) || scale < diagram::kMinScale ||
            scale > diagram::kMaxScale) {
            return refuse(CommandLine::tr("--scale: '%1' is not a whole number from 1 to 8")
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
            return refuse(CommandLine::tr("--preset applies to --plot main only"));
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
            return refuse(CommandLine::tr("--preset: use either --preset or --pka, not both"));
        }
        const model::Preset* preset = model::findPreset(bytes(presetOption).toStdString());
        if (preset == nullptr) {
            return refuse(CommandLine::tr("--preset: unknown acid '%1' (see --list-presets)")
                              .arg(shown(presetOption)));
        }
        result.request.acid = preset->acid();
        result.request.labels = diagram::presetLabels(*preset);
    } else if (parser.isSet(pkaOption)) {
        const QString problem = parsePkaList(bytes(pkaOption), result.request.acid);
        if (!problem.isEmpty()) {
            return refuse(QStringLiteral("--pka: ") + problem);
        }
    }
    if (parser.isSet(stepOption)) {
        double step = 0.0;
        if (!readFinite(bytes(stepOption), step)) {
            return refuse(CommandLine::tr("--step: '%1' is not a number").arg(shown(stepOption)));
        }
        if (step < diagram::kMinStep || step > diagram::kMaxStep) {
            return refuse(
                CommandLine::tr("--step: %1 is out of range (0.001 to 1)").arg(shown(stepOption)));
        }
        result.request.step = step;
    }
    return result;
}

} // namespace velmora::app
