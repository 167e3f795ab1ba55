// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPaintDevice>
#include <QString>

namespace velmora::theory {

/** The theory document's fonts: a serif body, headings and pictures in the matching sans. */
inline const QString kBodyFamily = QStringLiteral("Liberation Serif");
inline const QString kSansFamily = QStringLiteral("Liberation Sans");
inline constexpr double kBodyPointSize = 11.0;

inline constexpr double kPtPerInch = 72.0;

/** Device units per point on the device a painter works on. */
inline double unitsPerPoint(const QPaintDevice* device) {
    return device->logicalDpiY() / kPtPerInch;
}

/** Problems and warnings of the generator, one line each on stderr. */
void fail(const QString& message);

} // namespace velmora::theory
