#pragma once

#include "plotbox.h"

#include "diagram/export.h"
#include "diagram/readout.h"
#include "diagram/retainedplot.h"
#include "model/acid.h"
#include "model/presets.h"
#include "ui/about/about.h"
#include "ui/common/screendensity.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QAbstractButton;
class QAction;
class QButtonGroup;
class QLabel;
class QMenu;
class QPrinter;
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
 *
 * Beyond the original window, the plot has a pH readout (see PlotBox) and a context menu: the
 * example acids, and taking the diagram out of the window (clipboard, file, data, printer), whose
 * commands are also window shortcuts. The plot's accessible description is a spoken summary of
 * the diagram, renewed on every grafik().
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
    [[nodiscard]] diagram::RetainedPlot& plot() { return m_plot; }
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

    /** The plot's context menu: "Example acids" and the commands that take the diagram out. */
    [[nodiscard]] QMenu* plotMenu() const { return m_plotMenu; }
    [[nodiscard]] QMenu* examplesMenu() const { return m_examplesMenu; }
    [[nodiscard]] QAction* copyDiagramAction() const { return m_copyAction; }
    [[nodiscard]] QAction* saveDiagramAction() const { return m_saveAction; }
    [[nodiscard]] QAction* exportDataAction() const { return m_exportAction; }
    [[nodiscard]] QAction* printAction() const { return m_printAction; }

    /**
     * The example acid whose formulas the diagram shows: the one chosen last, for as long as the
     * acid type is its type and the enabled bars hold its values; otherwise nullptr.
     */
    [[nodiscard]] const model::Preset* activeExample() const { return m_example; }
    /** The label texts of the diagram: the active example's formulas, or all empty (generic). */
    [[nodiscard]] diagram::LabelTexts labelTexts() const;
    /** The readout at `pH` for the current acid, headed by the active example, if any. */
    [[nodiscard]] diagram::Readout readoutAt(double pH) const;
    /** What Copy, Save, Export and Print write: the current acid with the current labels. */
    [[nodiscard]] diagram::ExportRequest exportRequest() const;

    /**
     * Selects an example acid the way a user would: clicks its acid-type button, then sets the
     * bars 1..n in increasing order to its values in tenths, each write running the bar's
     * handling with its cascade and redraw.
     */
    void chooseExample(const model::Preset& preset);

    /** Writes the diagram to `path` as PNG, SVG or PDF by its suffix; a failure is reported. */
    bool saveDiagramTo(const QString& path);
    /** Writes the fractions of the current acid to `path` as CSV; a failure is reported. */
    bool exportDataTo(const QString& path);
    /** Prints the diagram on `printer`, scaled to the page with its proportions kept. */
    bool printDiagram(QPrinter& printer);

public slots:
    void Comm_theory_Click();
    void Comm_about_Click();
    void Comm_exit_Click();
    /** Copy diagram: the diagram at twice its size on the clipboard as an image. */
    void copyDiagram();
    /** Save diagram...: asks for a file, then saveDiagramTo(). */
    void saveDiagram();
    /** Export data...: asks for a file, then exportDataTo(). */
    void exportData();
    /** Print...: the print dialog, then printDiagram(). */
    void print();
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
    void endProgram();
    void setUpPlotMenu();
    void showPlotMenu(const QPoint& at);
    void markShownExample();
    /** Whether the acid type and the enabled bars are those of `preset`. */
    [[nodiscard]] bool holds(const model::Preset& preset) const;
    void describeDiagram();
    /** Where the file dialogs open: the folder last used, or the documents folder. */
    [[nodiscard]] QString suggestedPath(const QString& suffix) const;
    void rememberFolder(const QString& path);

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

    const model::Preset* m_example = nullptr;
    bool m_choosingExample = false; ///< the bars are on their way to the example's values
    QMenu* m_plotMenu = nullptr;
    QMenu* m_examplesMenu = nullptr;
    QAction* m_copyAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_exportAction = nullptr;
    QAction* m_printAction = nullptr;
    QString m_lastFolder;
};

} // namespace velmora::ui
