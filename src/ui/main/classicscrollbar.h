// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace velmora::ui {

/**
 * Paints vertical scroll bars in the classic flat look of the window's other controls: a plain
 * trough and bevelled arrow buttons and thumb, all in solid colours. Solid fills are also what
 * keeps a bar cheap to repaint: the ordering cascade repaints several bars per user action.
 * Geometry, hit testing and behaviour stay the base style's.
 */
class ClassicScrollBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
};

} // namespace velmora::ui
