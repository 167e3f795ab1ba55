// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "encode/encode.h"
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

/** The diagram as a drawing of 495 x 350 that the encoders take. */
[[nodiscard]] encode::Drawing diagramDrawing(const ExportRequest& request);

/** The diagram as an image `scale` times 495 x 350, drawn at that scale. */
[[nodiscard]] QImage renderImage(const ExportRequest& request, qreal scale);

/**
 * The species fractions as CSV text: header "pH,<names>" (each name a csvField()), one row per
 * pH from 0 to 14. Each number is the shortest text that reads back to the very double computed,
 * and each row's pH is the double nearest to its decimal value (0.3, not 0.30000000000000004).
 */
[[nodiscard]] QByteArray fractionsCsv(const ExportRequest& request);

/** The species names of the request's acid as they are written out (labels win). */
[[nodiscard]] QStringList speciesHeader(const ExportRequest& request);

/**
 * Writes the diagram or its data to the file `path` (its name's bytes as the system knows them)
 * whole or not at all, through writeFileAtomically: a failed export leaves no partial file and
 * an existing file intact. Returns an empty string on success, otherwise the reason.
 */
[[nodiscard]] QString writeExportToPath(const QByteArray& path, encode::ExportFormat format,
                                        const ExportRequest& request);

/** writeExportToPath for a file name as text (the window's dialogs give names as text). */
[[nodiscard]] QString writeExport(const QString& path, encode::ExportFormat format,
                                  const ExportRequest& request);

/**
 * The font families the diagram's text is drawn in that no installed font can draw (digits,
 * letters and signs of the axes and labels); empty where everything is legible.
 */
[[nodiscard]] QStringList missingDiagramFonts();

} // namespace velmora::diagram
