// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/distributiondiagram.h"
#include "diagram/retainedplot.h"
#include "model/acid.h"
#include "ui/common/screendensity.h"

#include <QFont>
#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QMenu;
class QScrollBar;

namespace velmora::model {
struct Preset;
}

namespace velmora::ui {

class About;
class AcidDrawing;
class DiagramCommands;
class ExampleAcids;
class Form;
class PlotBox;
class SolutionCompanion;

/**
 * The main window: the distribution diagram in its plot box, the acid-type buttons, the pKa
 * scroll bars with their value labels, and the commands Theory, About and Exit. Its design
 * (mainwindowdesign.h) names every control; kMainWindowControls there says which accessor
 * returns which of them.
 *
 * The four bars, their labels and the acid-type buttons are counted from 0: pKaBar(i) sets
 * pKa(i + 1), pKaLabel(i) shows it and pKaBarNumber(i) is the digit above the bar;
 * acidTypeButton(i) chooses the acid with i + 1 protons. An index outside 0..3 is a fault in the
 * program, and these accessors throw std::out_of_range for it.
 *
 * The window owns the model state (the acid) and the retained plot, and wires its controls to
 * their handlers. Constructing it is its load: built from its design, scaled once for the screen,
 * start values set, diagram drawn. Closing it, or Exit, ends the program with every other window.
 *
 * The scroll bars' valueChanged is connected directly, so a program write of a new Value runs
 * that bar's pKaBarChanged() at once, nested inside the write; the ordering cascade and the
 * raises of acidTypeChosen() are built on that re-entrancy, and one user action may redraw the
 * diagram several times.
 *
 * The plot has a pH readout (see PlotBox) and a context menu with the example acids
 * (ExampleAcids) and the commands that take the diagram out of the window (DiagramCommands),
 * which are window shortcuts too. The plot's accessible description is a spoken summary of the
 * diagram, renewed on every redrawDiagram(). The same menu opens the solution window
 * (SolutionCompanion), which follows the acid after every redrawDiagram().
 *
 * While an example acid is shown, the model holds its literature values exactly (2.15, not the
 * bar's 2.2) and the value labels show them with the acid's own decimals; the bars stand at the
 * nearest tenth. Every redrawDiagram() first brings the model in line with the example: its values
 * while it is shown, and, once the window has left it, the bars' values back in every exponent
 * that still held a literature value, with the labels in tenths again. So the drawing, the
 * readout, the spoken summary and every export read one and the same acid.
 */
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(ScreenDensity density = ScreenDensity::of());
    ~MainWindow() override;

    [[nodiscard]] Form& form() const { return *m_form; }

    /** The model state: pKa1..pKa4 and Ka1..Ka4. */
    [[nodiscard]] const model::Acid& acid() const { return m_acid; }

    [[nodiscard]] PlotBox* plotBox() const { return m_plotBox; }
    [[nodiscard]] const diagram::RetainedPlot& plot() const { return m_plot; }

    /** The bar of pKa(i + 1), i from 0 to 3. */
    [[nodiscard]] QScrollBar* pKaBar(int i) const;
    /** The value label under pKaBar(i). */
    [[nodiscard]] QLabel* pKaLabel(int i) const;
    /** The digit i + 1 above pKaBar(i). */
    [[nodiscard]] QLabel* pKaBarNumber(int i) const;
    /** The button of the acid with i + 1 protons. */
    [[nodiscard]] QAbstractButton* acidTypeButton(int i) const;
    /** The acid-type buttons as one exclusive group; a button's id is its number of protons. */
    [[nodiscard]] QButtonGroup* acidTypes() const { return m_acidTypes; }
    /** The frame "Type of acid" around the acid-type buttons. */
    [[nodiscard]] QWidget* acidTypeFrame() const { return m_acidTypeFrame; }
    /** The empty frame that sets the commands apart from the acid types. */
    [[nodiscard]] QWidget* separatorFrame() const { return m_separatorFrame; }
    [[nodiscard]] QAbstractButton* theoryButton() const { return m_theoryButton; }
    [[nodiscard]] QAbstractButton* aboutButton() const { return m_aboutButton; }
    [[nodiscard]] QAbstractButton* exitButton() const { return m_exitButton; }
    /**
     * Where the controls lie (the pKa bars with their numbers and values, the acid types, the
     * commands): every control but the plot, in the window's coordinates.
     */
    [[nodiscard]] QRect controlsArea() const;

    /** The plot's context menu: "Example acids" and the commands that take the diagram out. */
    [[nodiscard]] QMenu* plotMenu() const { return m_plotMenu; }
    [[nodiscard]] ExampleAcids& examples() const { return *m_examples; }
    [[nodiscard]] DiagramCommands& commands() const { return *m_commands; }
    /** The solution window beside this one ("Solution…", Ctrl+L), following its acid. */
    [[nodiscard]] SolutionCompanion& solution() const { return *m_solution; }

public slots:
    /** Opens the theory document (Theory). */
    void openTheory();
    /** Shows the About window, made once and raised on every later click (About). */
    void showAbout();
    /** Ends the program with every window (Exit, and any way of closing this window). */
    void exitProgram();
    /**
     * The acid with i + 1 protons was chosen. For an i outside 0..3 it only redraws the diagram,
     * as the bars' handlers do.
     */
    void acidTypeChosen(int i);
    /** pKaBar(i) has a new Value: its exponent and label follow, the other bars keep order. */
    void pKaBarChanged(int i);
    /** pKaBar(i)'s thumb was dragged: the thumb's position becomes the Value. */
    void pKaBarScrolled(int i);
    /** Draws the whole diagram of the current model state into the retained plot and shows it. */
    void redrawDiagram();

signals:
    /** Every redrawDiagram() ends with this: what was drawn (species, label places and texts). */
    void diagramDrawn(const velmora::diagram::DrawnDiagram& drawn);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void wireControls();
    void setUpPlotMenu();

    /** Bar i's Value, in tenths of a pKa unit. */
    [[nodiscard]] int value(int i) const;
    /** Sets pKa(i + 1) to the exponent that pKaBar(i)'s Value stands for. */
    void setExponent(int i);
    /** Brings the model and the value labels in line with the example acid shown, if any. */
    void followExample();

    std::unique_ptr<Form> m_form;
    model::Acid m_acid;
    /** The example acid whose literature values the model holds, or nullptr. */
    const model::Preset* m_exact = nullptr;
    diagram::RetainedPlot m_plot;
    bool m_ending = false;

    PlotBox* m_plotBox = nullptr;
    QAbstractButton* m_theoryButton = nullptr;
    QAbstractButton* m_aboutButton = nullptr;
    QAbstractButton* m_exitButton = nullptr;
    QWidget* m_acidTypeFrame = nullptr;
    QWidget* m_separatorFrame = nullptr;
    std::array<QScrollBar*, model::kMaxProtons> m_pKaBars{};
    std::array<QLabel*, model::kMaxProtons> m_pKaLabels{};
    std::array<QLabel*, model::kMaxProtons> m_pKaBarNumbers{};
    /** The value labels' fonts as laid out, before an example's value made one smaller. */
    std::array<QFont, model::kMaxProtons> m_valueFonts{};
    std::array<QAbstractButton*, model::kMaxProtons> m_acidTypeButtons{};
    QButtonGroup* m_acidTypes = nullptr;
    QPointer<About> m_about;

    ExampleAcids* m_examples = nullptr;
    std::unique_ptr<AcidDrawing> m_drawing;
    DiagramCommands* m_commands = nullptr;
    SolutionCompanion* m_solution = nullptr;
    QMenu* m_plotMenu = nullptr;
};

} // namespace velmora::ui
