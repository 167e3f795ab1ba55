// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/message.h"

#include <QLineEdit>

#include <functional>
#include <optional>

class QLabel;

namespace velmora::ui {

/**
 * A typed number with its check: a line edit and, beside it, a small red label that says what is
 * wrong with the text ("is not a number", or the model's own words, "must be from 0.1 to 1000
 * mL", in the user's language), hidden while the text is fine. Numbers are shown and read as
 * TypedNumber says for the field's locale: the locale's decimal separator and the point, "1e-6";
 * what could mean another number is refused, never guessed.
 */
class NumberField : public QLineEdit {
    Q_OBJECT
public:
    /** The model's check of a value: no problem when fine, else the problem. */
    using Check = std::function<model::Problem(double)>;

    NumberField(Check checker, QWidget* parent = nullptr);

    /** The label that shows the problem; the owner places it beside the field. */
    [[nodiscard]] QLabel* problemLabel() const { return m_problem; }
    /** The problem with the text as it stands, or an empty text. */
    [[nodiscard]] QString problem() const;
    /** The value the text stands for when it is fine, else nothing. */
    [[nodiscard]] std::optional<double> value() const;
    /**
     * Shows `text`, a number as the program writes it ("0.1", "1.5e-3"), as the program's own
     * value (no edited() signal) in the field's locale, and checks it.
     */
    void showText(const QString& text);

    /**
     * Lets the field be left empty for `value` (an automatic choice), with `placeholder` shown
     * in the empty field; showing `value` empties it.
     */
    void allowEmpty(double value, const QString& placeholder);

signals:
    /** The user changed the text; value() tells whether it can be used. */
    void edited();

private:
    void check();
    /** The text read as a number: its value, or why it is none. */
    [[nodiscard]] std::optional<double> read(QString* problem) const;

    Check m_check;
    std::optional<double> m_emptyValue;
    QLabel* m_problem = nullptr;
};

/** Makes `label` a problem label: small, red, word-wrapped, hidden while empty. */
void setUpProblemLabel(QLabel& label);
/** Shows `problem` in `label` and as the description of `field` for screen readers. */
void showProblem(QLabel& label, QWidget& field, const QString& problem);

} // namespace velmora::ui
