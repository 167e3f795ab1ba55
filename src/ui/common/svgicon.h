// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QSize>
#include <QString>

namespace velmora::ui {

/**
 * An icon of an SVG picture, drawn by Qt's SVG renderer when a size of it is first asked for and
 * kept at that size. The same as QIcon(path) to look at, but without the icon engine plugin that
 * QIcon looks up by the file's suffix: finding and loading it means reading the metadata of
 * every plugin in its folder, which a window would pay for before it first comes on screen.
 */
[[nodiscard]] QIcon svgIcon(const QString& path);

/**
 * The word a button face shows when it is drawn by svgIcon(): a face names its word in its title
 * and marks it (the path "word" and the box "wordbox" its capitals fill). In a language other than
 * English the translated word is drawn in its place, in Liberation Sans Bold, centred in the box,
 * and set smaller where it would not fit.
 */
struct FaceWord {
    QString text;       ///< the word shown; empty for a picture without one
    bool drawn = false; ///< drawn in place of the picture's own (translated)
    qreal scale = 1.0;  ///< its size against the designed one (less than 1: set smaller to fit)
};
[[nodiscard]] FaceWord faceWord(const QString& path);

/**
 * A window icon from an SVG picture: drawn once at `size` (at the device pixel ratio `ratio`) and
 * kept in Qt's pixmap cache, so that windows with the same icon share the drawing.
 * The window system asks a scalable icon for several sizes, each drawn anew, when a window is
 * created and again when it is shown; an icon of one drawn size is handed over as it is.
 */
[[nodiscard]] QIcon svgWindowIcon(const QString& path, const QSize& size, qreal ratio = 1.0);

} // namespace velmora::ui
