// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QPainter;

namespace velmora::encode {

/** The resolution of a drawing's logical pixels: 96 per inch, as on a screen at 100 %. */
inline constexpr double kScreenDpi = 96.0;

/** The file formats a drawing or its data can be written in, chosen by the file's suffix. */
enum class ExportFormat { Png, Svg, Pdf, Csv };

/** The format for a file name's suffix (case-insensitive), or nothing for an unknown suffix. */
[[nodiscard]] std::optional<ExportFormat> formatForFile(const QString& path);

/**
 * A picture of a fixed logical size that paints itself on any painter. Every format is encoded
 * from it in memory, so a drawing only has to provide its paint function.
 */
struct Drawing {
    QSize size;                           ///< logical size in pixels at 96 dpi
    QString title;                        ///< the document title of an SVG or PDF
    std::function<void(QPainter&)> paint; ///< paints in logical coordinates, (0, 0) to size
};

/**
 * Scales and moves the painter so that a picture of logical size `size`, painted from (0, 0),
 * stands centred in `target` as large as it fits, its proportions kept.
 */
void fitInto(QPainter& painter, const QRectF& target, const QSizeF& size);

/**
 * The drawing as an image `scale` times its logical size, drawn at that scale. Throws
 * std::bad_alloc when there is no memory for its pixels, as any allocation does.
 */
[[nodiscard]] QImage rasterize(const Drawing& drawing, qreal scale);

/** PNG bytes of an image, or nothing if it cannot be encoded. */
[[nodiscard]] std::optional<QByteArray> encodePng(const QImage& image);

/** An SVG document of the drawing (vector, texts kept as text), or nothing on failure. */
[[nodiscard]] std::optional<QByteArray> encodeSvg(const Drawing& drawing);

/** A one-page PDF exactly the drawing's size at 96 dpi, or nothing on failure. */
[[nodiscard]] std::optional<QByteArray> encodePdf(const Drawing& drawing);

/** The drawing as PNG (at `scale`), SVG or PDF; nothing for CSV or when encoding fails. */
[[nodiscard]] std::optional<QByteArray> encodeDrawing(const Drawing& drawing, ExportFormat format,
                                                      qreal scale);

/** The reason given when a drawing or its data does not fit in memory, in the system's words. */
[[nodiscard]] QString outOfMemory();

/**
 * Runs `write`, which returns the reason it failed or an empty string, and gives its answer; a
 * lack of memory while it runs (std::bad_alloc) is a failure like any, with outOfMemory() as its
 * reason. What was allocated is freed on the way out, and the file writer leaves no temporary
 * file behind, so the program goes on as before.
 */
[[nodiscard]] QString withinMemory(const std::function<QString()>& write);

/**
 * Parts of Qt's drawing code (the PDF engine among them) cannot pass an exception on: a lack of
 * memory deep inside them ends the program through std::terminate. From this call on, such an
 * end writes `line` on standard error and leaves with status 1 instead of aborting; the file
 * writer has left no temporary file, since encoding comes before writing. Called again, the line
 * is replaced (set it before each export, so that it names the file).
 */
void sayOnLackOfMemory(const QByteArray& line);

/**
 * Encodes the drawing in memory and writes it to `path` (the file name's bytes) through
 * writeFileAtomically. Returns an empty string on success, otherwise the reason.
 */
[[nodiscard]] QString writeDrawing(const QByteArray& path, ExportFormat format,
                                   const Drawing& drawing, qreal scale);

/**
 * The families among `families` for which no installed font, neither the family nor its
 * substitute, has a glyph for every character of `text`: text drawn in such a family comes out
 * as empty boxes.
 */
[[nodiscard]] QStringList familiesWithoutGlyphs(const QStringList& families, const QString& text);

} // namespace velmora::encode
