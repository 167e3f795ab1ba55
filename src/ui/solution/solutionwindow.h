// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solutionsettings.h"

#include "charts/chartdata.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QLabel;
class QTabWidget;
class QTimer;

namespace velmora::ui {

class ChartDrawing;
class ChartView;
class DiagramCommands;
class SolutionPanel;

/**
 * The solution window: the fractions, log-concentration and titration charts of one acid and
 * solution, each in a view of its own that fills the window at any size ("Fractions", "Log c",
 * "Titration", Ctrl+1..3), the panel of controls beside them and a line under them with the
 * solution's pH and species, or under the titration the titration with its equivalence points.
 *
 * Following the main window (the box is checked at start), the acid is the main window's: every
 * change there reaches mainWindowChanged(), which takes the acid again and redraws the shown view
 * at once; the hidden views take the request and draw it when they are shown. Editing the acid
 * here ends the following and leaves the main window as it is; checking the box again takes the
 * main window's acid back. The solution and titration are the window's own either way.
 *
 * The shown chart is taken out with the diagram commands (Copy, Save, Export data, Print), from
 * the Chart menu, the views' context menu or the window's shortcuts. The window's size, place,
 * shown view and inputs are remembered between runs (solutionsettings.h): read when it is built,
 * and what changed written shortly after each change and when it closes.
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
     * Puts the window where it was last, when that still lies on a screen, else beside
     * `anchor` (the main window's frame); at its remembered size, kept within the screen.
     */
    void place(const QRect& anchor);

    [[nodiscard]] SolutionPanel& panel() const { return *m_panel; }
    [[nodiscard]] QTabWidget* tabs() const { return m_tabs; }
    [[nodiscard]] ChartView* view(charts::ChartKind kind) const;
    [[nodiscard]] ChartView* shownView() const;
    [[nodiscard]] QLabel* solutionLine() const { return m_line; }
    [[nodiscard]] DiagramCommands& commands() const { return *m_commands; }
    [[nodiscard]] const ChartDrawing& drawing() const { return *m_drawing; }
    /** The request the views draw: the inputs that were last all fine. */
    [[nodiscard]] charts::ChartRequest request() const;

    /** The state as it would be remembered now. */
    [[nodiscard]] SolutionWindowState state() const;
    /**
     * Remembers what changed of the state; a file that cannot be written is reported once on
     * stderr. Changes are also remembered by themselves half a second after they are made.
     */
    void saveSettings();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void followToggled(bool checked);
    /** Says on stderr, once in the window's life, why its settings could not be written. */
    void report(const QString& problem);
    /** Draws the current inputs: the shown view now, the others when shown. */
    void redraw();
    /** The line under the views: the titration under its chart, else the solution. */
    void updateLine();

    AcidSource m_mainAcid;
    SolutionPanel* m_panel = nullptr;
    QTabWidget* m_tabs = nullptr;
    std::array<ChartView*, 3> m_views{};
    QLabel* m_line = nullptr;
    std::unique_ptr<ChartDrawing> m_drawing;
    DiagramCommands* m_commands = nullptr;
    SolutionSettings m_settings;
    QTimer* m_saveTimer = nullptr;
    bool m_saveFailureReported = false;
    std::optional<QPoint> m_rememberedPosition;
    bool m_placed = false;
};

} // namespace velmora::ui
