// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotbox.h"

#include "diagram/geometry.h"
#include "diagram/retainedplot.h"
#include "ui/common/readoutkeys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace velmora::ui {

namespace {

constexpr int kLowestTenth = 0;
constexpr int kHighestTenth = 140;
/** Where the first arrow key puts a hidden readout: neutral water. */
constexpr int kKeyboardStartTenth = 70;

int tenthsOf(double pH) {
    return std::clamp(static_cast<int>(std::lround(pH * 10.0)), kLowestTenth, kHighestTenth);
}

} // namespace

PlotBox::PlotBox(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    // The image covers the whole box: nothing below it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The readout follows the pointer without a button held.
    setMouseTracking(true);
}

void PlotBox::setPlot(const diagram::RetainedPlot* plot) {
    m_plot = plot;
    update();
}

void PlotBox::setReadoutSource(ReadoutSource source) {
    m_readoutSource = std::move(source);
    update();
}

QSize PlotBox::sizeHint() const {
    return {diagram::kSurfaceWidth, diagram::kSurfaceHeight};
}

std::optional<double> PlotBox::readoutPh() const {
    if (!m_readoutTenths) {
        return std::nullopt;
    }
    return *m_readoutTenths / 10.0;
}

std::optional<diagram::Readout> PlotBox::readout() const {
    const std::optional<double> pH = readoutPh();
    if (!pH || !m_readoutSource) {
        return std::nullopt;
    }
    return m_readoutSource(*pH);
}

void PlotBox::showReadout(double pH) {
    setReadoutTenths(tenthsOf(pH));
}

void PlotBox::hideReadout() {
    setReadoutTenths(std::nullopt);
}

void PlotBox::setReadoutTenths(std::optional<int> tenths) {
    if (tenths == m_readoutTenths) {
        return;
    }
    m_readoutTenths = tenths;
    update();
}

void PlotBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (m_plot == nullptr) {
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    if (imageIsStale()) {
        requestRedraw();
    }
    // A stale image is shown at its logical size, scaled, until the owner has drawn it again.
    painter.drawImage(QPointF(0, 0), m_plot->image());
    if (const std::optional<diagram::Readout> shown = readout()) {
        diagram::paintReadout(painter, *shown);
    }
}

bool PlotBox::imageIsStale() const {
    return m_plot != nullptr && !qFuzzyCompare(m_plot->devicePixelRatio(), devicePixelRatioF());
}

void PlotBox::requestRedraw() {
    if (m_redrawRequested) {
        return;
    }
    m_redrawRequested = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_redrawRequested = false;
            if (imageIsStale()) {
                emit devicePixelRatioChanged();
            }
        },
        Qt::QueuedConnection);
}

void PlotBox::mouseMoveEvent(QMouseEvent* event) {
    const double pH = diagram::phAtX(event->position().x());
    if (pH < 0.0) {
        hideReadout();
    } else {
        showReadout(pH);
    }
    QWidget::mouseMoveEvent(event);
}

void PlotBox::leaveEvent(QEvent* event) {
    hideReadout();
    QWidget::leaveEvent(event);
}

void PlotBox::keyPressEvent(QKeyEvent* event) {
    const ReadoutMoves moves{
        .step =
            [this](int direction, bool big) {
                if (!m_readoutTenths) {
                    setReadoutTenths(kKeyboardStartTenth);
                    return;
                }
                const int delta = direction * (big ? 10 : 1);
                setReadoutTenths(std::clamp(*m_readoutTenths + delta, kLowestTenth, kHighestTenth));
            },
        .first = [this] { setReadoutTenths(kLowestTenth); },
        .last = [this] { setReadoutTenths(kHighestTenth); },
        .hide = [this] { hideReadout(); },
    };
    if (!handleReadoutKey(*event, m_readoutTenths.has_value(), moves)) {
        QWidget::keyPressEvent(event);
    }
}

} // namespace velmora::ui
