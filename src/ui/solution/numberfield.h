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
 * mL", in the user's language), hidden while the text is fine. Numbers are read in the C locale (a
 * point for decimals, "1e-6" allowed), as the program writes them.
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
    /** Shows `text` as the program's own value (no edited() signal) and checks it. */
    void showText(const QString& text);

signals:
    /** The user changed the text; value() tells whether it can be used. */
    void edited();

private:
    void check();

    Check m_check;
    QLabel* m_problem = nullptr;
};

/** Makes `label` a problem label: small, red, word-wrapped, hidden while empty. */
void setUpProblemLabel(QLabel& label);
/** Shows `problem` in `label` and as the description of `field` for screen readers. */
void showProblem(QLabel& label, QWidget& field, const QString& problem);

} // namespace velmora::ui
