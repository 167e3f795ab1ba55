// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandline.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace velmora::app {

/** The answer of command-line work on a measured titration. */
struct MeasuredAnswer {
    QStringList lines; ///< printed on standard output
    /** One line for standard error (the file or the fit refused, nothing found), or "". */
    QString problem;
    int status = 0; ///< 0 fine, 1 nothing found, 2 refused
};

/**
 * The work of --fit and --endpoints once the command line is read: the measured file read (a
 * file that cannot be read as a titration is refused, naming the file, its line and the reason),
 * then the fit or the end points. MeasuredWork::tr() is its texts' context.
 */
class MeasuredWork {
    Q_DECLARE_TR_FUNCTIONS(velmora::app::MeasuredWork)

public:
    /** --fit: each fitted value with its error, s, n and the correlations. */
    [[nodiscard]] static MeasuredAnswer fit(const CommandLine& line);
    /** --endpoints: one line per end point and method. */
    [[nodiscard]] static MeasuredAnswer endPoints(const CommandLine& line);
    /**
     * Reads the measured file of `line` (the option `option`, with its dashes, is named in the
     * refusal); the refusal, or "".
     */
    [[nodiscard]] static QString readData(const CommandLine& line, const QString& option,
                                          model::Measurements& measurements);
    /**
     * Puts the measured points of --data into the chart `request` of `line`; with --vary, the
     * model it draws becomes the sample fitted to them (its titrant and pH offset too). The
     * refusal naming --data, or "".
     */
    [[nodiscard]] static QString addData(const CommandLine& line, charts::ChartRequest& request);
    /**
     * Fits the sample of `line` to `measurements` over the parameters of --vary, or the default
     * ones; the refusal naming `option`, or "".
     */
    [[nodiscard]] static QString fitData(const CommandLine& line, const QString& option,
                                         const model::Measurements& measurements,
                                         model::TitrationFit& fit);
};

} // namespace velmora::app
