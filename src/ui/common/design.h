// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

namespace velmora::ui {

/** Twips per pixel of the screen the windows were designed for (96 dpi). */
inline constexpr float kDesignTwipsPerPixel = 15.0f;

/** A font as a window's design names it. A missing face falls back to a sans face. */
struct FontDesign {
    QString face{};
    double points = 8.25;
    bool bold = false;
};

enum class ControlKind { PictureBox, CommandButton, OptionButton, Frame, ScrollBar, Label };

/**
 * One control of a window's design: kind, geometry in twips at 15 twips per pixel (relative
 * to its frame when it sits in one), tab index, texts, colours, font and picture.
 */
struct ControlDesign {
    QString name{};
    int index = -1; ///< index in a control array, -1 for a single control
    ControlKind kind = ControlKind::Label;
    QString frame{}; ///< name of the frame it sits in; empty: the window
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int tabIndex = 0;
    QString caption{};
    QString toolTip{};
    std::optional<QColor> background{};
    std::optional<QColor> foreground{};
    std::optional<FontDesign> font{}; ///< empty: the window's font
    QString picture{};                ///< resource path of the picture it shows
    QSize pictureSize{};              ///< the picture's own pixel size (kept at every density)
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = false;
    bool autoSize = false; ///< the box follows its text
};

/** A window's whole design: caption, client size in twips, outer pixel size, colours, controls. */
struct WindowDesign {
    QString name{};
    QString caption{};
    int clientWidth = 0;  ///< twips
    int clientHeight = 0; ///< twips
    int outerWidthPx = 0; ///< the outer size the window's load gives it
    int outerHeightPx = 0;
    QColor background{};
    FontDesign font{};
    QString icon{};
    bool minimizeButton = false;
    std::vector<ControlDesign> controls{}; ///< the window's Controls collection, in order
};

} // namespace velmora::ui
