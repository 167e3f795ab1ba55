// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLayout>
#include <QMargins>
#include <QRect>
#include <QSize>

#include <array>

namespace velmora::ui {

/** Where the inputs and the drawing lie in an area. */
struct InputsArrangement {
    QRect inputs; ///< empty while the inputs are hidden
    QRect drawing;
    bool beside = true; ///< the inputs left of the drawing, else above it
};

/**
 * The inputs beside the drawing (left of it, at `inputsWidth`) while the drawing keeps at least
 * half the width of `rect`; else above it, across the area, at most a fifth of its height (they
 * scroll) and never so high that the drawing gets less than `drawingMinimumHeight`. Hidden inputs
 * leave the whole area to the drawing. `rect` is the whole area, `margins` are kept free inside
 * it, `spacing` between the two. So the drawing keeps at least half of a window of any size.
 */
[[nodiscard]] InputsArrangement arrangeInputs(const QRect& rect, const QMargins& margins,
                                              int spacing, int inputsWidth, int inputsHeight,
                                              int drawingMinimumHeight, bool inputsShown);

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
    bool m_beside = true;
};

} // namespace velmora::ui
