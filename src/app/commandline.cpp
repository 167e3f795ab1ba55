// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "diagram/labels.h"
#include "model/presets.h"

#include <QCommandLineParser>
#include <QCoreApplication>

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
            return QStringLiteral("'%1' is not a number").arg(parts[i].trimmed());
        }
        if (v < kMinPka || v > kMaxPka) {
            return QStringLiteral("%1 is out of range (0 to 14)").arg(parts[i].trimmed());
        }
        if (i > 0 && v == 0.0) {
            return QStringLiteral("value %1 is 0, which marks an absent constant").arg(i + 1);
        }
        if (i > 0 && v < values[static_cast<std::size_t>(i - 1)]) {
            return QStringLiteral("values must not decrease (%1 after %2)")
                .arg(parts[i].trimmed(), parts[i - 1].trimmed());
        }
        values[static_cast<std::size_t>(i)] = v;
    }
    acid = model::Acid(values);
    return {};
}

bool wantsCommandLine(int argc, const char* const* argv) {
    static const char* const qtWithValue[] = {
        "-platform",     "-display",     "-style",   "-stylesheet",         "-qwindowgeometry",
        "-qwindowtitle", "-qwindowicon", "-session", "-platformpluginpath", "-platformtheme"};
    static const char* const qtAlone[] = {"-reverse", "-widgetcount", "-nograb", "-dograb",
                                          "-sync"};
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        bool isQt = false;
        for (const char* option : qtWithValue) {
            if (std::strcmp(arg, option) == 0) {
                isQt = true;
                ++i;
                break;
            }
        }
        for (const char* option : qtAlone) {
            isQt = isQt || std::strcmp(arg, option) == 0;
        }
        if (!isQt) {
            return true;
        }
    }
    return false;
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

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Distribution diagrams of mono- to tetraprotic acids.\n"
                       "Without options the window opens; with --export the diagram or its data "
                       "is written to a file and no display is needed."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version."));
    const QCommandLineOption exportOption(
        QStringLiteral("export"),
        QStringLiteral("Writes the diagram to FILE: .png, .svg or .pdf for the picture, .csv for "
                       "the species fractions."),
        QStringLiteral("FILE"));
    QStringList startValues;
    for (double pKa : model::kStartExponents) {
        startValues << QString::number(pKa);
    }
    const QCommandLineOption pkaOption(
        QStringLiteral("pka"),
        QStringLiteral("One to four comma-separated pKa values from 0 to 14, not decreasing "
                       "(default %1).")
            .arg(startValues.join(u',')),
        QStringLiteral("LIST"));
    const QCommandLineOption scaleOption(
        QStringLiteral("scale"),
        QStringLiteral("PNG only: whole-number magnification 1 to 8 (default 1)."),
        QStringLiteral("N"));
    const QCommandLineOption stepOption(
        QStringLiteral("step"), QStringLiteral("CSV only: pH step from 0.001 to 1 (default 0.1)."),
        QStringLiteral("S"));
    const QCommandLineOption presetOption(
        QStringLiteral("preset"),
        QStringLiteral("Uses an example acid with its literature values and formulas instead of "
                       "--pka (see --list-presets)."),
        QStringLiteral("NAME"));
    const QCommandLineOption listOption(
        QStringLiteral("list-presets"),
        QStringLiteral("Lists the example acids that --preset takes."));
    parser.addOptions({help, version, exportOption, pkaOption, presetOption, listOption,
                       scaleOption, stepOption});

    CommandLine result;
    const auto refuse = [&result](const QString& problem) {
        result.action = CommandLine::Action::Refused;
        result.problem = problem;
        return result;
    };
    if (!parser.parse(arguments)) {
        return refuse(parser.errorText());
    }
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::Help;
        result.helpText = parser.helpText();
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
    if (!parser.positionalArguments().isEmpty()) {
        return refuse(
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    }
    if (!parser.isSet(exportOption)) {
        for (const QCommandLineOption* option :
             {&pkaOption, &presetOption, &scaleOption, &stepOption}) {
            if (parser.isSet(*option)) {
                return refuse(
                    QStringLiteral("--%1 is only used with --export").arg(option->names().first()));
            }
        }
        return result;
    }

    result.action = CommandLine::Action::Export;
    result.file = parser.value(exportOption);
    if (result.file.isEmpty()) {
        return refuse(QStringLiteral("--export: no file name given"));
    }
    const auto format = diagram::formatForFile(result.file);
    if (!format) {
        return refuse(
            QStringLiteral("--export: unknown file type of '%1' (use .png, .svg, .pdf or .csv)")
                .arg(result.file));
    }
    result.format = *format;

    result.request.acid = model::Acid::startAcid();
    if (parser.isSet(presetOption)) {
        if (parser.isSet(pkaOption)) {
            return refuse(QStringLiteral("--preset: use either --preset or --pka, not both"));
        }
        const model::Preset* preset = model::findPreset(parser.value(presetOption).toStdString());
        if (preset == nullptr) {
            return refuse(QStringLiteral("--preset: unknown acid '%1' (see --list-presets)")
                              .arg(parser.value(presetOption)));
        }
        result.request.acid = preset->acid();
        result.request.labels = diagram::presetLabels(*preset);
        result.presetName = QString::fromStdString(preset->name);
    } else if (parser.isSet(pkaOption)) {
        const QString problem = parsePkaList(parser.value(pkaOption), result.request.acid);
        if (!problem.isEmpty()) {
            return refuse(QStringLiteral("--pka: ") + problem);
        }
    }
    if (parser.isSet(scaleOption)) {
        bool ok = false;
        const int scale = parser.value(scaleOption).trimmed().toInt(&ok);
        if (!ok || scale < diagram::kMinScale || scale > diagram::kMaxScale) {
            return refuse(QStringLiteral("--scale: '%1' is not a whole number from 1 to 8")
                              .arg(parser.value(scaleOption)));
        }
        result.request.scale = scale;
    }
    if (parser.isSet(stepOption)) {
        double step = 0.0;
        if (!parseFinite(parser.value(stepOption), step)) {
            return refuse(
                QStringLiteral("--step: '%1' is not a number").arg(parser.value(stepOption)));
        }
        if (step < diagram::kMinStep || step > diagram::kMaxStep) {
            return refuse(QStringLiteral("--step: %1 is out of range (0.001 to 1)")
                              .arg(parser.value(stepOption)));
        }
        result.request.step = step;
    }
    return result;
}

} // namespace velmora::app
