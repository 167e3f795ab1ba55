// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "measuredoptions.h"
#include "optionvalue.h"
#include "windowentry.h"

#include "diagram/labels.h"

#include "io/shownname.h"

#include "language/modeltexts.h"

#include "model/presets.h"
#include "model/substances.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cstring>

namespace velmora::app {

namespace {

/**
 * The main diagram's pKa values span its pH axis, 0 to 14; the model's acids of --solve and the
 * solution's charts take model::kMinPka to model::kMaxPka (-5 to 25).
 */
constexpr double kMinDiagramPka = 0.0;
constexpr double kMaxDiagramPka = 14.0;

} // namespace

QString readDiagramPkas(const OptionValue& value, model::Acid& acid) {
    std::vector<double> values;
    if (QString problem =
            value.readConstants(values, model::kMaxProtons, kMinDiagramPka, kMaxDiagramPka);
        !problem.isEmpty()) {
        return problem;
    }
    model::Exponents exponents{};
    std::copy(values.begin(), values.end(), exponents.begin());
    acid = model::Acid(exponents);
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

QString substanceListing() {
    QStringList lines;
    const model::Translate translate = language::modelTranslation();
    for (const model::Substance& substance : model::substances()) {
        lines << QString::fromStdString(model::substanceLine(substance, translate));
    }
    return lines.join(u'\n');
}

namespace {

/** The refusal of an option given without --export. */
QString onlyWithExport(const QCommandLineOption& option) {
    return OptionValue::onlyWithExport(QStringLiteral("--") + option.names().constFirst());
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

namespace {

/** The program's options, defined once for the command line's one parser. */
struct Options {
    Options();

    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption exportFile;
    QCommandLineOption pka;
    QCommandLineOption preset;
    QCommandLineOption list;
    QCommandLineOption listSubstances;
    QCommandLineOption scale;
    QCommandLineOption step;
    QCommandLineOption solutionWindow;
    SolutionOptions solution;
    MeasuredOptions measured;

    /** The options taken at most once. */
    [[nodiscard]] QList<QCommandLineOption> single() const {
        return QList<QCommandLineOption>{exportFile, pka, preset, scale, step} + solution.once() +
               measured.all();
    }
};

QString startValues() {
    QStringList values;
    for (double pKa : model::kStartExponents) {
        values << QString::number(pKa);
    }
    return values.join(u',');
}

Options::Options()
    : help({QStringLiteral("h"), QStringLiteral("help")}, CommandLine::tr("Shows this help.")),
      version({QStringLiteral("v"), QStringLiteral("version")},
              CommandLine::tr("Shows the version.")),
      exportFile(QStringLiteral("export"),
                 CommandLine::tr("Writes the diagram (or the chart --plot names) to FILE: .png, "
                                 ".svg or .pdf for the picture, .csv for its data."),
                 //: The value of --export, as its description names it.
                 CommandLine::tr("FILE")),
      pka(QStringLiteral("pka"),
          CommandLine::tr("One to four comma-separated pKa values from 0 to 14, not decreasing "
                          "(default %1); for --solve and the solution's charts one to six from -5 "
                          "to 25.")
              .arg(startValues()),
          //: The value of --pka and --names: a comma-separated list.
          CommandLine::tr("LIST")),
      preset(QStringLiteral("preset"),
             CommandLine::tr("Uses an example acid with its literature values and formulas "
                             "instead of --pka (see --list-presets)."),
             //: The value of --preset: the name of an example acid as --list-presets shows it.
             CommandLine::tr("NAME")),
      list(QStringLiteral("list-presets"),
           CommandLine::tr("Lists the example acids that --preset takes.")),
      listSubstances(QStringLiteral("list-substances"),
                     CommandLine::tr("Lists the acids, bases and salts that --add and --titrant "
                                     "take by their key.")),
      scale(QStringLiteral("scale"),
            CommandLine::tr("PNG only: whole-number magnification 1 to 8 (default 1)."),
            QStringLiteral("N")),
      step(QStringLiteral("step"),
           CommandLine::tr("CSV only: pH step from 0.001 to 1 (default 0.1); for --plot titration "
                           "the volume step, 0.001 mL to the end volume (default 0.05), at most "
                           "a million rows."),
           QStringLiteral("S")),
      // The window's own option: the program handles it before the command line is read, so
      // here it only appears in the help and is refused beside command-line work.
      solutionWindow(QString::fromLatin1(kSolutionOption).mid(2),
                     CommandLine::tr("Opens the solution window beside the main window (no other "
                                     "option).")) {}

CommandLine refused(const QString& problem) {
    CommandLine result;
    result.action = CommandLine::Action::Refused;
    result.problem = problem;
    return result;
}

/** --help, --version, --list-presets and --list-substances, which take the place of any other work.
 */
std::optional<CommandLine> readInformation(const QCommandLineParser& parser,
                                           const Options& options) {
    CommandLine result;
    if (parser.isSet(options.help)) {
        result.action = CommandLine::Action::Help;
        result.helpText = helpNamingTheProgram(parser.helpText());
    } else if (parser.isSet(options.version)) {
        result.action = CommandLine::Action::Version;
    } else if (parser.isSet(options.list)) {
        result.action = CommandLine::Action::ListPresets;
    } else if (parser.isSet(options.listSubstances)) {
        result.action = CommandLine::Action::ListSubstances;
    } else {
        return std::nullopt;
    }
    return result;
}

/** Refuses what no action takes: options given twice, --solution, stray arguments. */
QString problemOfAnyAction(const QCommandLineParser& parser, const Options& options) {
    // The parser lists an option's name each time it is given, flag or value alike.
    const auto givenTwice = [&parser](const QCommandLineOption& option) {
        const QString name = option.names().first();
        return parser.optionNames().count(name) > 1 ? OptionValue::givenTwice(name) : QString();
    };
    if (parser.isSet(options.solutionWindow)) {
        const QString twice = givenTwice(options.solutionWindow);
        return !twice.isEmpty() ? twice
                                : CommandLine::tr("--solution opens the window and takes "
                                                  "no other option");
    }
    for (const QCommandLineOption& option : options.single()) {
        if (const QString twice = givenTwice(option); !twice.isEmpty()) {
            return twice;
        }
    }
    if (!parser.positionalArguments().isEmpty()) {
        return CommandLine::tr("unexpected argument '%1'")
            .arg(io::shownName(parser.positionalArguments().first().toLatin1()));
    }
    return {};
}

/** The refusal of --data beside anything but the drawings of measured data. */
QString onlyWithMeasuredPlot() {
    return CommandLine::tr("--data applies to --export with --plot measured, gran or derivative "
                           "only");
}

/** --solve: the solution's pH and species. */
CommandLine readSolve(const QCommandLineParser& parser, const Options& options) {
    if (parser.isSet(options.exportFile)) {
        return refused(CommandLine::tr("--solve: use either --solve or --export, not both"));
    }
    if (options.measured.drawsData(parser)) {
        return refused(onlyWithMeasuredPlot());
    }
    for (const QCommandLineOption* option : {&options.preset, &options.scale, &options.step}) {
        if (parser.isSet(*option)) {
            return refused(onlyWithExport(*option));
        }
    }
    CommandLine result;
    result.chart.emplace();
    if (const QString problem = options.solution.readSolve(parser, options.pka, *result.chart);
        !problem.isEmpty()) {
        return refused(problem);
    }
    result.action = CommandLine::Action::Solve;
    return result;
}

/** Refuses the options of the files written or of the main diagram beside `action`. */
QString problemWithFileOptions(const QCommandLineParser& parser, const Options& options,
                               const QString& action) {
    if (parser.isSet(options.exportFile)) {
        return CommandLine::tr("%1: use either %1 or --export, not both").arg(action);
    }
    if (options.solution.solves(parser)) {
        return CommandLine::tr("%1: use either %1 or --solve, not both").arg(action);
    }
    for (const QCommandLineOption* option : {&options.preset, &options.scale, &options.step}) {
        if (parser.isSet(*option)) {
            return onlyWithExport(*option);
        }
    }
    return {};
}

/**
 * The measured file with its columns and, where a `sample` is fitted, the parameters of --vary.
 */
QString readMeasuredChoices(const QCommandLineParser& parser, const Options& options,
                            const model::Mixture* sample, CommandLine& result) {
    if (QString problem = options.measured.readColumns(parser, result.columns);
        !problem.isEmpty()) {
        return problem;
    }
    if (sample != nullptr) {
        if (QString problem = options.measured.readVary(parser, *sample, result.vary);
            !problem.isEmpty()) {
            return problem;
        }
    }
    result.dataFile = options.measured.file(parser);
    return {};
}

/** --fit: the sample as the starting guess, the parameters, the file's columns. */
CommandLine readFit(const QCommandLineParser& parser, const Options& options) {
    const QString action = QStringLiteral("--fit");
    if (QString problem = problemWithFileOptions(parser, options, action); !problem.isEmpty()) {
        return refused(problem);
    }
    for (const char* name : {"plot", "size"}) {
        if (parser.isSet(QString::fromLatin1(name))) {
            return refused(
                OptionValue::onlyWithExport(QStringLiteral("--") + QString::fromLatin1(name)));
        }
    }
    CommandLine result;
    result.chart.emplace();
    charts::ChartRequest& request = result.chart->request;
    if (QString problem = options.solution.readMeasuredSample(parser, options.pka, action, request);
        !problem.isEmpty()) {
        return refused(problem);
    }
    if (QString problem = readMeasuredChoices(parser, options, &*request.mixture, result);
        !problem.isEmpty()) {
        return refused(problem);
    }
    result.action = CommandLine::Action::Fit;
    return result;
}

/** --endpoints: the file's columns and the sample's volume. */
CommandLine readEndPoints(const QCommandLineParser& parser, const Options& options) {
    if (QString problem = problemWithFileOptions(parser, options, QStringLiteral("--endpoints"));
        !problem.isEmpty()) {
        return refused(problem);
    }
    CommandLine result;
    result.chart.emplace();
    if (QString problem = options.solution.readEndPointVolume(
            parser, options.pka, result.chart->request.mixtureTitration.sampleVolume);
        !problem.isEmpty()) {
        return refused(problem);
    }
    if (QString problem = readMeasuredChoices(parser, options, nullptr, result);
        !problem.isEmpty()) {
        return refused(problem);
    }
    result.action = CommandLine::Action::EndPoints;
    return result;
}

/** No command-line work: the window, which takes none of the command line's options. */
CommandLine readWindow(const QCommandLineParser& parser, const Options& options) {
    for (const QCommandLineOption* option :
         {&options.pka, &options.preset, &options.scale, &options.step}) {
        if (parser.isSet(*option)) {
            return refused(onlyWithExport(*option));
        }
    }
    if (const QString problem = options.solution.problemWithoutExport(parser); !problem.isEmpty()) {
        return refused(problem);
    }
    if (options.measured.drawsData(parser)) {
        return refused(OptionValue::onlyWithExport(QStringLiteral("--data")));
    }
    return {};
}

/** The main diagram's acid (--preset or --pka) and its data's pH step. */
QString readMainDiagram(const QCommandLineParser& parser, const Options& options,
                        CommandLine& result) {
    if (const QString problem = options.solution.problemWithMainDiagram(parser);
        !problem.isEmpty()) {
        return problem;
    }
    result.request.acid = model::Acid::startAcid();
    if (parser.isSet(options.preset)) {
        if (parser.isSet(options.pka)) {
            return CommandLine::tr("--preset: use either --preset or --pka, not both");
        }
        const OptionValue name(parser, options.preset);
        const model::Preset* preset = model::findPreset(name.bytes().toStdString());
        if (preset == nullptr) {
            QStringList keys;
            for (const model::Preset& known : model::presets()) {
                keys << QString::fromStdString(known.key);
            }
            //: %2 lists the names --preset takes: "acetic, oxalic, ...".
            return CommandLine::tr("--preset: unknown acid '%1'; the example acids are %2")
                .arg(io::shownName(name.bytes()), keys.join(QStringLiteral(", ")));
        }
        result.request.acid = preset->acid();
        result.request.labels = diagram::presetLabels(*preset);
    } else if (parser.isSet(options.pka)) {
        if (QString problem =
                readDiagramPkas(OptionValue(parser, options.pka), result.request.acid);
            !problem.isEmpty()) {
            return problem;
        }
    }
    if (parser.isSet(options.step)) {
        return OptionValue(parser, options.step)
            .readNumberIn(result.request.step, diagram::kMinStep, diagram::kMaxStep);
    }
    return {};
}

/**
 * Refuses --data beside a chart that draws no measured data, --plot measured without it, and
 * --vary beside any other drawing than --plot measured.
 */
QString problemWithMeasuredPlot(const QCommandLineParser& parser, const Options& options,
                                std::optional<charts::ChartKind> chart) {
    const bool measuredPlot = options.solution.plotsMeasured(parser);
    const bool data = options.measured.drawsData(parser);
    if (measuredPlot && !data) {
        return CommandLine::tr("--plot measured needs the measured titration: --data FILE");
    }
    if (data && !measuredPlot && chart != charts::ChartKind::Derivative &&
        chart != charts::ChartKind::Gran) {
        return onlyWithMeasuredPlot();
    }
    if (!measuredPlot && parser.isSet(QStringLiteral("vary"))) {
        return MeasuredOptions::tr("--vary applies to --fit and --plot measured only");
    }
    return {};
}

/** A drawing of measured data: the chart, the file's columns and, for --plot measured, --vary. */
CommandLine readMeasuredExport(const QCommandLineParser& parser, const Options& options,
                               charts::ChartKind chart, CommandLine& result) {
    charts::ChartRequest& request = result.chart->request;
    if (QString problem = options.solution.readMeasuredChart(parser, options.pka, options.step,
                                                             chart, result.format, *result.chart);
        !problem.isEmpty()) {
        return refused(problem);
    }
    if (QString problem = readMeasuredChoices(parser, options, &*request.mixture, result);
        !problem.isEmpty()) {
        return refused(problem);
    }
    return result;
}

/** --export: the file, its format's options, and the main diagram or a solution's chart. */
CommandLine readExport(const QCommandLineParser& parser, const Options& options) {
    CommandLine result;
    result.action = CommandLine::Action::Export;
    const OptionValue file(parser, options.exportFile);
    result.fileName = file.bytes();
    if (result.fileName.isEmpty()) {
        return refused(CommandLine::tr("--export: no file name given"));
    }
    const auto format = encode::formatForFile(QString::fromUtf8(file.bytes()));
    if (!format) {
        return refused(
            CommandLine::tr("--export: unknown file type of '%1' (use .png, .svg, .pdf or .csv)")
                .arg(io::shownName(file.bytes())));
    }
    result.format = *format;
    if (parser.isSet(options.scale) && result.format != encode::ExportFormat::Png) {
        return refused(CommandLine::tr("--scale applies to .png only"));
    }
    if (parser.isSet(options.step) && result.format != encode::ExportFormat::Csv) {
        return refused(CommandLine::tr("--step applies to .csv only"));
    }
    if (parser.isSet(options.scale)) {
        if (QString problem =
                OptionValue(parser, options.scale)
                    .readWholeIn(result.request.scale, diagram::kMinScale, diagram::kMaxScale);
            !problem.isEmpty()) {
            return refused(problem);
        }
    }

    QString plotProblem;
    const std::optional<charts::ChartKind> chart = options.solution.chartKind(parser, plotProblem);
    if (!plotProblem.isEmpty()) {
        return refused(plotProblem);
    }
    if (const QString problem = problemWithMeasuredPlot(parser, options, chart);
        !problem.isEmpty()) {
        return refused(problem);
    }
    if (chart) {
        if (parser.isSet(options.preset)) {
            return refused(CommandLine::tr("--preset applies to --plot main only"));
        }
        result.chart = ChartExport{.request = {}, .scale = result.request.scale, .step = 0.0};
        if (options.measured.drawsData(parser)) {
            return readMeasuredExport(parser, options, *chart, result);
        }
        const QString problem = options.solution.readChart(parser, options.pka, options.step,
                                                           *chart, result.format, *result.chart);
        return problem.isEmpty() ? result : refused(problem);
    }
    const QString problem = readMainDiagram(parser, options, result);
    return problem.isEmpty() ? result : refused(problem);
}

} // namespace

CommandLine parseCommandLine(const QByteArrayList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandLine::tr("Distribution diagrams of mono- to tetraprotic acids; the pH, log-"
                        "concentration diagram and titration curve of an acid's solution.\n"
                        "Without options the window opens; with --export a drawing or its data "
                        "is written to a file, with --solve a solution's pH and species are "
                        "printed, with --fit and --endpoints a measured titration is fitted or its "
                        "end points are found, and no display is needed."));
    const Options options;
    parser.addOptions({options.help, options.version, options.exportFile, options.pka,
                       options.preset, options.list, options.listSubstances, options.scale,
                       options.step, options.solutionWindow});
    parser.addOptions(options.solution.all());
    parser.addOptions(options.measured.all());

    // The parser sees every byte as one Latin-1 character, so a value's bytes come back
    // unchanged whatever they are; texts are decoded from them, shown names escaped.
    QStringList latin1;
    for (const QByteArray& argument : arguments) {
        latin1 << QString::fromLatin1(argument);
    }
    if (!parser.parse(latin1)) {
        // The parser's text is in the user's language, which Latin-1 cannot carry: it is made
        // again from the arguments as they are shown, each byte that is no text escaped.
        QStringList shownArguments;
        for (const QByteArray& argument : arguments) {
            shownArguments << io::shownName(argument);
        }
        const QString problem = parser.errorText();
        return refused(parser.parse(shownArguments) ? io::shownName(problem.toLatin1())
                                                    : parser.errorText());
    }
    if (std::optional<CommandLine> information = readInformation(parser, options)) {
        return *information;
    }
    if (const QString problem = problemOfAnyAction(parser, options); !problem.isEmpty()) {
        return refused(problem);
    }
    if (const QString problem = options.measured.problemBeside(parser); !problem.isEmpty()) {
        return refused(problem);
    }
    if (options.measured.fits(parser)) {
        return readFit(parser, options);
    }
    if (options.measured.findsEndPoints(parser)) {
        return readEndPoints(parser, options);
    }
    if (!options.solution.solves(parser) && !parser.isSet(options.exportFile)) {
        return readWindow(parser, options);
    }
    CommandLine result =
        options.solution.solves(parser) ? readSolve(parser, options) : readExport(parser, options);
    if (result.action != CommandLine::Action::Refused && parser.isSet(options.pka)) {
        result.pkaList = OptionValue(parser, options.pka).bytes();
    }
    if (result.action != CommandLine::Action::Refused) {
        result.typedConstants = options.solution.typedConstants(parser);
    }
    return result;
}

namespace {

/**
 * The values of a list of whole numbers only, as plain digits, that a locale writing decimals
 * with a comma may have meant as one decimal ("9,25"); none where it cannot be such a list.
 */
QStringList wholeNumberList(const QByteArray& list) {
    QStringList values;
    for (const QByteArray& part : list.split(',')) {
        const QByteArray digits = trimmedValue(part);
        const bool signedPart = digits.startsWith('-') || digits.startsWith('+');
        const QByteArray unsignedDigits = signedPart ? digits.mid(1) : digits;
        if (unsignedDigits.isEmpty() || !std::all_of(unsignedDigits.begin(), unsignedDigits.end(),
                                                     [](char c) { return c >= '0' && c <= '9'; })) {
            return {};
        }
        values << QString::fromLatin1(digits);
    }
    return values.size() < 2 ? QStringList() : values;
}

} // namespace

QString pkaListWarning(const CommandLine& line, const QLocale& locale) {
    if (line.pkaList.isEmpty() || locale.decimalPoint() != QStringLiteral(",")) {
        return {};
    }
    const QStringList values = wholeNumberList(line.pkaList);
    if (values.isEmpty()) {
        return {};
    }
    const QString given = QString::fromLatin1(trimmedValue(line.pkaList));
    if (values.size() == 2) {
        //: The user's locale writes decimals with a comma: "--pka 9,25 was read as two values,
        //: 9 and 25; write decimals with a point: 9.25". Keep the option and the point as they are.
        return CommandLine::tr(
                   "--pka %1 was read as two values, %2 and %3; write decimals with a point: %4")
            .arg(given, values[0], values[1], values[0] + u'.' + values[1]);
    }
    //: The user's locale writes decimals with a comma: "--pka 2,7,12 was read as 3 values: 2, 7,
    //: 12; write decimals with a point". Keep the option and the point as they are.
    return CommandLine::tr("--pka %1 was read as %2 values: %3; write decimals with a point")
        .arg(given)
        .arg(values.size())
        .arg(values.join(QStringLiteral(", ")));
}

QStringList typedConstantsWarnings(const CommandLine& line, const QLocale& locale) {
    QStringList warnings;
    if (locale.decimalPoint() != QStringLiteral(",")) {
        return warnings;
    }
    for (const TypedConstants& typed : line.typedConstants) {
        const QStringList values = wholeNumberList(typed.constants);
        if (values.isEmpty()) {
            continue;
        }
        const QString given = io::shownName(trimmedValue(typed.written));
        const QString constants = QString::fromLatin1(trimmedValue(typed.constants));
        if (values.size() == 2) {
            //: The user's locale writes decimals with a comma: "--add 0.1:9,25: 9,25 was read as
            //: two values, 9 and 25; write decimals with a point: 9.25". Keep the point.
            warnings << CommandLine::tr("%1 %2: %3 was read as two values, %4 and %5; write "
                                        "decimals with a point: %6")
                            .arg(typed.option, given, constants, values[0], values[1],
                                 values[0] + u'.' + values[1]);
        } else {
            //: As "--add 0.1:2,7,12: 2,7,12 was read as 3 values: 2, 7, 12; write decimals with
            //: a point".
            warnings << CommandLine::tr("%1 %2: %3 was read as %4 values: %5; write decimals "
                                        "with a point")
                            .arg(typed.option, given, constants)
                            .arg(values.size())
                            .arg(values.join(QStringLiteral(", ")));
        }
    }
    return warnings;
}

} // namespace velmora::app
