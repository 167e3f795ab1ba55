#include "forma.h"

#include "surface.h"

#include <cmath>
#include <cstdint>

namespace velmora::diagram {

namespace {

bool isIndexDigit(QChar c) {
    return c >= QLatin1Char('2') && c <= QLatin1Char('5');
}
bool isChargeSign(QChar c) {
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

void printSmall(Surface& surface, int row, const QString& text) {
    surface.setCurrentY(static_cast<float>(row));
    surface.setFontSize(kSmallTextSize);
    surface.print(text);
    surface.setFontSize(kNormalTextSize);
}

} // namespace

void forma(Surface& surface, const QString& name) {
    if (name.isEmpty()) {
        return;
    }
    // The base row: the pen's Y rounded to a whole pixel, halves to even.
    const auto y0 = static_cast<std::int16_t>(std::nearbyint(surface.currentY()));
    surface.print(name.left(1));

    // Characters are read with a bounds check, so a name of any length is safe: the place
    // after the last character reads as nothing.
    const qsizetype length = name.size();
    for (qsizetype i = 1; i < length; ++i) {
        const QChar c = name.at(i);
        const QChar next = i + 1 < length ? name.at(i + 1) : QChar();
        if (c == QLatin1Char('^')) {
            if (i + 1 < length) {
                printSmall(surface, y0 - kScriptOffset, name.mid(i + 1));
            }
            break;
        }
        if (isIndexDigit(c) && isChargeSign(next)) {
            printSmall(surface, y0 - kScriptOffset, name.mid(i, 2));
            ++i;
        } else if (isIndexDigit(c)) {
            printSmall(surface, y0 + kScriptOffset, QString(c));
        } else if (isChargeSign(c)) {
            printSmall(surface, y0 - kScriptOffset, QString(c));
        } else {
            surface.setCurrentY(static_cast<float>(y0));
            surface.print(QString(c));
        }
    }
}

} // namespace velmora::diagram
