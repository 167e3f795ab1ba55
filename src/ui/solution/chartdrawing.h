// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/chartdata.h"

#include "ui/common/diagramcommands.h"

#include <functional>

namespace velmora::ui {

/**
 * The chart a solution window shows, as the diagram commands take it out: the shown view's
 * request at the view's size. Pictures are the chart at that size (the clipboard's and a PNG at
 * the commands' scale), print keeps its proportions, the data file is the chart's own CSV.
 * Pictures and print speak the request's texts (the window's language); the suggested file names
 * are the charts' names on the command line (fractions, logc, titration) in every language, so
 * that a class's files match whoever saved them.
 */
class ChartDrawing : public DrawingSource {
public:
    /** The request of the view shown at the moment of a command. */
    using Source = std::function<charts::ChartRequest()>;

    explicit ChartDrawing(Source shown);

    /** The request a command works on: the shown view's, its size within the charts' limits. */
    [[nodiscard]] charts::ChartRequest request() const;

    [[nodiscard]] QImage image(int scale) const override;
    void paint(QPainter& painter, const QRectF& target) const override;
    [[nodiscard]] QString write(const QString& path, encode::ExportFormat format,
                                int scale) const override;
    [[nodiscard]] QString fileName() const override;
    [[nodiscard]] QString title() const override;

private:
    Source m_shown;
};

/**
 * The step of a chart's data rows: 0.1 pH, or 0.05 mL for a titration, made coarser (0.1, 0.2,
 * 0.5, 1 mL, …) where a long titration would otherwise need more than `maxRows` rows.
 */
[[nodiscard]] double dataStep(const charts::ChartRequest& request, double maxRows = 10000.0);

} // namespace velmora::ui
