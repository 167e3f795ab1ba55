// SPDX-License-Identifier: GPL-3.0-or-later
#include "measurements.h"

#include "numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>

namespace velmora::model {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (isBlank(text.front()) || text.front() == '\r')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (isBlank(text.back()) || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

/** A cell without the blanks around it and without the quotes a spreadsheet may put round it. */
std::string_view cellText(std::string_view cell) {
    cell = trimmed(cell);
    if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"') {
        cell = trimmed(cell.substr(1, cell.size() - 2));
    }
    return cell;
}

char lowered(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

/** Cuts lines from a text one after the other, counting them from 1. */
class LineCutter {
public:
    explicit LineCutter(std::string_view text) : m_rest(text) {}

    /** The next line without its end (LF or CRLF); false at the end of the text. */
    bool next(std::string_view& line) {
        if (m_done) {
            return false;
        }
        const void* found = std::memchr(m_rest.data(), '\n', m_rest.size());
        if (found == nullptr) {
            line = m_rest;
            m_done = true;
            if (line.empty()) {
                return false; // a text ending in a line end has no further line
            }
        } else {
            const auto length =
                static_cast<std::size_t>(static_cast<const char*>(found) - m_rest.data());
            line = m_rest.substr(0, length);
            m_rest.remove_prefix(length + 1);
        }
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        ++m_number;
        return true;
    }

    [[nodiscard]] std::size_t number() const { return m_number; }

private:
    std::string_view m_rest;
    std::size_t m_number = 0;
    bool m_done = false;
};

/** Whether a line carries nothing: blank, or a comment starting with '#'. */
bool isSkipped(std::string_view line) {
    const std::string_view text = trimmed(line);
    return text.empty() || text.front() == '#';
}

/**
 * Whether a line looks like a row of numbers rather than a header: it has a digit and nothing but
 * what numbers, times, dates and separators are written with.
 */
bool looksLikeData(std::string_view line) {
    bool digit = false;
    for (const char c : line) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (std::strchr("+-.,;:/\t \"eE", c) == nullptr || c == '\0') {
            return false;
        }
    }
    return digit;
}

/**
 * The separator of a table from its first data row: a semicolon or a tab where there is one;
 * otherwise a comma, unless the commas fall inside blank-separated numbers ("0,5  3,12"), which
 * then are decimal commas between blanks.
 */
char separatorOf(std::string_view row) {
    if (row.find(';') != std::string_view::npos) {
        return ';';
    }
    if (row.find('\t') != std::string_view::npos) {
        return '\t';
    }
    if (row.find(',') == std::string_view::npos) {
        return ' ';
    }
    std::size_t start = 0;
    while (start <= row.size()) {
        const std::size_t end = std::min(row.find(',', start), row.size());
        const std::string_view cell = trimmed(row.substr(start, end - start));
        if (std::any_of(cell.begin(), cell.end(), isBlank)) {
            return ' ';
        }
        start = end + 1;
    }
    return ',';
}

/**
 * Cuts a row into its cells: at each separator, or at each run of blanks when the separator is a
 * blank. Calls `cell(index, text)` with a 1-based index until it returns false.
 */
template <typename Cell> void forEachCell(std::string_view row, char separator, Cell cell) {
    int index = 0;
    if (separator == ' ') {
        std::size_t at = 0;
        while (at < row.size()) {
            while (at < row.size() && isBlank(row[at])) {
                ++at;
            }
            if (at == row.size()) {
                return;
            }
            const std::size_t start = at;
            while (at < row.size() && !isBlank(row[at])) {
                ++at;
            }
            if (!cell(++index, row.substr(start, at - start))) {
                return;
            }
        }
        return;
    }
    std::size_t start = 0;
    while (true) {
        const void* found = std::memchr(row.data() + start, separator, row.size() - start);
        const std::size_t end =
            found == nullptr
                ? row.size()
                : static_cast<std::size_t>(static_cast<const char*>(found) - row.data());
        if (!cell(++index, row.substr(start, end - start)) || found == nullptr) {
            return;
        }
        start = end + 1;
    }
}

std::vector<std::string_view> cellsOf(std::string_view row, char separator) {
    std::vector<std::string_view> cells;
    forEachCell(row, separator, [&](int, std::string_view cell) {
        cells.push_back(cellText(cell));
        return true;
    });
    if (separator == ' ') {
        // A unit in brackets after a name between blanks ("Volume (mL)") belongs to the name.
        std::vector<std::string_view> joined;
        for (const std::string_view cell : cells) {
            if (!joined.empty() && (cell.front() == '(' || cell.front() == '[')) {
                const char* begin = joined.back().data();
                joined.back() = std::string_view(
                    begin, static_cast<std::size_t>(cell.data() + cell.size() - begin));
            } else {
                joined.push_back(cell);
            }
        }
        return joined;
    }
    return cells;
}

/** A header's name and its unit: "Volume (mL)" is "volume" and "ml", "V / mL" is "v" and "ml". */
struct HeaderName {
    std::string name;
    std::string unit;
};

HeaderName headerName(std::string_view cell) {
    HeaderName read;
    std::size_t unitStart = cell.find_first_of("([/");
    const std::string_view name = cell.substr(0, unitStart);
    for (const char c : name) {
        if (!isBlank(c) && c != '"') {
            read.name.push_back(lowered(c));
        }
    }
    if (unitStart != std::string_view::npos) {
        for (const char c : cell.substr(unitStart + 1)) {
            if (!isBlank(c) && c != ')' && c != ']' && c != '"') {
                read.unit.push_back(lowered(c));
            }
        }
    }
    return read;
}

/** Whether a header line is a line of units ("mL;pH;°C") rather than of names. */
bool isUnitRow(const std::vector<std::string_view>& cells) {
    static constexpr std::array<std::string_view, 16> kUnits = {
        "ml", "l", "µl", "ul", "ph", "°c", "degc", "c", "k", "s", "min", "h", "mv", "%", "-", "()"};
    bool any = false;
    for (const std::string_view cell : cells) {
        std::string unit;
        for (const char c : cell) {
            if (!isBlank(c) && c != '(' && c != ')' && c != '[' && c != ']') {
                unit.push_back(lowered(c));
            }
        }
        if (unit.empty()) {
            continue;
        }
        any = true;
        if (std::find(kUnits.begin(), kUnits.end(), unit) == kUnits.end()) {
            return false;
        }
    }
    return any;
}

bool namesVolume(const HeaderName& header) {
    static constexpr std::array<std::string_view, 6> kNames = {"v",     "vol",         "volume",
                                                               "added", "addedvolume", "vadded"};
    return std::find(kNames.begin(), kNames.end(), header.name) != kNames.end() ||
           header.name.starts_with("volume") || header.unit == "ml";
}

bool namesPh(const HeaderName& header) {
    return header.name == "ph" || header.name == "phvalue" || header.name == "ph-value";
}

bool isPosition(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

/** A 1-based position written as digits; 0 for none or too large. */
int positionOf(std::string_view text) {
    int position = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), position);
    return (error == std::errc() && end == text.data() + text.size()) ? position : 0;
}

/** A cell's number, a decimal comma read as a point; nothing for anything else. */
std::optional<double> numberOf(std::string_view cell) {
    std::array<char, 64> digits{};
    if (cell.empty() || cell.size() >= digits.size()) {
        return std::nullopt;
    }
    std::size_t start = cell.front() == '+' ? 1 : 0;
    std::size_t length = 0;
    for (std::size_t i = start; i < cell.size(); ++i) {
        digits[length++] = cell[i] == ',' ? '.' : cell[i];
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + length, value);
    if (error != std::errc() || end != digits.data() + length || !std::isfinite(value) ||
        length == 0 || (start == 1 && digits[0] == '-')) {
        return std::nullopt;
    }
    return value;
}

/**
 * A cell as a problem quotes it: at most kQuotedLength bytes, cut before a UTF-8 sequence, so
 * that a line of a file that is no table at all does not fill the message.
 */
std::string quoted(std::string_view cell) {
    constexpr std::size_t kQuotedLength = 40;
    if (cell.size() <= kQuotedLength) {
        return std::string(cell);
    }
    std::size_t length = kQuotedLength;
    while (length > 0 && (static_cast<unsigned char>(cell[length]) & 0xC0) == 0x80) {
        --length;
    }
    return std::string(cell.substr(0, length)) + "…";
}

MeasurementsProblem problemAt(std::size_t line, const char* text,
                              std::vector<std::string> arguments = {}) {
    return {line, {text, std::move(arguments)}};
}

/** The columns a choice names, or the reader's own choice; a problem for a name not found. */
MeasurementsProblem chooseColumns(const ColumnChoice& choice,
                                  const std::vector<std::string_view>& names, int& volumeColumn,
                                  int& pHColumn) {
    std::vector<HeaderName> headers;
    headers.reserve(names.size());
    for (const std::string_view name : names) {
        headers.push_back(headerName(name));
    }
    const auto column = [&](const std::string& chosen, auto fits, int& found) {
        if (chosen.empty()) {
            for (std::size_t i = 0; i < headers.size() && found == 0; ++i) {
                if (fits(headers[i])) {
                    found = static_cast<int>(i) + 1;
                }
            }
            return true;
        }
        if (isPosition(chosen)) {
            found = positionOf(chosen);
            return found > 0;
        }
        const HeaderName wanted = headerName(chosen);
        for (std::size_t i = 0; i < headers.size() && found == 0; ++i) {
            if (headers[i].name == wanted.name &&
                (wanted.unit.empty() || headers[i].unit == wanted.unit)) {
                found = static_cast<int>(i) + 1;
            }
        }
        return found > 0;
    };
    if (!column(choice.volume, namesVolume, volumeColumn)) {
        return problemAt(
            0,
            QT_TRANSLATE_NOOP("velmora::model::Problem", "no column is named '%1' for the volume"),
            {quoted(choice.volume)});
    }
    if (!column(choice.pH, namesPh, pHColumn)) {
        return problemAt(
            0, QT_TRANSLATE_NOOP("velmora::model::Problem", "no column is named '%1' for the pH"),
            {quoted(choice.pH)});
    }
    // Without names for both, the first two columns, or the first other than the one named.
    if (volumeColumn == 0) {
        volumeColumn = pHColumn == 1 ? 2 : 1;
    }
    if (pHColumn == 0) {
        pHColumn = volumeColumn == 1 ? 2 : 1;
    }
    return {};
}

/** The data rows read so far: the running average of the readings at the latest volume. */
class PointCollector {
public:
    explicit PointCollector(std::size_t expected) {
        m_points.reserve(std::min<std::size_t>(expected, kMaxMeasuredRows));
    }

    void add(double volume, double pH) {
        if (m_count > 0 && volume == m_volume) {
            m_sum += pH;
            ++m_count;
            return;
        }
        flush();
        m_volume = volume;
        m_sum = pH;
        m_count = 1;
    }

    std::vector<TitrationPoint> finished() {
        flush();
        return std::move(m_points);
    }

private:
    void flush() {
        if (m_count > 0) {
            m_points.push_back({m_volume, m_sum / m_count});
        }
        m_count = 0;
    }

    std::vector<TitrationPoint> m_points;
    double m_volume = 0.0;
    double m_sum = 0.0;
    int m_count = 0;
};

} // namespace

bool readColumnChoice(std::string_view text, ColumnChoice& choice) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
        return false;
    }
    const std::string_view volume = trimmed(text.substr(0, comma));
    const std::string_view pH = trimmed(text.substr(comma + 1));
    const auto fine = [](std::string_view part) {
        return !part.empty() && part.find(',') == std::string_view::npos &&
               (!isPosition(part) || positionOf(part) > 0);
    };
    if (!fine(volume) || !fine(pH)) {
        return false;
    }
    choice = {std::string(volume), std::string(pH)};
    return true;
}

MeasurementsProblem readMeasurements(std::string_view text, const ColumnChoice& columns,
                                     Measurements& measurements) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    LineCutter lines(text);
    std::string_view line;
    std::vector<std::string_view> headers;
    bool found = false;
    while (!found && lines.next(line)) {
        if (isSkipped(line)) {
            continue;
        }
        // A lone number or date above the table ("12.05.2025") is not yet a row of it.
        const std::string_view row = trimmed(line);
        if (looksLikeData(row) && cellsOf(row, separatorOf(row)).size() >= 2) {
            found = true;
        } else {
            headers.push_back(line);
        }
    }
    if (!found) {
        return problemAt(
            0, QT_TRANSLATE_NOOP("velmora::model::Problem", "there is no row of numbers in it"));
    }
    Measurements read;
    read.separator = separatorOf(trimmed(line));
    // The names are on the last header line, or on the one before a line of units.
    std::vector<std::string_view> names;
    if (!headers.empty()) {
        names = cellsOf(headers.back(), read.separator);
        if (headers.size() >= 2 && isUnitRow(names)) {
            names = cellsOf(headers[headers.size() - 2], read.separator);
        }
        if (names.size() < 2) {
            names.clear();
        }
    }
    int volumeColumn = 0;
    int pHColumn = 0;
    if (MeasurementsProblem problem = chooseColumns(columns, names, volumeColumn, pHColumn);
        !problem.empty()) {
        return problem;
    }
    read.volumeColumn = volumeColumn;
    read.pHColumn = pHColumn;
    if (static_cast<std::size_t>(volumeColumn) <= names.size()) {
        read.volumeHeader = std::string(names[static_cast<std::size_t>(volumeColumn) - 1]);
    }
    if (static_cast<std::size_t>(pHColumn) <= names.size()) {
        read.pHHeader = std::string(names[static_cast<std::size_t>(pHColumn) - 1]);
    }

    const int lastColumn = std::max(volumeColumn, pHColumn);
    // About twenty bytes a row, so that a long file grows its list a few times at most.
    PointCollector points(text.size() / 16 + 8);
    std::string_view previousVolume;
    double previous = 0.0;
    bool firstRow = true;
    bool decimalComma = false;
    do {
        if (isSkipped(line)) {
            continue;
        }
        const std::size_t number = lines.number();
        if (read.rowsRead == kMaxMeasuredRows) {
            return problemAt(0,
                             QT_TRANSLATE_NOOP("velmora::model::Problem",
                                               "it has more than %1 rows of data, too many"),
                             {std::to_string(kMaxMeasuredRows)});
        }
        std::string_view volumeCell;
        std::string_view pHCell;
        int cells = 0;
        forEachCell(line, read.separator, [&](int index, std::string_view cell) {
            cells = index;
            if (index == volumeColumn) {
                volumeCell = cellText(cell);
            }
            if (index == pHColumn) {
                pHCell = cellText(cell);
            }
            return index < lastColumn;
        });
        if (cells < lastColumn) {
            if (firstRow) {
                return problemAt(0,
                                 QT_TRANSLATE_NOOP("velmora::model::Problem",
                                                   "there is no column %1: the table has %2"),
                                 {std::to_string(lastColumn), std::to_string(cells)});
            }
            return problemAt(
                number,
                QT_TRANSLATE_NOOP("velmora::model::Problem", "has %1 columns, no column %2"),
                {std::to_string(cells), std::to_string(lastColumn)});
        }
        const std::optional<double> volume = numberOf(volumeCell);
        if (!volume) {
            return problemAt(
                number,
                QT_TRANSLATE_NOOP("velmora::model::Problem", "the volume '%1' is not a number"),
                {quoted(volumeCell)});
        }
        const std::optional<double> pH = numberOf(pHCell);
        if (!pH) {
            return problemAt(
                number, QT_TRANSLATE_NOOP("velmora::model::Problem", "the pH '%1' is not a number"),
                {quoted(pHCell)});
        }
        if (*volume < 0.0) {
            return problemAt(
                number,
                QT_TRANSLATE_NOOP("velmora::model::Problem", "the volume %1 mL is negative"),
                {quoted(volumeCell)});
        }
        if (!firstRow && *volume < previous) {
            return problemAt(number,
                             QT_TRANSLATE_NOOP("velmora::model::Problem",
                                               "the volume %1 mL is smaller than the one before "
                                               "(%2 mL)"),
                             {quoted(volumeCell), quoted(previousVolume)});
        }
        if (*pH < kMinMeasuredPh || *pH > kMaxMeasuredPh) {
            return problemAt(
                number,
                QT_TRANSLATE_NOOP("velmora::model::Problem", "the pH %1 lies outside %2 to %3"),
                {quoted(pHCell), shortestText(kMinMeasuredPh), shortestText(kMaxMeasuredPh)});
        }
        decimalComma = decimalComma || volumeCell.find(',') != std::string_view::npos ||
                       pHCell.find(',') != std::string_view::npos;
        points.add(*volume, *pH);
        previous = *volume;
        previousVolume = volumeCell;
        firstRow = false;
        ++read.rowsRead;
    } while (lines.next(line));

    read.points = points.finished();
    if (read.points.size() < static_cast<std::size_t>(kMinMeasuredPoints)) {
        return problemAt(0,
                         QT_TRANSLATE_NOOP("velmora::model::Problem",
                                           "it has %1 different volumes, fewer than the %2 a "
                                           "titration needs"),
                         {std::to_string(read.points.size()), std::to_string(kMinMeasuredPoints)});
    }
    read.decimal = decimalComma ? ',' : '.';
    measurements = std::move(read);
    return {};
}

} // namespace velmora::model
