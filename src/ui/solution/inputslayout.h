// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLayout>
#include <QMargins>
#include <QRect>
#include <QSize>

#include <array>
#include <functional>

namespace velmora::ui {

/** Where the inputs and the drawing lie in an area. */
struct InputsArrangement {
    QRect inputs; ///< empty while the inputs are hidden
    QRect drawing;
    bool beside = true; ///< the inputs left of the drawing, else above it
};

/** What the inputs and the drawing are arranged from. */
struct InputsRoom {
    QRect rect;       ///< the whole area, as wide as the window
    QMargins margins; ///< kept free inside it
    int spacing = 0;  ///< between the inputs and the drawing
    QSize inputs;     ///< the inputs' width beside the drawing, and their full height
    int drawingMinimumHeight = 0;
    int drawingOverhead = 0; ///< the drawing's height that is not the chart (tabs, a line)
    int windowHeight = 0;
    bool inputsShown = true;
};

/**
 * The inputs beside the drawing (left of it, at their width) while the drawing keeps at least
 * half the width; else above it, across the area, as high as they are but never so high that the
 * chart gets less than half the window's height or the drawing less than its least height (they
 * scroll). Hidden inputs, or inputs with no room above, leave the whole area to the drawing.
 */
[[nodiscard]] InputsArrangement arrangeInputs(const InputsRoom& room);

/**
 * The solution window's inputs and drawing, arranged by arrangeInputs(): the first widget added
 * is the inputs, the second the drawing. The inputs follow their widget's visibility.
 */
class InputsLayout : public QLayout {
    Q_OBJECT
public:
    explicit InputsLayout(QWidget* parent = nullptr);
    ~InputsLayout() override;

    /** The inputs' width beside the drawing. */
    void setInputsWidth(int width);
    /** The drawing's height that is not the chart, as it is now. */
    void setDrawingOverhead(std::function<int()> overhead);
    /** The last arrangement made. */
    [[nodiscard]] bool inputsBeside() const { return m_beside; }

    void addItem(QLayoutItem* item) override;
    [[nodiscard]] QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    [[nodiscard]] int count() const override;
    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    [[nodiscard]] Qt::Orientations expandingDirections() const override;

private:
    [[nodiscard]] QLayoutItem* inputs() const { return m_items[0]; }
    [[nodiscard]] QLayoutItem* drawing() const { return m_items[1]; }

    std::array<QLayoutItem*, 2> m_items{};
    int m_inputsWidth = 0;
    std::function<int()> m_drawingOverhead;
    bool m_beside = true;
};

} // namespace velmora::ui
