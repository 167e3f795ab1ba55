// SPDX-License-Identifier: GPL-3.0-or-later
#include "inputslayout.h"

#include <QWidget>

#include <algorithm>

namespace velmora::ui {

InputsArrangement arrangeInputs(const InputsRoom& room) {
    const QRect area = room.rect.marginsRemoved(room.margins);
    if (!room.inputsShown) {
        return {QRect(), area, true};
    }
    const int drawingWidth = area.width() - room.inputs.width() - room.spacing;
    if (2 * drawingWidth >= room.rect.width()) {
        return {QRect(area.left(), area.top(), room.inputs.width(), area.height()),
                QRect(area.right() + 1 - drawingWidth, area.top(), drawingWidth, area.height()),
                true};
    }
    const int drawingHeight =
        std::max(room.drawingMinimumHeight, room.drawingOverhead + (room.windowHeight + 1) / 2);
    const int height = std::min(room.inputs.height(), area.height() - room.spacing - drawingHeight);
    if (height <= 0) {
        return {QRect(), area, false};
    }
    const int drawn = area.height() - height - room.spacing;
    return {QRect(area.left(), area.top(), area.width(), height),
            QRect(area.left(), area.bottom() + 1 - drawn, area.width(), drawn), false};
}

InputsLayout::InputsLayout(QWidget* parent) : QLayout(parent) {}

InputsLayout::~InputsLayout() {
    for (QLayoutItem* item : m_items) {
        delete item;
    }
}

void InputsLayout::setInputsWidth(int width) {
    m_inputsWidth = width;
    invalidate();
}

void InputsLayout::setDrawingOverhead(std::function<int()> overhead) {
    m_drawingOverhead = std::move(overhead);
    invalidate();
}

void InputsLayout::addItem(QLayoutItem* item) {
    const auto free = std::find(m_items.begin(), m_items.end(), nullptr);
    if (free == m_items.end()) {
        // Two parts only: a third would lie nowhere.
        qWarning("InputsLayout takes the inputs and the drawing only");
        delete item;
        return;
    }
    *free = item;
}

QLayoutItem* InputsLayout::itemAt(int index) const {
    int seen = 0;
    for (QLayoutItem* item : m_items) {
        if (item != nullptr && seen++ == index) {
            return item;
        }
    }
    return nullptr;
}

QLayoutItem* InputsLayout::takeAt(int index) {
    QLayoutItem* taken = itemAt(index);
    if (taken != nullptr) {
        *std::find(m_items.begin(), m_items.end(), taken) = nullptr;
    }
    return taken;
}

int InputsLayout::count() const {
    return static_cast<int>(std::count_if(m_items.begin(), m_items.end(),
                                          [](const QLayoutItem* item) { return item != nullptr; }));
}

QSize InputsLayout::sizeHint() const {
    QSize hint = drawing() != nullptr ? drawing()->sizeHint() : QSize();
    if (inputs() != nullptr && !inputs()->isEmpty()) {
        hint.rwidth() += m_inputsWidth + spacing();
    }
    const QMargins margins = contentsMargins();
    return hint.grownBy(margins);
}

QSize InputsLayout::minimumSize() const {
    // The inputs give way (above the drawing, then to nothing): only the drawing has a minimum.
    const QSize minimum = drawing() != nullptr ? drawing()->minimumSize() : QSize(0, 0);
    return minimum.grownBy(contentsMargins());
}

void InputsLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    if (drawing() == nullptr) {
        return;
    }
    const bool shown = inputs() != nullptr && !inputs()->isEmpty();
    const QWidget* window = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    const InputsArrangement arrangement = arrangeInputs(
        {rect, contentsMargins(), spacing(),
         QSize(m_inputsWidth, shown ? inputs()->sizeHint().height() : 0),
         drawing()->minimumSize().height(), m_drawingOverhead ? m_drawingOverhead() : 0,
         window != nullptr ? window->height() : rect.height(), shown});
    m_beside = arrangement.beside;
    if (shown) {
        // Inputs with no room above the drawing are put out of sight rather than squeezed.
        inputs()->setGeometry(arrangement.inputs.isEmpty() ? QRect(rect.topLeft(), QSize(0, 0))
                                                           : arrangement.inputs);
    }
    drawing()->setGeometry(arrangement.drawing);
}

Qt::Orientations InputsLayout::expandingDirections() const {
    return Qt::Horizontal | Qt::Vertical;
}

} // namespace velmora::ui
