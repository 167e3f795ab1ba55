// SPDX-License-Identifier: GPL-3.0-or-later
#include "export.h"

#include "geometry.h"
#include "grafik.h"
#include "surface.h"

#include "model/fractions.h"
#include "version.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

namespace velmora::diagram {

std::optional<ExportFormat> formatForFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"png") {
        return ExportFormat::Png;
    }
    if (suffix == u"svg") {
        return ExportFormat::Svg;
    }
    if (suffix == u"pdf") {
        return ExportFormat::Pdf;
    }
    if (suffix == u"csv") {
        return ExportFormat::Csv;
    }
    return std::nullopt;
}

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

QImage renderImage(const ExportRequest& request, qreal scale) {
    QImage image(qRound(kSurfaceWidth * scale), qRound(kSurfaceHeight * scale),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    paintDiagram(painter, QRectF(0, 0, kSurfaceWidth, kSurfaceHeight), request);
    painter.end();
    image.setDevicePixelRatio(1.0);
    return image;
}

QStringList speciesHeader(const ExportRequest& request) {
    const int protons = request.acid.protonCount();
    const LabelTexts labels = speciesLabels(protons, request.labels);
    return QStringList(labels.begin(), labels.begin() + protons + 1);
}

QByteArray fractionsCsv(const ExportRequest& request) {
    const model::Acid& acid = request.acid;
    const int species = acid.protonCount() + 1;

    QByteArray out = "pH," + speciesHeader(request).join(u',').toUtf8() + '\n';
    const auto row = [&](double pH) {
        out += QByteArray::number(pH, 'g', 12);
        const auto alpha = model::fractionsAt(acid, pH);
        for (int j = 0; j < species; ++j) {
            out += ',';
            out += QByteArray::number(alpha[static_cast<std::size_t>(j)], 'g', 10);
        }
        out += '\n';
    };
    // Each row's pH is formed from its index, so no error accumulates; the last row is 14.
    constexpr double lastPh = 14.0;
    const double step = request.step;
    for (long i = 0;; ++i) {
        const double pH = static_cast<double>(i) * step;
        if (pH >= lastPh - step * 1e-6) {
            break;
        }
        row(pH);
    }
    row(lastPh);
    return out;
}

namespace {

/**
 * Qt's PNG quality is the inverse of zlib's effort. The diagram is mostly flat colour, so the
 * fastest compression costs a few percent in size and saves a third of the encoding time.
 */
constexpr int kPngQuality = 80;

bool writeSvg(QSaveFile& file, const ExportRequest& request) {
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(QSize(kSurfaceWidth, kSurfaceHeight));
    generator.setViewBox(QRect(0, 0, kSurfaceWidth, kSurfaceHeight));
    generator.setResolution(static_cast<int>(kScreenDpi));
    generator.setTitle(QStringLiteral("Concentration fraction vs pH"));
    QPainter painter;
    if (!painter.begin(&generator)) {
        return false;
    }
    paintDiagram(painter, QRectF(0, 0, kSurfaceWidth, kSurfaceHeight), request);
    return painter.end();
}

bool writePdf(QSaveFile& file, const ExportRequest& request) {
    QPdfWriter writer(&file);
    writer.setTitle(QStringLiteral("Concentration fraction vs pH"));
    writer.setCreator(QString::fromLatin1(kName));
    // One page exactly the diagram's size at 96 dpi.
    const QSizeF points(kSurfaceWidth * 72.0 / kScreenDpi, kSurfaceHeight * 72.0 / kScreenDpi);
    writer.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(static_cast<int>(kScreenDpi));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    paintDiagram(painter, QRectF(0, 0, kSurfaceWidth, kSurfaceHeight), request);
    return painter.end();
}

} // namespace

QString writeExport(const QString& path, ExportFormat format, const ExportRequest& request) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    bool ok = false;
    switch (format) {
    case ExportFormat::Png: {
        // Encoded in memory first, so that a failing disk is reported by us alone.
        QByteArray png;
        QBuffer buffer(&png);
        ok = renderImage(request, request.scale).save(&buffer, "PNG", kPngQuality) &&
             file.write(png) == png.size();
        break;
    }
    case ExportFormat::Svg:
        ok = writeSvg(file, request);
        break;
    case ExportFormat::Pdf:
        ok = writePdf(file, request);
        break;
    case ExportFormat::Csv: {
        const QByteArray data = fractionsCsv(request);
        ok = file.write(data) == data.size();
        break;
    }
    }
    // A write can land in the buffer and fail only when it is flushed; check before committing,
    // or an empty file would replace the old one.
    ok = ok && file.flush() && file.error() == QFileDevice::NoError;
    if (!ok) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason.isEmpty() || reason == u"Unknown error"
                   ? QStringLiteral("the file could not be written")
                   : reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

} // namespace velmora::diagram
