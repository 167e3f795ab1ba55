// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solutionwindow.h"

#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

namespace velmora::ui {

/**
 * The solution window as another window opens it: the "Solution…" command (Ctrl+L on that
 * window), the one solution window it opens beside itself, and the news of its changes. The
 * solution window lives until it is closed or the window that opened it goes.
 */
class SolutionCompanion : public QObject {
    Q_OBJECT
public:
    /** For `window`, whose acid `acid` gives; the window outlives nothing of this. */
    SolutionCompanion(QWidget& window, SolutionWindow::AcidSource acid);
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

private:
    QWidget& m_window;
    SolutionWindow::AcidSource m_acid;
    QAction* m_open = nullptr;
    QPointer<SolutionWindow> m_solution;
};

} // namespace velmora::ui
