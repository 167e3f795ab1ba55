// SPDX-License-Identifier: GPL-3.0-or-later
#include "export.h"

#include "atomicfile.h"
#include "geometry.h"
#include "grafik.h"
#include "surface.h"

#include "model/fractions.h"
#include "model/numbertext.h"

#include <QFile>
#include <QPainter>

#include <cmath>

namespace velmora::diagram {

void paintDiagram(QPainter& painter, const QRectF& target, const ExportRequest& request) {
    const double scale = std::min(target.width() / kSurfaceWidth, target.height() / kSurfaceHeight);
    painter.save();
    painter.translate(target.center());
    painter.scale(scale, scale);
    painter.translate(-kSurfaceWidth / 2.0, -kSurfaceHeight / 2.0);
    painter.setClipRect(QRectF(0, 0, kSurfaceWidth, kSurfaceHeight));
    Surface surface;
    surface.begin(painter);
    grafik(request.acid, surface, request.labels);
    surface.end();
    painter.restore();
}

Drawing diagramDrawing(const ExportRequest& request) {
    return {QSize(kSurfaceWidth, kSurfaceHeight), QStringLiteral("Concentration fraction vs pH"),
            [request](QPainter& painter) {
                paintDiagram(painter, QRectF(0, 0, kSurfaceWidth, kSurfaceHeight), request);
            }};
}

QImage renderImage(const ExportRequest& request, qreal scale) {
    return rasterize(diagramDrawing(request), scale);
}

QStringList speciesHeader(const ExportRequest& request) {
    const int protons = request.acid.protonCount();
    const LabelTexts labels = speciesLabels(protons, request.labels);
    return QStringList(labels.begin(), labels.begin() + protons + 1);
}

namespace {

/**
 * The pH of row `i`: the double nearest to i times the step as a decimal number, so that the
 * rows read 0.3 and 0.7 rather than the products' 0.30000000000000004 and 0.7000000000000001.
 * A step with more than nine decimals is used as the plain product.
 */
class RowPh {
public:
    explicit RowPh(double step) : m_step(step) {
        double scale = 1.0;
        for (int decimals = 0; decimals <= 9; ++decimals, scale *= 10.0) {
            const double units = std::round(step * scale);
            if (units / scale == step) {
                m_units = units;
                m_scale = scale;
                return;
            }
        }
    }
    [[nodiscard]] double operator()(long i) const {
        const auto row = static_cast<double>(i);
        // Both operands are whole numbers held exactly, so the quotient is correctly rounded.
        return m_scale > 0.0 ? row * m_units / m_scale : row * m_step;
    }

private:
    double m_step;
    double m_units = 0.0;
    double m_scale = 0.0;
};

void appendNumber(QByteArray& out, double value) {
    out += QByteArray::fromStdString(model::shortestText(value));
}

} // namespace

QByteArray fractionsCsv(const ExportRequest& request) {
    const model::Acid& acid = request.acid;
    const int species = acid.protonCount() + 1;

    QByteArray out = "pH," + speciesHeader(request).join(u',').toUtf8() + '\n';
    const auto row = [&](double pH) {
        appendNumber(out, pH);
        const auto alpha = model::fractionsAt(acid, pH);
        for (int j = 0; j < species; ++j) {
            out += ',';
            appendNumber(out, alpha[static_cast<std::size_t>(j)]);
        }
        out += '\n';
    };
    // Each row's pH is formed from its index, so no error accumulates; the last row is 14.
    constexpr double lastPh = 14.0;
    const double step = request.step;
    const RowPh rowPh(step);
    for (long i = 0;; ++i) {
        const double pH = rowPh(i);
        if (pH >= lastPh - step * 1e-6) {
            break;
        }
        row(pH);
    }
    row(lastPh);
    return out;
}

std::optional<QByteArray> encodeExport(ExportFormat format, const ExportRequest& request) {
    if (format == ExportFormat::Csv) {
        return fractionsCsv(request);
    }
    return encodeDrawing(diagramDrawing(request), format, request.scale);
}

QString writeExportToPath(const QByteArray& path, ExportFormat format,
                          const ExportRequest& request) {
    const std::optional<QByteArray> bytes = encodeExport(format, request);
    if (!bytes) {
        return QStringLiteral("the diagram could not be encoded");
    }
    return writeFileAtomically(path, *bytes);
}

QString writeExport(const QString& path, ExportFormat format, const ExportRequest& request) {
    return writeExportToPath(QFile::encodeName(path), format, request);
}

QStringList missingDiagramFonts() {
    // The axes' numbers, the title, and the letters, digits and signs of the species' formulas.
    static const QString sample = QStringLiteral(
        "0123456789.,+- Concentration fraction vs pH ACDEGHIJKLMNOPQRSTUVWXYZ abcdeghilmnorstuvxy");
    return familiesWithoutGlyphs({QStringLiteral("Arial")}, sample);
}

} // namespace velmora::diagram
