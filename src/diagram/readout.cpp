#include "readout.h"

#include "geometry.h"
#include "surface.h"

#include "model/fractions.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace velmora::diagram {

Readout readoutAt(const model::Acid& acid, double pH, const LabelTexts& labels) {
    model::Acid a = acid;
    a.computeConstants();
    Readout r;
    r.pH = std::clamp(pH, kReadoutMinPh, kReadoutMaxPh);
    r.species = a.protonCount() + 1;
    r.alpha = model::fractionsAt(a, r.pH);
    const model::SpeciesNames& generic = model::speciesNames(a.protonCount());
    for (int j = 0; j < r.species; ++j) {
        const auto slot = static_cast<std::size_t>(j);
        r.names[slot] = labels[slot].isEmpty() ? QString::fromStdString(generic[slot]) : labels[slot];
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

QString percentText(double alpha) {
    const double percent = alpha * 100.0;
    if (percent < 0.1) {
        return QStringLiteral("<0.1 %");
    }
    return QStringLiteral("%1 %").arg(percent, 0, 'f', 1);
}

QString formulaText(const QString& name) {
    static const QString sub = QStringLiteral("₀₁₂₃₄₅₆₇₈₉");
    static const QString sup = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    const auto raised = [&](QChar c) {
        if (c.isDigit()) {
            return sup.at(c.digitValue());
        }
        if (c == u'+') {
            return QChar(u'⁺');
        }
        if (c == u'-') {
            return QChar(u'⁻');
        }
        return c;
    };
    const auto isSign = [](QChar c) { return c == u'+' || c == u'-'; };
    QString out;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        const QChar next = i + 1 < name.size() ? name.at(i + 1) : QChar();
        if (i == 0) {
            out += c;
        } else if (c == u'^') {
            for (qsizetype k = i + 1; k < name.size(); ++k) {
                out += raised(name.at(k));
            }
            break;
        } else if (c.isDigit() && isSign(next)) {
            out += raised(c);
            out += raised(next);
            ++i;
        } else if (c.isDigit()) {
            out += sub.at(c.digitValue());
        } else if (isSign(c)) {
            out += raised(c);
        } else {
            out += c;
        }
    }
    return out;
}

QStringList readoutLines(const Readout& r) {
    QStringList lines = r.heading;
    lines << QStringLiteral("pH %1").arg(r.pH, 0, 'f', 1);
    for (int j = 0; j < r.species; ++j) {
        const auto slot = static_cast<std::size_t>(j);
        const QString mark = j == r.predominant ? QStringLiteral("▸ ") : QStringLiteral("   ");
        lines << mark + formulaText(r.names[slot]) + QStringLiteral("  ") + percentText(r.alpha[slot]);
    }
    return lines;
}

void paintReadout(QPainter& p, const Readout& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const double x = kFrameLeft + kPixelsPerPh * r.pH;
    p.setPen(QPen(QColor(0, 0, 128, 160), 1.0, Qt::DashLine));
    p.drawLine(QPointF(x + 0.5, kFrameTop + 1), QPointF(x + 0.5, kFrameBottom - 1));

    QFont font(QStringLiteral("Arial"));
    setScreenPointSize(font, 8.0, p.device()->logicalDpiY());
    p.setFont(font);
    const QFontMetricsF metrics(font, p.device());
    const QStringList lines = readoutLines(r);
    double width = 0.0;
    for (const QString& line : lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    constexpr double pad = 4.0;
    const double lineHeight = metrics.lineSpacing();
    const QSizeF size(width + 2 * pad, lineHeight * static_cast<double>(lines.size()) + 2 * pad);
    // Beside the line, on whichever side has room, kept inside the surface.
    double left = x + 8.0;
    if (left + size.width() > kSurfaceWidth - 2) {
        left = x - 8.0 - size.width();
    }
    left = std::clamp(left, 2.0, kSurfaceWidth - 2.0 - size.width());
    const QRectF box(QPointF(left, kFrameTop + 8.0), size);
    p.setPen(QColor(0, 0, 128));
    p.setBrush(QColor(255, 255, 240, 235));
    p.drawRect(box);
    p.setPen(Qt::black);
    double y = box.top() + pad + metrics.ascent();
    for (const QString& line : lines) {
        p.drawText(QPointF(box.left() + pad, y), line);
        y += lineHeight;
    }
    p.restore();
}

} // namespace velmora::diagram
