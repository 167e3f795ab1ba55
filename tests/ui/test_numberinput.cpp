// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the user writes them in the solution window's fields and pKa boxes, in German,
// French, Spanish, Arabic and the C locale: read as meant or refused with a reason, shown in one
// convention, and while a field is refused the drawings keep the values from before its edit,
// marked as not current.

#include "testsupport.h"

#include "ui/solution/numberfield.h"
#include "ui/solution/solutionpanel.h"
#include "ui/solution/solutionwindow.h"
#include "ui/solution/speciestext.h"
#include "ui/solution/typednumber.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSlider>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace velmora;
using namespace velmora::ui;

namespace {

/** Types `text` key by key over everything `edit` held, as a user does, any character. */
void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

constexpr double kRefused = std::numeric_limits<double>::quiet_NaN();

QLineEdit* editorOf(QDoubleSpinBox* box) {
    return box->findChild<QLineEdit*>();
}

/** Whether `text` has only Latin digits, `decimal`, a sign and an exponent's "e". */
bool inConvention(const QString& text, QChar decimal) {
    for (const QChar c : text) {
        const bool allowed = (c >= u'0' && c <= u'9') || c == decimal || c == u'-' || c == u'e';
        if (!allowed) {
            return false;
        }
    }
    return !text.isEmpty();
}

} // namespace

class TestNumberInput : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void fieldsReadAsTheUserWrites_data();
    void fieldsReadAsTheUserWrites();
    void pKaBoxesReadAsTheUserWrites_data();
    void pKaBoxesReadAsTheUserWrites();
    void chargeReadAsTheUserWrites_data();
    void chargeReadAsTheUserWrites();
    void passingThroughAPkaBoxChangesNothing_data();
    void passingThroughAPkaBoxChangesNothing();
    void oneConventionThroughout_data();
    void oneConventionThroughout();
    void drawingsKeepTheValuesFromBeforeTheEdit_data();
    void drawingsKeepTheValuesFromBeforeTheEdit();
    void panelSaysWhatTheCommandLineCan_data();
    void panelSaysWhatTheCommandLineCan();

private:
    QTemporaryDir m_config;
};

void TestNumberInput::initTestCase() {
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

void TestNumberInput::init() {
    // Every window starts from the defaults, not from what the one before remembered.
    QFile::remove(solutionSettingsFile());
}

void TestNumberInput::fieldsReadAsTheUserWrites_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value"); // kRefused: refused with a reason

    const auto row = [](const char* locale, const QString& typed, double value) {
        QTest::addRow("%s %s", locale, qPrintable(typed))
            << QString::fromLatin1(locale) << typed << value;
    };
    row("de_DE", QStringLiteral("2,5"), 2.5);
    row("de_DE", QStringLiteral("2.5"), 2.5); // never 25
    row("de_DE", QStringLiteral(" +2,5 "), 2.5);
    row("de_DE", QStringLiteral("1,5e1"), 15.0);
    row("de_DE", QStringLiteral("1E2"), 100.0);
    row("de_DE", QStringLiteral("0.250"), 0.25);     // no thousands start with 0
    row("de_DE", QStringLiteral("1.000"), kRefused); // a thousand or one
    row("de_DE", QStringLiteral("1.000,5"), kRefused);
    row("de_DE", QStringLiteral("2,5,1"), kRefused);
    row("de_DE", QStringLiteral("1 000"), kRefused);
    row("de_DE", QStringLiteral("1e999"), kRefused);
    row("de_DE", QStringLiteral("2,5 mL"), kRefused);
    row("de_DE", QStringLiteral("e5"), kRefused);
    row("de_DE", QStringLiteral("1e"), kRefused);
    row("de_DE", QString(), kRefused);
    row("fr_FR", QStringLiteral("2,5"), 2.5);
    row("fr_FR", QStringLiteral("2.5"), 2.5);
    row("fr_FR", QStringLiteral("1.000"), 1.0); // the point is no group separator in French
    row("fr_FR", QStringLiteral("1\u202F000"), kRefused);
    row("fr_FR", QStringLiteral("1\u00A0000"), kRefused);
    row("es_ES", QStringLiteral("7,25"), 7.25);
    row("es_ES", QStringLiteral("7.25"), 7.25);
    row("es_ES", QStringLiteral("1.000"), kRefused);
    row("ar_EG", QStringLiteral("٢٫٥"), 2.5);
    row("ar_EG", QStringLiteral("٢٥"), 25.0);
    row("ar_EG", QStringLiteral("2.5"), 2.5);
    row("ar_EG", QStringLiteral("۲.۵"), 2.5);
    row("ar_EG", QStringLiteral("2,5"), kRefused);
    row("ar_EG", QStringLiteral("١٬٠٠٠"), kRefused);
    row("C", QStringLiteral("2.5"), 2.5);
    row("C", QStringLiteral("+1e1"), 10.0);
    row("C", QStringLiteral("2,5"), kRefused);
    row("C", QStringLiteral("1,000"), kRefused);
    row("C", QStringLiteral("\u22122"), kRefused); // a minus sign: a volume below zero
}

void TestNumberInput::fieldsReadAsTheUserWrites() {
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(double, value);
    SolutionPanel panel;
    panel.setLocale(QLocale(locale));
    panel.show();
    NumberField* field = panel.volumeField();
    typeInto(field, typed);
    if (std::isnan(value)) {
        // Refused aloud, and the start volume from before the edit stays.
        QCOMPARE(panel.inputs().titration.sampleVolume, 25.0);
        QVERIFY(field->problemLabel()->isVisible());
        QVERIFY(!field->problemLabel()->text().isEmpty());
        QCOMPARE(field->accessibleDescription(), field->problemLabel()->text());
        QVERIFY(!field->value());
    } else {
        QCOMPARE(panel.inputs().titration.sampleVolume, value);
        QVERIFY(!field->problemLabel()->isVisible());
        QCOMPARE(field->value(), std::optional<double>(value));
    }
}

void TestNumberInput::pKaBoxesReadAsTheUserWrites_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");  // kRefused: refused with a reason
    QTest::addColumn<QString>("shown"); // the box's text after Enter

    QTest::newRow("de point") << "de_DE"
                              << "2.5" << 2.5 << "2,50";
    QTest::newRow("de comma") << "de_DE"
                              << "2,5" << 2.5 << "2,50";
    QTest::newRow("de plus, blanks") << "de_DE"
                                     << " +3,25" << 3.25 << "3,25";
    QTest::newRow("de exponent") << "de_DE"
                                 << "1e1" << 10.0 << "10,00";
    QTest::newRow("de three decimals") << "de_DE"
                                       << "2,555" << kRefused << "4,76";
    QTest::newRow("de out of range") << "de_DE"
                                     << "30" << kRefused << "4,76";
    QTest::newRow("de no number") << "de_DE"
                                  << "abc" << kRefused << "4,76";
    QTest::newRow("de groups") << "de_DE"
                               << "1.000" << kRefused << "4,76";
    QTest::newRow("fr comma") << "fr_FR"
                              << "3,25" << 3.25 << "3,25";
    QTest::newRow("es point") << "es_ES"
                              << "3.25" << 3.25 << "3,25";
    QTest::newRow("ar Arabic-Indic") << "ar_EG"
                                     << "٢٫٥" << 2.5 << "2.50";
    QTest::newRow("ar Latin") << "ar_EG"
                              << "9.25" << 9.25 << "9.25";
    QTest::newRow("C point") << "C"
                             << "2.5" << 2.5 << "2.50";
    QTest::newRow("C comma") << "C"
                             << "2,5" << kRefused << "4.76";
}

void TestNumberInput::chargeReadAsTheUserWrites_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("charge");
    QTest::newRow("ar Arabic-Indic") << "ar_EG"
                                     << "٢" << 2;
    QTest::newRow("de plus") << "de_DE"
                             << "+3" << 3;
    QTest::newRow("C minus") << "C"
                             << "-2" << -2;
}

void TestNumberInput::chargeReadAsTheUserWrites() {
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(int, charge);
    SolutionPanel panel;
    panel.setLocale(QLocale(locale));
    panel.show();
    typeInto(panel.chargeBox()->findChild<QLineEdit*>(), typed);
    QCOMPARE(panel.inputs().acid.charge(), charge);
}

void TestNumberInput::pKaBoxesReadAsTheUserWrites() {
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(double, value);
    QFETCH(QString, shown);
    SolutionPanel panel;
    panel.setLocale(QLocale(locale));
    panel.show();
    QLineEdit* editor = editorOf(panel.pKaBox(0));
    typeInto(editor, typed);
    const std::vector<double> drawn = panel.inputs().acid.exponents();
    if (std::isnan(value)) {
        QCOMPARE(drawn, std::vector<double>{4.76});
        QVERIFY(panel.constantsProblem()->isVisible());
        QVERIFY(!panel.constantsProblem()->text().isEmpty());
    } else {
        QCOMPARE(drawn, std::vector<double>{value});
        QVERIFY(!panel.constantsProblem()->isVisible());
    }
    // Enter: the box shows what is drawn, in the window's convention, and no problem is left.
    QTest::keyClick(panel.pKaBox(0), Qt::Key_Return);
    QCOMPARE(editor->text(), shown);
    QCOMPARE(panel.inputs().acid.exponents(),
             std::vector<double>{std::isnan(value) ? 4.76 : value});
    QVERIFY(!panel.constantsProblem()->isVisible());
}

void TestNumberInput::passingThroughAPkaBoxChangesNothing_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("key");
    // The main window's bars give tenths in single precision: 2.0999999 is shown as 2.10.
    QTest::newRow("de, Enter") << "de_DE" << int(Qt::Key_Return);
    QTest::newRow("C, Tab") << "C" << int(Qt::Key_Tab);
}

void TestNumberInput::passingThroughAPkaBoxChangesNothing() {
    QFETCH(QString, locale);
    QFETCH(int, key);
    const model::PolyproticAcid main(
        std::vector<double>{static_cast<double>(2.1f), static_cast<double>(7.2f)});
    SolutionWindow window([&main] { return main; });
    window.setLocale(QLocale(locale));
    window.show();
    QVERIFY(window.following());
    QDoubleSpinBox* box = window.panel().pKaBox(0);
    box->setFocus();
    QTest::keyClick(box, static_cast<Qt::Key>(key));
    QVERIFY(window.following());
    QCOMPARE(window.request().acid, main);
}

void TestNumberInput::oneConventionThroughout_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QChar>("decimal");
    QTest::newRow("de") << "de_DE" << QChar(u',');
    QTest::newRow("fr") << "fr_FR" << QChar(u',');
    QTest::newRow("es") << "es_ES" << QChar(u',');
    QTest::newRow("ar") << "ar_EG" << QChar(u'.');
    QTest::newRow("C") << "C" << QChar(u'.');
}

void TestNumberInput::oneConventionThroughout() {
    QFETCH(QString, locale);
    QFETCH(QChar, decimal);
    QLocale::setDefault(QLocale(locale));
    SolutionPanel panel;
    QLocale::setDefault(QLocale::c());
    SolutionInputs inputs;
    inputs.solution.concentration = 0.025;
    inputs.solution.strongAcid = 1.5e-5;
    inputs.titration.titrantConcentration = 0.1;
    inputs.titration.sampleVolume = 12.5;
    inputs.titration.endVolume = 40.5;
    inputs.acid = model::PolyproticAcid(std::vector<double>{2.15, 7.2}, -1);
    panel.setInputs(inputs);
    QCOMPARE(panel.chargeBox()->findChild<QLineEdit*>()->text(), QStringLiteral("-1"));
    const QStringList texts{editorOf(panel.pKaBox(0))->text(),  editorOf(panel.pKaBox(1))->text(),
                            panel.concentrationField()->text(), panel.strongAcidField()->text(),
                            panel.titrantField()->text(),       panel.volumeField()->text(),
                            panel.endVolumeField()->text()};
    const QStringList expected{"2.15", "7.20", "0.025", "1.5e-5", "0.1", "12.5", "40.5"};
    for (qsizetype i = 0; i < texts.size(); ++i) {
        QVERIFY2(inConvention(texts[i], decimal), qPrintable(texts[i]));
        QCOMPARE(texts[i], QString(expected[i]).replace(u'.', decimal));
    }
    // Every shown text reads back to its value.
    QCOMPARE(panel.volumeField()->value(), std::optional<double>(12.5));
    QCOMPARE(panel.strongAcidField()->value(), std::optional<double>(1.5e-5));
    // The line under the drawings writes its numbers the same way.
    QLocale::setDefault(QLocale(locale));
    const model::SolutionState state = model::solveSolution(inputs.acid, inputs.solution);
    const QString line = solutionLine(inputs.acid, inputs.solution, state);
    QLocale::setDefault(QLocale::c());
    const QString start = QStringLiteral("0.025 mol/L").replace(u'.', decimal);
    QVERIFY2(line.startsWith(start), qPrintable(line));
    QVERIFY2(line.contains(QStringLiteral("pH %1").arg(shownNumber(state.pH, 2, QLocale(locale)))),
             qPrintable(line));
    const QString other = decimal == u'.' ? QStringLiteral(",") : QStringLiteral("\\.");
    QVERIFY2(!line.contains(QRegularExpression(QStringLiteral("\\d%1\\d").arg(other))),
             qPrintable(line));
}

void TestNumberInput::drawingsKeepTheValuesFromBeforeTheEdit_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("field"); // conc, volume, end or pKa
    QTest::addColumn<QString>("typed"); // typed key by key
    QTest::addColumn<QString>("shown"); // said over the drawings

    QTest::newRow("de, 1 on the way to 1e999") << "de_DE"
                                               << "conc"
                                               << "1e999"
                                               << "0,1 mol/L";
    QTest::newRow("C, 1 on the way to 1e999") << "C"
                                              << "conc"
                                              << "1e999"
                                              << "0.1 mol/L";
    QTest::newRow("fr, a start volume too small") << "fr_FR"
                                                  << "volume"
                                                  << "0,05"
                                                  << "start volume 25 mL";
    QTest::newRow("es, an end of no volume") << "es_ES"
                                             << "end"
                                             << "0"
                                             << "end volume automatic";
    QTest::newRow("de, a pKa that is no number") << "de_DE"
                                                 << "pKa"
                                                 << "4,7x"
                                                 << "pKa 4,76";
}

void TestNumberInput::drawingsKeepTheValuesFromBeforeTheEdit() {
    QFETCH(QString, locale);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    SolutionWindow window;
    window.setLocale(QLocale(locale));
    window.show();
    SolutionPanel& panel = window.panel();
    // What was drawn before the edit; the edit starts from a finished value.
    const charts::ChartRequest before = window.request();
    auto* notCurrent = window.findChild<QLabel*>(QStringLiteral("notCurrent"));
    QVERIFY(notCurrent != nullptr);
    QVERIFY(!notCurrent->isVisible());

    QLineEdit* editor = field == u"conc"     ? panel.concentrationField()
                        : field == u"volume" ? panel.volumeField()
                        : field == u"end"    ? panel.endVolumeField()
                                             : editorOf(panel.pKaBox(0));
    typeInto(editor, typed);
    // Nothing typed on the way is left drawn: the request is the one from before the edit.
    QCOMPARE(window.request().acid, before.acid);
    QCOMPARE(window.request().solution, before.solution);
    QCOMPARE(window.request().titration, before.titration);
    QVERIFY(notCurrent->isVisible());
    QVERIFY2(notCurrent->text().contains(shown), qPrintable(notCurrent->text()));
    // The slider stands at the concentration drawn.
    QCOMPARE(panel.concentrationSlider()->value(),
             concentrationPosition(window.request().solution.concentration));

    // Mended: drawn at once, the mark gone.
    typeInto(editor,
             field == u"pKa" || field == u"conc" ? QStringLiteral("5e-1") : QStringLiteral("40"));
    QVERIFY(!notCurrent->isVisible());
    QVERIFY(!(window.request().acid == before.acid &&
              window.request().solution == before.solution &&
              window.request().titration == before.titration));
}

void TestNumberInput::panelSaysWhatTheCommandLineCan_data() {
    QTest::addColumn<QString>("field"); // acid, base or end
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value"); // kRefused: refused by the model's check
    QTest::newRow("strong acid") << "acid"
                                 << "0.01" << 0.01;
    QTest::newRow("strong acid none") << "acid"
                                      << "0" << 0.0;
    QTest::newRow("strong acid above 10") << "acid"
                                          << "10.5" << kRefused;
    QTest::newRow("strong base") << "base"
                                 << "2e-3" << 2e-3;
    QTest::newRow("strong base below 0") << "base"
                                         << "-0.1" << kRefused;
    QTest::newRow("end volume") << "end"
                                << "40" << 40.0;
    QTest::newRow("end volume emptied: automatic") << "end"
                                                   << "" << 0.0;
    QTest::newRow("end volume 0 typed") << "end"
                                        << "0" << kRefused;
    QTest::newRow("end volume past its top") << "end"
                                             << "200000" << kRefused;
}

void TestNumberInput::panelSaysWhatTheCommandLineCan() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(double, value);
    SolutionWindow window;
    window.show();
    SolutionPanel& panel = window.panel();
    // The end volume starts at a value of its own, so that emptying it is an edit.
    SolutionInputs start = panel.inputs();
    start.titration.endVolume = 30.0;
    panel.setInputs(start);
    const auto drawn = [&window, &field] {
        const charts::ChartRequest request = window.request();
        return field == u"acid"   ? request.solution.strongAcid
               : field == u"base" ? request.solution.strongBase
                                  : request.titration.endVolume;
    };
    const double before = drawn();
    NumberField* edit = field == u"acid"   ? panel.strongAcidField()
                        : field == u"base" ? panel.strongBaseField()
                                           : panel.endVolumeField();
    QVERIFY(!edit->accessibleName().isEmpty());
    typeInto(edit, typed);
    QCOMPARE(drawn(), std::isnan(value) ? before : value);
    QCOMPARE(edit->problemLabel()->isVisible(), std::isnan(value));
    // Remembered with the other inputs.
    window.saveSettings();
    SolutionWindow again;
    const SolutionInputs remembered = again.panel().inputs();
    QCOMPARE(field == u"acid"   ? remembered.solution.strongAcid
             : field == u"base" ? remembered.solution.strongBase
                                : remembered.titration.endVolume,
             drawn());
}

QTEST_MAIN(TestNumberInput)
#include "test_numberinput.moc"
