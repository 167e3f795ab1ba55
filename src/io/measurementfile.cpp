// SPDX-License-Identifier: GPL-3.0-or-later
#include "measurementfile.h"

#include "atomicfile.h"

#include "language/modeltexts.h"

#include <QFile>

#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    // Opened without blocking, so that a FIFO cannot hold the program; a FIFO is refused anyway.
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return qt_error_string(errno);
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const QString reason = notRegularFileReason(static_cast<unsigned int>(status.st_mode));
        ::close(fd);
        return reason;
    }
    if (status.st_size > kMaxMeasurementFileSize) {
        ::close(fd);
        return tooLarge();
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    // Read in pieces to the end, so that a file that grows while it is read is read whole, or
    // cut past the limit and then refused as too large.
    constexpr qint64 kPiece = 4 * 1024 * 1024;
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(status.st_size) + 1);
    while (bytes.size() <= kMaxMeasurementFileSize) {
        const QByteArray piece = file.read(kPiece);
        if (file.error() != QFileDevice::NoError) {
            return file.errorString();
        }
        if (piece.isEmpty()) {
            break;
        }
        bytes += piece;
    }
    if (bytes.size() > kMaxMeasurementFileSize) {
        return tooLarge();
    }
    return parse(bytes, columns, measurements);
}

} // namespace velmora::io
