// SPDX-License-Identifier: GPL-3.0-or-later
#include "solutioncompanion.h"

#include <QAction>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace velmora::ui {

namespace {

/**
 * A usual desktop's title bar and borders, those of a resizable window (larger than a fixed
 * one's): the least frame the solution window is placed with, and the main window's frame
 * before the window manager has framed it.
 */
constexpr QMargins kUsualFrame{8, 40, 8, 8};

} // namespace

SolutionCompanion::SolutionCompanion(QWidget& window, SolutionWindow::AcidSource acid,
                                     ControlsArea controls)
    : QObject(&window), m_window(window), m_acid(std::move(acid)), m_controls(std::move(controls)) {
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
        const QMargins known = windowFrame();
        // The solution window's frame is not known before it is shown and may be larger (it
        // can be resized): it is placed with at least a usual desktop's frame.
        const QMargins assumed(std::max(kUsualFrame.left(), known.left()),
                               std::max(kUsualFrame.top(), known.top()),
                               std::max(kUsualFrame.right(), known.right()),
                               std::max(kUsualFrame.bottom(), known.bottom()));
        const Placement placement = m_solution->place(windowArea(assumed), assumed, known);
        if (placement.mainPosition) {
            m_window.move(*placement.mainPosition);
        }
    }
    m_solution->show();
    m_solution->raise();
    m_solution->activateWindow();
}

QMargins SolutionCompanion::windowFrame() const {
    const QWindow* handle = m_window.windowHandle();
    if (handle == nullptr || !handle->isExposed()) {
        return kUsualFrame;
    }
    const QRect inner = m_window.geometry();
    const QRect outer = m_window.frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

MainWindowArea SolutionCompanion::windowArea(const QMargins& frame) const {
    // From the window's position (its frame's corner) and inner size, which hold before the
    // window manager has framed it too. The frame may be thinner than `frame`: the controls are
    // kept clear from as far left as they can lie, as if the frame had no left border.
    const QRect outer(m_window.pos(), m_window.size().grownBy(frame));
    if (!m_controls) {
        return {outer, outer};
    }
    const int controlsLeft = outer.left() + m_controls().left();
    return {outer, QRect(QPoint(controlsLeft, outer.top()), outer.bottomRight())};
}

void SolutionCompanion::windowChanged() {
    if (!m_solution.isNull()) {
        m_solution->mainWindowChanged();
    }
}

} // namespace velmora::ui
