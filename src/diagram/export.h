// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "labels.h"

#include "model/acid.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

class QPainter;
class QRectF;

namespace velmora::diagram {

/** The file formats the diagram can be written in, chosen by the file's suffix. */
enum class ExportFormat { Png, Svg, Pdf, Csv };

/** The format for a file name's suffix (case-insensitive), or nothing for an unknown suffix. */
[[nodiscard]] std::optional<ExportFormat> formatForFile(const QString& path);

/** What to export: the acid, its label texts, and the options of the formats. */
struct ExportRequest {
    model::Acid acid;
    LabelTexts labels{}; ///< empty entries use the generic species names
    int scale = 1;       ///< PNG: whole-number magnification 1..8
    double step = 0.1;   ///< CSV: pH step 0.001..1
};

inline constexpr int kMinScale = 1;
inline constexpr int kMaxScale = 8;
inline constexpr double kMinStep = 0.001;
inline constexpr double kMaxStep = 1.0;

/** Draws the diagram with its backdrop into `target` on any painter, proportions kept. */
void paintDiagram(QPainter& painter, const QRectF& target, const ExportRequest& request);

/** The diagram as an image `scale` times 495 x 350, drawn at that scale. */
[[nodiscard]] QImage renderImage(const ExportRequest& request, qreal scale);

/** The species fractions as CSV text: header "pH,<names>", one row per pH from 0 to 14. */
[[nodiscard]] QByteArray fractionsCsv(const ExportRequest& request);

/** The species names of the request's acid as they are written out (labels win). */
[[nodiscard]] QStringList speciesHeader(const ExportRequest& request);

/**
 * Writes the diagram or its data to `path` in `format` through a QSaveFile, so that a failed
 * export leaves no partial file and an existing file intact. Returns an empty string on success,
 * otherwise the reason.
 */
[[nodiscard]] QString writeExport(const QString& path, ExportFormat format,
                                  const ExportRequest& request);

} // namespace velmora::diagram
