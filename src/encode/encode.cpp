// SPDX-License-Identifier: GPL-3.0-or-later
#include "encode.h"

#include "io/atomicfile.h"
#include "version.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <array>
#include <cerrno>
#include <exception>
#include <new>

#include <unistd.h>

namespace velmora::encode {

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

namespace {

/**
 * Qt's PNG quality is the inverse of zlib's effort. Drawings are mostly flat colour, so the
 * fastest compression costs a few percent in size and saves a third of the encoding time.
 */
constexpr int kPngQuality = 80;

/**
 * The memory the PDF writer may take when its painter ends: it embeds the fonts then, in
 * allocations it does not check, so a lack of memory there would end the program unannounced.
 */
constexpr std::size_t kPdfEndHeadroom = std::size_t{32} << 20;

/**
 * Throws std::bad_alloc unless `bytes` could be allocated now (the memory is given back at once,
 * never touched).
 */
void requireHeadroom(std::size_t bytes) {
    void* volatile probe = ::operator new(bytes);
    ::operator delete(probe);
}

/**
 * Paints the drawing on `device`, first making sure of `headroomToEnd` bytes for the painter's
 * end; false if painting failed.
 */
bool paintInto(QPaintDevice& device, const Drawing& drawing, std::size_t headroomToEnd = 0) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    drawing.paint(painter);
    if (headroomToEnd > 0) {
        requireHeadroom(headroomToEnd);
    }
    return painter.end();
}

} // namespace

void fitInto(QPainter& painter, const QRectF& target, const QSizeF& size) {
    const double scale = std::min(target.width() / size.width(), target.height() / size.height());
    painter.translate(target.center());
    painter.scale(scale, scale);
    painter.translate(-size.width() / 2.0, -size.height() / 2.0);
}

QImage rasterize(const Drawing& drawing, qreal scale) {
    QImage image(qRound(drawing.size.width() * scale), qRound(drawing.size.height() * scale),
                 QImage::Format_RGB32);
    if (image.isNull()) {
        // No memory for the pixels: said where it runs out, like any other allocation.
        throw std::bad_alloc();
    }
    image.fill(Qt::white);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    drawing.paint(painter);
    painter.end();
    image.setDevicePixelRatio(1.0);
    return image;
}

std::optional<QByteArray> encodePng(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) ||
        !image.save(&buffer, "PNG", kPngQuality)) {
        return std::nullopt;
    }
    return png;
}

// The SVG and PDF writers report a short write to their device as success, so they write into
// memory, where nothing is short, and the bytes go to the disk through a writer that checks.
std::optional<QByteArray> encodeSvg(const Drawing& drawing) {
    QByteArray svg;
    QBuffer buffer(&svg);
    if (!buffer.open(QIODevice::WriteOnly)) {
        return std::nullopt;
    }
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(drawing.size);
    generator.setViewBox(QRect(QPoint(0, 0), drawing.size));
    generator.setResolution(static_cast<int>(kScreenDpi));
    generator.setTitle(drawing.title);
    if (!paintInto(generator, drawing) || svg.isEmpty()) {
        return std::nullopt;
    }
    return svg;
}

std::optional<QByteArray> encodePdf(const Drawing& drawing) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly)) {
        return std::nullopt;
    }
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(drawing.title);
        writer.setCreator(QString::fromLatin1(velmora::kName));
        const QSizeF points(drawing.size.width() * 72.0 / kScreenDpi,
                            drawing.size.height() * 72.0 / kScreenDpi);
        writer.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(static_cast<int>(kScreenDpi));
        if (!paintInto(writer, drawing, kPdfEndHeadroom)) {
            return std::nullopt;
        }
    }
    if (!pdf.startsWith("%PDF")) {
        return std::nullopt;
    }
    return pdf;
}

std::optional<QByteArray> encodeDrawing(const Drawing& drawing, ExportFormat format, qreal scale) {
    switch (format) {
    case ExportFormat::Png:
        return encodePng(rasterize(drawing, scale));
    case ExportFormat::Svg:
        return encodeSvg(drawing);
    case ExportFormat::Pdf:
        return encodePdf(drawing);
    case ExportFormat::Csv:
        break;
    }
    return std::nullopt;
}

QString outOfMemory() {
    return qt_error_string(ENOMEM);
}

namespace {

// Written from the terminate handler, where nothing may be allocated: a fixed buffer.
std::array<char, 1024> lackOfMemoryLine{};
std::size_t lackOfMemoryLength = 0;
std::terminate_handler previousTerminate = nullptr;

[[noreturn]] void terminateSayingWhy() {
    if (const std::exception_ptr exception = std::current_exception()) {
        try {
            std::rethrow_exception(exception);
        } catch (const std::bad_alloc&) {
            [[maybe_unused]] const ssize_t written =
                ::write(STDERR_FILENO, lackOfMemoryLine.data(), lackOfMemoryLength);
            ::_exit(1);
        } catch (...) {
        }
    }
    if (previousTerminate != nullptr) {
        previousTerminate();
    }
    std::abort();
}

} // namespace

void sayOnLackOfMemory(const QByteArray& line) {
    lackOfMemoryLength =
        std::min<std::size_t>(static_cast<std::size_t>(line.size()), lackOfMemoryLine.size() - 1);
    std::copy_n(line.constData(), lackOfMemoryLength, lackOfMemoryLine.begin());
    if (lackOfMemoryLength > 0 && lackOfMemoryLine[lackOfMemoryLength - 1] != '\n') {
        lackOfMemoryLine[lackOfMemoryLength++] = '\n';
    }
    static const bool installed = [] {
        previousTerminate = std::set_terminate(terminateSayingWhy);
        return true;
    }();
    Q_UNUSED(installed);
}

QString withinMemory(const std::function<QString()>& write) {
    try {
        return write();
    } catch (const std::bad_alloc&) {
        return outOfMemory();
    }
}

QString writeDrawing(const QByteArray& path, ExportFormat format, const Drawing& drawing,
                     qreal scale) {
    const std::optional<QByteArray> bytes = encodeDrawing(drawing, format, scale);
    if (!bytes) {
        return format == ExportFormat::Csv
                   ? QCoreApplication::translate("velmora::diagram::Encode",
                                                 "a drawing is not a table")
                   : QCoreApplication::translate("velmora::diagram::Encode",
                                                 "the drawing could not be encoded");
    }
    return io::writeFileAtomically(path, *bytes);
}

QStringList familiesWithoutGlyphs(const QStringList& families, const QString& text) {
    QStringList missing;
    for (const QString& family : families) {
        // The font a painter would use for the family: the family itself or its substitute.
        // Without any font the toolkit answers with empty boxes, which have no glyphs.
        const QFontMetrics metrics{QFont(family)};
        const QList<uint> characters = text.toUcs4();
        const bool legible = std::all_of(characters.begin(), characters.end(), [&](uint c) {
            return QChar::isSpace(c) || metrics.inFontUcs4(c);
        });
        if (!legible) {
            missing << family;
        }
    }
    return missing;
}

} // namespace velmora::encode
