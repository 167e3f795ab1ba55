// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <span>

namespace velmora::io {

/**
 * One text field of a data file (RFC 4180), UTF-8: as it is where it holds nothing special,
 * between double quotes where it holds a comma, a double quote, CR or LF, each double quote
 * doubled. A field that a spreadsheet would take for a formula, one that starts with =, +, -, @,
 * a tab or CR, is kept text as OWASP advises against CSV injection: quoted, with an apostrophe
 * before its first character ("'=A1"), which spreadsheets read as "this cell is text". Only the
 * first character counts, so "H2A-" stays as it is while "-OH" becomes "'-OH" in quotes.
 */
[[nodiscard]] QByteArray csvField(const QString& text);

/** A data file's header line: each name a csvField(), separated by commas, then LF. */
[[nodiscard]] QByteArray csvHeader(const QStringList& names);

/** Appends `value` to a data file's row in the shortest text that reads back to the same double. */
void appendCsvNumber(QByteArray& out, double value);

/** Appends one row of numbers, each as appendCsvNumber() writes it, separated by commas, then LF.
 */
void appendCsvRow(QByteArray& out, std::span<const double> values);

} // namespace velmora::io
