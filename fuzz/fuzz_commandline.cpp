// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the command line's value parsing: --pka, --step and --scale, and the
// solution's --conc, --size and --titrant. The input is split at newlines into the values.
#include "app/commandline.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList parts = text.split(u'\n');
    const QString pka = parts.value(0);
    const QString step = parts.value(1, QStringLiteral("0.1"));
    const QString scale = parts.value(2, QStringLiteral("1"));

    velmora::model::Acid acid;
    const velmora::app::OptionValue pkaValue(QStringLiteral("--pka"), pka.toUtf8());
    if (velmora::app::readDiagramPkas(pkaValue, acid).isEmpty()) {
        // An accepted list is in range and in order.
        const auto v = acid.exponents();
        for (std::size_t i = 0; i < v.size(); ++i) {
            if (v[i] < 0.0 || v[i] > 14.0 || (i > 0 && v[i] != 0.0 && v[i] < v[i - 1])) {
                __builtin_trap();
            }
        }
    }
    // --step is the CSV's, --scale the PNG's.
    using velmora::app::CommandLine;
    const CommandLine csv = velmora::app::parseCommandLine(
        {QStringLiteral("velmora"), QStringLiteral("--export"), QStringLiteral("x.csv"),
         QStringLiteral("--pka"), pka, QStringLiteral("--step"), step});
    const CommandLine png = velmora::app::parseCommandLine(
        {QStringLiteral("velmora"), QStringLiteral("--export"), QStringLiteral("x.png"),
         QStringLiteral("--pka"), pka, QStringLiteral("--scale"), scale});
    if ((csv.action == CommandLine::Action::Export &&
         (csv.request.step < 0.001 || csv.request.step > 1.0)) ||
        (png.action == CommandLine::Action::Export &&
         (png.request.scale < 1 || png.request.scale > 8))) {
        __builtin_trap();
    }
    // A solution and a titration's data: what is accepted is in range.
    const CommandLine solve = velmora::app::parseCommandLine(
        {QStringLiteral("velmora"), QStringLiteral("--solve"), QStringLiteral("--pka"), pka,
         QStringLiteral("--conc"), parts.value(3, QStringLiteral("0.1"))});
    const CommandLine titration = velmora::app::parseCommandLine(
        {QStringLiteral("velmora"), QStringLiteral("--export"), QStringLiteral("x.csv"),
         QStringLiteral("--plot"), QStringLiteral("titration"), QStringLiteral("--pka"), pka,
         QStringLiteral("--size"), parts.value(4, QStringLiteral("960x600")),
         QStringLiteral("--titrant"), parts.value(5, QStringLiteral("base:0.1")),
         QStringLiteral("--step"), step});
    if (solve.action == CommandLine::Action::Solve) {
        const double c = solve.chart->request.solution.concentration;
        if (!(c >= 1e-10 && c <= 10.0)) {
            __builtin_trap();
        }
    }
    if (titration.action == CommandLine::Action::Export) {
        const auto& request = titration.chart->request;
        if (request.size.width() < 320 || request.size.height() > 4096 ||
            !(request.titration.titrantConcentration >= 1e-6) || !(titration.chart->step > 0.0)) {
            __builtin_trap();
        }
    }
    // Every refusal is one line.
    for (const CommandLine* line : {&csv, &png, &solve, &titration}) {
        if (line->problem.contains(u'\n')) {
            __builtin_trap();
        }
    }
    return 0;
}
