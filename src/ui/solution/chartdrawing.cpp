// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartdrawing.h"

#include "solutionsettings.h"

#include "charts/solutionchart.h"
#include "charts/solutiondata.h"

#include "encode/encode.h"

#include "io/atomicfile.h"

#include <QFile>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace velmora::ui {

ChartDrawing::ChartDrawing(Source shown) : m_shown(std::move(shown)) {}

charts::ChartRequest ChartDrawing::request() const {
    charts::ChartRequest request = m_shown();
    request.size = request.size.expandedTo(charts::kMinChartSize).boundedTo(charts::kMaxChartSize);
    return request;
}

QImage ChartDrawing::image(int scale) const {
    return charts::chartImage(request(), scale);
}

void ChartDrawing::paint(QPainter& painter, const QRectF& target) const {
    // The chart as laid out at the view's size, scaled to fit the target: on a page of a printer
    // the texts keep their proportions to the curves.
    const charts::ChartRequest shown = request();
    const QSizeF logical(shown.size);
    painter.save();
    encode::fitInto(painter, target, logical);
    charts::paintChart(painter, QRectF(QPointF(0, 0), logical), shown);
    painter.restore();
}

QString ChartDrawing::write(const QString& path, encode::ExportFormat format, int scale) const {
    const charts::ChartRequest shown = request();
    const QByteArray name = QFile::encodeName(path);
    if (format == encode::ExportFormat::Csv) {
        return io::writeFileAtomically(name, charts::chartCsv(shown, dataStep(shown)));
    }
    return encode::writeDrawing(name, format, charts::chartDrawing(shown), scale);
}

QString ChartDrawing::fileName() const {
    return viewKey(m_shown().kind);
}

QString ChartDrawing::title() const {
    return charts::chartTitle(m_shown());
}

double dataStep(const charts::ChartRequest& request, double maxRows) {
    if (!charts::hasVolumeAxis(request.kind)) {
        return charts::kDefaultPhStep;
    }
    // 1, 2 and 5 times the powers of ten, from the default step up; divided rather than
    // multiplied below 1, so that 0.05 is the double nearest 0.05.
    double step = charts::kDefaultVolumeStep;
    for (int exponent = -2; exponent <= 12; ++exponent) {
        for (const double factor : {1.0, 2.0, 5.0}) {
            const double power = std::pow(10.0, std::abs(exponent));
            const double candidate = exponent < 0 ? factor / power : factor * power;
            if (candidate < charts::kDefaultVolumeStep) {
                continue;
            }
            step = candidate;
            if (charts::chartCsvRows(request, step) <= maxRows) {
                return step;
            }
        }
    }
    return step;
}

} // namespace velmora::ui
