// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "measuredwork.h"
#include "windowentry.h"

#include "version.h"

#include "charts/solutionchart.h"
#include "charts/solutiondata.h"

#include "encode/encode.h"

#include "io/atomicfile.h"
#include "io/shownname.h"

#include "language/language.h"

#include "model/mixturereport.h"
#include "model/solution.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHashFunctions>
#include <QLibrary>

#include <array>
#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstring>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

using velmora::kName;
using velmora::kVersion;
using velmora::app::CommandLine;
using velmora::io::shownName;

/** Writes one line to `fd`; false with errno set if any of it could not be written. */
bool printLine(int fd, const QString& text) {
    const QByteArray line = (text + u'\n').toUtf8();
    const char* at = line.constData();
    auto left = static_cast<std::size_t>(line.size());
    while (left > 0) {
        const ssize_t written = ::write(fd, at, left);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        at += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

/** Prints the answer on standard output; a full disk or a closed pipe is an error like any. */
int printOutput(const QString& text) {
    if (printLine(STDOUT_FILENO, text)) {
        return 0;
    }
    const int error = errno;
    printLine(
        STDERR_FILENO,
        QStringLiteral("velmora: ") +
            CommandLine::tr("cannot write to standard output: %1").arg(qt_error_string(error)));
    return 1;
}

/** Writes a solution's chart or its data as the command line asks; the reason if it failed. */
QString writeChart(const velmora::app::CommandLine& line) {
    using velmora::encode::ExportFormat;
    const velmora::app::ChartExport& chart = *line.chart;
    if (line.format == ExportFormat::Csv) {
        return velmora::io::writeFileAtomically(
            line.fileName, velmora::charts::chartCsv(chart.request, chart.step));
    }
    return velmora::encode::writeDrawing(line.fileName, line.format,
                                         velmora::charts::chartDrawing(chart.request), chart.scale);
}

int exportDiagram(const velmora::app::CommandLine& given) {
    using velmora::encode::ExportFormat;
    velmora::app::CommandLine line = given;
    if (!line.dataFile.isEmpty()) {
        if (const QString problem = velmora::app::MeasuredWork::addData(line, line.chart->request);
            !problem.isEmpty()) {
            printLine(STDERR_FILENO, QStringLiteral("velmora: ") + problem);
            return 2;
        }
    }
    const auto failure = [&line](const QString& reason) {
        return QStringLiteral("velmora: ") +
               CommandLine::tr("cannot write %1: %2").arg(shownName(line.fileName), reason);
    };
    velmora::encode::sayOnLackOfMemory(failure(velmora::encode::outOfMemory()).toUtf8());
    const QString problem = velmora::encode::withinMemory([&line] {
        return line.chart
                   ? writeChart(line)
                   : velmora::diagram::writeExportToPath(line.fileName, line.format, line.request);
    });
    if (!problem.isEmpty()) {
        printLine(STDERR_FILENO, failure(problem));
        return 1;
    }
    const QStringList missing = line.format == ExportFormat::Csv ? QStringList()
                                : line.chart ? velmora::charts::missingChartFonts()
                                             : velmora::diagram::missingDiagramFonts();
    if (!missing.isEmpty()) {
        // A picture shows the missing letters as empty boxes; an SVG keeps its texts as text.
        const QString warning =
            line.format == ExportFormat::Svg
                ? CommandLine::tr("warning: the diagram's font %1 is missing and no installed "
                                  "font stands in for it; the texts in %2 keep that font's name "
                                  "and show in whatever font the viewer has")
                : CommandLine::tr("warning: the diagram's font %1 is missing and no installed "
                                  "font stands in for it; the texts in %2 show as empty boxes");
        printLine(STDERR_FILENO,
                  QStringLiteral("velmora: ") +
                      warning.arg(missing.join(QStringLiteral(", ")), shownName(line.fileName)));
    }
    return 0;
}

/** Prints a solution's pH and its species, one line each. */
int printSolution(const velmora::app::CommandLine& line) {
    // Nothing is written here, so nothing needs cleaning up: a lack of memory ends the program
    // with this line through the terminate handler.
    velmora::encode::sayOnLackOfMemory(
        (QStringLiteral("velmora: ") + velmora::encode::outOfMemory()).toUtf8());
    const velmora::charts::ChartRequest& request = line.chart->request;
    const std::vector<std::string> report =
        request.mixture
            ? velmora::model::mixtureReport(*request.mixture,
                                            velmora::model::solveMixture(*request.mixture))
            : velmora::model::solutionReport(
                  request.acid, velmora::model::solveSolution(request.acid, request.solution));
    QStringList lines;
    for (const std::string& text : report) {
        lines << QString::fromStdString(text);
    }
    return printOutput(lines.join(u'\n'));
}

/** Prints the answer of --fit or --endpoints, its problem on standard error. */
int printMeasured(const velmora::app::MeasuredAnswer& answer) {
    if (!answer.problem.isEmpty()) {
        printLine(STDERR_FILENO, QStringLiteral("velmora: ") + answer.problem);
    }
    if (answer.lines.isEmpty()) {
        return answer.status;
    }
    const int printed = printOutput(answer.lines.join(u'\n'));
    return printed != 0 ? printed : answer.status;
}

/**
 * Command-line work: no display, no chatter from the toolkit, nothing but our own lines, in the
 * user's language (the data printed and written stay as they are in every language).
 */
int runCommandLine(int argc, char** argv) {
    // Drawn off screen whatever the environment names: a window system that is named but not
    // there would otherwise end the program before it has said a word.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME");
    // A file is the same on every machine: the screen's scaling and font resolution are the
    // window's business, and would otherwise change how the texts of a drawing are rasterized.
    for (const char* setting :
         {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
          "QT_ENABLE_HIGHDPI_SCALING", "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_FONT_DPI",
          "QT_USE_PHYSICAL_DPI", "QT_DEVICE_PIXEL_RATIO"}) {
        qunsetenv(setting);
    }
    // The same file for the same command: the order of the fonts embedded in a PDF follows a
    // hash table, which is otherwise seeded anew in every process.
    QHashSeed::setDeterministicGlobalSeed();
    // A closed pipe is reported as the error it is rather than ending the program unannounced.
    std::signal(SIGPIPE, SIG_IGN);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const QByteArrayList arguments = velmora::app::commandArguments(argc, argv);
    CommandLine line = velmora::app::parseCommandLine(arguments);
    using Action = CommandLine::Action;
    // Translators load only for a language other than English; they outlive the application.
    velmora::language::Translators translators;
    // Qt's window options mean nothing here: the toolkit sees the program's name only. Only a
    // drawing needs the graphics side (fonts, the off-screen platform); text output starts
    // without it.
    int qtArgc = 1;
    std::array<char*, 2> qtArgv{argv[0], nullptr};
    const std::unique_ptr<QCoreApplication> app =
        line.action == Action::Export ? std::make_unique<QGuiApplication>(qtArgc, qtArgv.data())
                                      : std::make_unique<QCoreApplication>(qtArgc, qtArgv.data());
    QCoreApplication::setApplicationName(QString::fromLatin1(kName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    // The application takes the user's locale; numbers printed by the C library keep a point.
    std::setlocale(LC_NUMERIC, "C");
    // The help and the refusals are written while the arguments are read: read once more in the
    // user's language. What the command line asks for does not depend on it.
    if (translators.install() && (line.action == Action::Help || line.action == Action::Refused)) {
        line = velmora::app::parseCommandLine(arguments);
    }
    // A list that a decimal comma may have split in two is read as it stands, and said.
    if (const QString warning = velmora::app::pkaListWarning(line, QLocale()); !warning.isEmpty()) {
        printLine(STDERR_FILENO, QStringLiteral("velmora: ") + warning);
    }
    for (const QString& warning : velmora::app::typedConstantsWarnings(line, QLocale())) {
        printLine(STDERR_FILENO, QStringLiteral("velmora: ") + warning);
    }

    switch (line.action) {
    case Action::Help:
        return printOutput(line.helpText.trimmed());
    case Action::Version:
        return printOutput(
            QStringLiteral("%1 %2").arg(QString::fromLatin1(kName), QString::fromLatin1(kVersion)));
    case Action::ListPresets:
        return printOutput(velmora::app::presetListing());
    case Action::ListSubstances:
        return printOutput(velmora::app::substanceListing());
    case Action::Refused:
        printLine(STDERR_FILENO, QStringLiteral("velmora: ") + line.problem);
        return 2;
    case Action::Export:
        return exportDiagram(line);
    case Action::Solve:
        return printSolution(line);
    case Action::Fit:
        return printMeasured(velmora::app::MeasuredWork::fit(line));
    case Action::EndPoints:
        return printMeasured(velmora::app::MeasuredWork::endPoints(line));
    case Action::Window:
        break;
    }
    return 0;
}

/**
 * Whether no window can open here: Qt's desktop platforms need a display server; without one
 * they end the program with an abort.
 */
bool noDisplay(int argc, char** argv) {
    QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    bool displayOption = false;
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-platform" || arg == "--platform") {
            platforms = argv[i + 1];
        } else if (arg == "-display" || arg == "--display") {
            displayOption = true;
        }
    }
    const bool x11 = displayOption || !qEnvironmentVariableIsEmpty("DISPLAY");
    // A Wayland compositor is a socket, named or found in the runtime folder as the client
    // library looks for it.
    QByteArray socket = qgetenv("WAYLAND_DISPLAY");
    if (socket.isEmpty()) {
        socket = "wayland-0";
    }
    if (!socket.startsWith('/')) {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        socket = runtime.isEmpty() ? QByteArray() : runtime + '/' + socket;
    }
    const bool wayland = !socket.isEmpty() && QFileInfo::exists(QFile::decodeName(socket));
    // A list of platforms is tried in turn; arguments follow a platform's name after a colon.
    for (const QByteArray& entry :
         platforms.isEmpty() ? QByteArrayList{QByteArray()} : platforms.split(';')) {
        const QByteArray name = entry.left(entry.indexOf(':')).trimmed();
        const bool possible = name.isEmpty()               ? x11 || wayland
                              : name == "xcb"              ? x11
                              : name.startsWith("wayland") ? wayland
                                                           : true;
        if (possible) {
            return false;
        }
    }
    return true;
}

/**
 * Why the window cannot open, in one line. No application runs yet: the line is translated
 * without one.
 */
int windowFailed(const char* text, const QStringList& details = {}) {
    const velmora::language::Translators translators;
    QString line = translators.text("velmora::app::CommandLine", text);
    for (const QString& detail : details) {
        line = line.arg(detail);
    }
    printLine(STDERR_FILENO, QStringLiteral("velmora: ") + line);
    return 1;
}

/**
 * Loads the window module (beside the program in the build tree, else where it is installed
 * relative to the program) and hands over.
 * A module that cannot be loaded is reported in one line.
 */
int runWindow(int argc, char** argv) {
    if (noDisplay(argc, argv)) {
        return windowFailed(QT_TRANSLATE_NOOP("velmora::app::CommandLine",
                                              "cannot open a window: no display (set DISPLAY or "
                                              "WAYLAND_DISPLAY, or use --export)"));
    }
    const QString programDir = velmora::language::programFolder();
    const QStringList candidates{
        programDir + QStringLiteral("/libvelmora_window.so"),
        programDir + QStringLiteral("/" VELMORA_MODULE_RELDIR "/libvelmora_window.so")};
    QString problem;
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path)) {
            continue;
        }
        QLibrary module(path);
        const auto entry =
            reinterpret_cast<velmora::app::WindowEntry>(module.resolve(velmora::app::kWindowEntry));
        if (entry != nullptr) {
            return entry(argc, argv);
        }
        problem = module.errorString();
    }
    if (problem.isEmpty()) {
        //: %1 and %2 are the two places the window module is looked for in.
        return windowFailed(QT_TRANSLATE_NOOP("velmora::app::CommandLine",
                                              "cannot load the window: not found in %1 or %2"),
                            candidates);
    }
    return windowFailed(
        QT_TRANSLATE_NOOP("velmora::app::CommandLine", "cannot load the window: %1"), {problem});
}

/**
 * Whether the arguments ask for command-line work once `--solution` is set aside: that option
 * asks for the window (with the solution window open beside it), so it alone needs a display.
 * Given with command-line work, or given again, it stays in the arguments and the parser refuses
 * it there.
 */
bool wantsCommandLineBesidesTheSolution(int argc, char** argv) {
    std::vector<const char*> rest;
    bool setAside = false;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && !setAside && std::strcmp(argv[i], velmora::app::kSolutionOption) == 0) {
            setAside = true;
        } else {
            rest.push_back(argv[i]);
        }
    }
    return velmora::app::wantsCommandLine(static_cast<int>(rest.size()), rest.data());
}

/**
 * Keeps the standard descriptors taken when the program is started with one of them closed
 * (`velmora --solve >&-`): otherwise the next file the program or its libraries open would get
 * that number, and an answer meant for standard output would go into it. A closed one is given
 * /dev/null opened against its use (standard input for writing only, the outputs for reading
 * only), so that a write to a closed output still fails, as the system reports it: "Bad file
 * descriptor".
 */
void holdStandardDescriptors() {
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        // The lower ones are open by now, so the lowest free number open() takes is this one.
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            ::open("/dev/null", (fd == STDIN_FILENO ? O_WRONLY : O_RDONLY) | O_NOCTTY);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    holdStandardDescriptors();
    if (wantsCommandLineBesidesTheSolution(argc, argv)) {
        return runCommandLine(argc, argv);
    }
    return runWindow(argc, argv);
}
