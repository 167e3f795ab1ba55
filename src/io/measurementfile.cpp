// SPDX-License-Identifier: GPL-3.0-or-later
#include "measurementfile.h"

#include "atomicfile.h"

#include "language/modeltexts.h"

#include <string_view>

namespace velmora::io {

namespace {

QString tooLarge() {
    //: %1 is the largest size of a measured-titration file the program reads, in MiB.
    return MeasurementFile::tr("it is larger than %1 MiB, too large for a measured titration")
        .arg(kMaxMeasurementFileSize / (1024 * 1024));
}

} // namespace

QString MeasurementFile::problemText(const model::MeasurementsProblem& problem) {
    if (problem.empty()) {
        return {};
    }
    const QString text = language::problemText(problem.problem);
    if (problem.line == 0) {
        return text;
    }
    //: A problem on one line of a measured-titration file: %1 the line (from 1), %2 the problem.
    return tr("line %1: %2").arg(static_cast<qulonglong>(problem.line)).arg(text);
}

QString MeasurementFile::parse(const QByteArray& bytes, const model::ColumnChoice& columns,
                               model::Measurements& measurements) {
    return problemText(model::readMeasurements(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), columns,
        measurements));
}

QString MeasurementFile::read(const QByteArray& path, const model::ColumnChoice& columns,
                              model::Measurements& measurements) {
    QByteArray bytes;
    if (QString reason = readRegularFile(path, kMaxMeasurementFileSize, tooLarge(), bytes);
        !reason.isEmpty()) {
        return reason;
    }
    return parse(bytes, columns, measurements);
}

} // namespace velmora::io
