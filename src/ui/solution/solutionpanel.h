// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solutionpanelstate.h"

#include <QWidget>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;

namespace velmora::ui {

class DecimalSpinBox;
class NumberField;
class SubstanceListView;

/**
 * The solution window's controls: the acid (its pKa values, the charge of its fully protonated
 * form and the species' formulas), the solution (concentration, the species dissolved) and the
 * titration (titrant and its concentration, the start and end volumes), with the "Follow the main
 * window" box above them: everything the command line can say about a solution. Below the acid,
 * further substances are listed (SubstanceListView); the activities (ideal or Davies) and the
 * temperature are set with the solution.
 *
 * Every field is checked as it is edited, by the model's own checks; a problem is shown beside the
 * field in the model's words and the field keeps it until it is mended. inputs() holds what the
 * window draws: a field's value while it is fine, its value from before the edit while it is not
 * (notCurrentText() then says what is drawn), so invalid input never reaches a drawing. pKa values
 * out of order are such a problem; the panel never reorders them.
 *
 * The panel only shows a SolutionPanelState and forwards the user's edits to it: every rule of
 * the fields (the constants added and removed, the formulas, the species dissolved) is there.
 */
class SolutionPanel : public QWidget {
    Q_OBJECT
public:
    explicit SolutionPanel(QWidget* parent = nullptr);
    ~SolutionPanel() override;

    /** The inputs as they last were all fine. */
    [[nodiscard]] const SolutionInputs& inputs() const { return m_state.inputs(); }
    /** Shows `acid` as the program's own choice (the main window's acid): no acidEdited(). */
    void setAcid(const model::PolyproticAcid& acid);
    /** Shows all the inputs (the remembered ones): no signals. */
    void setInputs(const SolutionInputs& inputs);

    /** Adds `section` under the inputs (the window's measured data), taking it as its child. */
    void addSection(QWidget* section);

    /** The shown constants, 1..6. */
    [[nodiscard]] int constantCount() const { return m_state.constantCount(); }

    [[nodiscard]] QCheckBox* followBox() const { return m_follow; }
    /** pKa spin box i = 0..5 (those past constantCount() are hidden). */
    [[nodiscard]] QDoubleSpinBox* pKaBox(int i) const;
    [[nodiscard]] QPushButton* addButton() const { return m_add; }
    [[nodiscard]] QPushButton* removeButton() const { return m_remove; }
    [[nodiscard]] QSpinBox* chargeBox() const { return m_charge; }
    /** The formula of species j = 0..6 (those past the acid's species are hidden). */
    [[nodiscard]] QLineEdit* nameEdit(int j) const { return m_nameEdits.at(j); }
    [[nodiscard]] QPushButton* genericButton() const { return m_generic; }
    [[nodiscard]] NumberField* concentrationField() const { return m_concentration; }
    [[nodiscard]] QSlider* concentrationSlider() const { return m_slider; }
    [[nodiscard]] QComboBox* dissolvedBox() const { return m_dissolved; }
    [[nodiscard]] QComboBox* titrantBox() const { return m_titrant; }
    [[nodiscard]] NumberField* titrantField() const { return m_titrantConcentration; }
    [[nodiscard]] NumberField* volumeField() const { return m_volume; }
    [[nodiscard]] NumberField* strongAcidField() const { return m_strongAcid; }
    [[nodiscard]] NumberField* strongBaseField() const { return m_strongBase; }
    /** The titration's end volume; empty for the automatic end. */
    [[nodiscard]] NumberField* endVolumeField() const { return m_endVolume; }
    [[nodiscard]] NumberField* numberField(NumberInput input) const;
    [[nodiscard]] NumberField* temperatureField() const { return m_temperature; }
    /** Ideal (index 0) or Davies (index 1) activities. */
    [[nodiscard]] QComboBox* activityBox() const { return m_activity; }
    /** The substances listed below the acid. */
    [[nodiscard]] SubstanceListView* substanceList() const { return m_list; }

    /**
     * While a field is not fine, what the drawings show instead of it, in the user's language
     * ("Not current: showing 0,1 mol/L"); empty while every field is fine.
     */
    [[nodiscard]] QString notCurrentText() const;
    [[nodiscard]] QLabel* constantsProblem() const { return m_constantsProblem; }
    [[nodiscard]] QLabel* namesProblem() const { return m_namesProblem; }

signals:
    /** The user changed a field of the acid, whether or not it is fine now. */
    void acidEdited();
    /** inputs() changed. */
    void inputsChanged();
    /** notCurrentText() may have changed. */
    void notCurrentChanged();

private:
    QWidget* buildAcidGroup();
    QWidget* buildSolutionGroup();
    QWidget* buildTitrationGroup();

    /**
     * After a user's edit of the acid that the state took (`changed` says whether inputs()
     * changed): shows the formulas and problems, tells the window.
     */
    void acidFieldEdited(bool changed);
    /** Every field of the acid, its problems and the species list, as the state has them. */
    void showAcid();
    /** The constants, the buttons and every formula with its label, as the state has them. */
    void showAcidFields();
    /** The formulas of the acid's species, as the state has them. */
    void showNames();
    void showAcidProblems();
    /** The species list for inputs().acid, the wanted species where it has it. */
    void showDissolved();
    void showSolutionFields();
    /** A number field of `input` in `grid` at `row` (and its problem under it). */
    NumberField* addNumberField(QGridLayout& grid, int row, NumberInput input, const QString& label,
                                const QString& accessibleName);
    /** pKa i typed: taken while fine, else the acid from before the edit is drawn. */
    void pKaTyped(int i);
    void setInputsChanged(const SolutionInputs& before);

    SolutionPanelState m_state;
    bool m_updating = false;

    QCheckBox* m_follow = nullptr;
    std::array<QLabel*, model::kMaxConstants> m_pKaLabels{};
    std::array<DecimalSpinBox*, model::kMaxConstants> m_pKaBoxes{};
    /** Whether pKa box i was typed into since the user last left it. */
    std::array<bool, model::kMaxConstants> m_pKaTyped{};
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    QLabel* m_constantsProblem = nullptr;
    QSpinBox* m_charge = nullptr;
    std::array<QLabel*, model::kMaxSolutionSpecies> m_nameLabels{};
    std::array<QLineEdit*, model::kMaxSolutionSpecies> m_nameEdits{};
    QLabel* m_namesProblem = nullptr;
    QPushButton* m_generic = nullptr;
    NumberField* m_concentration = nullptr;
    QSlider* m_slider = nullptr;
    QComboBox* m_dissolved = nullptr;
    QComboBox* m_titrant = nullptr;
    NumberField* m_titrantConcentration = nullptr;
    NumberField* m_volume = nullptr;
    NumberField* m_strongAcid = nullptr;
    NumberField* m_strongBase = nullptr;
    NumberField* m_endVolume = nullptr;
    NumberField* m_temperature = nullptr;
    QComboBox* m_activity = nullptr;
    SubstanceListView* m_list = nullptr;
};

} // namespace velmora::ui
