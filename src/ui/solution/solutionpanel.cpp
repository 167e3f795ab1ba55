// SPDX-License-Identifier: GPL-3.0-or-later
#include "solutionpanel.h"

#include "decimalspinbox.h"
#include "numberfield.h"
#include "speciestext.h"
#include "substancechooser.h"
#include "substancelist.h"
#include "substancelistview.h"
#include "typednumber.h"

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

#include <utility>

namespace velmora::ui {

namespace {

/** How many characters of the titrant's name its box shows when closed. */
constexpr int kTitrantShownLength = 18;

QLabel* problemLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    setUpProblemLabel(*label);
    return label;
}

/**
 * A value of `input` as the program writes it: concentrations to three digits, volumes and the
 * temperature to six.
 */
QString programText(NumberInput input, double value) {
    const bool plain = input == NumberInput::SampleVolume || input == NumberInput::EndVolume ||
                       input == NumberInput::Temperature;
    return plain ? QString::number(value, 'g', 6) : concentrationText(value);
}

} // namespace

SolutionPanel::SolutionPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("solutionPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_follow = new QCheckBox(tr("Follo&w the main window"), this);
    m_follow->setAccessibleName(tr("Follow the main window"));
    m_follow->setChecked(true);
    layout->addWidget(m_follow);
    layout->addWidget(buildAcidGroup());
    m_list = new SubstanceListView(m_state, this);
    layout->addWidget(m_list);
    connect(m_list, &SubstanceListView::edited, this, [this](bool changed) {
        if (changed) {
            emit inputsChanged();
        }
        emit notCurrentChanged();
    });
    layout->addWidget(buildSolutionGroup());
    layout->addWidget(buildTitrationGroup());
    layout->addStretch(1);

    setInputs(SolutionInputs{});
}

void SolutionPanel::addSection(QWidget* section) {
    auto* column = static_cast<QVBoxLayout*>(layout());
    // Above the stretch that keeps the groups at the top.
    column->insertWidget(column->count() - 1, section);
}

SolutionPanel::~SolutionPanel() {
    // The fields go after the state they edit: one that finishes its edit as it loses the focus
    // then must reach no handler.
    for (QWidget* field : findChildren<QWidget*>()) {
        field->disconnect(this);
        field->disconnect(m_list);
    }
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
        auto* box = new DecimalSpinBox(group);
        box->setRange(model::kMinPka, model::kMaxPka);
        box->setDecimals(2);
        box->setSingleStep(0.1);
        box->setAccessibleName(tr("pKa %1").arg(i + 1));
        auto* label = new QLabel(tr("pKa &%1").arg(i + 1), group);
        label->setBuddy(box);
        cell(i, row, label, box);
        m_pKaLabels[static_cast<std::size_t>(i)] = label;
        m_pKaBoxes[static_cast<std::size_t>(i)] = box;
        // A step, Enter or leaving the box: a whole edit. Typing is followed as it goes.
        connect(box, &QDoubleSpinBox::valueChanged, this, [this, i](double value) {
            if (m_updating || i >= constantCount()) {
                return;
            }
            acidFieldEdited(m_state.setConstant(i, value));
        });
        connect(box, &DecimalSpinBox::typed, this, [this, i] { pKaTyped(i); });
        connect(box, &QAbstractSpinBox::editingFinished, this, [this, i, box] {
            // Only a box typed into is taken again: passing through it changes nothing.
            if (i >= constantCount() ||
                !std::exchange(m_pKaTyped.at(static_cast<std::size_t>(i)), false)) {
                return;
            }
            // The box shows a value again (a text it could not read gave way to its last value).
            acidFieldEdited(m_state.setConstant(i, box->value()));
            m_state.finishAcidTyping();
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

    m_charge = new WholeSpinBox(group);
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
        connect(edit, &QLineEdit::editingFinished, this, [this] {
            m_state.finishAcidTyping();
            emit notCurrentChanged();
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

NumberField* SolutionPanel::addNumberField(QGridLayout& grid, int row, NumberInput input,
                                           const QString& label, const QString& accessibleName) {
    // The automatic end volume is the empty field (allowEmpty()); a typed 0 is out of range.
    // A value is checked with the solution it makes: the strong acids added up, say.
    auto* field = new NumberField(
        [this, input](double value) {
            return input == NumberInput::EndVolume ? model::problemWithEndVolume(value)
                                                   : m_state.problemWithNumberHere(input, value);
        },
        grid.parentWidget());
    field->setAccessibleName(accessibleName);
    auto* caption = new QLabel(label, grid.parentWidget());
    caption->setBuddy(field);
    grid.addWidget(caption, row, 0);
    grid.addWidget(field, row, 1);
    grid.addWidget(field->problemLabel(), row + 1, 0, 1, 2);
    connect(field, &NumberField::edited, this, [this, input, field] {
        const SolutionInputs before = inputs();
        m_state.typeNumber(input, field->value());
        m_list->showComposition();
        setInputsChanged(before);
        emit notCurrentChanged();
    });
    connect(field, &QLineEdit::editingFinished, this, [this, input] {
        m_state.finishTyping(input);
        emit notCurrentChanged();
    });
    return field;
}

NumberField* SolutionPanel::numberField(NumberInput input) const {
    switch (input) {
    case NumberInput::Concentration:
        return m_concentration;
    case NumberInput::StrongAcid:
        return m_strongAcid;
    case NumberInput::StrongBase:
        return m_strongBase;
    case NumberInput::TitrantConcentration:
        return m_titrantConcentration;
    case NumberInput::SampleVolume:
        return m_volume;
    case NumberInput::Temperature:
        return m_temperature;
    case NumberInput::EndVolume:
        break;
    }
    return m_endVolume;
}

QDoubleSpinBox* SolutionPanel::pKaBox(int i) const {
    return m_pKaBoxes.at(static_cast<std::size_t>(i));
}

QWidget* SolutionPanel::buildSolutionGroup() {
    auto* group = new QGroupBox(tr("Solution"), this);
    auto* grid = new QGridLayout(group);
    m_concentration = addNumberField(*grid, 0, NumberInput::Concentration,
                                     tr("Conc&entration (mol/L)"), tr("Concentration in mol/L"));
    m_slider = new QSlider(Qt::Horizontal, group);
    m_slider->setRange(0, kConcentrationPositions);
    m_slider->setSingleStep(kConcentrationPerDecade / 10);
    m_slider->setPageStep(kConcentrationPerDecade);
    m_slider->setAccessibleName(tr("Concentration on a logarithmic scale"));
    m_slider->setToolTip(tr("10⁻⁶ to 1 mol/L"));
    grid->addWidget(m_slider, 2, 0, 1, 2);
    // The slider stands at the concentration drawn, never at one that only passed by.
    connect(m_concentration, &NumberField::edited, this, [this] {
        const QSignalBlocker blocker(m_slider);
        m_slider->setValue(concentrationPosition(inputs().solution.concentration));
    });
    connect(m_slider, &QSlider::valueChanged, this, [this](int position) {
        if (m_updating) {
            return;
        }
        const double concentration = positionConcentration(position);
        m_concentration->showText(concentrationText(concentration));
        const SolutionInputs before = inputs();
        m_state.setNumber(NumberInput::Concentration, concentration);
        setInputsChanged(before);
        emit notCurrentChanged();
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
        setInputsChanged(before);
    });
    //: A strong acid added to the solution, as --acid on the command line.
    m_strongAcid =
        addNumberField(*grid, 4, NumberInput::StrongAcid, tr("Strong ac&id added (mol/L)"),
                       tr("Strong acid added, HCl, in mol/L"));
    //: A strong base added to the solution, as --base on the command line.
    m_strongBase =
        addNumberField(*grid, 6, NumberInput::StrongBase, tr("Strong &base added (mol/L)"),
                       tr("Strong base added, NaOH, in mol/L"));
    m_temperature = addNumberField(*grid, 8, NumberInput::Temperature, tr("Tem&perature (°C)"),
                                   tr("Temperature in degrees Celsius"));
    m_temperature->setToolTip(tr("0 to 100 °C"));
    m_activity = new QComboBox(group);
    //: Activities taken as the concentrations.
    m_activity->addItem(tr("ideal"));
    //: Activity coefficients by the Davies equation.
    m_activity->addItem(tr("Davies"));
    m_activity->setAccessibleName(tr("Activities"));
    m_activity->setToolTip(tr("Davies: activity coefficients from the ionic strength, good up "
                              "to about 0.5 mol/L"));
    auto* activityLabel = new QLabel(tr("Activitie&s"), group);
    activityLabel->setBuddy(m_activity);
    grid->addWidget(activityLabel, 10, 0);
    grid->addWidget(m_activity, 10, 1);
    connect(m_activity, &QComboBox::activated, this, [this](int index) {
        const SolutionInputs before = inputs();
        m_state.setActivity(index == 1 ? model::Activity::Davies : model::Activity::Ideal);
        setInputsChanged(before);
        m_list->showComposition();
        emit notCurrentChanged();
    });
    return group;
}

QWidget* SolutionPanel::buildTitrationGroup() {
    auto* group = new QGroupBox(tr("Titration"), this);
    auto* grid = new QGridLayout(group);
    m_titrant = new QComboBox(group);
    m_titrant->addItem(tr("strong base (NaOH)"));
    m_titrant->addItem(tr("strong acid (HCl)"));
    // Then every substance of the library that titrates, by its name, its key as the item's data.
    m_titrant->insertSeparator(m_titrant->count());
    for (const model::Substance* substance : titrantSubstances()) {
        m_titrant->addItem(substanceName(*substance), QString::fromStdString(substance->key));
    }
    // The long names of the library do not widen the panel: the list opens as wide as they are.
    m_titrant->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_titrant->setMinimumContentsLength(kTitrantShownLength);
    m_titrant->setAccessibleName(tr("Titrant"));
    auto* titrantLabel = new QLabel(tr("&Titrant"), group);
    titrantLabel->setBuddy(m_titrant);
    grid->addWidget(titrantLabel, 0, 0);
    grid->addWidget(m_titrant, 0, 1);
    connect(m_titrant, &QComboBox::activated, this, [this](int index) {
        const SolutionInputs before = inputs();
        const QString key = m_titrant->itemData(index).toString();
        m_state.setTitrantSubstance(key.toStdString());
        if (key.isEmpty()) {
            m_state.setTitrant(index == 1 ? model::Titrant::Acid : model::Titrant::Base);
        }
        setInputsChanged(before);
    });

    m_titrantConcentration =
        addNumberField(*grid, 1, NumberInput::TitrantConcentration,
                       tr("Its concentration (mo&l/L)"), tr("Titrant concentration in mol/L"));
    m_volume = addNumberField(*grid, 3, NumberInput::SampleVolume, tr("Start vol&ume (mL)"),
                              tr("Start volume in mL"));
    m_endVolume = addNumberField(*grid, 5, NumberInput::EndVolume, tr("End v&olume (mL)"),
                                 tr("End volume of the titration in mL, empty for automatic"));
    //: The end volume's field when it is empty: the titration ends past its last equivalence point.
    m_endVolume->allowEmpty(0.0, tr("automatic"));
    m_endVolume->setToolTip(tr("Empty: 20 % past the last equivalence point"));
    return group;
}

void SolutionPanel::setAcid(const model::PolyproticAcid& acid) {
    const SolutionInputs before = inputs();
    m_state.setAcid(acid);
    showAcid();
    setInputsChanged(before);
    emit notCurrentChanged();
}

void SolutionPanel::setInputs(const SolutionInputs& inputs) {
    m_state.setInputs(inputs);
    showSolutionFields();
    showAcid();
    m_list->showRows();
    emit notCurrentChanged();
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
    // Every box shows the state's value again: nothing typed is left to take.
    m_pKaTyped = {};
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

void SolutionPanel::pKaTyped(int i) {
    if (i < constantCount()) {
        m_pKaTyped.at(static_cast<std::size_t>(i)) = true;
        acidFieldEdited(m_state.typeConstant(
            i, m_pKaBoxes.at(static_cast<std::size_t>(i))->typedValue().value));
    }
}

void SolutionPanel::showAcidProblems() {
    // A text that is no number first: the order of the values cannot be judged without it.
    QString constants = language::problemText(m_state.constantsProblem());
    for (int i = constantCount() - 1; i >= 0; --i) {
        if (m_state.unreadableConstant(i)) {
            //: A pKa field whose text is no number: "pKa 2: is not a number".
            constants = tr("pKa %1: %2")
                            .arg(i + 1)
                            .arg(m_pKaBoxes.at(static_cast<std::size_t>(i))->typedValue().problem);
        }
    }
    showProblem(*m_constantsProblem, *m_pKaBoxes[0], constants);
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
    emit notCurrentChanged();
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
    const SolutionInputs& shown = inputs();
    m_slider->setValue(concentrationPosition(shown.solution.concentration));
    const int substance =
        m_titrant->findData(QString::fromStdString(shown.titrantSubstance), Qt::UserRole);
    m_titrant->setCurrentIndex(!shown.titrantSubstance.empty() && substance >= 0 ? substance
                               : shown.titration.titrant == model::Titrant::Acid ? 1
                                                                                 : 0);
    m_activity->setCurrentIndex(shown.activity == model::Activity::Davies ? 1 : 0);
    for (const NumberInput input : kNumberInputs) {
        numberField(input)->showText(programText(input, numberOf(shown, input)));
    }
    m_updating = false;
}

QString SolutionPanel::notCurrentText() const {
    QStringList shown;
    const QLocale locale = this->locale();
    if (m_state.acidRefused()) {
        QStringList values;
        for (const double pKa : inputs().acid.exponents()) {
            values << shownNumber(pKa, 2, locale);
        }
        //: What the drawings show of the acid while its fields are not fine: "pKa 2,15; 7,20".
        shown << tr("pKa %1").arg(values.join(QStringLiteral("; ")));
    }
    for (const NumberInput input : kNumberInputs) {
        if (!m_state.refused(input)) {
            continue;
        }
        const double value = numberOf(inputs(), input);
        const QString number = shownNumber(programText(input, value), locale);
        switch (input) {
        case NumberInput::Concentration:
            shown << tr("%1 mol/L").arg(number);
            break;
        case NumberInput::StrongAcid:
            shown << tr("strong acid %1 mol/L").arg(number);
            break;
        case NumberInput::StrongBase:
            shown << tr("strong base %1 mol/L").arg(number);
            break;
        case NumberInput::TitrantConcentration:
            shown << tr("titrant %1 mol/L").arg(number);
            break;
        case NumberInput::SampleVolume:
            shown << tr("start volume %1 mL").arg(number);
            break;
        case NumberInput::EndVolume:
            shown << (value == 0.0 ? tr("end volume automatic")
                                   : tr("end volume %1 mL").arg(number));
            break;
        case NumberInput::Temperature:
            shown << tr("%1 °C").arg(number);
            break;
        }
    }
    if (m_state.listRefused()) {
        //: What the drawings show of the listed substances while a field of theirs is not fine.
        shown << tr("the substances listed before");
    }
    if (shown.isEmpty()) {
        return {};
    }
    //: Over the drawings while a field is not fine: they show the values from before its edit.
    //: %1 lists them: "0,1 mol/L, start volume 25 mL".
    return tr("Not current: showing %1, as before the edit").arg(shown.join(QStringLiteral(", ")));
}

void SolutionPanel::setInputsChanged(const SolutionInputs& before) {
    if (!(inputs() == before)) {
        emit inputsChanged();
    }
}

} // namespace velmora::ui
