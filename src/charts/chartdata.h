// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chartaxes.h"
#include "marktexts.h"

#include "model/mixture.h"
#include "model/mixturetitration.h"
#include "model/polyprotic.h"
#include "model/solution.h"
#include "model/titration.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

namespace velmora::charts {

/**
 * The drawings of a solution: its species' fractions and log concentrations, its titration, its
 * buffer capacity against pH, the titration curve's first derivative and Gran's plot of it.
 */
enum class ChartKind { Fractions, LogC, Titration, Buffer, Derivative, Gran };

/** Whether a chart of `kind` runs along a titration (its x the added volume in mL, not the pH). */
[[nodiscard]] constexpr bool hasVolumeAxis(ChartKind kind) {
    return kind == ChartKind::Titration || kind == ChartKind::Derivative || kind == ChartKind::Gran;
}

/**
 * The words and the decimal separator a chart is drawn with. They are English with a point
 * unless the window gives the user's language and separator; the command line keeps these
 * defaults in every locale, so its files are the same everywhere. Patterns take the number as %1.
 */
struct ChartTexts {
    QString phAxis = QStringLiteral("pH");
    QString fractionAxis = QStringLiteral("fraction α");
    QString logCAxis = QStringLiteral("log c / (mol/L)");
    QString volumeAxis = QStringLiteral("V / mL");
    QString bufferAxis = QStringLiteral("\u03b2 / (mol/(L\u00b7pH))");
    QString slopeAxis = QStringLiteral("dpH/dV / (pH/mL)");
    /** The buffer capacity's and the slope's names in the readout. */
    QString bufferName = QStringLiteral("\u03b2");
    QString slopeName = QStringLiteral("dpH/dV");
    QString phValue = QStringLiteral("pH %1");       ///< the markers and the readout's heading
    QString volumeValue = QStringLiteral("V %1 mL"); ///< the titration readout's heading
    QString percentValue = QStringLiteral("%1 %");   ///< a fraction in the readout
    /** The titles of the drawings, as an SVG or PDF names its document. */
    QString fractionsTitle = QStringLiteral("Species fractions vs pH");
    QString logCTitle = QStringLiteral("Log concentrations vs pH");
    QString titrationTitle = QStringLiteral("Titration curve");
    QString bufferTitle = QStringLiteral("Buffer capacity vs pH");
    QString derivativeTitle = QStringLiteral("First derivative of the titration curve");
    QString granTitle = QStringLiteral("Gran plot");
    /** Measured points: the residual strip's axis (measured − model pH) and Gran's function. */
    QString residualAxis = QStringLiteral("ΔpH");
    QString granAxis = QStringLiteral("Gran function (scaled)");
    /** Gran's lines in the readout: before the end point and of the excess titrant after it. */
    QString granBeforeName = QStringLiteral("before");
    QString granAfterName = QStringLiteral("after");
    /** The end points found from measured points, each with its volume (mL) as %1. */
    QString derivativeEndPoint = QStringLiteral("dpH/dV max %1 mL");
    QString secondDerivativeEndPoint = QStringLiteral("d²pH/dV² = 0 %1 mL");
    QString granEndPoint = QStringLiteral("Gran %1 mL");
    QChar decimalPoint = u'.';
    /** The titration marks' words and their key (their numbers take decimalPoint above). */
    MarkTexts marks;

    friend bool operator==(const ChartTexts&, const ChartTexts&) = default;
};

/**
 * The sizes of a chart's texts beside the size that scales with the drawing (View → Larger
 * text, Smaller text): steps of 15 % from the normal size (step 0), a third smaller to more than
 * twice as large.
 */
inline constexpr int kSmallestTextStep = -3;
inline constexpr int kLargestTextStep = 6;
/** The step within kSmallestTextStep..kLargestTextStep nearest to `step`. */
[[nodiscard]] int clampedTextStep(int step);
/** How much larger the texts of `step` are than normal (1.15 to the power of the step). */
[[nodiscard]] double textStepScale(int step);

/**
 * One chart as the command line, the window, print or the clipboard asks for it.
 *
 * The log-c chart and the titration use the solution's concentration whether or not
 * `showSolution` is set; `showSolution` adds the solution's pH as a marker on the fractions and
 * log-c charts (the command line sets it when a concentration is given).
 */
struct ChartRequest {
    ChartKind kind = ChartKind::Fractions;
    model::PolyproticAcid acid;
    model::Solution solution;
    bool showSolution = false;
    model::Titration titration;
    /**
     * A mixture drawn instead of `acid` and `solution` (every system's species), titrated as
     * `mixtureTitration` describes; nothing for the one acid above.
     */
    std::optional<model::Mixture> mixture;
    model::MixtureTitration mixtureTitration;
    QSize size{960, 600}; ///< logical pixels of a written picture
    ChartTexts texts;
    int textStep = 0; ///< kSmallestTextStep to kLargestTextStep: the texts larger or smaller
    /**
     * A measured titration of the sample with the titrant (volumes increasing), drawn over the
     * model on the titration, derivative and Gran charts; empty for none.
     */
    std::vector<model::TitrationPoint> measured{};
    /** What the pH meter reads above the model's pH (its calibration), added to the model. */
    double pHOffset = 0.0;

    friend bool operator==(const ChartRequest&, const ChartRequest&) = default;
};

/** Limits and default of a written picture's size, in logical pixels. */
inline constexpr QSize kMinChartSize{320, 200};
inline constexpr QSize kMaxChartSize{4096, 4096};
inline constexpr QSize kDefaultChartSize{960, 600};

/** One curve of a chart in axis values, with its label and how it is drawn. */
struct ChartCurve {
    QString name; ///< the label's formula; empty for none
    QColor colour;
    bool dashed = false; ///< thin dashed line ([H+], [OH−])
    std::vector<QPointF> points;
    QPointF labelAt; ///< where the label is best placed (axis values)
    /** The dash pattern of a mixture's system (systemDashes()); empty for a solid line. */
    QList<double> dashes{};
    /** How much wider than the usual curve it is drawn (a mixture's, whose dots need it). */
    double widthFactor = 1.0;
};

/** A point marked on a curve: an equivalence point (filled) or half-equivalence point. */
struct ChartMark {
    QPointF at; ///< axis values
    bool filled = true;
    QString text; ///< shown beside it; empty for none
};

/** The key to a chart's marks: what a filled and what an open dot stands for; empty for none. */
struct MarkKey {
    QString filled;
    QString open;

    [[nodiscard]] bool isEmpty() const { return filled.isEmpty() && open.isEmpty(); }
};

/** Measured points, or values derived from them, drawn as small open circles. */
struct MeasuredPoints {
    QColor colour;
    std::vector<QPointF> points; ///< axis values
};

/** An end point found from measured points: a vertical line at its volume with its text. */
struct EndPointLine {
    double volume = 0.0; ///< mL
    QString text;
    bool dotted = false; ///< dotted rather than dashed: a second end point close to the first
};

/** What a chart shows, in axis values, independent of its size: computed once per request. */
struct ChartData {
    ChartAxis x;
    ChartAxis y;
    std::vector<ChartCurve> curves;
    bool hasMarker = false; ///< the solution's pH as a vertical line
    double markerX = 0.0;
    QString markerText;
    std::vector<ChartMark> marks;
    MarkKey markKey;
    std::vector<MeasuredPoints> measured;
    /**
     * Measured − model pH at each measured point (volume, difference), drawn in a strip under the
     * plot on its own axis, symmetric about zero; empty for no strip.
     */
    std::vector<QPointF> residuals;
    ChartAxis residualAxis;
    std::vector<EndPointLine> endLines;
};

/** One value of the readout: a curve's name, colour and value at the readout's x. */
struct ReadoutValue {
    QString name;
    QColor colour;
    double value = 0.0;
};

/**
 * The values of every curve at one x of a chart, from the model (not the drawn polylines):
 * fractions α_j; log[H+], log[OH−] and log c_j; the titration's pH.
 */
struct ChartReadout {
    bool inside = false; ///< false when the x lies outside the plot
    double x = 0.0;      ///< pH, or the added volume in mL
    std::vector<ReadoutValue> values;
};

/** The colour of species j = 0..6: the main diagram's for 0..4, green and olive for 5 and 6. */
[[nodiscard]] QColor speciesColour(int species);

/** The species names of an acid as texts. */
[[nodiscard]] QStringList speciesTexts(const model::PolyproticAcid& acid);

/** pH text with two decimals, as the markers show it ("pH 2.88"; "pH 2,88" with a comma). */
[[nodiscard]] QString phMarkerText(double pH, const ChartTexts& texts = {});

/** Adds the solution's pH as the chart's marker when the request shows the solution. */
void addSolutionMarker(ChartData& data, const ChartRequest& request);
/** Adds `pH`, the solution's, as the chart's marker when the request shows the solution. */
void addSolutionMarkerAt(ChartData& data, const ChartRequest& request, double pH);

/** The request's mixture, or its one acid's solution as a mixture of one system. */
[[nodiscard]] model::Mixture requestMixture(const ChartRequest& request);
/** The request's titration of its mixture, or of its one acid as a mixture's titration. */
[[nodiscard]] model::MixtureTitration requestMixtureTitration(const ChartRequest& request);

/** A readout at `pH` without values yet: inside when within 0..14, x clamped to that range. */
[[nodiscard]] ChartReadout phReadout(double pH);

/** A readout at `volume` mL of a titration ending at `end` mL, inside within 0..end. */
[[nodiscard]] ChartReadout volumeReadout(double volume, double end);

/** pH points per pH unit of the fractions and log-c curves. */
inline constexpr int kCurveSamplesPerPh = 40;

/** The pH values 0..14 at which the fractions and log-c curves are sampled. */
[[nodiscard]] const std::vector<double>& curvePhs();

} // namespace velmora::charts
