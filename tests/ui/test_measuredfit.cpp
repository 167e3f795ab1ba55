// SPDX-License-Identifier: GPL-3.0-or-later
// What the solution window offers to fit to measured data, how a fit goes back into its fields,
// and the lines a fit is copied as: without a widget.

#include "testsupport.h"

#include "ui/solution/measuredfit.h"
#include "ui/solution/substancelist.h"

#include "model/fitreport.h"
#include "model/substances.h"

#include <QtTest>

using namespace velmora;
using namespace velmora::ui;
using velmora::test::closeTo;

namespace {

using Quantity = model::FitQuantity;

/** One parameter as a short text: "c0", "k0.2" (system 0, constant 2), "c-1", "t", "o". */
QString parameterText(const model::FitParameter& parameter) {
    switch (parameter.quantity) {
    case Quantity::Concentration:
        return QStringLiteral("c%1").arg(parameter.system);
    case Quantity::Constant:
        return QStringLiteral("k%1.%2").arg(parameter.system).arg(parameter.constant);
    case Quantity::TitrantConcentration:
        return QStringLiteral("t");
    case Quantity::PhOffset:
        return QStringLiteral("o");
    }
    return {};
}

SolutionInputs acidInputs(std::vector<double> pKa, double concentration) {
    SolutionInputs inputs;
    inputs.acid = model::PolyproticAcid(pKa);
    inputs.solution.concentration = concentration;
    inputs.titration = {25.0, model::Titrant::Base, 0.1, 0.0};
    return inputs;
}

ListedSubstance library(const char* key, double concentration) {
    ListedSubstance listed = listedFromLibrary(*model::findSubstance(key));
    listed.concentration = concentration;
    return listed;
}

/** The inputs of a named row of offers and of fits carried back. */
SolutionInputs rowInputs(const QString& row) {
    SolutionInputs inputs = acidInputs({4.76}, 0.1);
    if (row == u"phosphoric with a strong acid") {
        inputs = acidInputs({2.15, 7.2, 12.35}, 0.05);
        inputs.solution.strongAcid = 0.01;
    } else if (row == u"strong base field") {
        inputs.solution.strongBase = 0.02;
    } else if (row == u"library acid and typed base listed") {
        ListedSubstance base = typedSubstance(true);
        base.typed.pK = {4.75};
        base.concentration = 0.03;
        inputs.substances = {library("acetic", 0.04), base};
    } else if (row == u"salt listed") {
        inputs.substances = {library("sodium-acetate", 0.05)};
    } else if (row == u"strong acid listed beside the field") {
        inputs.solution.strongAcid = 0.01;
        inputs.substances = {library("hydrochloric", 0.02)};
    }
    return inputs;
}

model::TitrationFit fitOf(std::vector<model::FittedValue> values) {
    model::TitrationFit fit;
    fit.values = std::move(values);
    fit.pointsUsed = 41;
    fit.residualDeviation = 0.00493;
    return fit;
}

} // namespace

class TestMeasuredFit : public QObject {
    Q_OBJECT

private slots:
    void offers_data();
    void offers();
    void fitCarriedIntoTheFields_data();
    void fitCarriedIntoTheFields();
    void fitRefused_data();
    void fitRefused();
    void roundedToTheError_data();
    void roundedToTheError();
    void reportLines();
};

void TestMeasuredFit::offers_data() {
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QList<double>>("starts");
    QTest::newRow("one acid") << QStringLiteral("c0 k0.1 t o") << QList<double>{0.1, 4.76, 0.1, 0};
    QTest::newRow("phosphoric with a strong acid")
        << QStringLiteral("c0 k0.1 k0.2 k0.3 c-1 t o")
        << QList<double>{0.05, 2.15, 7.2, 12.35, 0.01, 0.1, 0};
    QTest::newRow("strong base field")
        << QStringLiteral("c0 k0.1 c-1 t o") << QList<double>{0.1, 4.76, 0.02, 0.1, 0};
    // The library's acetic acid keeps its own constant; the typed base's is offered.
    QTest::newRow("library acid and typed base listed")
        << QStringLiteral("c0 k0.1 c1 c2 k2.1 t o")
        << QList<double>{0.1, 4.76, 0.04, 0.03, 4.75, 0.1, 0};
    // A salt's concentration would leave its sodium behind: not offered.
    QTest::newRow("salt listed") << QStringLiteral("c0 k0.1 t o")
                                 << QList<double>{0.1, 4.76, 0.1, 0};
    // The strong acid is the field's and the listed one's together: no field to carry it to.
    QTest::newRow("strong acid listed beside the field")
        << QStringLiteral("c0 k0.1 t o") << QList<double>{0.1, 4.76, 0.1, 0};
}

void TestMeasuredFit::offers() {
    QFETCH(QString, expected);
    QFETCH(QList<double>, starts);
    const std::vector<FitOffer> offers = fitOffers(rowInputs(QTest::currentDataTag()));
    QStringList shown;
    for (const FitOffer& offer : offers) {
        shown << parameterText(offer.parameter);
    }
    QCOMPARE(shown.join(u' '), expected);
    QCOMPARE(offers.size(), static_cast<std::size_t>(starts.size()));
    for (std::size_t i = 0; i < offers.size(); ++i) {
        QVERIFY2(closeTo(offers[i].start, starts[static_cast<int>(i)], 1e-12, 1e-15),
                 qPrintable(shown[static_cast<int>(i)]));
        QVERIFY(!offers[i].name.empty());
    }
}

void TestMeasuredFit::fitCarriedIntoTheFields_data() {
    QTest::addColumn<QString>("inputsRow");
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<double>("value");
    QTest::newRow("acid's concentration")
        << QStringLiteral("one acid") << QStringLiteral("c0") << 0.10012;
    QTest::newRow("acid's constant")
        << QStringLiteral("one acid") << QStringLiteral("k0.1") << 4.7598;
    QTest::newRow("middle constant")
        << QStringLiteral("phosphoric with a strong acid") << QStringLiteral("k0.2") << 7.03;
    QTest::newRow("strong acid") << QStringLiteral("phosphoric with a strong acid")
                                 << QStringLiteral("c-1") << 0.012;
    QTest::newRow("strong base") << QStringLiteral("strong base field") << QStringLiteral("c-1")
                                 << 0.018;
    QTest::newRow("listed acid's concentration")
        << QStringLiteral("library acid and typed base listed") << QStringLiteral("c1") << 0.041;
    QTest::newRow("typed base's constant")
        << QStringLiteral("library acid and typed base listed") << QStringLiteral("k2.1") << 4.9;
    QTest::newRow("titrant") << QStringLiteral("one acid") << QStringLiteral("t") << 0.0987;
    QTest::newRow("offset") << QStringLiteral("one acid") << QStringLiteral("o") << 0.03;
}

void TestMeasuredFit::fitCarriedIntoTheFields() {
    QFETCH(QString, inputsRow);
    QFETCH(QString, parameter);
    QFETCH(double, value);
    const SolutionInputs inputs = rowInputs(inputsRow);
    model::FitParameter chosen;
    for (const FitOffer& offer : fitOffers(inputs)) {
        if (parameterText(offer.parameter) == parameter) {
            chosen = offer.parameter;
        }
    }
    QCOMPARE(parameterText(chosen), parameter);
    SolutionInputs fitted;
    QVERIFY(inputsWithFit(inputs, fitOf({{chosen, value, 0.001}}), fitted).empty());

    // Exactly the one field changed, and the mixture has the fitted value where the fit put it.
    SolutionInputs expected = inputs;
    const model::Mixture mixture = mixtureOf(fitted);
    if (parameter == u"c0") {
        expected.solution.concentration = value;
    } else if (parameter == u"k0.1" || parameter == u"k0.2") {
        std::vector<double> pKa = inputs.acid.exponents();
        pKa[static_cast<std::size_t>(chosen.constant - 1)] = value;
        expected.acid = model::PolyproticAcid(pKa, inputs.acid.charge());
    } else if (parameter == u"c-1") {
        (inputs.solution.strongAcid > 0 ? expected.solution.strongAcid
                                        : expected.solution.strongBase) = value;
    } else if (parameter == u"c1") {
        expected.substances[0].concentration = value;
        QCOMPARE(mixture.systems.at(1).concentration, value);
    } else if (parameter == u"k2.1") {
        expected.substances[1].typed.pK = {value};
        QCOMPARE(mixture.systems.at(2).pK.at(0), value);
    } else if (parameter == u"t") {
        expected.titration.titrantConcentration = value;
    }
    QVERIFY(fitted == expected);
}

void TestMeasuredFit::fitRefused_data() {
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<double>("value");
    QTest::newRow("concentration past the field") << QStringLiteral("c0") << 20.0;
    QTest::newRow("negative titrant") << QStringLiteral("t") << -0.1;
    QTest::newRow("constants out of order") << QStringLiteral("k0.1") << 8.0;
    QTest::newRow("constant past the field") << QStringLiteral("k0.3") << 30.0;
    QTest::newRow("a system the solution has not") << QStringLiteral("c4") << 0.1;
}

void TestMeasuredFit::fitRefused() {
    QFETCH(QString, parameter);
    QFETCH(double, value);
    const SolutionInputs inputs = acidInputs({2.15, 7.2, 12.35}, 0.05);
    model::FitParameter chosen{Quantity::Concentration, 4, 0};
    for (const FitOffer& offer : fitOffers(inputs)) {
        if (parameterText(offer.parameter) == parameter) {
            chosen = offer.parameter;
        }
    }
    SolutionInputs fitted = acidInputs({3.0}, 0.2);
    const SolutionInputs before = fitted;
    QVERIFY(!inputsWithFit(inputs, fitOf({{chosen, value, 0.001}}), fitted).empty());
    QVERIFY(fitted == before);
}

void TestMeasuredFit::roundedToTheError_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("error");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one digit") << 0.1001234 << 0.0000812 << QStringLiteral("0.10012 ± 0.00008");
    QTest::newRow("two digits from 2") << 4.759812 << 0.00214 << QStringLiteral("4.7598 ± 0.0021");
    QTest::newRow("two digits from 1") << 0.100345 << 0.000412 << QStringLiteral("0.1003 ± 0.0004");
    QTest::newRow("first digit 3") << 0.01234 << 0.00312 << QStringLiteral("0.012 ± 0.003");
    // 0.0296 is written 0.030: its first digit is a 3, so one digit is kept.
    QTest::newRow("rounded up to a 3") << 1.23456 << 0.0296 << QStringLiteral("1.23 ± 0.03");
    QTest::newRow("rounded up a decade") << 7.5 << 0.996 << QStringLiteral("7.5 ± 1.0");
    QTest::newRow("whole numbers") << 12345.4 << 25.0 << QStringLiteral("12345 ± 25");
    QTest::newRow("large error") << 12345.4 << 400.0 << QStringLiteral("12345 ± 400");
    QTest::newRow("negative") << -0.01234 << 0.0031 << QStringLiteral("-0.012 ± 0.003");
    QTest::newRow("no error") << 4.7598123 << 0.0 << QStringLiteral("4.75981 ± 0");
}

void TestMeasuredFit::roundedToTheError() {
    QFETCH(double, value);
    QFETCH(double, error);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(model::valueWithError(value, error)), expected);
}

void TestMeasuredFit::reportLines() {
    model::Mixture sample;
    sample.systems.resize(1);
    model::TitrationFit fit = fitOf({{{Quantity::Concentration, 0, 0}, 0.1001234, 0.0000812},
                                     {{Quantity::Constant, 0, 1}, 4.759812, 0.00214},
                                     {{Quantity::TitrantConcentration, 0, 0}, 0.100345, 0.000412},
                                     {{Quantity::PhOffset, 0, 0}, 0.01234, 0.00312}});
    fit.correlation = {{1.0, -0.4249, 0.1, 0.0},
                       {-0.4249, 1.0, 0.5, -0.001},
                       {0.1, 0.5, 1.0, 0.9},
                       {0.0, -0.001, 0.9, 1.0}};
    fit.sample = sample;
    const std::vector<std::string> lines = model::fitReport(fit);
    QStringList shown;
    for (const std::string& line : lines) {
        shown << QString::fromStdString(line);
    }
    const QStringList expected{QStringLiteral("conc 0.10012 ± 0.00008 mol/L"),
                               QStringLiteral("pka1 4.7598 ± 0.0021"),
                               QStringLiteral("titrant 0.1003 ± 0.0004 mol/L"),
                               QStringLiteral("offset 0.012 ± 0.003"),
                               QStringLiteral("s 0.0049"),
                               QStringLiteral("n 41"),
                               QStringLiteral("correlation conc pka1 -0.42"),
                               QStringLiteral("correlation conc titrant 0.10"),
                               QStringLiteral("correlation conc offset 0.00"),
                               QStringLiteral("correlation pka1 titrant 0.50"),
                               QStringLiteral("correlation pka1 offset 0.00"),
                               QStringLiteral("correlation titrant offset 0.90")};
    QCOMPARE(shown, expected);
}

QTEST_GUILESS_MAIN(TestMeasuredFit)
#include "test_measuredfit.moc"
