// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/measurements.h"
#include "model/mixture.h"
#include "model/titrationfit.h"

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

class QCommandLineParser;

namespace velmora::app {

/**
 * The options of measured titrations: --fit FILE and --endpoints FILE, the measured data of a
 * drawing (--data FILE with --plot measured, gran or derivative), the columns to read
 * (--columns V,PH) and the parameters to fit (--vary LIST). Their definitions for the command
 * line's one parser and the reading of their values; every problem is one line naming the option,
 * in the user's language, and "" means fine.
 */
class MeasuredOptions {
    Q_DECLARE_TR_FUNCTIONS(velmora::app::MeasuredOptions)

public:
    MeasuredOptions();

    /** Every option defined here, in the order the help lists them; each is taken once. */
    [[nodiscard]] QList<QCommandLineOption> all() const;

    [[nodiscard]] bool fits(const QCommandLineParser& parser) const;
    [[nodiscard]] bool findsEndPoints(const QCommandLineParser& parser) const;
    /** --data is given. */
    [[nodiscard]] bool drawsData(const QCommandLineParser& parser) const;

    /** The file of --fit, --endpoints or --data, whichever is given (its name's bytes). */
    [[nodiscard]] QByteArray file(const QCommandLineParser& parser) const;

    /**
     * Refuses the measured options that `action` (--fit, --endpoints, --data, or "" for any
     * other work) does not take: two of --fit, --endpoints and --data; --vary beside anything but
     * --fit or --data; --columns without a file of measurements.
     */
    [[nodiscard]] QString problemBeside(const QCommandLineParser& parser) const;

    /** Reads --columns into `columns` (left as it is without --columns). */
    [[nodiscard]] QString readColumns(const QCommandLineParser& parser,
                                      model::ColumnChoice& columns) const;

    /**
     * Reads --vary for `sample` into `parameters`; nothing (the default choice, made from the
     * measured points) without --vary.
     */
    [[nodiscard]] QString
    readVary(const QCommandLineParser& parser, const model::Mixture& sample,
             std::optional<std::vector<model::FitParameter>>& parameters) const;

private:
    QCommandLineOption m_fit;
    QCommandLineOption m_endPoints;
    QCommandLineOption m_data;
    QCommandLineOption m_vary;
    QCommandLineOption m_columns;
};

} // namespace velmora::app
