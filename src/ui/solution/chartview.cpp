// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartview.h"

#include "charts/chartoverlay.h"

#include "ui/common/readoutkeys.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace velmora::ui {

namespace {

/** Readout steps along the pH axis. */
constexpr double kSmallPhStep = 0.1;
constexpr double kBigPhStep = 1.0;
/** Where the first arrow key puts a hidden readout on a pH axis: neutral water. */
constexpr double kKeyboardStartPh = 7.0;
/** The focus frame's width in logical pixels. */
constexpr double kFocusFrameWidth = 2.0;

/**
 * The multiple of `step` nearest to `value`, as the double nearest to that decimal: 71 steps of
 * 0.1 are 7.1, not 7.1000000000000005. The steps are a nice tick step or a tenth of one.
 */
double snapped(double value, double step) {
    const double count = std::round(value / step);
    if (step >= 1.0) {
        return count * step;
    }
    return count / std::round(1.0 / step);
}

} // namespace

ChartView::ChartView(charts::ChartKind kind, QWidget* parent) : QWidget(parent), m_kind(kind) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    charts::ChartRequest request;
    request.kind = kind;
    m_chart.setRequest(request);
}

charts::ChartRequest ChartView::request() const {
    charts::ChartRequest request = m_chart.request();
    request.size = size();
    return request;
}

void ChartView::setRequest(const charts::ChartRequest& request) {
    charts::ChartRequest own = request;
    own.kind = m_kind;
    own.size = m_chart.request().size;
    if (own == m_chart.request()) {
        return;
    }
    m_chart.setRequest(own);
    m_requestChanged = true;
    refresh();
}

bool ChartView::isStale() const {
    const bool noImage = m_image.isNull() && m_failedSize != size();
    return m_requestChanged || noImage || m_builtSize != size() ||
           !qFuzzyCompare(m_builtRatio, devicePixelRatioF());
}

qreal ChartView::imageRatio(QSize logical, qreal ratio) {
    const double pixels = logical.width() * ratio * logical.height() * ratio;
    if (pixels <= kMaxImagePixels) {
        return ratio;
    }
    // Fewer pixels than the screen has for the view, stretched when shown: a view larger than any
    // screen (a window set to 32767 pixels a side) costs no more memory than a large screen.
    return ratio * std::sqrt(kMaxImagePixels / pixels);
}

void ChartView::refresh() {
    if (isVisible() && isStale()) {
        rebuild();
        update();
    }
}

void ChartView::rebuild() {
    const QSize logical = size().expandedTo(QSize(1, 1));
    const qreal ratio = imageRatio(logical, devicePixelRatioF());
    const QSize pixels(std::max(1, qRound(logical.width() * ratio)),
                       std::max(1, qRound(logical.height() * ratio)));
    m_builtSize = size();
    m_builtRatio = devicePixelRatioF();
    m_requestChanged = false;
    if (m_image.size() != pixels) {
        m_image = QImage(pixels, QImage::Format_RGB32);
        if (m_image.isNull()) {
            // No memory for it: the view stays white, and is tried again at another size.
            m_failedSize = size();
            return;
        }
        m_failedSize = QSize();
    }
    m_image.setDevicePixelRatio(ratio);
    QPainter painter(&m_image);
    m_chart.paint(painter, QRectF(QPointF(0, 0), QSizeF(logical)));
    painter.end();
    ++m_builds;
}

void ChartView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    queueRefresh();
}

void ChartView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    queueRefresh();
}

void ChartView::queueRefresh() {
    if (m_refreshQueued) {
        return;
    }
    m_refreshQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_refreshQueued = false;
            refresh();
        },
        Qt::QueuedConnection);
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (isStale()) {
        if (m_image.isNull() || m_builtSize != size() || m_requestChanged) {
            // Painted before the queued rebuild came: the image must fit, so it is drawn now.
            rebuild();
        } else {
            // Only the device pixel ratio changed: the old image shown scaled, once.
            queueRefresh();
        }
    }
    if (m_image.isNull()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    painter.drawImage(QRectF(rect()), m_image);
    if (const std::optional<charts::ChartReadout> shown = readout()) {
        charts::paintChartReadout(painter, m_chart.layout(), *shown, m_kind, m_overlayText,
                                  m_chart.request().texts, m_chart.placed());
    }
    if (hasFocus()) {
        // The focus, seen from the back of a room: two pixels in the highlight colour.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(palette().color(QPalette::Highlight), kFocusFrameWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1.0, 1.0, -1.0, -1.0));
    }
}

void ChartView::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void ChartView::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

QPoint ChartView::keyboardMenuPoint() const {
    const charts::PlotMapping& map = m_chart.layout().mapping;
    const QRect frame = map.frame();
    if (frame.isEmpty()) {
        return rect().center();
    }
    const double x = m_readout ? map.xOf(*m_readout) : frame.center().x();
    return {static_cast<int>(std::lround(x)), frame.center().y()};
}

std::optional<charts::ChartReadout> ChartView::readout() const {
    if (!m_readout) {
        return std::nullopt;
    }
    return m_chart.readoutAtValue(*m_readout);
}

void ChartView::showReadoutAt(double value) {
    const charts::PlotMapping& map = m_chart.layout().mapping;
    value = std::clamp(value, map.xMin(), map.xMax());
    if (m_readout != value) {
        m_readout = value;
        update();
    }
}

void ChartView::hideReadout() {
    if (m_readout) {
        m_readout.reset();
        update();
    }
}

std::pair<double, double> ChartView::steps() const {
    if (!charts::hasVolumeAxis(m_kind)) {
        return {kSmallPhStep, kBigPhStep};
    }
    const double tick = m_chart.layout().xTicks.step;
    return {tick / 10.0, tick};
}

std::optional<double> ChartView::markNear(double x) const {
    const charts::PlotMapping& map = m_chart.layout().mapping;
    std::optional<double> nearest;
    double distance = kMarkSnapPixels;
    for (const double value : m_chart.markValues()) {
        const double away = std::abs(map.xOf(value) - x);
        if (away <= distance) {
            distance = away;
            nearest = value;
        }
    }
    return nearest;
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    const double x = event->position().x();
    const charts::ChartReadout at = m_chart.readoutAt(x);
    if (at.inside && !isStale()) {
        showReadoutAt(markNear(x).value_or(at.x));
    } else {
        hideReadout();
    }
    QWidget::mouseMoveEvent(event);
}

bool ChartView::jumpToMark(int direction) {
    const std::vector<double> marks = m_chart.markValues();
    if (marks.empty()) {
        return false;
    }
    // A hair of the axis counts as being on a mark, so that a snapped readout moves on.
    const charts::PlotMapping& map = m_chart.layout().mapping;
    const double hair = (map.xMax() - map.xMin()) * 1e-9;
    std::optional<double> target;
    if (!m_readout) {
        target = direction > 0 ? marks.front() : marks.back();
    } else if (direction > 0) {
        const auto next = std::find_if(marks.begin(), marks.end(),
                                       [&](double v) { return v > *m_readout + hair; });
        if (next != marks.end()) {
            target = *next;
        }
    } else {
        const auto previous = std::find_if(marks.rbegin(), marks.rend(),
                                           [&](double v) { return v < *m_readout - hair; });
        if (previous != marks.rend()) {
            target = *previous;
        }
    }
    if (target) {
        showReadoutAt(*target);
    }
    return true;
}

void ChartView::leaveEvent(QEvent* event) {
    hideReadout();
    QWidget::leaveEvent(event);
}

void ChartView::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuKey && contextMenuPolicy() == Qt::CustomContextMenu) {
        event->accept();
        emit customContextMenuRequested(keyboardMenuPoint());
        return;
    }
    if (plain && (event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp) &&
        jumpToMark(event->key() == Qt::Key_PageDown ? 1 : -1)) {
        event->accept();
        return;
    }
    const charts::PlotMapping& map = m_chart.layout().mapping;
    const auto [small, big] = steps();
    const ReadoutMoves moves{
        .step =
            [&, small = small, big = big](int direction, bool bigStep) {
                if (!m_readout) {
                    const double start = charts::hasVolumeAxis(m_kind)
                                             ? (map.xMin() + map.xMax()) / 2.0
                                             : kKeyboardStartPh;
                    showReadoutAt(snapped(start, small));
                    return;
                }
                // On the grid of the small step, so that steps land on round values.
                const double step = bigStep ? big : small;
                showReadoutAt(snapped(*m_readout + direction * step, small));
            },
        .first = [&] { showReadoutAt(map.xMin()); },
        .last = [&] { showReadoutAt(map.xMax()); },
        .hide = [this] { hideReadout(); },
    };
    if (!handleReadoutKey(*event, m_readout.has_value(), moves)) {
        QWidget::keyPressEvent(event);
    }
}

QSize ChartView::sizeHint() const {
    return charts::kDefaultChartSize;
}

QSize ChartView::minimumSizeHint() const {
    return charts::kMinChartSize;
}

} // namespace velmora::ui
