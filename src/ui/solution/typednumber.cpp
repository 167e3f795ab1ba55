// SPDX-License-Identifier: GPL-3.0-or-later
#include "typednumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace velmora::ui {

namespace {

constexpr char16_t kArabicDecimalSeparator = u'\u066B';
constexpr char16_t kArabicGroupSeparator = u'\u066C';
constexpr char16_t kMinusSign = u'\u2212';

/** The digit `c` stands for in any of the digit sets a user may type, or -1. */
int digitOf(QChar c) {
    const char16_t code = c.unicode();
    if (code >= u'0' && code <= u'9') {
        return code - u'0';
    }
    if (code >= u'\u0660' && code <= u'\u0669') {
        return code - u'\u0660';
    }
    if (code >= u'\u06F0' && code <= u'\u06F9') {
        return code - u'\u06F0';
    }
    return -1;
}

/** Marks of writing direction that a right-to-left locale puts around numbers and signs. */
bool isDirectionMark(QChar c) {
    const char16_t code = c.unicode();
    return code == u'\u061C' || code == u'\u200E' || code == u'\u200F' ||
           (code >= u'\u202A' && code <= u'\u202E') || (code >= u'\u2066' && code <= u'\u2069');
}

/** The locale's own decimal separator or group separator as one character, or none. */
QChar single(const QString& text) {
    return text.size() == 1 ? text.front() : QChar();
}

} // namespace

QChar shownDecimalSeparator(const QLocale& locale) {
    const QChar decimal = single(locale.decimalPoint());
    if (locale.zeroDigit() != QStringLiteral("0") || decimal.isNull()) {
        return u'.';
    }
    return decimal;
}

QString shownNumber(QString text, const QLocale& locale) {
    return text.replace(u'.', shownDecimalSeparator(locale));
}

QString shownNumber(double value, int decimals, const QLocale& locale) {
    QString text = QString::number(value, 'f', decimals);
    // A value that rounds to zero is shown without a sign.
    if (text.startsWith(u'-') && text.mid(1).toDouble() == 0.0) {
        text.remove(0, 1);
    }
    return shownNumber(text, locale);
}

TypedNumber TypedNumber::read(const QString& typed, const QLocale& locale) {
    const auto refused = [](const QString& why) { return TypedNumber{std::nullopt, why}; };
    const QChar localeDecimal = single(locale.decimalPoint());
    const QChar localeGroup = single(locale.groupSeparator());

    // The text in one digit set, without direction marks; blanks count only inside the number.
    QString text;
    for (const QChar c : typed) {
        if (isDirectionMark(c)) {
            continue;
        }
        if (const int digit = digitOf(c); digit >= 0) {
            text += QChar(u'0' + digit);
        } else if (c == kMinusSign) {
            text += u'-';
        } else {
            text += c;
        }
    }
    text = text.trimmed();
    if (text.isEmpty()) {
        return refused(tr("is empty"));
    }

    std::string number; // the number as the C library reads it
    qsizetype at = 0;
    if (text[at] == u'+' || text[at] == u'-') {
        if (text[at] == u'-') {
            number += '-';
        }
        ++at;
    }
    QString whole;
    QString fraction;
    int separators = 0;
    QChar separator;
    bool blankInside = false;
    for (; at < text.size() && text[at] != u'e' && text[at] != u'E'; ++at) {
        const QChar c = text[at];
        if (c >= u'0' && c <= u'9') {
            (separators == 0 ? whole : fraction) += c;
        } else if (c == u'.' || c == u',' || c == kArabicDecimalSeparator ||
                   c == kArabicGroupSeparator || c == localeGroup) {
            ++separators;
            separator = c;
        } else if (c.isSpace()) {
            blankInside = true;
        } else {
            return refused(tr("is not a number"));
        }
    }
    if (whole.isEmpty() && fraction.isEmpty()) {
        return refused(tr("is not a number"));
    }
    if (!blankInside && separators == 1 && separator == u',' && localeDecimal != u',') {
        return refused(tr("write decimals with a point"));
    }
    if (blankInside || separators > 1 || separator == kArabicGroupSeparator ||
        (separators == 1 && separator == localeGroup && separator != u'.' &&
         separator != localeDecimal)) {
        return refused(tr("write the number without group separators or blanks"));
    }
    const bool exponent = at < text.size();
    // One to three digits, a point and three digits: a thousand where the point groups them.
    if (separators == 1 && separator == u'.' && localeGroup == u'.' && !exponent &&
        whole.size() <= 3 && !whole.isEmpty() && whole.front() != u'0' && fraction.size() == 3) {
        return refused(
            tr("is ambiguous: write %1 or %2")
                .arg(whole + fraction, whole + shownDecimalSeparator(locale) + fraction));
    }
    number += (whole.isEmpty() ? QStringLiteral("0") : whole).toStdString();
    if (!fraction.isEmpty()) {
        number += '.' + fraction.toStdString();
    }
    if (exponent) {
        ++at;
        number += 'e';
        if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
            number += text[at] == u'-' ? '-' : '+';
            ++at;
        }
        const QString digits = text.mid(at);
        if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(),
                                             [](QChar c) { return c >= u'0' && c <= u'9'; })) {
            return refused(tr("is not a number"));
        }
        number += digits.toStdString();
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small to hold is as good as zero; too large is no number the program can use.
        if (number.find("e-") == std::string::npos) {
            return refused(tr("is too large"));
        }
        value = 0.0;
    } else if (error != std::errc() || end != number.data() + number.size()) {
        return refused(tr("is not a number"));
    }
    if (!std::isfinite(value)) {
        return refused(tr("is too large"));
    }
    return {value, {}};
}

} // namespace velmora::ui
