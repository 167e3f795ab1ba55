// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/measurements.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace velmora::io {

/**
 * The largest measured-titration file read: a logger's million rows take about 20 MB, and a
 * spreadsheet's export of them with every column a few times that.
 */
inline constexpr qint64 kMaxMeasurementFileSize = 256 * 1024 * 1024;

/**
 * A measured titration from a file or from text pasted out of a spreadsheet, read as
 * model::readMeasurements() describes. Every problem is one line in the user's language, with
 * the line it lies on where it has one ("line 7: the volume 12.5 mL is smaller than the one
 * before (13.0 mL)"). MeasurementFile::tr() is its texts' context.
 */
class MeasurementFile {
    Q_DECLARE_TR_FUNCTIONS(velmora::io::MeasurementFile)

public:
    /** Reads a measured titration from a file's bytes or pasted text; the problem, or "". */
    [[nodiscard]] static QString parse(const QByteArray& bytes, const model::ColumnChoice& columns,
                                       model::Measurements& measurements);

    /**
     * Reads the file `path` (its name's bytes): refused with the reason when it is not a regular
     * file, cannot be read or is larger than kMaxMeasurementFileSize; otherwise as parse().
     */
    [[nodiscard]] static QString read(const QByteArray& path, const model::ColumnChoice& columns,
                                      model::Measurements& measurements);

    /** A problem of the model's reader as parse() words it. */
    [[nodiscard]] static QString problemText(const model::MeasurementsProblem& problem);
};

} // namespace velmora::io
