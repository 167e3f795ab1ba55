// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "optionvalue.h"
#include "solutionoptions.h"

#include "model/measurements.h"
#include "model/titrationfit.h"

#include "diagram/export.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace velmora::app {

/**
 * What the command line asks for. Its texts (the help, the refusals, the program's messages) are
 * in the user's language: CommandLine::tr() is their translators' context, but for the refusals
 * of a value that OptionValue reads (OptionValue::tr()).
 */
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(velmora::app::CommandLine)

public:
    enum class Action {
        Window,
        Export,
        Solve,
        Fit,
        EndPoints,
        Help,
        Version,
        ListPresets,
        ListSubstances,
        Refused
    };
    Action action = Action::Window;
    QByteArray fileName; ///< Export: the file to write, its name's bytes as given
    encode::ExportFormat format = encode::ExportFormat::Png;
    diagram::ExportRequest request; ///< Export of the main diagram: acid and options
    /** Export of a solution's chart (--plot fractions, logc, titration); Solve: the solution. */
    std::optional<ChartExport> chart;
    QString problem;    ///< Refused: one line naming the option and the problem
    QString helpText;   ///< Help: the text to print
    QByteArray pkaList; ///< Export, Solve: the value of --pka as given, if it was
    /** Export, Solve: the constants of each substance given by its pKa or pKb values. */
    QList<TypedConstants> typedConstants;
    /** Fit, EndPoints, Export of measured data: the measured titration's file (its name's bytes).
     */
    QByteArray dataFile;
    /** The columns of dataFile that --columns chooses; empty for the reader's own choice. */
    model::ColumnChoice columns;
    /** Fit, Export of measured data: the parameters of --vary; none for the default choice. */
    std::optional<std::vector<model::FitParameter>> vary;
};

/**
 * Reads the program's arguments (the first is the program itself) as the bytes the system gave
 * them, so that a file name is kept byte for byte, with one reader per action: --help, --version
 * and --list-presets, --solve, --fit, --endpoints, --export, and the window. Anything wrong, an
 * unknown option, an option given twice, a bad value, a missing or unknown file name, an option the
 * file's format does not take, gives Action::Refused with one line that names the option and the
 * problem.
 */
[[nodiscard]] CommandLine parseCommandLine(const QByteArrayList& arguments);

/** parseCommandLine for arguments as text (UTF-8 is their bytes). */
[[nodiscard]] CommandLine parseCommandLine(const QStringList& arguments);

/**
 * The warning, in the user's language, for a --pka list of whole numbers only ("9,25") where
 * `locale` writes decimals with a comma: the list was read as two values, not as 9.25. Empty
 * where there is nothing to warn of. The values read stay as they are.
 */
[[nodiscard]] QString pkaListWarning(const CommandLine& line, const QLocale& locale);

/**
 * The warnings, in the user's language, for substances (--add, --titrant) whose constants are a
 * list of whole numbers only ("0.1:9,25") where `locale` writes decimals with a comma, one per
 * such substance, as pkaListWarning() warns of --pka.
 */
[[nodiscard]] QStringList typedConstantsWarnings(const CommandLine& line, const QLocale& locale);

/**
 * True when the arguments ask for command-line work rather than the window, so that no display
 * is needed. Qt's own window options (-platform, -display, -style, ...) do not count.
 */
[[nodiscard]] bool wantsCommandLine(int argc, const char* const* argv);

/** The program's arguments as bytes, the program first, without Qt's own window options. */
[[nodiscard]] QByteArrayList commandArguments(int argc, const char* const* argv);

/** The example acids, one per line: key, name, formulas, values, source (name and source in the
 * user's language). */
[[nodiscard]] QString presetListing();

/**
 * The library of substances that --add takes, one per line: key, name, species, pKa values and
 * source (name and source in the user's language).
 */
[[nodiscard]] QString substanceListing();

/**
 * The main diagram's acid from one to four pKa values from 0 to 14 as --pka takes them for it;
 * returns the refusal or "".
 */
[[nodiscard]] QString readDiagramPkas(const OptionValue& value, model::Acid& acid);

} // namespace velmora::app
