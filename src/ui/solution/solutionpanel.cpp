// SPDX-License-Identifier: GPL-3.0-or-later
#include "solutionpanel.h"

#include "numberfield.h"
#include "speciestext.h"

#include "language/modeltexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace velmora::ui {

namespace {

/** The slider counts hundredths of a decade from 1e-6 to 1 mol/L. */
constexpr int kSliderDecades = 6;
constexpr int kSliderPerDecade = 100;

int sliderPosition(double concentration) {
    const double position = (std::log10(concentration) + kSliderDecades) * kSliderPerDecade;
    return std::clamp(static_cast<int>(std::lround(position)), 0,
                      kSliderDecades * kSliderPerDecade);
}

/** The concentration a slider position stands for, as its text reads it back. */
double sliderConcentration(int position) {
    const double exact =
        std::pow(10.0, static_cast<double>(position) / kSliderPerDecade - kSliderDecades);
    return concentrationText(exact).toDouble();
}

/** The gap a newly added constant keeps from the last one. */
constexpr double kAddedConstantGap = 2.0;

QLabel* problemLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    setUpProblemLabel(*label);
    return label;
}

} // namespace

SolutionPanel::SolutionPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("solutionPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_follow = new QCheckBox(tr("&Follow the main window"), this);
    m_follow->setAccessibleName(tr("Follow the main window"));
    m_follow->setChecked(true);
    layout->addWidget(m_follow);
    layout->addWidget(buildAcidGroup());
    layout->addWidget(buildSolutionGroup());
    layout->addWidget(buildTitrationGroup());
    layout->addStretch(1);

    setInputs(SolutionInputs{});
}

QWidget* SolutionPanel::buildAcidGroup() {
    auto* group = new QGroupBox(tr("Acid"), this);
    auto* grid = new QGridLayout(group);
    // Two fields to a row: a label and its field, twice.
    const auto cell = [grid](int index, int firstRow, QLabel* label, QWidget* field) {
        const int row = firstRow + index / 2;
        const int column = 2 * (index % 2);
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1);
    };
    int row = 0;
    for (int i = 0; i < model::kMaxConstants; ++i) {
        auto* box = new QDoubleSpinBox(group);
        box->setRange(model::kMinPka, model::kMaxPka);
        box->setDecimals(2);
        box->setSingleStep(0.1);
        box->setAccessibleName(tr("pKa %1").arg(i + 1));
        auto* label = new QLabel(tr("pKa &%1").arg(i + 1), group);
        label->setBuddy(box);
        cell(i, row, label, box);
        m_pKaLabels[static_cast<std::size_t>(i)] = label;
        m_pKaBoxes[static_cast<std::size_t>(i)] = box;
        connect(box, &QDoubleSpinBox::valueChanged, this, [this, i](double value) {
            if (m_updating || i >= constantCount()) {
                return;
            }
            m_pKa[static_cast<std::size_t>(i)] = value;
            acidFieldEdited();
        });
    }
    row += model::kMaxConstants / 2;
    auto* buttons = new QHBoxLayout;
    m_add = new QPushButton(tr("&Add constant"), group);
    m_add->setAccessibleName(tr("Add a constant"));
    m_remove = new QPushButton(tr("&Remove constant"), group);
    m_remove->setAccessibleName(tr("Remove the last constant"));
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    grid->addLayout(buttons, row++, 0, 1, 4);
    connect(m_add, &QPushButton::clicked, this, &SolutionPanel::addConstant);
    connect(m_remove, &QPushButton::clicked, this, &SolutionPanel::removeConstant);
    m_constantsProblem = problemLabel(group);
    grid->addWidget(m_constantsProblem, row++, 0, 1, 4);

    m_charge = new QSpinBox(group);
    m_charge->setRange(model::kMinCharge, model::kMaxCharge);
    m_charge->setAccessibleName(tr("Charge of the fully protonated form"));
    auto* chargeLabel = new QLabel(tr("Char&ge of the fully protonated form"), group);
    chargeLabel->setBuddy(m_charge);
    chargeLabel->setWordWrap(true);
    grid->addWidget(chargeLabel, row, 0, 1, 3);
    grid->addWidget(m_charge, row++, 3);
    connect(m_charge, &QSpinBox::valueChanged, this, [this] {
        if (!m_updating) {
            acidFieldEdited();
        }
    });

    grid->addWidget(new QLabel(tr("Formulas of the species:"), group), row++, 0, 1, 4);
    for (int j = 0; j < model::kMaxSolutionSpecies; ++j) {
        auto* edit = new QLineEdit(group);
        edit->setMaxLength(model::kMaxFormulaLength + 1);
        edit->setAccessibleName(tr("Formula of species %1").arg(j + 1));
        edit->setToolTip(tr("Caret notation: HPO4^2-, NH4^+"));
        auto* label = new QLabel(group);
        label->setBuddy(edit);
        // As wide as the widest generic name, so that the panel keeps its width.
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("H₆A¹²⁻")));
        cell(j, row, label, edit);
        m_nameLabels[static_cast<std::size_t>(j)] = label;
        m_nameEdits[static_cast<std::size_t>(j)] = edit;
        connect(edit, &QLineEdit::textEdited, this, [this] {
            m_ownNames = true;
            acidFieldEdited();
        });
    }
    row += (model::kMaxSolutionSpecies + 1) / 2;
    m_namesProblem = problemLabel(group);
    grid->addWidget(m_namesProblem, row++, 0, 1, 4);
    m_generic = new QPushButton(tr("Generic &names"), group);
    m_generic->setAccessibleName(tr("Generic names"));
    grid->addWidget(m_generic, row++, 0, 1, 4);
    connect(m_generic, &QPushButton::clicked, this, &SolutionPanel::useGenericNames);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

QWidget* SolutionPanel::buildSolutionGroup() {
    auto* group = new QGroupBox(tr("Solution"), this);
    auto* grid = new QGridLayout(group);
    m_concentration =
        new NumberField([](double c) { return model::problemWithConcentration(c); }, group);
    m_concentration->setAccessibleName(tr("Concentration in mol/L"));
    auto* label = new QLabel(tr("Conc&entration (mol/L)"), group);
    label->setBuddy(m_concentration);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_concentration, 0, 1);
    grid->addWidget(m_concentration->problemLabel(), 1, 0, 1, 2);
    m_slider = new QSlider(Qt::Horizontal, group);
    m_slider->setRange(0, kSliderDecades * kSliderPerDecade);
    m_slider->setSingleStep(kSliderPerDecade / 10);
    m_slider->setPageStep(kSliderPerDecade);
    m_slider->setAccessibleName(tr("Concentration on a logarithmic scale"));
    m_slider->setToolTip(tr("10⁻⁶ to 1 mol/L"));
    grid->addWidget(m_slider, 2, 0, 1, 2);
    connect(m_concentration, &NumberField::edited, this, [this] {
        if (const std::optional<double> c = m_concentration->value()) {
            const QSignalBlocker blocker(m_slider);
            m_slider->setValue(sliderPosition(*c));
        }
        takeSolution();
    });
    connect(m_slider, &QSlider::valueChanged, this, [this](int position) {
        if (m_updating) {
            return;
        }
        m_concentration->showText(concentrationText(sliderConcentration(position)));
        takeSolution();
    });

    m_dissolved = new QComboBox(group);
    m_dissolved->setMinimumContentsLength(12);
    m_dissolved->setAccessibleName(tr("Species dissolved"));
    auto* dissolvedLabel = new QLabel(tr("&Dissolved"), group);
    dissolvedLabel->setBuddy(m_dissolved);
    grid->addWidget(dissolvedLabel, 3, 0);
    grid->addWidget(m_dissolved, 3, 1);
    connect(m_dissolved, &QComboBox::activated, this, [this](int index) {
        m_wantedDissolved = index;
        takeSolution();
    });
    return group;
}

QWidget* SolutionPanel::buildTitrationGroup() {
    auto* group = new QGroupBox(tr("Titration"), this);
    auto* grid = new QGridLayout(group);
    m_titrant = new QComboBox(group);
    m_titrant->addItem(tr("strong base (NaOH)"));
    m_titrant->addItem(tr("strong acid (HCl)"));
    m_titrant->setAccessibleName(tr("Titrant"));
    auto* titrantLabel = new QLabel(tr("&Titrant"), group);
    titrantLabel->setBuddy(m_titrant);
    grid->addWidget(titrantLabel, 0, 0);
    grid->addWidget(m_titrant, 0, 1);
    connect(m_titrant, &QComboBox::activated, this, &SolutionPanel::takeSolution);

    m_titrantConcentration =
        new NumberField([](double c) { return model::problemWithTitrantConcentration(c); }, group);
    m_titrantConcentration->setAccessibleName(tr("Titrant concentration in mol/L"));
    auto* concentrationLabel = new QLabel(tr("Its concentration (mo&l/L)"), group);
    concentrationLabel->setBuddy(m_titrantConcentration);
    grid->addWidget(concentrationLabel, 1, 0);
    grid->addWidget(m_titrantConcentration, 1, 1);
    grid->addWidget(m_titrantConcentration->problemLabel(), 2, 0, 1, 2);
    connect(m_titrantConcentration, &NumberField::edited, this, &SolutionPanel::takeSolution);

    m_volume = new NumberField([](double v) { return model::problemWithSampleVolume(v); }, group);
    m_volume->setAccessibleName(tr("Start volume in mL"));
    auto* volumeLabel = new QLabel(tr("Start vol&ume (mL)"), group);
    volumeLabel->setBuddy(m_volume);
    grid->addWidget(volumeLabel, 3, 0);
    grid->addWidget(m_volume, 3, 1);
    grid->addWidget(m_volume->problemLabel(), 4, 0, 1, 2);
    connect(m_volume, &NumberField::edited, this, &SolutionPanel::takeSolution);
    return group;
}

void SolutionPanel::setAcid(const model::PolyproticAcid& acid) {
    const SolutionInputs before = m_inputs;
    m_pKa = acid.exponents();
    {
        const QSignalBlocker quiet(m_charge);
        m_charge->setValue(acid.charge());
    }
    m_ownNames = !acid.hasGenericNames();
    m_inputs.acid = acid;
    showAcidFields();
    // The main window's acid is always fine: no problem left standing.
    showProblem(*m_constantsProblem, *m_pKaBoxes[0], QString());
    showProblem(*m_namesProblem, *m_nameEdits[0], QString());
    showDissolved();
    setInputsChanged(before);
}

void SolutionPanel::setInputs(const SolutionInputs& inputs) {
    m_wantedDissolved = inputs.solution.dissolvedAs;
    m_inputs.solution = inputs.solution;
    m_inputs.titration = inputs.titration;
    showSolutionFields();
    const QSignalBlocker blocker(this);
    setAcid(inputs.acid);
}

void SolutionPanel::showAcidFields() {
    m_updating = true;
    const int count = constantCount();
    for (int i = 0; i < model::kMaxConstants; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        const bool shown = i < count;
        m_pKaBoxes[slot]->setVisible(shown);
        m_pKaLabels[slot]->setVisible(shown);
        if (shown) {
            m_pKaBoxes[slot]->setValue(m_pKa[slot]);
        }
    }
    m_add->setEnabled(count < model::kMaxConstants);
    m_remove->setEnabled(count > 1);

    const std::vector<std::string> generic = model::genericSpeciesNames(count, m_charge->value());
    const std::vector<std::string>& own = m_inputs.acid.speciesNames();
    for (int j = 0; j < model::kMaxSolutionSpecies; ++j) {
        const auto slot = static_cast<std::size_t>(j);
        const bool shown = j <= count;
        m_nameEdits[slot]->setVisible(shown);
        m_nameLabels[slot]->setVisible(shown);
        if (!shown) {
            continue;
        }
        m_nameLabels[slot]->setText(unicodeFormula(QString::fromStdString(generic[slot])));
        if (!m_ownNames) {
            m_nameEdits[slot]->setText(QString::fromStdString(generic[slot]));
        } else if (j < static_cast<int>(own.size()) && m_inputs.acid.constantCount() == count) {
            m_nameEdits[slot]->setText(QString::fromStdString(own[slot]));
        }
    }
    m_updating = false;
}

std::vector<std::string> SolutionPanel::fieldNames() const {
    std::vector<std::string> names;
    for (int j = 0; j <= constantCount(); ++j) {
        names.push_back(m_nameEdits[static_cast<std::size_t>(j)]->text().toStdString());
    }
    return names;
}

void SolutionPanel::acidFieldEdited() {
    if (!m_ownNames) {
        // The generic names follow the constants and the charge.
        m_updating = true;
        const std::vector<std::string> generic =
            model::genericSpeciesNames(constantCount(), m_charge->value());
        for (int j = 0; j <= constantCount(); ++j) {
            m_nameEdits[static_cast<std::size_t>(j)]->setText(
                QString::fromStdString(generic[static_cast<std::size_t>(j)]));
        }
        m_updating = false;
    }
    emit acidEdited();
    takeAcid();
}

void SolutionPanel::takeAcid() {
    const SolutionInputs before = m_inputs;
    const QString constantsProblem = language::problemText(model::problemWithConstants(m_pKa));
    showProblem(*m_constantsProblem, *m_pKaBoxes[0], constantsProblem);
    const std::vector<std::string> names = fieldNames();
    const QString namesProblem =
        m_ownNames ? language::problemText(model::problemWithNames(names, constantCount() + 1))
                   : QString();
    showProblem(*m_namesProblem, *m_nameEdits[0], namesProblem);
    if (!constantsProblem.isEmpty() || !namesProblem.isEmpty()) {
        return;
    }
    m_inputs.acid = model::PolyproticAcid(m_pKa, m_charge->value(),
                                          m_ownNames ? names : std::vector<std::string>{});
    showDissolved();
    setInputsChanged(before);
}

void SolutionPanel::addConstant() {
    if (constantCount() >= model::kMaxConstants) {
        return;
    }
    m_pKa.push_back(std::min(m_pKa.back() + kAddedConstantGap, model::kMaxPka));
    if (m_ownNames) {
        const int count = constantCount();
        m_nameEdits[static_cast<std::size_t>(count)]->setText(
            QString::fromStdString(model::genericSpeciesName(count, m_charge->value(), count)));
    }
    showAcidFields();
    acidFieldEdited();
}

void SolutionPanel::removeConstant() {
    if (constantCount() <= 1) {
        return;
    }
    m_pKa.pop_back();
    showAcidFields();
    acidFieldEdited();
}

void SolutionPanel::useGenericNames() {
    m_ownNames = false;
    acidFieldEdited();
}

void SolutionPanel::showDissolved() {
    const model::PolyproticAcid& acid = m_inputs.acid;
    m_dissolved->clear();
    for (int k = 0; k < acid.speciesCount(); ++k) {
        m_dissolved->addItem(dissolvedText(acid, k));
    }
    m_inputs.solution.dissolvedAs = std::min(m_wantedDissolved, acid.constantCount());
    m_dissolved->setCurrentIndex(m_inputs.solution.dissolvedAs);
}

void SolutionPanel::showSolutionFields() {
    m_updating = true;
    const model::Solution& solution = m_inputs.solution;
    m_concentration->showText(concentrationText(solution.concentration));
    m_slider->setValue(sliderPosition(solution.concentration));
    m_titrant->setCurrentIndex(m_inputs.titration.titrant == model::Titrant::Acid ? 1 : 0);
    m_titrantConcentration->showText(concentrationText(m_inputs.titration.titrantConcentration));
    m_volume->showText(QString::number(m_inputs.titration.sampleVolume, 'g', 6));
    m_updating = false;
}

void SolutionPanel::takeSolution() {
    const SolutionInputs before = m_inputs;
    if (const std::optional<double> c = m_concentration->value()) {
        m_inputs.solution.concentration = *c;
    }
    m_inputs.solution.dissolvedAs = std::min(m_wantedDissolved, m_inputs.acid.constantCount());
    m_inputs.titration.titrant =
        m_titrant->currentIndex() == 1 ? model::Titrant::Acid : model::Titrant::Base;
    if (const std::optional<double> c = m_titrantConcentration->value()) {
        m_inputs.titration.titrantConcentration = *c;
    }
    if (const std::optional<double> v = m_volume->value()) {
        m_inputs.titration.sampleVolume = *v;
    }
    setInputsChanged(before);
}

void SolutionPanel::setInputsChanged(const SolutionInputs& before) {
    if (!(m_inputs == before)) {
        emit inputsChanged();
    }
}

} // namespace velmora::ui
