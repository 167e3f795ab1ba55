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

namespace velmora::ui {

namespace {

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
            acidFieldEdited(m_state.setConstant(i, value));
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
    connect(m_add, &QPushButton::clicked, this, [this] {
        if (m_state.canAddConstant()) {
            const bool changed = m_state.addConstant();
            showAcidFields();
            acidFieldEdited(changed);
        }
    });
    connect(m_remove, &QPushButton::clicked, this, [this] {
        if (m_state.canRemoveConstant()) {
            const bool changed = m_state.removeConstant();
            showAcidFields();
            acidFieldEdited(changed);
        }
    });
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
    connect(m_charge, &QSpinBox::valueChanged, this, [this](int charge) {
        if (!m_updating) {
            acidFieldEdited(m_state.setCharge(charge));
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
        connect(edit, &QLineEdit::textEdited, this, [this, j](const QString& text) {
            acidFieldEdited(m_state.setName(j, text.toStdString()));
        });
    }
    row += (model::kMaxSolutionSpecies + 1) / 2;
    m_namesProblem = problemLabel(group);
    grid->addWidget(m_namesProblem, row++, 0, 1, 4);
    m_generic = new QPushButton(tr("Generic &names"), group);
    m_generic->setAccessibleName(tr("Generic names"));
    grid->addWidget(m_generic, row++, 0, 1, 4);
    connect(m_generic, &QPushButton::clicked, this,
            [this] { acidFieldEdited(m_state.useGenericNames()); });
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
    m_slider->setRange(0, kConcentrationPositions);
    m_slider->setSingleStep(kConcentrationPerDecade / 10);
    m_slider->setPageStep(kConcentrationPerDecade);
    m_slider->setAccessibleName(tr("Concentration on a logarithmic scale"));
    m_slider->setToolTip(tr("10⁻⁶ to 1 mol/L"));
    grid->addWidget(m_slider, 2, 0, 1, 2);
    connect(m_concentration, &NumberField::edited, this, [this] {
        if (const std::optional<double> c = m_concentration->value()) {
            const QSignalBlocker blocker(m_slider);
            m_slider->setValue(concentrationPosition(*c));
        }
        takeSolution();
    });
    connect(m_slider, &QSlider::valueChanged, this, [this](int position) {
        if (m_updating) {
            return;
        }
        m_concentration->showText(concentrationText(positionConcentration(position)));
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
        const SolutionInputs before = inputs();
        m_state.setDissolved(index);
        takeSolutionFields();
        setInputsChanged(before);
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
    const SolutionInputs before = inputs();
    m_state.setAcid(acid);
    showAcid();
    setInputsChanged(before);
}

void SolutionPanel::setInputs(const SolutionInputs& inputs) {
    m_state.setInputs(inputs);
    showSolutionFields();
    showAcid();
}

void SolutionPanel::showAcid() {
    {
        const QSignalBlocker quiet(m_charge);
        m_charge->setValue(m_state.charge());
    }
    showAcidFields();
    showAcidProblems();
    showDissolved();
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
            m_pKaBoxes[slot]->setValue(m_state.constants()[slot]);
        }
    }
    m_add->setEnabled(m_state.canAddConstant());
    m_remove->setEnabled(m_state.canRemoveConstant());

    // The labels name the species generically for the charge as it stands now.
    const std::vector<std::string> generic = model::genericSpeciesNames(count, m_state.charge());
    for (int j = 0; j < model::kMaxSolutionSpecies; ++j) {
        const auto slot = static_cast<std::size_t>(j);
        const bool shown = j <= count;
        m_nameEdits[slot]->setVisible(shown);
        m_nameLabels[slot]->setVisible(shown);
        if (shown) {
            m_nameLabels[slot]->setText(unicodeFormula(QString::fromStdString(generic[slot])));
        }
    }
    m_updating = false;
    showNames();
}

void SolutionPanel::showNames() {
    m_updating = true;
    for (int j = 0; j <= constantCount(); ++j) {
        QLineEdit& edit = *m_nameEdits[static_cast<std::size_t>(j)];
        const QString name = QString::fromStdString(m_state.name(j));
        // The user's own formulas stand as typed: the cursor stays where it is.
        if (!m_state.ownNames() || edit.text() != name) {
            edit.setText(name);
        }
    }
    m_updating = false;
}

void SolutionPanel::showAcidProblems() {
    showProblem(*m_constantsProblem, *m_pKaBoxes[0],
                language::problemText(m_state.constantsProblem()));
    showProblem(*m_namesProblem, *m_nameEdits[0], language::problemText(m_state.namesProblem()));
}

void SolutionPanel::acidFieldEdited(bool changed) {
    showNames();
    emit acidEdited();
    showAcidProblems();
    if (changed) {
        showDissolved();
        emit inputsChanged();
    }
}

void SolutionPanel::showDissolved() {
    const model::PolyproticAcid& acid = inputs().acid;
    m_dissolved->clear();
    for (int k = 0; k < acid.speciesCount(); ++k) {
        m_dissolved->addItem(dissolvedText(acid, k));
    }
    m_dissolved->setCurrentIndex(inputs().solution.dissolvedAs);
}

void SolutionPanel::showSolutionFields() {
    m_updating = true;
    const model::Solution& solution = inputs().solution;
    const model::Titration& titration = inputs().titration;
    m_concentration->showText(concentrationText(solution.concentration));
    m_slider->setValue(concentrationPosition(solution.concentration));
    m_titrant->setCurrentIndex(titration.titrant == model::Titrant::Acid ? 1 : 0);
    m_titrantConcentration->showText(concentrationText(titration.titrantConcentration));
    m_volume->showText(QString::number(titration.sampleVolume, 'g', 6));
    m_updating = false;
}

void SolutionPanel::takeSolution() {
    const SolutionInputs before = inputs();
    takeSolutionFields();
    setInputsChanged(before);
}

void SolutionPanel::takeSolutionFields() {
    m_state.setConcentration(m_concentration->value());
    m_state.setTitrant(m_titrant->currentIndex() == 1 ? model::Titrant::Acid
                                                      : model::Titrant::Base);
    m_state.setTitrantConcentration(m_titrantConcentration->value());
    m_state.setSampleVolume(m_volume->value());
}

void SolutionPanel::setInputsChanged(const SolutionInputs& before) {
    if (!(inputs() == before)) {
        emit inputsChanged();
    }
}

} // namespace velmora::ui
