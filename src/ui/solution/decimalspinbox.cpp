// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimalspinbox.h"

#include <QLineEdit>

#include <cmath>

namespace velmora::ui {

DecimalSpinBox::DecimalSpinBox(QWidget* parent) : QDoubleSpinBox(parent) {
    setKeyboardTracking(false);
    connect(lineEdit(), &QLineEdit::textEdited, this, &DecimalSpinBox::typed);
}

TypedNumber DecimalSpinBox::read(const QString& text) const {
    TypedNumber typed = TypedNumber::read(text, locale());
    if (!typed.value) {
        return typed;
    }
    const double scaled = *typed.value * std::pow(10.0, decimals());
    if (std::abs(scaled - std::round(scaled)) > 1e-6) {
        return {std::nullopt, TypedNumber::tr("has more than %1 decimals").arg(decimals())};
    }
    return typed;
}

TypedNumber DecimalSpinBox::typedValue() const {
    return read(lineEdit()->text());
}

QString DecimalSpinBox::textFromValue(double value) const {
    return shownNumber(value, decimals(), locale());
}

double DecimalSpinBox::valueFromText(const QString& text) const {
    return read(text).value.value_or(value());
}

QValidator::State DecimalSpinBox::validate(QString& text, int& /*position*/) const {
    // Anything may stand while it is typed: the owner says what is wrong with it beside the box.
    const std::optional<double> typed = read(text).value;
    return typed && *typed >= minimum() && *typed <= maximum() ? QValidator::Acceptable
                                                               : QValidator::Intermediate;
}

void DecimalSpinBox::fixup(QString& /*text*/) const {
    // A text that is no number is never made into one: leaving the box puts its value back.
}

std::optional<int> WholeSpinBox::read(const QString& text) const {
    const std::optional<double> typed = TypedNumber::read(text, locale()).value;
    if (!typed || *typed != std::round(*typed) || *typed < minimum() || *typed > maximum()) {
        return std::nullopt;
    }
    return static_cast<int>(*typed);
}

QString WholeSpinBox::textFromValue(int value) const {
    return QString::number(value);
}

int WholeSpinBox::valueFromText(const QString& text) const {
    return read(text).value_or(value());
}

QValidator::State WholeSpinBox::validate(QString& text, int& /*position*/) const {
    return read(text) ? QValidator::Acceptable : QValidator::Intermediate;
}

} // namespace velmora::ui
