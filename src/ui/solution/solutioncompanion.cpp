// SPDX-License-Identifier: GPL-3.0-or-later
#include "solutioncompanion.h"

#include <QAction>
#include <QWidget>

namespace velmora::ui {

SolutionCompanion::SolutionCompanion(QWidget& window, SolutionWindow::AcidSource acid)
    : QObject(&window), m_window(window), m_acid(std::move(acid)) {
    m_open = new QAction(tr("Solution…"), &window);
    m_open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    m_open->setShortcutContext(Qt::WindowShortcut);
    window.addAction(m_open);
    connect(m_open, &QAction::triggered, this, &SolutionCompanion::open);
}

SolutionCompanion::~SolutionCompanion() {
    // A solution window still open goes with the window that opened it.
    delete m_solution.data();
}

void SolutionCompanion::open() {
    if (m_solution.isNull()) {
        m_solution = new SolutionWindow(m_acid);
        m_solution->setAttribute(Qt::WA_DeleteOnClose);
        m_solution->place(m_window.frameGeometry());
    }
    m_solution->show();
    m_solution->raise();
    m_solution->activateWindow();
}

void SolutionCompanion::windowChanged() {
    if (!m_solution.isNull()) {
        m_solution->mainWindowChanged();
    }
}

} // namespace velmora::ui
