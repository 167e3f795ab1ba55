// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/grafik.h"
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
 * The main window `pHH`: the distribution diagram in the plot box `Pict_pole`, the acid-type
 * buttons `Option1(1..4)`, the pKa scroll bars `VScroll1(1..4)` with their value labels
 * `Lab_pKa(1..4)`, and the commands Theory, About and Exit.
 *
 * The window owns the model state (the acid) and the retained plot, and wires its controls to
 * their handlers. Constructing it is its load (`Form_Load`): built from its design, scaled once
 * for the screen, start values set, diagram drawn. Closing it, or Exit, ends the program with
 * every other window.
 *
 * The scroll bars' valueChanged is connected directly, so a program write of a new Value runs
 * that bar's `VScroll1_Change` at once, nested inside the write; the ordering cascade and the
 * raises of `Option1_Click` are built on that re-entrancy, and one user action may redraw the
 * diagram several times.
 *
 * The plot has a pH readout (see PlotBox) and a context menu with the example acids
 * (ExampleAcids) and the commands that take the diagram out of the window (DiagramCommands),
 * which are window shortcuts too. The plot's accessible description is a spoken summary of the
 * diagram, renewed on every grafik(). The same menu opens the solution window (SolutionCompanion),
 * which follows the acid after every grafik().
 *
 * While an example acid is shown, the model holds its literature values exactly (2.15, not the
 * bar's 2.2) and the value labels show them with the acid's own decimals; the bars stand at the
 * nearest tenth. Every grafik() first brings the model in line with the example: its values while
 * it is shown, and, once the window has left it, the bars' values back in every exponent that
 * still held a literature value, with the labels in tenths again. So the drawing, the readout,
 * the spoken summary and every export read one and the same acid.
 */
class pHH : public QWidget {
    Q_OBJECT
public:
    explicit pHH(ScreenDensity density = ScreenDensity::of());
    ~pHH() override;

    [[nodiscard]] Form& form() const { return *m_form; }

    /** The model state: pKa1..pKa4 and Ka1..Ka4. */
    [[nodiscard]] const model::Acid& acid() const { return m_acid; }

    [[nodiscard]] PlotBox* Pict_pole() const { return m_Pict_pole; }
    [[nodiscard]] const diagram::RetainedPlot& plot() const { return m_plot; }

    /** Controls of the arrays, by their designed index; nullptr outside 1..4. */
    [[nodiscard]] QScrollBar* VScroll1(int Index) const;
    [[nodiscard]] QLabel* Lab_pKa(int Index) const;
    [[nodiscard]] QAbstractButton* Option1(int Index) const;
    [[nodiscard]] QButtonGroup* acidTypes() const { return m_acidTypes; }

    /** The plot's context menu: "Example acids" and the commands that take the diagram out. */
    [[nodiscard]] QMenu* plotMenu() const { return m_plotMenu; }
    [[nodiscard]] ExampleAcids& examples() const { return *m_examples; }
    [[nodiscard]] DiagramCommands& commands() const { return *m_commands; }
    /** The solution window beside this one ("Solution…", Ctrl+L), following its acid. */
    [[nodiscard]] SolutionCompanion& solution() const { return *m_solution; }

public slots:
    void Comm_theory_Click();
    void Comm_about_Click();
    void Comm_exit_Click();
    void Option1_Click(int Index);
    void VScroll1_Change(int Index);
    void VScroll1_Scroll(int Index);
    /** Draws the whole diagram of the current model state into the retained plot and shows it. */
    void grafik();

signals:
    /** Every grafik() ends with this: what was drawn (species, label places and texts). */
    void diagramDrawn(const velmora::diagram::DrawnDiagram& drawn);

protected:
    /** Form_Unload: any way of closing the window ends the program. */
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void wireControls();
    void setUpPlotMenu();
    void endProgram();

    [[nodiscard]] int value(int index) const;
    /** Sets pKa(index) to the exponent bar `index`'s Value stands for. */
    void setExponent(int index);
    /** Brings the model and the value labels in line with the example acid shown, if any. */
    void followExample();

    std::unique_ptr<Form> m_form;
    model::Acid m_acid;
    /** The example acid whose literature values the model holds, or nullptr. */
    const model::Preset* m_exact = nullptr;
    diagram::RetainedPlot m_plot;
    bool m_ending = false;

    PlotBox* m_Pict_pole = nullptr;
    std::array<QScrollBar*, 5> m_VScroll1{};     // index 1..4
    std::array<QLabel*, 5> m_Lab_pKa{};          // index 1..4
    std::array<QFont, 5> m_valueFonts{};         // index 1..4: the value labels' fonts as laid out
    std::array<QAbstractButton*, 5> m_Option1{}; // index 1..4
    QButtonGroup* m_acidTypes = nullptr;
    QPointer<About> m_about;

    ExampleAcids* m_examples = nullptr;
    std::unique_ptr<AcidDrawing> m_drawing;
    DiagramCommands* m_commands = nullptr;
    SolutionCompanion* m_solution = nullptr;
    QMenu* m_plotMenu = nullptr;
};

} // namespace velmora::ui
