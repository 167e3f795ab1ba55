// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

namespace velmora::ui {

/**
 * A button that shows a picture instead of a caption, with a raised three-dimensional edge that
 * sinks while it is pressed, and stays sunk while it is checked (the acid-type buttons). The
 * picture keeps its own pixel size (iconSize) and is centred and clipped to the space inside the
 * edge; it is drawn at the screen's device pixel ratio, so it stays sharp on 2x screens. The
 * keyboard focus shows as a dotted rectangle inside the edge.
 */
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmora::ui
