// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartdrawing.h"

#include "solutionsettings.h"

#include "diagram/encode.h"
#include "diagram/solutionchart.h"
#include "diagram/solutiondata.h"
#include "io/atomicfile.h"

#include <QFile>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace velmora::ui {

ChartDrawing::ChartDrawing(Source shown) : m_shown(std::move(shown)) {}

diagram::ChartRequest ChartDrawing::request() const {
    diagram::ChartRequest request = m_shown();
    request.size =
        request.size.expandedTo(diagram::kMinChartSize).boundedTo(diagram::kMaxChartSize);
    return request;
}

QImage ChartDrawing::image(int scale) const {
    return diagram::chartImage(request(), scale);
}

void ChartDrawing::paint(QPainter& painter, const QRectF& target) const {
    // The chart as laid out at the view's size, scaled to fit the target: on a page of a printer
    // the texts keep their proportions to the curves.
    const diagram::ChartRequest shown = request();
    const QSizeF logical(shown.size);
    painter.save();
    diagram::fitInto(painter, target, logical);
    diagram::paintChart(painter, QRectF(QPointF(0, 0), logical), shown);
    painter.restore();
}

QString ChartDrawing::write(const QString& path, diagram::ExportFormat format, int scale) const {
    const diagram::ChartRequest shown = request();
    const QByteArray name = QFile::encodeName(path);
    if (format == diagram::ExportFormat::Csv) {
        return io::writeFileAtomically(name, diagram::chartCsv(shown, dataStep(shown)));
    }
    diagram::Drawing drawing = diagram::chartDrawing(shown);
    drawing.title = title();
    return diagram::writeDrawing(name, format, drawing, scale);
}

QString ChartDrawing::fileName() const {
    return viewKey(m_shown().kind);
}

QString ChartDrawing::title() const {
    switch (m_shown().kind) {
    case diagram::ChartKind::LogC:
        return QStringLiteral("Log-concentration diagram");
    case diagram::ChartKind::Titration:
        return QStringLiteral("Titration curve");
    case diagram::ChartKind::Fractions:
        break;
    }
    return QStringLiteral("Fractions");
}

double dataStep(const diagram::ChartRequest& request, double maxRows) {
    if (request.kind != diagram::ChartKind::Titration) {
        return diagram::kDefaultPhStep;
    }
    // 1, 2 and 5 times the powers of ten, from the default step up; divided rather than
    // multiplied below 1, so that 0.05 is the double nearest 0.05.
    double step = diagram::kDefaultVolumeStep;
    for (int exponent = -2; exponent <= 12; ++exponent) {
        for (const double factor : {1.0, 2.0, 5.0}) {
            const double power = std::pow(10.0, std::abs(exponent));
            const double candidate = exponent < 0 ? factor / power : factor * power;
            if (candidate < diagram::kDefaultVolumeStep) {
                continue;
            }
            step = candidate;
            if (diagram::chartCsvRows(request, step) <= maxRows) {
                return step;
            }
        }
    }
    return step;
}

} // namespace velmora::ui
