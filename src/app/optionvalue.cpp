// SPDX-License-Identifier: GPL-3.0-or-later
#include "optionvalue.h"

#include "io/shownname.h"
#include "language/modeltexts.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

#include <cmath>
#include <utility>

namespace velmora::app {

QByteArray trimmedValue(const QByteArray& bytes) {
    // White space is always valid UTF-8 and a byte that is not becomes U+FFFD, which is none:
    // the blanks at the ends of the text are exactly those at the ends of the bytes.
    const QString text = QString::fromUtf8(bytes);
    qsizetype front = 0;
    while (front < text.size() && text[front].isSpace()) {
        ++front;
    }
    qsizetype back = text.size();
    while (back > front && text[back - 1].isSpace()) {
        --back;
    }
    const qsizetype head = text.left(front).toUtf8().size();
    const qsizetype tail = text.mid(back).toUtf8().size();
    return bytes.mid(head, bytes.size() - head - tail);
}

bool readFinite(const QByteArray& bytes, double& value) {
    bool ok = false;
    value = QString::fromUtf8(bytes).trimmed().toDouble(&ok);
    return ok && std::isfinite(value);
}

bool readInteger(const QByteArray& bytes, int& value) {
    bool ok = false;
    value = QString::fromUtf8(bytes).trimmed().toInt(&ok);
    return ok;
}

OptionValue::OptionValue(const QCommandLineParser& parser, const QCommandLineOption& option)
    : OptionValue(QStringLiteral("--") + option.names().constFirst(),
                  parser.value(option).toLatin1()) {}

OptionValue::OptionValue(QString name, QByteArray bytes)
    : m_name(std::move(name)), m_bytes(std::move(bytes)) {}

QString OptionValue::shown() const {
    return io::shownName(trimmedValue(m_bytes));
}

QString OptionValue::readNumber(double& value) const {
    if (!readFinite(m_bytes, value)) {
        return tr("%1: '%2' is not a number").arg(m_name, shown());
    }
    return {};
}

QString OptionValue::readNumbers(std::vector<double>& values) const {
    values.clear();
    for (const QByteArray& part : m_bytes.split(',')) {
        double value = 0.0;
        if (QString problem = OptionValue(m_name, part).readNumber(value); !problem.isEmpty()) {
            return problem;
        }
        values.push_back(value);
    }
    return {};
}

QString OptionValue::readWhole(int& value) const {
    if (!readInteger(m_bytes, value)) {
        return tr("%1: '%2' is not a whole number").arg(m_name, shown());
    }
    return {};
}

QString OptionValue::readNumberIn(double& value, double low, double high) const {
    if (QString problem = readNumber(value); !problem.isEmpty()) {
        return problem;
    }
    return value < low || value > high ? outOfRange(low, high) : QString();
}

QString OptionValue::readWholeIn(int& value, int low, int high) const {
    if (!readInteger(m_bytes, value) || value < low || value > high) {
        //: %1 is the option, %2 the value given, %3 and %4 the least and the greatest allowed.
        return tr("%1: '%2' is not a whole number from %3 to %4")
            .arg(m_name, shown())
            .arg(low)
            .arg(high);
    }
    return {};
}

QString OptionValue::readConstants(std::vector<double>& values, int most, double low,
                                   double high) const {
    values.clear();
    const QByteArrayList parts = m_bytes.split(',');
    if (parts.size() > most) {
        return tr("%1: at most %2 values, got %3").arg(m_name).arg(most).arg(parts.size());
    }
    for (const QByteArray& part : parts) {
        const OptionValue one(m_name, part);
        double value = 0.0;
        if (QString problem = one.readNumberIn(value, low, high); !problem.isEmpty()) {
            return problem;
        }
        if (!values.empty() && value == 0.0) {
            //: %2 counts the values from 1.
            return tr("%1: value %2 is 0, which marks an absent constant")
                .arg(m_name)
                .arg(values.size() + 1);
        }
        if (!values.empty() && value < values.back()) {
            return tr("%1: values must not decrease (%2 after %3)")
                .arg(m_name, one.shown(), OptionValue(m_name, parts[values.size() - 1]).shown());
        }
        values.push_back(value);
    }
    return {};
}

QString OptionValue::readText(QString& text) const {
    text = QString::fromUtf8(m_bytes);
    if (text.toUtf8() != m_bytes) {
        return tr("%1: '%2' is not UTF-8 text").arg(m_name, shown());
    }
    return {};
}

QString OptionValue::outOfRange(double low, double high) const {
    //: %1 is the option, %2 the value given, %3 and %4 the least and the greatest allowed.
    return tr("%1: %2 is out of range (%3 to %4)")
        .arg(m_name, shown(), QString::number(low, 'g', 6), QString::number(high, 'g', 6));
}

QString OptionValue::refusal(const model::Problem& problem) const {
    if (problem.empty()) {
        return {};
    }
    //: A value out of range: %1 is the option, %2 the value given, %3 the problem with it.
    return tr("%1: %2 %3").arg(m_name, shown(), language::problemText(problem));
}

QString OptionValue::refusal(const QString& name, const model::Problem& problem) {
    return problem.empty() ? QString()
                           : name + QStringLiteral(": ") + language::problemText(problem);
}

QString OptionValue::givenTwice(const QString& name) {
    return tr("--%1 is given more than once").arg(name);
}

QString OptionValue::onlyWithExport(const QString& name) {
    return tr("%1 is only used with --export").arg(name);
}

} // namespace velmora::app
