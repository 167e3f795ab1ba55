// SPDX-License-Identifier: GPL-3.0-or-later
#include "numberfield.h"

#include "typednumber.h"

#include "language/modeltexts.h"

#include <QLabel>

namespace velmora::ui {

void setUpProblemLabel(QLabel& label) {
    QFont font = label.font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    label.setFont(font);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, QColor(192, 0, 0));
    label.setPalette(palette);
    label.setWordWrap(true);
    label.setVisible(false);
}

void showProblem(QLabel& label, QWidget& field, const QString& problem) {
    label.setText(problem);
    label.setVisible(!problem.isEmpty());
    field.setAccessibleDescription(problem);
}

NumberField::NumberField(Check checker, QWidget* parent)
    : QLineEdit(parent), m_check(std::move(checker)), m_problem(new QLabel(parent)) {
    setUpProblemLabel(*m_problem);
    connect(this, &QLineEdit::textEdited, this, [this] {
        check();
        emit edited();
    });
}

std::optional<double> NumberField::read(QString* problem) const {
    if (m_emptyValue && text().trimmed().isEmpty()) {
        return m_emptyValue;
    }
    TypedNumber typed = TypedNumber::read(text(), locale());
    if (typed.value) {
        if (const model::Problem checked = m_check(*typed.value); !checked.empty()) {
            typed.problem = language::problemText(checked);
            typed.value.reset();
        }
    }
    if (problem != nullptr) {
        *problem = typed.problem;
    }
    return typed.value;
}

std::optional<double> NumberField::value() const {
    return read(nullptr);
}

QString NumberField::problem() const {
    QString problem;
    (void)read(&problem);
    return problem;
}

void NumberField::showText(const QString& text) {
    const bool empty = m_emptyValue && text.toDouble() == *m_emptyValue;
    setText(empty ? QString() : shownNumber(text, locale()));
    check();
}

void NumberField::allowEmpty(double value, const QString& placeholder) {
    m_emptyValue = value;
    setPlaceholderText(placeholder);
}

void NumberField::check() {
    showProblem(*m_problem, *this, problem());
}

} // namespace velmora::ui
