// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "typednumber.h"

#include <QDoubleSpinBox>
#include <QSpinBox>

namespace velmora::ui {

/**
 * A spin box of numbers with a fixed count of decimals that writes and reads them as the number
 * fields do (TypedNumber): "2,5" and "2.5" are both 2.5 in German, never 25. A text that is no
 * such number, or has more decimals than the box shows, is kept as typed while the user types
 * (typedValue() says why it is not taken); leaving the box puts back its last value.
 *
 * Values reach the box's owner as the spin box's own valueChanged() only for whole edits (a step,
 * Enter, leaving the box): the keyboard does not track, and typing is the owner's to follow
 * through typed().
 */
class DecimalSpinBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit DecimalSpinBox(QWidget* parent = nullptr);

    /**
     * The text as it stands read as a number with at most the box's decimals, or why not; a value
     * out of the box's range is the owner's to refuse.
     */
    [[nodiscard]] TypedNumber typedValue() const;

    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& position) const override;
    void fixup(QString& text) const override;

signals:
    /** The user changed the text; typedValue() tells whether it is a number. */
    void typed();

private:
    [[nodiscard]] TypedNumber read(const QString& text) const;
};

/**
 * A spin box of whole numbers written and read as the number fields do: Latin digits shown,
 * Arabic-Indic digits, blanks around and a leading plus read.
 */
class WholeSpinBox : public QSpinBox {
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;

    QString textFromValue(int value) const override;
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& position) const override;

private:
    [[nodiscard]] std::optional<int> read(const QString& text) const;
};

} // namespace velmora::ui
