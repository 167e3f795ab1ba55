// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/chartdata.h"

#include "encode/encode.h"

#include "model/recipe.h"

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

class QCommandLineParser;

namespace velmora::app {

/** A solution's chart to write, or the solution to solve: what it shows and its format's options.
 */
struct ChartExport {
    charts::ChartRequest request;
    int scale = 1; ///< PNG: whole-number magnification
    /** CSV: pH (fractions, log c, buffer) or mL (titration, derivative) from row to row. */
    double step = 0.0;
};

/** A substance given by its constants (--add 0.1:9,25): the option, the substance as written, the
 * constants. */
struct TypedConstants {
    QString option;
    QByteArray written;
    QByteArray constants;
};

/** The smallest --step of a titration's data, in mL; the largest is the end volume. */
inline constexpr double kMinVolumeStep = 0.001;
/**
 * The most pixels a chart's PNG may have on a side (its size times --scale): 8192 × 8192 RGB
 * pixels already take 256 MiB while the picture is made.
 */
inline constexpr int kMaxPngSide = 8192;

/**
 * The options of a solution (--solve) and of its charts (--plot fractions, logc, titration,
 * buffer or derivative):
 * their definitions for the command line's one parser, and the reading of their values once the
 * parser has taken the arguments apart. Every problem comes back as one line that names the
 * option, as the command line refuses it, in the user's language; an empty text means the values
 * are fine.
 */
class SolutionOptions {
    Q_DECLARE_TR_FUNCTIONS(velmora::app::SolutionOptions)

public:
    SolutionOptions();

    /** Every option defined here, in the order the help lists them. */
    [[nodiscard]] QList<QCommandLineOption> all() const;
    /** The options that may be given at most once (all but --add). */
    [[nodiscard]] QList<QCommandLineOption> once() const;

    /** --solve is given. */
    [[nodiscard]] bool solves(const QCommandLineParser& parser) const;

    /**
     * The chart --plot names, or nothing for the main diagram (--plot main or no --plot);
     * `problem` is set for an unknown kind. --plot measured is the titration chart.
     */
    [[nodiscard]] std::optional<charts::ChartKind> chartKind(const QCommandLineParser& parser,
                                                             QString& problem) const;

    /** --plot measured is given: the titration chart with measured points over it. */
    [[nodiscard]] bool plotsMeasured(const QCommandLineParser& parser) const;

    /** The substances of --add and --titrant given by their pKa or pKb values, in order. */
    [[nodiscard]] QList<TypedConstants> typedConstants(const QCommandLineParser& parser) const;

    /** Refuses the options of a solution and its charts that come without --export or --solve. */
    [[nodiscard]] QString problemWithoutExport(const QCommandLineParser& parser) const;

    /** Refuses the options of a solution and its charts given with the main diagram. */
    [[nodiscard]] QString problemWithMainDiagram(const QCommandLineParser& parser) const;

    /**
     * Reads --solve's acid and solution into `out.request` (--pka is needed); the options of the
     * charts are refused.
     */
    [[nodiscard]] QString readSolve(const QCommandLineParser& parser, const QCommandLineOption& pka,
                                    ChartExport& out) const;

    /**
     * Reads a chart of `kind` to be written as `format`: the acid (--pka, default the start
     * acid), the solution, the size, a titration's options and a CSV's --step. The scale is the
     * caller's.
     */
    [[nodiscard]] QString readChart(const QCommandLineParser& parser, const QCommandLineOption& pka,
                                    const QCommandLineOption& step, charts::ChartKind kind,
                                    encode::ExportFormat format, ChartExport& out) const;

    /**
     * Reads a chart of measured data (--data) as readChart() does, its solution always read as a
     * mixture, so that it can be fitted. The titration and the derivative draw the sample's model
     * under the points: they need a sample (--pka, --add or --recipe); Gran's plot does not.
     */
    [[nodiscard]] QString readMeasuredChart(const QCommandLineParser& parser,
                                            const QCommandLineOption& pka,
                                            const QCommandLineOption& step, charts::ChartKind kind,
                                            encode::ExportFormat format, ChartExport& out) const;

    /**
     * Reads the sample and its titration that a measured titration is compared with (--fit,
     * --plot measured): a mixture of the acid of --pka, --recipe and --add, with --volume,
     * --titrant, --activity and --temperature; `option` (with its dashes) is named where no sample
     * is given.
     */
    [[nodiscard]] QString readMeasuredSample(const QCommandLineParser& parser,
                                             const QCommandLineOption& pka, const QString& option,
                                             charts::ChartRequest& request) const;

    /**
     * Reads the sample's volume of --endpoints (--volume, default 25 mL); every other option of a
     * solution is refused.
     */
    [[nodiscard]] QString readEndPointVolume(const QCommandLineParser& parser,
                                             const QCommandLineOption& pka,
                                             double& sampleVolume) const;

private:
    /** readChart(), the solution read as a mixture where `asMixture` says so. */
    [[nodiscard]] QString readChartAs(const QCommandLineParser& parser,
                                      const QCommandLineOption& pka, const QCommandLineOption& step,
                                      charts::ChartKind kind, encode::ExportFormat format,
                                      bool asMixture, ChartExport& out) const;
    /**
     * Whether the solution is a mixture: --add, --activity, --temperature or --recipe is given, or
     * a --titrant that is a substance rather than base:CT or acid:CT.
     */
    [[nodiscard]] bool mixes(const QCommandLineParser& parser) const;
    /**
     * Reads a mixture into `request.mixture`: the acid of --pka (with --charge, --conc, --as and
     * --names) first where it is given, then the substances of --recipe and of each --add in
     * order, with --base and --acid as strong base and acid; the recipe's temperature and
     * activities, or those of --temperature and --activity. With `titration`, its titration too.
     */
    [[nodiscard]] QString readMixture(const QCommandLineParser& parser,
                                      const QCommandLineOption& pka, bool titration,
                                      charts::ChartRequest& request) const;
    /** The titration of a mixture: the recipe's, with --volume, --titrant and --to over it. */
    [[nodiscard]] QString readMixtureTitration(const QCommandLineParser& parser,
                                               model::Recipe& recipe,
                                               charts::ChartRequest& request) const;
    /** The titrant of --titrant: base:CT, acid:CT or a substance as --add takes it. */
    [[nodiscard]] QString readTitrant(const QCommandLineParser& parser,
                                      model::Ingredient& titrant) const;
    /**
     * Refuses a titration's options (--volume, --titrant, --to) where no titration (or its
     * derivative) is drawn.
     */
    [[nodiscard]] QString problemWithTitrationOptions(const QCommandLineParser& parser) const;
    [[nodiscard]] QString readAcid(const QCommandLineParser& parser, const QCommandLineOption& pka,
                                   charts::ChartRequest& request) const;
    [[nodiscard]] QString readSolution(const QCommandLineParser& parser,
                                       charts::ChartRequest& request) const;
    [[nodiscard]] QString readTitration(const QCommandLineParser& parser,
                                        charts::ChartRequest& request) const;
    [[nodiscard]] QString readStep(const QCommandLineParser& parser, const QCommandLineOption& step,
                                   ChartExport& out) const;

    QCommandLineOption m_solve;
    QCommandLineOption m_plot;
    QCommandLineOption m_charge;
    QCommandLineOption m_conc;
    QCommandLineOption m_as;
    QCommandLineOption m_base;
    QCommandLineOption m_acid;
    QCommandLineOption m_names;
    QCommandLineOption m_size;
    QCommandLineOption m_volume;
    QCommandLineOption m_titrant;
    QCommandLineOption m_to;
    QCommandLineOption m_add;
    QCommandLineOption m_activity;
    QCommandLineOption m_temperature;
    QCommandLineOption m_recipe;
};

/**
 * The refusal of a substance written as --add or --titrant take it, "--add: '0.1:xyz': xyz is not
 * a substance of the library"; "" when there is none.
 */
[[nodiscard]] QString ingredientRefusal(const QString& option, const QByteArray& written,
                                        const model::IngredientTextProblem& problem);

} // namespace velmora::app
