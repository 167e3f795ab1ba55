// SPDX-License-Identifier: GPL-3.0-or-later
#include "export.h"

#include "distributiondiagram.h"
#include "encode/fractionstable.h"
#include "geometry.h"
#include "surface.h"

#include "io/atomicfile.h"

#include "model/fractions.h"
#include "model/samplegrid.h"

#include <QFile>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <span>

namespace velmora::diagram {

void paintDiagram(QPainter& painter, const QRectF& target, const ExportRequest& request) {
    painter.save();
    encode::fitInto(painter, target, QSizeF(kSurfaceWidth, kSurfaceHeight));
    painter.setClipRect(QRectF(0, 0, kSurfaceWidth, kSurfaceHeight));
    Surface surface;
    surface.begin(painter);
    drawDistributionDiagram(request.acid, surface, request.labels);
    surface.end();
    painter.restore();
}

encode::Drawing diagramDrawing(const ExportRequest& request) {
    return {QSize(kSurfaceWidth, kSurfaceHeight), QStringLiteral("Concentration fraction vs pH"),
            [request](QPainter& painter) {
                paintDiagram(painter, QRectF(0, 0, kSurfaceWidth, kSurfaceHeight), request);
            }};
}

QImage renderImage(const ExportRequest& request, qreal scale) {
    return encode::rasterize(diagramDrawing(request), scale);
}

QStringList speciesHeader(const ExportRequest& request) {
    const int protons = request.acid.protonCount();
    const LabelTexts labels = speciesLabels(protons, request.labels);
    return QStringList(labels.begin(), labels.begin() + protons + 1);
}

QByteArray fractionsCsv(const ExportRequest& request) {
    const model::Acid& acid = request.acid;
    return encode::speciesFractionsCsv(speciesHeader(request), request.step,
                                       [&acid](double pH, std::span<double> into) {
                                           const auto alpha = model::fractionsAt(acid, pH);
                                           std::copy_n(alpha.begin(), into.size(), into.begin());
                                       });
}

QString writeExportToPath(const QByteArray& path, encode::ExportFormat format,
                          const ExportRequest& request) {
    if (format == encode::ExportFormat::Csv) {
        return io::writeFileAtomically(path, fractionsCsv(request));
    }
    return encode::writeDrawing(path, format, diagramDrawing(request), request.scale);
}

QString writeExport(const QString& path, encode::ExportFormat format,
                    const ExportRequest& request) {
    return writeExportToPath(QFile::encodeName(path), format, request);
}

QStringList missingDiagramFonts() {
    // The axes' numbers, the title, and the letters, digits and signs of the species' formulas.
    static const QString sample = QStringLiteral(
        "0123456789.,+- Concentration fraction vs pH ACDEGHIJKLMNOPQRSTUVWXYZ abcdeghilmnorstuvxy");
    return encode::familiesWithoutGlyphs({QStringLiteral("Arial")}, sample);
}

} // namespace velmora::diagram
