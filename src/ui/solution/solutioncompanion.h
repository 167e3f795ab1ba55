// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solutionwindow.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QWidget;

namespace velmora::ui {

/**
 * The solution window as another window opens it: the "Solution…" command (Ctrl+L on that
 * window), the one solution window it opens beside itself, and the news of its changes. The
 * solution window lives until it is closed or the window that opened it goes.
 *
 * Opened, the solution window never covers the opening window's controls: it is placed by
 * placeSolutionWindow(), and the opening window moves to a corner of its screen first where the
 * rule says so.
 */
class SolutionCompanion : public QObject {
    Q_OBJECT
public:
    /** The part of the window the solution window never covers, in the window's coordinates. */
    using ControlsArea = std::function<QRect()>;

    /**
     * For `window`, whose acid `acid` gives and whose controls lie in `controls` (without it,
     * the whole window is kept clear); the window outlives nothing of this.
     */
    SolutionCompanion(QWidget& window, SolutionWindow::AcidSource acid, ControlsArea controls = {});
    ~SolutionCompanion() override;

    /** "Solution…", Ctrl+L as a shortcut of the window. */
    [[nodiscard]] QAction* openAction() const { return m_open; }
    /** The solution window while it is open, else nullptr. */
    [[nodiscard]] SolutionWindow* window() const { return m_solution; }

public slots:
    /** Opens the solution window (or raises the open one). */
    void open();
    /** The opening window changed: the solution window follows it, if it is open. */
    void windowChanged();

    /**
     * The opening window as the placement sees it: its frame and what is kept clear of it, the
     * controls with the frame above, right of and below them (the title bar stays in reach).
     * `frame` is the window frame around the window's inner area.
     */
    [[nodiscard]] MainWindowArea windowArea(const QMargins& frame) const;
    /**
     * The frame the window manager puts around the opening window, once it is on the screen;
     * before that, a usual desktop's (a title bar and borders).
     */
    [[nodiscard]] QMargins windowFrame() const;

private:
    QWidget& m_window;
    SolutionWindow::AcidSource m_acid;
    ControlsArea m_controls;
    QAction* m_open = nullptr;
    QPointer<SolutionWindow> m_solution;
};

} // namespace velmora::ui
