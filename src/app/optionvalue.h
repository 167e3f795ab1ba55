// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/message.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <vector>

class QCommandLineOption;
class QCommandLineParser;

namespace velmora::app {

/**
 * An option's value without the blanks around it, as QString::trimmed() leaves its text (any
 * Unicode white space at either end), while the bytes between stay exactly as given, UTF-8 or
 * not: a message shows what was given, a byte that is no text as \xNN (io::shownName()).
 */
[[nodiscard]] QByteArray trimmedValue(const QByteArray& bytes);

/** Reads a finite number, blanks around it allowed; false for anything else. */
[[nodiscard]] bool readFinite(const QByteArray& bytes, double& value);

/** Reads a whole number, blanks around it allowed; false for anything else. */
[[nodiscard]] bool readInteger(const QByteArray& bytes, int& value);

/**
 * The value of one command-line option as the system gave it, and the one reader of such values
 * that every action shares: a number, a list of numbers, a whole number, text kept byte for
 * byte. Each read returns an empty string when the value is fine and otherwise the refusal, one
 * line that names the option and shows the value as given ("--conc: 'x' is not a number"), in
 * the user's language: OptionValue::tr() is the translators' context of these refusals.
 */
class OptionValue {
    Q_DECLARE_TR_FUNCTIONS(velmora::app::OptionValue)

public:
    /** The value of `option` (the parser sees each byte as one Latin-1 character). */
    OptionValue(const QCommandLineParser& parser, const QCommandLineOption& option);
    /** The value `bytes` of the option called `name`, its dashes included ("--pka"). */
    OptionValue(QString name, QByteArray bytes);

    /** The option's name with its dashes ("--conc"). */
    [[nodiscard]] const QString& name() const { return m_name; }
    /** The value's bytes exactly as given. */
    [[nodiscard]] const QByteArray& bytes() const { return m_bytes; }
    /** The value without the blanks around it, on one line, a byte that is no text as \xNN. */
    [[nodiscard]] QString shown() const;

    /** A finite number. */
    [[nodiscard]] QString readNumber(double& value) const;
    /** Comma-separated finite numbers, each read as readNumber() reads it. */
    [[nodiscard]] QString readNumbers(std::vector<double>& values) const;
    /** A whole number. */
    [[nodiscard]] QString readWhole(int& value) const;
    /** A number that `check` (a model's problemWith… function) accepts. */
    template <typename Check> [[nodiscard]] QString readChecked(double& value, Check check) const {
        if (QString problem = readNumber(value); !problem.isEmpty()) {
            return problem;
        }
        return refusal(check(value));
    }
    /** A whole number that `check` accepts. */
    template <typename Check>
    [[nodiscard]] QString readCheckedWhole(int& value, Check check) const {
        if (QString problem = readWhole(value); !problem.isEmpty()) {
            return problem;
        }
        return refusal(check(value));
    }
    /** A finite number from `low` to `high`. */
    [[nodiscard]] QString readNumberIn(double& value, double low, double high) const;
    /** A whole number from `low` to `high`. */
    [[nodiscard]] QString readWholeIn(int& value, int low, int high) const;
    /**
     * One to `most` comma-separated numbers from `low` to `high`, each at least the one before,
     * and 0 only as the first (a 0 after it would mark an absent constant): the main diagram's
     * pKa values.
     */
    [[nodiscard]] QString readConstants(std::vector<double>& values, int most, double low,
                                        double high) const;
    /** The value as text, refused when its bytes are not UTF-8, which no text could keep. */
    [[nodiscard]] QString readText(QString& text) const;

    /** "--conc: 20 must be from 1e-10 to 10 mol/L", or "" when `problem` is none. */
    [[nodiscard]] QString refusal(const model::Problem& problem) const;
    /** "--pka: needs 1 to 6 values": a problem of the values as a whole, or "". */
    [[nodiscard]] static QString refusal(const QString& name, const model::Problem& problem);

    /** The refusal of an option given more than once; `name` without its dashes. */
    [[nodiscard]] static QString givenTwice(const QString& name);
    /** The refusal of an option given without --export; `name` with its dashes. */
    [[nodiscard]] static QString onlyWithExport(const QString& name);

private:
    /** "--step: 2 is out of range (0.001 to 1)". */
    [[nodiscard]] QString outOfRange(double low, double high) const;

    QString m_name;
    QByteArray m_bytes;
};

} // namespace velmora::app
