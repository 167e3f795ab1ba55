// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solutionpanelstate.h"

#include <QGroupBox>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace velmora::ui {

class NumberField;

/**
 * A listed substance's formula as it is weighed in, without charges: "KH2PO4", "NH4Cl",
 * "H2SO4", "NaOH"; empty for typed constants.
 */
[[nodiscard]] QString weighedFormula(const ListedSubstance& listed);
/** A listed substance's name in the user's language ("Acetic acid", "Base with typed pKb"). */
[[nodiscard]] QString listedName(const ListedSubstance& listed);

/**
 * Typed constants as the user writes them, separated by semicolons (or commas where the locale's
 * decimals take a point): their values, or nothing with the reason in `problem`.
 */
[[nodiscard]] std::optional<std::vector<double>>
readConstants(const QString& text, const QLocale& locale, QString* problem);

/**
 * The substances listed below the acid: each row with its name, its concentration, the species
 * it is dissolved as (a choice for a weak system, the named form of a salt), its typed constants
 * where they were typed, and a Remove button; below them "Add from library…" and "Add typed".
 *
 * The rows only show the panel's state and forward the user's edits to it; every rule is there.
 */
class SubstanceListView : public QGroupBox {
    Q_OBJECT
public:
    SubstanceListView(SolutionPanelState& state, QWidget* parent = nullptr);

    /** Builds the rows anew as the state has them. */
    void showRows();

    [[nodiscard]] int rowCount() const { return static_cast<int>(m_rows.size()); }
    [[nodiscard]] QPushButton* libraryButton() const { return m_library; }
    [[nodiscard]] QPushButton* typedButton() const { return m_typed; }
    [[nodiscard]] QLabel* compositionProblem() const { return m_composition; }
    [[nodiscard]] QLabel* nameLabel(int i) const { return m_rows.at(i).name; }
    [[nodiscard]] NumberField* concentrationField(int i) const {
        return m_rows.at(i).concentration;
    }
    /** The species choice of a weak system's row; nullptr for other rows. */
    [[nodiscard]] QComboBox* speciesBox(int i) const { return m_rows.at(i).species; }
    /** The typed constants of a typed row; nullptr for other rows. */
    [[nodiscard]] QLineEdit* constantsEdit(int i) const { return m_rows.at(i).constants; }
    /** pKa or pKb: how a typed row's constants are given; nullptr for other rows. */
    [[nodiscard]] QComboBox* baseBox(int i) const { return m_rows.at(i).base; }
    [[nodiscard]] QPushButton* removeButton(int i) const { return m_rows.at(i).remove; }

    /** Opens the library's list and adds the substance chosen there. */
    void addFromLibrary();
    /** Says why the list is not taken as a whole, as the state has it (after any edit). */
    void showComposition();

signals:
    /** The user edited the list; `changed` says whether the inputs changed. */
    void edited(bool changed);

private:
    struct RowWidgets {
        QWidget* frame = nullptr;
        QLabel* name = nullptr;
        NumberField* concentration = nullptr;
        QComboBox* species = nullptr;
        QComboBox* base = nullptr;
        QLineEdit* constants = nullptr;
        QLabel* constantsProblem = nullptr;
        QPushButton* remove = nullptr;
    };

    RowWidgets buildRow(int i);
    /** The species choice and the problems of row i as the state has them. */
    void showRowState(int i);
    void rowEdited(bool changed);
    void constantsTyped(int i);

    SolutionPanelState& m_state;
    QVBoxLayout* m_rowsLayout = nullptr;
    std::vector<RowWidgets> m_rows;
    QPushButton* m_library = nullptr;
    QPushButton* m_typed = nullptr;
    QLabel* m_composition = nullptr;
};

} // namespace velmora::ui
