// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solutionsettings.h"
#include "windowplacement.h"

#include "charts/chartdata.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class QTabWidget;
class QTimer;

namespace velmora::ui {

class ChartDrawing;
class ChartView;
class DiagramCommands;
class MeasuredCommands;
class MeasuredData;
class MeasuredPanel;
class RecipeCommands;
class SolutionPanel;

/**
 * The views of the solution window: fractions, log c, titration, buffer capacity, derivative and
 * Gran's plot of measured data.
 */
inline constexpr std::size_t kViewCount = 6;

/**
 * The solution window: the fractions, log-concentration, titration, buffer-capacity and derivative
 * charts of one acid and solution and Gran's plot of a measured titration, each in a view of its
 * own that fills the window at any size ("Fractions", "Log c", "Titration", "Buffer",
 * "Derivative", "Gran", Ctrl+1..6), the panel of controls
 * beside them and a line under them with the solution's pH and species, or under the titration
 * and its derivative the titration with its equivalence points.
 * In a narrow window the panel moves above the charts, which keep at least half the window
 * (InputsLayout); View → Show inputs puts it away and back.
 *
 * Following the main window (the box is checked at start), the acid is the main window's: every
 * change there reaches mainWindowChanged(), which takes the acid again and redraws the shown view
 * at once; the hidden views take the request and draw it when they are shown. Editing the acid
 * here ends the following and leaves the main window as it is; checking the box again takes the
 * main window's acid back. The solution and titration are the window's own either way.
 *
 * File → Open recipe… sets the whole window to a recipe file and Save recipe… writes what it
 * shows to one (RecipeCommands); an opened recipe's acid is the window's own.
 *
 * A measured titration (File → Open measured titration…, a file or text dropped on the window,
 * cells pasted on a drawing) is drawn over the model, its end points listed and marked, and the
 * model fitted to it in the panel under the inputs (MeasuredPanel); "Use fitted values" carries
 * the fit into the inputs. The data are not remembered, only the path of the file opened last.
 *
 * The shown chart is taken out with the diagram commands (Copy, Save, Export data, Print), from
 * the Chart menu, the views' context menu or the window's shortcuts. The window's size, place,
 * shown view, charts' text size, inputs and whether they are shown are remembered between runs
 * (solutionsettings.h): read when it is built, and what changed written shortly after each change
 * and when it closes. The charts speak the window's language with the user's decimal separator
 * (charttexts.h).
 */
class SolutionWindow : public QMainWindow {
    Q_OBJECT
public:
    /** The main window's acid, as the solution window takes it (see followedAcid()). */
    using AcidSource = std::function<model::PolyproticAcid()>;

    /** A window that follows `mainAcid`; without one, the acid is always its own. */
    explicit SolutionWindow(AcidSource mainAcid = {}, QWidget* parent = nullptr);
    ~SolutionWindow() override;

    /** The main window changed: while following, its acid is taken and drawn at once. */
    void mainWindowChanged();
    [[nodiscard]] bool following() const;

    /**
     * Places the window before it is first shown, beside the main window `main`, by
     * placeSolutionWindow(): where it was last when that place is still fit, else at the free
     * side. It is placed with the frame `assumed` around its inner area, at least as large as
     * the one it will get; its remembered inner position is taken with the frame `known` around
     * it (the main window's). The returned placement says where the main window has to move
     * first, if it has to; the caller moves it.
     */
    Placement place(const MainWindowArea& main, const QMargins& assumed, const QMargins& known);

    [[nodiscard]] SolutionPanel& panel() const { return *m_panel; }
    [[nodiscard]] QTabWidget* tabs() const { return m_tabs; }
    [[nodiscard]] ChartView* view(charts::ChartKind kind) const;
    [[nodiscard]] ChartView* shownView() const;
    [[nodiscard]] QLabel* solutionLine() const { return m_line; }
    [[nodiscard]] DiagramCommands& commands() const { return *m_commands; }
    [[nodiscard]] RecipeCommands& recipes() const { return *m_recipes; }
    [[nodiscard]] MeasuredCommands& measuredCommands() const { return *m_measuredCommands; }
    [[nodiscard]] MeasuredData& measured() const { return *m_measured; }
    [[nodiscard]] MeasuredPanel& measuredPanel() const { return *m_measuredPanel; }
    [[nodiscard]] const ChartDrawing& drawing() const { return *m_drawing; }
    /** The request the views draw: the inputs that were last all fine. */
    [[nodiscard]] charts::ChartRequest request() const;

    /** How much larger or smaller than normal the charts' texts are (View → Larger text …). */
    [[nodiscard]] int textStep() const { return m_textStep; }
    /** Sets the charts' text size, within the steps the charts offer, and redraws. */
    void setTextStep(int step);

    /** The state as it would be remembered now. */
    [[nodiscard]] SolutionWindowState state() const;
    /**
     * Remembers what changed of the state; a file that cannot be written is reported once on
     * stderr. Changes are also remembered by themselves half a second after they are made.
     */
    void saveSettings();

protected:
    void closeEvent(QCloseEvent* event) override;
    /** A file or text dragged over the window is taken as a measured titration. */
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    /** Keeps the focused field in sight as the panel grows (a row added) or shrinks. */
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    /** View → Show inputs: the inputs put away and back, remembered. */
    void addInputsAction(QMenu& menu);
    /** Larger text, Smaller text and Normal text size in the View menu. */
    void addTextSizeActions(QMenu& menu);
    void followToggled(bool checked);
    /** Shows an opened recipe's inputs: the acid is the window's own from then on. */
    void showRecipe(const SolutionInputs& inputs);
    /** The measured data's panel and commands, under the inputs and in the File menu. */
    void buildMeasured(QWidget& inputs);
    /** "Use fitted values": the solution takes them. */
    void useFittedValues();
    /** Says on stderr, once in the window's life, why its settings could not be written. */
    void report(const QString& problem);
    /** Draws the current inputs: the shown view now, the others when shown. */
    void redraw();
    /** The line under the views: the titration under its chart, else the solution. */
    void updateLine();

    AcidSource m_mainAcid;
    SolutionPanel* m_panel = nullptr;
    QScrollArea* m_inputs = nullptr; ///< the panel, scrolled
    QAction* m_showInputs = nullptr;
    QTabWidget* m_tabs = nullptr;
    std::array<ChartView*, kViewCount> m_views{};
    QLabel* m_line = nullptr;
    std::unique_ptr<ChartDrawing> m_drawing;
    DiagramCommands* m_commands = nullptr;
    RecipeCommands* m_recipes = nullptr;
    MeasuredData* m_measured = nullptr;
    MeasuredPanel* m_measuredPanel = nullptr;
    MeasuredCommands* m_measuredCommands = nullptr;
    SolutionSettings m_settings;
    QTimer* m_saveTimer = nullptr;
    bool m_saveFailureReported = false;
    std::optional<QPoint> m_rememberedPosition;
    bool m_placed = false;
    charts::ChartTexts m_chartTexts;
    int m_textStep = 0;
    QAction* m_largerText = nullptr;
    QAction* m_smallerText = nullptr;
    QAction* m_normalText = nullptr;
};

} // namespace velmora::ui
