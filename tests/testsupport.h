// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the test executables: number comparison with a tolerance, the label runs of
// a drawing, the screen's scale factor, and, for window tests, catching what is handed to the
// desktop and answering message boxes.
#pragma once

#include <QSignalSpy>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <vector>

#ifdef QT_WIDGETS_LIB
#include <QApplication>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <initializer_list>
#endif

namespace velmora::test {

/**
 * True when `actual` is within `relative` of `expected`, measured against the larger magnitude;
 * `absolute` is a floor for values that should be (nearly) zero.
 */
inline bool closeTo(double actual, double expected, double relative, double absolute = 0.0) {
    if (!std::isfinite(actual) || !std::isfinite(expected)) {
        return actual == expected;
    }
    const double diff = std::abs(actual - expected);
    return diff <= absolute || diff <= relative * std::max(std::abs(actual), std::abs(expected));
}

/**
 * The pH where a charge balance that falls with the pH crosses zero, by plain bisection from pH
 * −2 to 16: the tests' own root finder, independent of the program's.
 */
template <typename Balance> double bisectedPh(const Balance& balance) {
    double low = -2.0;
    double high = 16.0;
    for (int i = 0; i < 200; ++i) {
        const double middle = 0.5 * (low + high);
        (balance(middle) > 0.0 ? low : high) = middle;
    }
    return 0.5 * (low + high);
}

inline QString describeClose(double actual, double expected, double relative) {
    return QStringLiteral("actual %1, expected %2 (relative tolerance %3)")
        .arg(actual, 0, 'g', 17)
        .arg(expected, 0, 'g', 17)
        .arg(relative, 0, 'g', 3);
}

/**
 * The texts of the printed pieces (diagram::PrintedText) joined into runs, split where the colour
 * changes: one run per species label, as the diagram prints each label in its species' colour.
 */
template <class Piece> QStringList labelRuns(const std::vector<Piece>& printed) {
    QStringList runs;
    decltype(Piece::colour) colour{};
    for (const Piece& piece : printed) {
        if (runs.isEmpty() || piece.colour != colour) {
            runs << QString();
            colour = piece.colour;
        }
        runs.last() += piece.text;
    }
    return runs;
}

/** The first argument of the last signal a spy caught. */
template <class T> T lastArgument(const QSignalSpy& spy) {
    return spy.last().at(0).template value<T>();
}

/** The device pixel ratio the test runs at: QT_SCALE_FACTOR where it is set, else 1. */
inline qreal scaleFactor() {
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
               ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
               : 1.0;
}

#ifdef QT_WIDGETS_LIB

/** Types `text` into a line edit key by key, replacing what it held. */
inline void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

/** Pastes `text` over everything a line edit held: one edit by the user. */
inline void pasteInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    edit->insert(text);
}

/** Catches every address handed to the desktop in its schemes instead of opening it. */
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    explicit UrlCatcher(std::initializer_list<const char*> schemes) {
        for (const char* scheme : schemes) {
            m_schemes << QString::fromLatin1(scheme);
            QDesktopServices::setUrlHandler(m_schemes.last(), this, "take");
        }
    }
    ~UrlCatcher() override {
        for (const QString& scheme : m_schemes) {
            QDesktopServices::unsetUrlHandler(scheme);
        }
    }
    QList<QUrl> urls;
public slots:
    void take(const QUrl& url) { urls.append(url); }

private:
    QStringList m_schemes;
};

/**
 * Answers every message box as soon as it shows, recording its text, so that a message cannot
 * block a test in the box's own event loop.
 */
class MessageWatcher {
public:
    MessageWatcher() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(w); box != nullptr && box->isVisible()) {
                    messages.append(box->text());
                    box->accept();
                }
            }
        });
        m_timer.start(10);
    }
    QStringList messages;

private:
    QTimer m_timer;
};

/** Runs `action` and answers every message box it shows; returns their texts. */
inline QStringList messagesDuring(const std::function<void()>& action) {
    const MessageWatcher watcher;
    action();
    return watcher.messages;
}

#endif

} // namespace velmora::test

/** Compares two numbers with a relative tolerance (and an optional absolute floor). */
#define VELMORA_COMPARE_REL(actual, expected, relative, ...)                                       \
    do {                                                                                           \
        const double velmoraActual_ = (actual);                                                    \
        const double velmoraExpected_ = (expected);                                                \
        QVERIFY2(::velmora::test::closeTo(velmoraActual_, velmoraExpected_,                        \
                                          (relative)__VA_OPT__(, ) __VA_ARGS__),                   \
                 qPrintable(::velmora::test::describeClose(velmoraActual_, velmoraExpected_,       \
                                                           (relative))));                          \
    } while (false)
