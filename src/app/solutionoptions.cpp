// SPDX-License-Identifier: GPL-3.0-or-later
#include "solutionoptions.h"
#include "optionvalue.h"

#include "charts/solutiondata.h"

#include "diagram/export.h"

#include "io/shownname.h"

#include "language/modeltexts.h"

#include "model/acid.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace velmora::app {

namespace {

QString nameOf(const QCommandLineOption& option) {
    return QStringLiteral("--") + option.names().constFirst();
}

QString numberText(double value) {
    return QString::number(value, 'g', 6);
}

/** The refusal of a titration's option beside another chart. */
QString onlyForTitration(const QCommandLineOption& option) {
    return SolutionOptions::tr("%1 applies to --plot titration or derivative only")
        .arg(nameOf(option));
}

} // namespace

SolutionOptions::SolutionOptions()
    : m_solve(QStringLiteral("solve"),
              tr("Prints the pH of a solution of the acid (--pka) and every species' "
                 "concentration and share; takes --charge, --conc, --as, --base, --acid and "
                 "--names. For a mixture (--add, --recipe, --activity, --temperature) every "
                 "species of every substance, with activities and the ionic strength with "
                 "--activity davies.")),
      m_plot(QStringLiteral("plot"),
             tr("With --export: main (the distribution diagram, default), fractions, "
                "logc, titration, buffer (the buffer capacity against pH), derivative "
                "(the titration curve's slope dpH/dV), gran (Gran's plot) or measured (the "
                "measured points of --data over the titration). These take --pka with 1 to 6 "
                "values, the solution's options and --size."),
             //: The value of --plot: which chart.
             tr("KIND")),
      m_charge(QStringLiteral("charge"),
               tr("Charge of the fully protonated acid, -6 to 6 (default 0; 1 for "
                  "NH4+)."),
               QStringLiteral("Z")),
      m_conc(QStringLiteral("conc"),
             tr("Total concentration of the acid, 1e-10 to 10 mol/L (default 0.1). "
                "Given, the fractions, logc and buffer charts mark the solution's pH."),
             QStringLiteral("C")),
      m_as(QStringLiteral("as"),
           tr("The species the acid is dissolved as: 0 (the acid itself, default) to "
              "n (its salt without protons), with Na+ or Cl- as counter-ions."),
           QStringLiteral("K")),
      m_base(QStringLiteral("base"), tr("Strong base added (as NaOH), 0 to 10 mol/L (default 0)."),
             QStringLiteral("CB")),
      m_acid(QStringLiteral("acid"), tr("Strong acid added (as HCl), 0 to 10 mol/L (default 0)."),
             QStringLiteral("CA")),
      m_names(QStringLiteral("names"),
              tr("The species' formulas, n + 1 of them comma-separated, fully "
                 "protonated first; charges after a caret (H2PO4^-,HPO4^2-)."),
              //: The value of --names: a comma-separated list.
              tr("LIST")),
      m_size(QStringLiteral("size"),
             tr("A chart's size in pixels, 320x200 to 4096x4096 (default 960x600)."),
             QStringLiteral("WxH")),
      m_volume(QStringLiteral("volume"),
               tr("Titration and derivative: the sample's volume, 0.1 to 1000 mL (default "
                  "25)."),
               QStringLiteral("V0")),
      m_titrant(
          QStringLiteral("titrant"),
          tr("Titration and derivative: base:CT or acid:CT, a strong base or acid of CT mol/L, "
             "1e-6 to 10 (default base:0.1), or any substance as --add takes it "
             "(0.1:ammonia)."),
          QStringLiteral("T")),
      m_to(QStringLiteral("to"),
           tr("Titration and derivative: the last volume added, 0.001 to 100000 mL "
              "(default 20 % past the last equivalence point the titrant reaches)."),
           QStringLiteral("VMAX")),
      m_add(
          QStringLiteral("add"),
          tr("Adds a substance to the solution, a mixture of up to 8 acid-base systems; "
             "repeatable. SUBSTANCE is C:WHAT[:KEY=VALUE]...: C in mol/L (0 to 10), WHAT a key of "
             "--list-substances (acetic, sodium-acetate, HCl), pKa values (4.76 or "
             "2.148,7.198,12.319) or pkb=LIST for a base; for typed values charge=Z and as=K."),
          QStringLiteral("SUBSTANCE")),
      m_activity(QStringLiteral("activity"),
                 tr("A mixture's activities: ideal (default) or davies."),
                 //: The value of --activity: ideal or davies.
                 tr("MODEL")),
      m_temperature(QStringLiteral("temperature"),
                    tr("A mixture's temperature, 0 to 100 °C (default 25)."), QStringLiteral("T")),
      m_recipe(QStringLiteral("recipe"),
               tr("Reads a mixture (and its titration) from a recipe file (JSON); --add, "
                  "--activity, --temperature, --volume, --titrant and --to add to it or "
                  "change it."),
               //: The value of --recipe, as its description names it.
               tr("FILE")) {}

QList<QCommandLineOption> SolutionOptions::all() const {
    return {m_solve, m_plot,     m_charge,      m_conc,   m_as,   m_base,   m_acid,    m_names,
            m_add,   m_activity, m_temperature, m_recipe, m_size, m_volume, m_titrant, m_to};
}

QList<QCommandLineOption> SolutionOptions::once() const {
    QList<QCommandLineOption> options = all();
    options.removeIf(
        [this](const QCommandLineOption& option) { return option.names() == m_add.names(); });
    return options;
}

bool SolutionOptions::solves(const QCommandLineParser& parser) const {
    return parser.isSet(m_solve);
}

std::optional<charts::ChartKind> SolutionOptions::chartKind(const QCommandLineParser& parser,
                                                            QString& problem) const {
    if (!parser.isSet(m_plot)) {
        return std::nullopt;
    }
    const OptionValue plot(parser, m_plot);
    const QString kind = QString::fromUtf8(plot.bytes()).trimmed().toLower();
    if (kind == u"fractions") {
        return charts::ChartKind::Fractions;
    }
    if (kind == u"logc") {
        return charts::ChartKind::LogC;
    }
    if (kind == u"titration") {
        return charts::ChartKind::Titration;
    }
    if (kind == u"buffer") {
        return charts::ChartKind::Buffer;
    }
    if (kind == u"derivative") {
        return charts::ChartKind::Derivative;
    }
    if (kind == u"gran") {
        return charts::ChartKind::Gran;
    }
    if (kind == u"measured") {
        return charts::ChartKind::Titration;
    }
    if (kind != u"main") {
        problem = tr("--plot: unknown kind '%1' (use main, fractions, logc, titration, buffer, "
                     "derivative, gran or measured)")
                      .arg(io::shownName(plot.bytes()));
    }
    return std::nullopt;
}

bool SolutionOptions::plotsMeasured(const QCommandLineParser& parser) const {
    return parser.isSet(m_plot) &&
           QString::fromUtf8(OptionValue(parser, m_plot).bytes()).trimmed().toLower() ==
               u"measured";
}

QString SolutionOptions::problemWithoutExport(const QCommandLineParser& parser) const {
    for (const QCommandLineOption* option : {&m_plot, &m_size, &m_volume, &m_titrant, &m_to}) {
        if (parser.isSet(*option)) {
            return OptionValue::onlyWithExport(nameOf(*option));
        }
    }
    for (const QCommandLineOption* option : {&m_charge, &m_conc, &m_as, &m_base, &m_acid, &m_names,
                                             &m_add, &m_activity, &m_temperature, &m_recipe}) {
        if (parser.isSet(*option)) {
            return tr("%1 is only used with --export or --solve").arg(nameOf(*option));
        }
    }
    return {};
}

QString SolutionOptions::problemWithTitrationOptions(const QCommandLineParser& parser) const {
    for (const QCommandLineOption* option : {&m_volume, &m_titrant, &m_to}) {
        if (parser.isSet(*option)) {
            return onlyForTitration(*option);
        }
    }
    return {};
}

QString SolutionOptions::problemWithMainDiagram(const QCommandLineParser& parser) const {
    for (const QCommandLineOption* option :
         {&m_charge, &m_conc, &m_as, &m_base, &m_acid, &m_names, &m_size, &m_add, &m_activity,
          &m_temperature, &m_recipe}) {
        if (parser.isSet(*option)) {
            return tr("%1 applies to --plot fractions, logc, titration, buffer or derivative "
                      "only")
                .arg(nameOf(*option));
        }
    }
    return problemWithTitrationOptions(parser);
}

QString SolutionOptions::readSolve(const QCommandLineParser& parser, const QCommandLineOption& pka,
                                   ChartExport& out) const {
    for (const QCommandLineOption* option : {&m_plot, &m_size}) {
        if (parser.isSet(*option)) {
            return OptionValue::onlyWithExport(nameOf(*option));
        }
    }
    if (QString problem = problemWithTitrationOptions(parser); !problem.isEmpty()) {
        return problem;
    }
    if (mixes(parser)) {
        return readMixture(parser, pka, false, out.request);
    }
    if (!parser.isSet(pka)) {
        return tr("--solve needs the acid's constants: --pka LIST");
    }
    if (QString problem = readAcid(parser, pka, out.request); !problem.isEmpty()) {
        return problem;
    }
    return readSolution(parser, out.request);
}

QString SolutionOptions::readChart(const QCommandLineParser& parser, const QCommandLineOption& pka,
                                   const QCommandLineOption& step, charts::ChartKind kind,
                                   encode::ExportFormat format, ChartExport& out) const {
    return readChartAs(parser, pka, step, kind, format, mixes(parser), out);
}

QString SolutionOptions::readMeasuredChart(const QCommandLineParser& parser,
                                           const QCommandLineOption& pka,
                                           const QCommandLineOption& step, charts::ChartKind kind,
                                           encode::ExportFormat format, ChartExport& out) const {
    if (kind != charts::ChartKind::Gran && !parser.isSet(pka) && !parser.isSet(m_add) &&
        !parser.isSet(m_recipe)) {
        return tr("%1 needs the sample the data were measured on: --pka LIST, --add SUBSTANCE or "
                  "--recipe FILE")
            .arg(QStringLiteral("--plot ") +
                 QString::fromUtf8(trimmedValue(OptionValue(parser, m_plot).bytes())).toLower());
    }
    return readChartAs(parser, pka, step, kind, format, true, out);
}

QString SolutionOptions::readChartAs(const QCommandLineParser& parser,
                                     const QCommandLineOption& pka, const QCommandLineOption& step,
                                     charts::ChartKind kind, encode::ExportFormat format,
                                     bool asMixture, ChartExport& out) const {
    out.request.kind = kind;
    if (!charts::hasVolumeAxis(kind)) {
        if (QString problem = problemWithTitrationOptions(parser); !problem.isEmpty()) {
            return problem;
        }
    }
    if (asMixture) {
        if (QString problem = readMixture(parser, pka, charts::hasVolumeAxis(kind), out.request);
            !problem.isEmpty()) {
            return problem;
        }
    } else {
        if (QString problem = readAcid(parser, pka, out.request); !problem.isEmpty()) {
            return problem;
        }
        if (QString problem = readSolution(parser, out.request); !problem.isEmpty()) {
            return problem;
        }
    }
    if (parser.isSet(m_size)) {
        const QByteArray bytes = trimmedValue(OptionValue(parser, m_size).bytes());
        static const QRegularExpression pattern(QStringLiteral("^(\\d{1,9})[xX](\\d{1,9})$"));
        const QRegularExpressionMatch match = pattern.match(QString::fromUtf8(bytes));
        if (!match.hasMatch()) {
            return tr("--size: '%1' is not WIDTHxHEIGHT in pixels (such as 960x600)")
                .arg(io::shownName(bytes));
        }
        const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
        if (size.width() < charts::kMinChartSize.width() ||
            size.height() < charts::kMinChartSize.height() ||
            size.width() > charts::kMaxChartSize.width() ||
            size.height() > charts::kMaxChartSize.height()) {
            return tr("--size: %1 is out of range (320x200 to 4096x4096)")
                .arg(io::shownName(bytes));
        }
        out.request.size = size;
    }
    if (format == encode::ExportFormat::Png) {
        const int widest = std::max(out.request.size.width(), out.request.size.height());
        if (static_cast<long long>(widest) * out.scale > kMaxPngSide) {
            return tr("--scale: %1x%2 at %3 would be more than %4 pixels a side")
                .arg(out.request.size.width())
                .arg(out.request.size.height())
                .arg(out.scale)
                .arg(kMaxPngSide);
        }
    }
    if (charts::hasVolumeAxis(kind) && !out.request.mixture) {
        if (QString problem = readTitration(parser, out.request); !problem.isEmpty()) {
            return problem;
        }
    }
    if (format == encode::ExportFormat::Csv) {
        return readStep(parser, step, out);
    }
    return {};
}

QString SolutionOptions::readAcid(const QCommandLineParser& parser, const QCommandLineOption& pka,
                                  charts::ChartRequest& request) const {
    std::vector<double> constants;
    if (parser.isSet(pka)) {
        if (QString problem = OptionValue(parser, pka).readNumbers(constants); !problem.isEmpty()) {
            return problem;
        }
    } else {
        // The distribution diagram's start acid, so that every drawing starts from the same one.
        const model::Acid start = model::Acid::startAcid();
        const auto& all = start.exponents();
        constants.assign(all.begin(), all.begin() + start.protonCount());
    }
    if (QString problem =
            OptionValue::refusal(QStringLiteral("--pka"), model::problemWithConstants(constants));
        !problem.isEmpty()) {
        return problem;
    }
    int charge = 0;
    if (parser.isSet(m_charge)) {
        if (QString problem =
                OptionValue(parser, m_charge).readCheckedWhole(charge, model::problemWithCharge);
            !problem.isEmpty()) {
            return problem;
        }
    }
    std::vector<std::string> names;
    if (parser.isSet(m_names)) {
        const OptionValue value(parser, m_names);
        QString text;
        if (QString problem = value.readText(text); !problem.isEmpty()) {
            return problem;
        }
        for (const QString& name : text.split(u',')) {
            names.push_back(name.trimmed().toStdString());
        }
        const auto species = static_cast<int>(constants.size()) + 1;
        if (QString problem =
                OptionValue::refusal(value.name(), model::problemWithNames(names, species));
            !problem.isEmpty()) {
            return problem;
        }
    }
    request.acid = model::PolyproticAcid(constants, charge, std::move(names));
    return {};
}

QString SolutionOptions::readSolution(const QCommandLineParser& parser,
                                      charts::ChartRequest& request) const {
    model::Solution& solution = request.solution;
    if (parser.isSet(m_conc)) {
        if (QString problem =
                OptionValue(parser, m_conc)
                    .readChecked(solution.concentration, model::problemWithConcentration);
            !problem.isEmpty()) {
            return problem;
        }
        request.showSolution = true;
    }
    if (parser.isSet(m_as)) {
        const auto check = [&request](int k) {
            return model::problemWithDissolvedAs(k, request.acid);
        };
        if (QString problem =
                OptionValue(parser, m_as).readCheckedWhole(solution.dissolvedAs, check);
            !problem.isEmpty()) {
            return problem;
        }
    }
    for (auto [option, value] :
         {std::pair{&m_base, &solution.strongBase}, std::pair{&m_acid, &solution.strongAcid}}) {
        if (parser.isSet(*option)) {
            if (QString problem = OptionValue(parser, *option)
                                      .readChecked(*value, model::problemWithStrongConcentration);
                !problem.isEmpty()) {
                return problem;
            }
        }
    }
    return {};
}

QString SolutionOptions::readTitration(const QCommandLineParser& parser,
                                       charts::ChartRequest& request) const {
    model::Titration& titration = request.titration;
    if (parser.isSet(m_volume)) {
        if (QString problem =
                OptionValue(parser, m_volume)
                    .readChecked(titration.sampleVolume, model::problemWithSampleVolume);
            !problem.isEmpty()) {
            return problem;
        }
    }
    if (parser.isSet(m_titrant)) {
        // Here the titrant is base:CT or acid:CT; any other substance makes a mixture.
        model::Ingredient titrant;
        if (QString problem = readTitrant(parser, titrant); !problem.isEmpty()) {
            return problem;
        }
        titration.titrant =
            titrant.substance == "hydrochloric" ? model::Titrant::Acid : model::Titrant::Base;
        titration.titrantConcentration = titrant.concentration;
    }
    if (parser.isSet(m_to)) {
        return OptionValue(parser, m_to)
            .readChecked(titration.endVolume, model::problemWithEndVolume);
    }
    // The default end follows from the solution and the titrant; it has the same limits.
    const double end = charts::chartEndVolume(request);
    if (const model::Problem problem = model::problemWithEndVolume(end); !problem.empty()) {
        //: %1 is the volume, %2 the problem with it ("must be from 0.001 to 100000 mL").
        return tr("--to: the default end volume %1 mL %2; give --to")
            .arg(numberText(end), language::problemText(problem));
    }
    return {};
}

QString SolutionOptions::readStep(const QCommandLineParser& parser, const QCommandLineOption& step,
                                  ChartExport& out) const {
    const bool titration = charts::hasVolumeAxis(out.request.kind);
    out.step = titration ? charts::kDefaultVolumeStep : charts::kDefaultPhStep;
    const double end = titration ? charts::chartEndVolume(out.request) : 0.0;
    if (parser.isSet(step)) {
        const OptionValue value(parser, step);
        if (!titration) {
            if (QString problem =
                    value.readNumberIn(out.step, diagram::kMinStep, diagram::kMaxStep);
                !problem.isEmpty()) {
                return problem;
            }
        } else if (QString problem = value.readNumber(out.step); !problem.isEmpty()) {
            return problem;
        } else if (out.step < kMinVolumeStep || out.step > end) {
            return tr("--step: %1 is out of range (0.001 to %2 mL, the end volume)")
                .arg(value.shown(), numberText(end));
        }
    }
    const double rows = titration && out.request.mixture
                            ? std::ceil(end / out.step - 1e-6) + 1.0
                            : charts::chartCsvRows(out.request, out.step);
    if (rows > charts::kMaxDataRows) {
        //: %1 is the step in mL, %2 the end volume in mL, %3 the rows it would give, %4 the most.
        const QString text = parser.isSet(step)
                                 ? tr("--step: a step of %1 mL up to %2 mL gives %3 rows, more "
                                      "than %4; give a larger --step or a smaller --to")
                                 : tr("--step: the default step of %1 mL up to %2 mL gives %3 "
                                      "rows, more than %4; give a larger --step or a smaller --to");
        return text.arg(numberText(out.step), numberText(end), QString::number(rows, 'f', 0),
                        QString::number(charts::kMaxDataRows, 'f', 0));
    }
    return {};
}

} // namespace velmora::app
