// SPDX-License-Identifier: GPL-3.0-or-later
#include "measuredpanel.h"

#include "measureddata.h"
#include "numberfield.h"
#include "speciestext.h"
#include "typednumber.h"

#include "model/fitreport.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace velmora::ui {

namespace {

bool inMolPerLitre(model::FitQuantity quantity) {
    return quantity == model::FitQuantity::Concentration ||
           quantity == model::FitQuantity::TitrantConcentration;
}

/**
 * A fitted value and its standard error as the command line rounds them (model::valueWithError()),
 * with the user's decimal separator.
 */
std::pair<QString, QString> roundedTexts(double value, double error) {
    const QString both = QString::fromStdString(model::valueWithError(value, error));
    QStringList parts = both.split(QStringLiteral(" \u00b1 "));
    for (QString& part : parts) {
        part = shownNumber(part, QLocale());
    }
    return {parts.value(0), parts.value(1)};
}

QString methodName(model::EndPointMethod method) {
    switch (method) {
    case model::EndPointMethod::Derivative:
        //: An end point found at the largest slope of the measured points.
        return MeasuredPanel::tr("Derivative");
    case model::EndPointMethod::SecondDerivative:
        //: An end point found where the second derivative of the measured points is zero.
        return MeasuredPanel::tr("Second derivative");
    case model::EndPointMethod::Gran:
        return MeasuredPanel::tr("Gran");
    case model::EndPointMethod::GranExcess:
        //: Gran's method applied to the points after the end point.
        return MeasuredPanel::tr("Gran, excess titrant");
    }
    return {};
}

} // namespace

QString fitParameterLabel(const FitOffer& offer) {
    const model::FitParameter& parameter = offer.parameter;
    QString label;
    switch (parameter.quantity) {
    case model::FitQuantity::Concentration:
        label = parameter.system < 0 ? MeasuredPanel::tr("Strong acid or base")
                                     : MeasuredPanel::tr("Concentration");
        break;
    case model::FitQuantity::Constant:
        // The command line's name says whether the constant is a pKa or a pKb.
        label = (QString::fromStdString(offer.name).startsWith(u"pkb") ? QStringLiteral("pKb %1")
                                                                       : QStringLiteral("pKa %1"))
                    .arg(parameter.constant);
        break;
    case model::FitQuantity::TitrantConcentration:
        //: The titrant's concentration as a value to fit.
        return MeasuredPanel::tr("Titrant");
    case model::FitQuantity::PhOffset:
        //: The electrode's calibration error added to every pH, as a value to fit.
        return MeasuredPanel::tr("pH offset");
    }
    if (parameter.system > 0) {
        //: %1 is a value to fit, %2 the number of the weak system (the acid is 1).
        label = MeasuredPanel::tr("%1, system %2").arg(label).arg(parameter.system + 1);
    }
    return label;
}

MeasuredPanel::MeasuredPanel(MeasuredData& measured, QWidget* parent)
    : QWidget(parent), m_data(measured) {
    setObjectName(QStringLiteral("measuredPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* group = new QGroupBox(tr("Measured titration"), this);
    auto* box = new QVBoxLayout(group);
    m_source = new QLabel(group);
    m_source->setWordWrap(true);
    m_source->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->addWidget(m_source);
    m_problem = new QLabel(group);
    setUpProblemLabel(*m_problem);
    m_problem->setAccessibleName(tr("Why the measured data were not taken"));
    box->addWidget(m_problem);
    m_endPoints = new QLabel(group);
    m_endPoints->setAccessibleName(tr("End points"));
    m_endPoints->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->addWidget(m_endPoints);
    m_clear = new QPushButton(tr("Clear measured data"), group);
    m_clear->setAccessibleName(m_clear->text());
    box->addWidget(m_clear, 0, Qt::AlignLeft);
    connect(m_clear, &QPushButton::clicked, &m_data, &MeasuredData::clear);
    layout->addWidget(group);

    m_fitGroup = new QGroupBox(tr("Fit"), this);
    auto* fitBox = new QVBoxLayout(m_fitGroup);
    auto* hint = new QLabel(tr("Values to fit, starting from the solution's:"), m_fitGroup);
    hint->setWordWrap(true);
    fitBox->addWidget(hint);
    m_choiceGrid = new QGridLayout;
    fitBox->addLayout(m_choiceGrid);
    auto* buttons = new QHBoxLayout;
    m_fit = new QPushButton(tr("Fit"), m_fitGroup);
    m_use = new QPushButton(tr("Use fitted values"), m_fitGroup);
    m_fit->setAccessibleName(tr("Fit the solution to the measured points"));
    m_use->setAccessibleName(m_use->text());
    buttons->addWidget(m_fit);
    buttons->addWidget(m_use);
    buttons->addStretch(1);
    fitBox->addLayout(buttons);
    m_fitProblem = new QLabel(m_fitGroup);
    setUpProblemLabel(*m_fitProblem);
    m_fitProblem->setAccessibleName(tr("Why there is no fit"));
    fitBox->addWidget(m_fitProblem);
    // A grid of labels rather than a table: nothing to scroll or select cell by cell, large and
    // plain on a projector; the texts can be selected and copied.
    m_table = new QWidget(m_fitGroup);
    m_table->setAccessibleName(tr("Fitted values"));
    m_resultGrid = new QGridLayout(m_table);
    m_resultGrid->setContentsMargins(QMargins());
    fitBox->addWidget(m_table);
    m_statistics = new QLabel(m_fitGroup);
    m_statistics->setWordWrap(true);
    m_statistics->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fitBox->addWidget(m_statistics);
    m_copy = new QPushButton(tr("Copy fit results"), m_fitGroup);
    m_copy->setAccessibleName(m_copy->text());
    fitBox->addWidget(m_copy, 0, Qt::AlignLeft);
    layout->addWidget(m_fitGroup);

    connect(m_fit, &QPushButton::clicked, &m_data, [this] { m_data.fit(); });
    connect(&m_data, &MeasuredData::changed, this, &MeasuredPanel::refresh);
    refresh();
}

QCheckBox* MeasuredPanel::choiceBox(int i) const {
    return m_choices.at(static_cast<std::size_t>(i));
}

void MeasuredPanel::refresh() {
    const bool shown = m_data.hasData();
    if (shown) {
        //: %1 is the file's name (or "pasted data"), %2 the number of points.
        m_source->setText(tr("%1: %2 points").arg(m_data.source()).arg(m_data.points().size()));
    } else {
        m_source->setText(tr("No measured data. Open a file from the File menu, drop one on the "
                             "window or paste cells on the titration drawing (Ctrl+V)."));
    }
    showProblem(*m_problem, *m_source, m_data.problem());
    QStringList lines;
    const QLocale locale;
    const auto& found = m_data.endPoints().endPoints;
    for (const model::EndPointMethod method :
         {model::EndPointMethod::Derivative, model::EndPointMethod::SecondDerivative,
          model::EndPointMethod::Gran, model::EndPointMethod::GranExcess}) {
        QStringList volumes;
        for (const model::EndPoint& point : found) {
            if (point.method == method) {
                volumes << tr("%1 mL").arg(shownNumber(point.volume, 2, locale));
            }
        }
        if (!volumes.isEmpty()) {
            //: An end point's method and its volumes (one per jump).
            lines << tr("%1: %2").arg(methodName(method), volumes.join(QStringLiteral(", ")));
        }
    }
    if (shown && lines.isEmpty()) {
        lines << tr("No end point found.");
    }
    m_endPoints->setText(lines.join(u'\n'));
    m_endPoints->setVisible(shown);
    m_clear->setVisible(shown);
    m_fitGroup->setVisible(shown);
    if (shown) {
        showChoices();
        showResult();
    }
}

void MeasuredPanel::showChoices() {
    const std::vector<FitOffer>& offers = m_data.offers();
    const std::vector<bool>& choice = m_data.choice();
    while (m_choices.size() < offers.size()) {
        const int row = static_cast<int>(m_choices.size());
        auto* check = new QCheckBox(m_fitGroup);
        auto* start = new QLabel(m_fitGroup);
        start->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_choiceGrid->addWidget(check, row, 0);
        m_choiceGrid->addWidget(start, row, 1);
        connect(check, &QCheckBox::toggled, this,
                [this, row](bool checked) { m_data.choose(row, checked); });
        m_choices.push_back(check);
        m_starts.push_back(start);
    }
    const QLocale locale;
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        const bool shown = i < offers.size();
        m_choices[i]->setVisible(shown);
        m_starts[i]->setVisible(shown);
        if (!shown) {
            continue;
        }
        const FitOffer& offer = offers[i];
        const QSignalBlocker blocker(m_choices[i]);
        m_choices[i]->setText(fitParameterLabel(offer));
        //: A box that chooses a value to fit; %1 is its name ("pKa 2").
        m_choices[i]->setAccessibleName(tr("Fit %1").arg(m_choices[i]->text()));
        m_choices[i]->setChecked(choice[i]);
        m_starts[i]->setText(
            inMolPerLitre(offer.parameter.quantity)
                ? tr("%1 mol/L").arg(shownNumber(concentrationText(offer.start), locale))
                : shownNumber(QString::number(offer.start, 'g', 6), locale));
    }
    m_fit->setEnabled(std::find(choice.begin(), choice.end(), true) != choice.end());
}

void MeasuredPanel::showResult() {
    const std::optional<model::TitrationFit>& fit = m_data.result();
    m_fitProblem->setText(m_data.fitProblem());
    m_fitProblem->setVisible(!m_data.fitProblem().isEmpty());
    m_use->setEnabled(fit.has_value());
    m_copy->setEnabled(fit.has_value());
    m_table->setVisible(fit.has_value());
    m_statistics->setVisible(fit.has_value());
    if (!fit) {
        m_resultRows = 0;
        m_statistics->clear();
        return;
    }
    const QLocale locale;
    // Rebuilt for each fit: a header and one row per value.
    while (QLayoutItem* item = m_resultGrid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const auto cell = [this](const QString& text, int row, int column, bool right) {
        auto* label = new QLabel(text, m_table);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setAlignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        if (row == 0) {
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
        }
        m_resultGrid->addWidget(label, row, column);
    };
    cell(tr("Value"), 0, 1, true);
    cell(tr("Std. error"), 0, 2, true);
    cell(tr("Unit"), 0, 3, false);
    QStringList names;
    for (std::size_t i = 0; i < fit->values.size(); ++i) {
        const model::FittedValue& value = fit->values[i];
        const FitOffer offer{value.parameter, model::fitParameterName(value.parameter, fit->sample),
                             value.value};
        names << QString::fromStdString(offer.name);
        const int row = static_cast<int>(i) + 1;
        cell(fitParameterLabel(offer), row, 0, false);
        const auto [valueText, errorText] = roundedTexts(value.value, value.standardError);
        cell(valueText, row, 1, true);
        cell(errorText, row, 2, true);
        cell(inMolPerLitre(value.parameter.quantity)                    ? tr("mol/L")
             : value.parameter.quantity == model::FitQuantity::PhOffset ? tr("pH")
                                                                        : QString(),
             row, 3, false);
    }
    m_resultRows = static_cast<int>(fit->values.size());

    //: The residual standard deviation of the fit in pH, and the number of points used.
    QStringList lines{tr("s = %1 pH, n = %2")
                          .arg(shownNumber(QString::number(fit->residualDeviation, 'g', 2), locale))
                          .arg(fit->pointsUsed)};
    for (std::size_t i = 0; i < fit->correlation.size(); ++i) {
        for (std::size_t j = i + 1; j < fit->correlation[i].size() && j < fit->values.size(); ++j) {
            //: The correlation coefficient of two fitted values, as r(conc, pka1) = −0.42.
            lines << tr("r(%1, %2) = %3")
                         .arg(names[static_cast<int>(i)], names[static_cast<int>(j)],
                              shownNumber(fit->correlation[i][j], 2, locale));
        }
    }
    m_statistics->setText(lines.join(u'\n'));
}

} // namespace velmora::ui
