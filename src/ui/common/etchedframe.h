// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

namespace velmora::ui {

/**
 * A frame that groups controls: a flat box in its background colour with an etched outline
 * (a grey line and a white line beside it), the caption standing in a gap of the top edge.
 * Children are placed by the window's design, not by a layout.
 */
class EtchedFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit EtchedFrame(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmora::ui
