#include "examples.h"

#include <algorithm>
#include <cmath>

namespace velmora::ui {

namespace {

/** Decimals a value needs, one or two: 7.0 and 12.9 need one, 2.15 and 7.20 need two. */
int decimalsOf(double value) {
    const double tenths = value * 10.0;
    return std::abs(tenths - std::round(tenths)) < 1e-6 ? 1 : 2;
}

} // namespace

QString presetValuesText(const model::Preset& preset) {
    int decimals = 1;
    for (double v : preset.pKa) {
        decimals = std::max(decimals, decimalsOf(v));
    }
    QStringList parts;
    for (double v : preset.pKa) {
        parts << QString::number(v, 'f', decimals);
    }
    return parts.join(QStringLiteral(", "));
}

QString presetMenuText(const model::Preset& preset) {
    return QStringLiteral("%1 (%2)").arg(QString::fromStdString(preset.name),
                                         presetValuesText(preset));
}

diagram::LabelTexts presetLabels(const model::Preset& preset) {
    diagram::LabelTexts labels{};
    for (std::size_t j = 0; j < preset.formulas.size() && j < labels.size(); ++j) {
        labels[j] = QString::fromStdString(preset.formulas[j]);
    }
    return labels;
}

QStringList presetHeading(const model::Preset& preset) {
    QStringList lines{QString::fromStdString(preset.name),
                      QStringLiteral("pKa %1 (25 °C)").arg(presetValuesText(preset))};
    if (!preset.note.empty()) {
        lines << QString::fromStdString(preset.note);
    }
    return lines;
}

} // namespace velmora::ui
