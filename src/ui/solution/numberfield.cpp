// SPDX-License-Identifier: GPL-3.0-or-later
#include "numberfield.h"

#include "language/modeltexts.h"

#include <QLabel>
#include <QLocale>

#include <cmath>

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

std::optional<double> NumberField::value() const {
    bool ok = false;
    const double number = QLocale::c().toDouble(text().trimmed(), &ok);
    if (!ok || !std::isfinite(number) || !m_check(number).empty()) {
        return std::nullopt;
    }
    return number;
}

QString NumberField::problem() const {
    bool ok = false;
    const double number = QLocale::c().toDouble(text().trimmed(), &ok);
    if (!ok || !std::isfinite(number)) {
        return tr("is not a number");
    }
    return language::problemText(m_check(number));
}

void NumberField::showText(const QString& text) {
    setText(text);
    check();
}

void NumberField::check() {
    showProblem(*m_problem, *this, problem());
}

} // namespace velmora::ui
