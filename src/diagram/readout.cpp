// SPDX-License-Identifier: GPL-3.0-or-later
#include "readout.h"

#include "decimaltext.h"
#include "formula.h"
#include "geometry.h"
#include "palette.h"
#include "surface.h"

#include "model/fractions.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace velmora::diagram {

Readout readoutAt(const model::Acid& acid, double pH, const LabelTexts& labels) {
    Readout r;
    r.pH = std::clamp(pH, kReadoutMinPh, kReadoutMaxPh);
    r.species = acid.protonCount() + 1;
    r.alpha = model::fractionsAt(acid, r.pH);
    r.names = speciesLabels(acid.protonCount(), labels);
    for (int j = 0; j < r.species; ++j) {
        const auto slot = static_cast<std::size_t>(j);
        if (r.alpha[slot] > r.alpha[static_cast<std::size_t>(r.predominant)]) {
            r.predominant = j;
        }
    }
    return r;
}

double phAtX(double x) {
    const double pH = (x - kFrameLeft) / kPixelsPerPh;
    return pH < kReadoutMinPh || pH > kReadoutMaxPh ? -1.0 : pH;
}

QString percentText(double alpha, QChar decimalPoint, const QString& pattern) {
    const double percent = alpha * 100.0;
    if (percent < 0.1) {
        return u'<' + pattern.arg(decimalText(0.1, 1, decimalPoint));
    }
    return pattern.arg(decimalText(percent, 1, decimalPoint));
}

namespace {

/** The fonts of the box, sized in points at 96 dpi like the diagram's own text. */
struct ReadoutFonts {
    QFont normal;
    QFont bold;
    QFont script;
    QFont note;

    explicit ReadoutFonts(double deviceDpi) {
        const auto make = [&](double points, bool boldFace, bool italic) {
            QFont f(QStringLiteral("Arial"));
            setScreenPointSize(f, points, deviceDpi);
            f.setBold(boldFace);
            f.setItalic(italic);
            return f;
        };
        normal = make(8.5, false, false);
        bold = make(8.5, true, false);
        script = make(6.5, false, false);
        note = make(7.5, false, true);
    }
};

double formulaWidth(const std::vector<FormulaPiece>& pieces, const QFontMetricsF& base,
                    const QFontMetricsF& script) {
    double width = 0.0;
    for (const FormulaPiece& piece : pieces) {
        width += (piece.row == FormulaRow::Base ? base : script).horizontalAdvance(piece.text);
    }
    return width;
}

/** Draws a formula with its baseline at `origin`; returns the advance. */
void drawFormula(QPainter& p, QPointF origin, const std::vector<FormulaPiece>& pieces,
                 const QFont& base, const QFont& script, double ascent) {
    const QFontMetricsF baseMetrics(base, p.device());
    const QFontMetricsF scriptMetrics(script, p.device());
    double x = origin.x();
    for (const FormulaPiece& piece : pieces) {
        const bool small = piece.row != FormulaRow::Base;
        const double dy = piece.row == FormulaRow::Raised    ? -0.42 * ascent
                          : piece.row == FormulaRow::Lowered ? 0.22 * ascent
                                                             : 0.0;
        p.setFont(small ? script : base);
        p.drawText(QPointF(x, origin.y() + dy), piece.text);
        x += (small ? scriptMetrics : baseMetrics).horizontalAdvance(piece.text);
    }
}

/** Greedy word wrap of one line of text to `width`. */
QStringList wrapped(const QString& text, const QFontMetricsF& metrics, double width) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString candidate = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty()) {
        lines << line;
    }
    return lines;
}

} // namespace

void paintReadout(QPainter& p, const Readout& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const double x = kFrameLeft + kPixelsPerPh * r.pH;
    p.setPen(QPen(QColor(0, 0, 128, 170), 1.0, Qt::DashLine));
    p.drawLine(QPointF(x, kFrameTop + 1), QPointF(x, kFrameBottom - 1));

    const ReadoutFonts fonts(p.device()->logicalDpiY());
    const QFontMetricsF normal(fonts.normal, p.device());
    const QFontMetricsF bold(fonts.bold, p.device());
    const QFontMetricsF script(fonts.script, p.device());
    const QFontMetricsF note(fonts.note, p.device());

    // The heading: the acid's name in bold, its values, then the further entries (the values'
    // source, a note) wrapped to the box, each a small paragraph of its own.
    constexpr double kNoteWidth = 240.0;
    constexpr double kParagraphGap = 3.0;
    struct HeadingLine {
        QString text;
        const QFont* font;
        const QFontMetricsF* metrics;
        double gapBefore = 0.0;
    };
    std::vector<HeadingLine> heading;
    for (qsizetype i = 0; i < r.heading.size(); ++i) {
        if (i == 0) {
            heading.push_back({r.heading.at(i), &fonts.bold, &bold});
        } else if (i == 1) {
            heading.push_back({r.heading.at(i), &fonts.normal, &normal});
        } else {
            double gap = i > 2 ? kParagraphGap : 0.0;
            for (const QString& line : wrapped(r.heading.at(i), note, kNoteWidth)) {
                heading.push_back({line, &fonts.note, &note, gap});
                gap = 0.0;
            }
        }
    }

    const QString phText = QStringLiteral("pH %1").arg(decimalText(r.pH, 1));
    const QString marker = QStringLiteral("\u25B8");
    const double markerWidth = bold.horizontalAdvance(marker) + 3.0;
    std::vector<std::vector<FormulaPiece>> formulas;
    std::vector<QString> percents;
    double nameWidth = 0.0;
    double percentWidth = 0.0;
    for (int j = 0; j < r.species; ++j) {
        const auto slot = static_cast<std::size_t>(j);
        formulas.push_back(typesetFormulaPieces(r.names[slot]));
        percents.push_back(percentText(r.alpha[slot]));
        const QFontMetricsF& face = j == r.predominant ? bold : normal;
        nameWidth = std::max(nameWidth, formulaWidth(formulas.back(), face, script));
        percentWidth = std::max(percentWidth, face.horizontalAdvance(percents.back()));
    }
    constexpr double kColumnGap = 10.0;
    double width = markerWidth + nameWidth + kColumnGap + percentWidth;
    width = std::max(width, bold.horizontalAdvance(phText));
    for (const HeadingLine& line : heading) {
        width = std::max(width, line.metrics->horizontalAdvance(line.text));
    }

    constexpr double pad = 5.0;
    const double rowHeight = normal.lineSpacing() + 2.0;
    const double noteHeight = note.lineSpacing();
    double height = 2 * pad + rowHeight * (1 + r.species);
    for (const HeadingLine& line : heading) {
        height += line.gapBefore + (line.metrics == &note ? noteHeight : rowHeight);
    }
    if (!heading.empty()) {
        height += 4.0; // the rule under the heading
    }
    const QSizeF size(std::ceil(width + 2 * pad), std::ceil(height));

    // Beside the line, on whichever side has room, kept inside the surface.
    double left = x + 8.0;
    if (left + size.width() > kSurfaceWidth - 2) {
        left = x - 8.0 - size.width();
    }
    left = std::clamp(left, 2.0, kSurfaceWidth - 2.0 - size.width());
    const QRectF box(QPointF(std::round(left) + 0.5, kFrameTop + 8.5), size);
    p.setPen(QColor(0, 0, 128));
    p.setBrush(QColor(255, 255, 235, 240));
    p.drawRect(box);

    double y = box.top() + pad;
    const auto nextRow = [&](double rowSize, const QFontMetricsF& metrics) {
        const double baseline = y + metrics.ascent() + (rowSize - metrics.height()) / 2.0;
        y += rowSize;
        return baseline;
    };
    const double textLeft = box.left() + pad;
    p.setPen(Qt::black);
    for (const HeadingLine& line : heading) {
        const bool isNote = line.metrics == &note;
        y += line.gapBefore;
        const double baseline = nextRow(isNote ? noteHeight : rowHeight, *line.metrics);
        p.setFont(*line.font);
        p.setPen(isNote ? QColor(64, 64, 64) : QColor(Qt::black));
        p.drawText(QPointF(textLeft, baseline), line.text);
    }
    if (!heading.empty()) {
        y += 2.0;
        p.setPen(QColor(0, 0, 128, 120));
        p.drawLine(QPointF(box.left() + pad, y), QPointF(box.right() - pad, y));
        y += 2.0;
    }
    p.setPen(Qt::black);
    p.setFont(fonts.bold);
    p.drawText(QPointF(textLeft, nextRow(rowHeight, bold)), phText);

    const double percentRight = textLeft + markerWidth + nameWidth + kColumnGap + percentWidth;
    for (int j = 0; j < r.species; ++j) {
        const auto slot = static_cast<std::size_t>(j);
        const bool leading = j == r.predominant;
        const QFont& face = leading ? fonts.bold : fonts.normal;
        const QFontMetricsF& metrics = leading ? bold : normal;
        const double baseline = nextRow(rowHeight, metrics);
        const QColor colour = paletteColor(speciesPaletteIndex(j));
        p.setPen(colour);
        if (leading) {
            p.setFont(fonts.bold);
            p.drawText(QPointF(textLeft, baseline), marker);
        }
        drawFormula(p, QPointF(textLeft + markerWidth, baseline), formulas[slot], face,
                    fonts.script, metrics.ascent());
        p.setFont(face);
        p.setPen(Qt::black);
        // Percentages right-aligned in a column just after the names.
        const double percentLeft = percentRight - metrics.horizontalAdvance(percents[slot]);
        p.drawText(QPointF(percentLeft, baseline), percents[slot]);
    }
    p.restore();
}

} // namespace velmora::diagram
