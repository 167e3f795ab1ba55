// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "measuredfit.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;

namespace velmora::ui {

class MeasuredData;

/**
 * The solution window's controls of a measured titration, under its inputs: where the points came
 * from or why a file was not taken, the end points found, and the fit: a box for each value of the
 * solution that can be fitted with the value it starts from (the solution's own; edited above),
 * Fit, the fitted values with their standard errors and units, the residual standard deviation
 * s, the points used n and the correlations, and "Use fitted values".
 *
 * Without data the panel says how to get some and shows nothing else, so that it stays out of
 * the way of a solution taught without measurements. It shows a MeasuredData and passes the
 * user's choices to it; the window does what the buttons ask.
 */
class MeasuredPanel : public QWidget {
    Q_OBJECT
public:
    explicit MeasuredPanel(MeasuredData& measured, QWidget* parent = nullptr);

    [[nodiscard]] QLabel* sourceLabel() const { return m_source; }
    [[nodiscard]] QLabel* problemLabel() const { return m_problem; }
    [[nodiscard]] QLabel* endPointsLabel() const { return m_endPoints; }
    [[nodiscard]] QPushButton* clearButton() const { return m_clear; }
    /** The box of offer i (MeasuredData::offers()). */
    [[nodiscard]] QCheckBox* choiceBox(int i) const;
    [[nodiscard]] int choiceCount() const { return static_cast<int>(m_choices.size()); }
    [[nodiscard]] QPushButton* fitButton() const { return m_fit; }
    [[nodiscard]] QPushButton* useButton() const { return m_use; }
    [[nodiscard]] QPushButton* copyButton() const { return m_copy; }
    [[nodiscard]] QLabel* fitProblemLabel() const { return m_fitProblem; }
    /** The fitted values: a row per value with its standard error and unit. */
    [[nodiscard]] QWidget* resultTable() const { return m_table; }
    /** The rows of values the table shows now. */
    [[nodiscard]] int resultRows() const { return m_resultRows; }
    /** s, n and the correlations under the table. */
    [[nodiscard]] QLabel* statisticsLabel() const { return m_statistics; }

    /** Shows the data as they are now. */
    void refresh();

private:
    void showChoices();
    void showResult();

    MeasuredData& m_data;
    QLabel* m_source = nullptr;
    QLabel* m_problem = nullptr;
    QLabel* m_endPoints = nullptr;
    QPushButton* m_clear = nullptr;
    QGroupBox* m_fitGroup = nullptr;
    QGridLayout* m_choiceGrid = nullptr;
    std::vector<QCheckBox*> m_choices;
    std::vector<QLabel*> m_starts;
    QPushButton* m_fit = nullptr;
    QPushButton* m_use = nullptr;
    QPushButton* m_copy = nullptr;
    QLabel* m_fitProblem = nullptr;
    QWidget* m_table = nullptr;
    QGridLayout* m_resultGrid = nullptr;
    int m_resultRows = 0;
    QLabel* m_statistics = nullptr;
};

/** A fit parameter's name in the panel, in the user's language ("pKa 2", "Titrant"). */
[[nodiscard]] QString fitParameterLabel(const FitOffer& offer);

} // namespace velmora::ui
