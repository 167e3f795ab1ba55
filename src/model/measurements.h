// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "message.h"
#include "titration.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::model {

/** The fewest distinct volumes a measured titration needs. */
inline constexpr int kMinMeasuredPoints = 5;
/** The pH range a reading may have. */
inline constexpr double kMinMeasuredPh = -2.0;
inline constexpr double kMaxMeasuredPh = 16.0;
/** The most data rows read from one text. */
inline constexpr std::size_t kMaxMeasuredRows = 2'000'000;

/**
 * Which columns of a table hold the volume and the pH: each a header name (matched ignoring
 * letter case, blanks and a unit in brackets: "V", "Volume (mL)", "pH") or a 1-based position
 * ("2"); empty for the reader's own choice (see readMeasurements()).
 */
struct ColumnChoice {
    std::string volume{};
    std::string pH{};

    friend bool operator==(const ColumnChoice&, const ColumnChoice&) = default;
};

/**
 * Reads a `V,PH` choice as `--columns` takes it: two names or positions separated by a comma.
 * False for anything else (one column, three, an empty one, position 0).
 */
[[nodiscard]] bool readColumnChoice(std::string_view text, ColumnChoice& choice);

/** A measured titration as read: its points in increasing volume, repeats averaged. */
struct Measurements {
    std::vector<TitrationPoint> points{}; ///< mL, pH; volumes strictly increasing
    std::size_t rowsRead = 0;             ///< data rows read, repeats included
    char separator = ',';                 ///< ',', ';' or '\t' (or ' ' for blanks)
    char decimal = '.';                   ///< '.' or ','
    int volumeColumn = 1;                 ///< 1-based, of the table
    int pHColumn = 2;                     ///< 1-based
    std::string volumeHeader{};           ///< as the header names them; empty without header
    std::string pHHeader{};

    friend bool operator==(const Measurements&, const Measurements&) = default;
};

/** What is wrong with a text read as a measured titration, and on which line (1-based, or 0). */
struct MeasurementsProblem {
    std::size_t line = 0; ///< 0 when it concerns the whole text ("fewer than 5 points")
    Problem problem{};

    [[nodiscard]] bool empty() const { return problem.empty(); }
};

/**
 * Reads a measured titration from the text of a file as pH meters, loggers and spreadsheets write
 * it (UTF-8, an optional byte-order mark, LF or CRLF line ends):
 *
 * - the separator is a comma, a semicolon, a tab or blanks, the decimal mark a point or a comma
 *   (a comma only where the separator is not one), found from the data rows;
 * - lines before the first data row are headers: the last of them that names the columns gives
 *   the column names, a line of units after it ("mL;pH") is skipped too; blank lines are skipped
 *   anywhere, and so are lines starting with '#';
 * - the columns are those `columns` chooses; without a choice, the columns whose header names a
 *   volume ("V", "Volume", "Vol", "added", mL in its unit) and a pH ("pH"), or else the first two;
 * - readings at one volume are averaged; the volumes must not decrease.
 *
 * Refused, naming the line, where a row's chosen cells are not numbers, a volume is negative or
 * smaller than the one before, or a pH lies outside kMinMeasuredPh..kMaxMeasuredPh; and as a
 * whole where a chosen column does not exist, there are more than kMaxMeasuredRows rows or fewer
 * than kMinMeasuredPoints distinct volumes. `measurements` is set only when there is no problem.
 */
[[nodiscard]] MeasurementsProblem readMeasurements(std::string_view text,
                                                   const ColumnChoice& columns,
                                                   Measurements& measurements);

} // namespace velmora::model
