#pragma once

#include "plotbox.h"

#include "diagram/retainedplot.h"
#include "model/acid.h"
#include "ui/about/about.h"
#include "ui/common/screendensity.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QScrollBar;

namespace velmora::ui {

class Form;

/** File name of the theory document that the Theory button opens. */
inline constexpr char kTheoryDocument[] = "explain_multiproticacids.pdf";

/**
 * A pKa as its value label shows it, with the pattern "##.0": integer digits without leading
 * zeros, a point and exactly one decimal (12.3 gives "12.3", 0.7 gives ".7", 0 gives ".0").
 */
[[nodiscard]] QString pKaText(double pKa);

/**
 * The main window `pHH`: the distribution diagram in the plot box `Pict_pole`, the acid-type
 * buttons `Option1(1..4)`, the pKa scroll bars `VScroll1(1..4)` with their value labels
 * `Lab_pKa(1..4)`, and the commands Theory, About and Exit.
 *
 * The window owns the model state (the acid) and the retained plot. Constructing it is its load
 * (`Form_Load`): built from its design, scaled once for the screen, start values set, diagram
 * drawn. Closing it, or Exit, ends the program with every other window.
 *
 * The scroll bars' valueChanged is connected directly, so a program write of a new Value runs
 * that bar's `VScroll1_Change` at once, nested inside the write; the ordering cascade and the
 * raises of `Option1_Click` are built on that re-entrancy, and one user action may redraw the
 * diagram several times.
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
    /** How often grafik() has drawn the diagram since the window was loaded. */
    [[nodiscard]] int redrawCount() const { return m_redrawCount; }
    /** What the last grafik() drew (the number of species, the label positions). */
    [[nodiscard]] const diagram::DrawnDiagram& lastDrawing() const { return m_lastDrawing; }

    /** Controls of the arrays, by their designed index. */
    [[nodiscard]] QScrollBar* VScroll1(int Index) const;
    [[nodiscard]] QLabel* Lab_pKa(int Index) const;
    [[nodiscard]] QAbstractButton* Option1(int Index) const;
    [[nodiscard]] QButtonGroup* acidTypes() const { return m_acidTypes; }

    [[nodiscard]] About* aboutWindow() const { return m_about.data(); }

    /**
     * The folders Comm_theory_Click looks in for the theory document, in order: the current
     * working directory at the moment of the click, the folder of the executable, and the
     * folder the program installs its documents to.
     */
    [[nodiscard]] QStringList theoryFolders() const;
    /** Replaces the folders to look in (tests); an empty function restores the standard ones. */
    void setTheoryFolders(std::function<QStringList()> folders);

public slots:
    void Comm_theory_Click();
    void Comm_about_Click();
    void Comm_exit_Click();
    void Option1_Click(int Index);
    void VScroll1_Change(int Index);
    void VScroll1_Scroll(int Index);
    /** Draws the whole diagram of the current model state into the retained plot and shows it. */
    void grafik();

protected:
    /** Form_Unload: any way of closing the window ends the program. */
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void wireControls();
    void centreOnScreen();
    void endProgram();

    [[nodiscard]] int value(int index) const;
    /** pKa(index) = value / 10: single precision for pKa1..pKa3, double for pKa4. */
    void setExponent(int index, int tenths);
    void clearExponent(int index);
    [[nodiscard]] double exponent(int index) const;

    std::unique_ptr<Form> m_form;
    model::Acid m_acid;
    diagram::RetainedPlot m_plot;
    diagram::DrawnDiagram m_lastDrawing;
    int m_redrawCount = 0;
    bool m_ending = false;

    PlotBox* m_Pict_pole = nullptr;
    std::array<QScrollBar*, 5> m_VScroll1{};     // index 1..4
    std::array<QLabel*, 5> m_Lab_pKa{};          // index 1..4
    std::array<QAbstractButton*, 5> m_Option1{}; // index 1..4
    QButtonGroup* m_acidTypes = nullptr;
    QPointer<About> m_about;
    std::function<QStringList()> m_theoryFolders;
};

} // namespace velmora::ui
