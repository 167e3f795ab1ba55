// SPDX-License-Identifier: GPL-3.0-or-later
// The acid-base model: constants, acid type, species names, per-column terms, fractions and the
// spoken summary.

#include "testsupport.h"

#include "model/acid.h"
#include "model/fractions.h"
#include "model/message.h"
#include "model/numbertext.h"
#include "model/summary.h"

#include <QtTest>

#include <array>
#include <memory>
#include <numeric>

using namespace velmora::model;

namespace {

std::unique_ptr<ColumnTable> columnsOf(const Acid& acid) {
    auto table = std::make_unique<ColumnTable>();
    computeColumns(acid, *table);
    return table;
}

} // namespace

Q_DECLARE_METATYPE(Exponents)

class TestModel : public QObject {
    Q_OBJECT

private slots:
    void constants_data();
    void constants();
    void settingAnExponentSetsItsConstant_data();
    void settingAnExponentSetsItsConstant();
    void speciesNamesTable_data();
    void speciesNamesTable();
    void columnPhIsSinglePrecision();
    void startAcidAtFirstExponent();
    void absentConstantsZeroTheirTerms_data();
    void absentConstantsZeroTheirTerms();
    void workedFractions_data();
    void workedFractions();
    void columnsAgreeWithFractions_data();
    void columnsAgreeWithFractions();
    void shortestTextReadsBack_data();
    void shortestTextReadsBack();
    void noSignOnZero_data();
    void noSignOnZero();
    void signDroppedFromZeroText_data();
    void signDroppedFromZeroText();
    void summary_data();
    void summary();
    void placesFilled_data();
    void placesFilled();
    void summaryInAnotherOrder();
};

void TestModel::constants_data() {
    QTest::addColumn<Exponents>("pKa");
    QTest::addColumn<Exponents>("Ka");
    QTest::addColumn<int>("protons");

    const double ka21 = 0.007943282347242814, ka54 = 3.981071705534969e-06;
    const double ka97 = 1.9952623149688828e-10, ka123 = 5.011872336272715e-13;
    QTest::newRow("start acid") << Exponents{2.1, 5.4, 9.7, 12.3}
                                << Exponents{ka21, ka54, ka97, ka123} << 4;
    QTest::newRow("triprotic") << Exponents{2.1, 5.4, 9.7, 0} << Exponents{ka21, ka54, ka97, 0}
                               << 3;
    QTest::newRow("diprotic") << Exponents{2.1, 5.4, 0, 0} << Exponents{ka21, ka54, 0, 0} << 2;
    QTest::newRow("monoprotic") << Exponents{2.1, 0, 0, 0} << Exponents{ka21, 0, 0, 0} << 1;
    QTest::newRow("pKa1 0 is a real constant")
        << Exponents{0, 0, 0, 0} << Exponents{1, 0, 0, 0} << 1;
    QTest::newRow("Ka2 absent, Ka3 present")
        << Exponents{2.1, 0, 9.7, 12.3} << Exponents{ka21, 0, ka97, ka123} << 1;
    QTest::newRow("Ka3 absent, Ka4 present")
        << Exponents{2.1, 5.4, 0, 12.3} << Exponents{ka21, ka54, 0, ka123} << 2;
    QTest::newRow("tiny exponent is not absent")
        << Exponents{0, 1e-300, 7, 13} << Exponents{1, 1, 1e-7, 1e-13} << 4;
}

void TestModel::constants() {
    QFETCH(Exponents, pKa);
    QFETCH(Exponents, Ka);
    QFETCH(int, protons);
    const Acid acid = Acid(pKa);
    const auto got = acid.constants();
    for (std::size_t i = 0; i < got.size(); ++i) {
        if (Ka[i] == 0.0) {
            QCOMPARE(got[i], 0.0); // the marker, exactly
        } else {
            VELMORA_COMPARE_REL(got[i], Ka[i], 1e-14);
        }
    }
    QCOMPARE(acid.protonCount(), protons);
}

void TestModel::settingAnExponentSetsItsConstant_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("value");
    QTest::addColumn<Exponents>("Ka");
    QTest::addColumn<int>("protons");
    const double ka21 = 0.007943282347242814, ka54 = 3.981071705534969e-06;
    const double ka97 = 1.9952623149688828e-10, ka123 = 5.011872336272715e-13;
    QTest::newRow("pKa1 to 0 is a constant of strength 1")
        << 1 << 0.0 << Exponents{1, ka54, ka97, ka123} << 4;
    QTest::newRow("pKa2 to 0 marks Ka2 absent") << 2 << 0.0 << Exponents{ka21, 0, ka97, ka123} << 1;
    QTest::newRow("pKa4 to 0 makes a triprotic acid")
        << 4 << 0.0 << Exponents{ka21, ka54, ka97, 0} << 3;
    QTest::newRow("pKa3 to 7") << 3 << 7.0 << Exponents{ka21, ka54, 1e-7, ka123} << 4;
    QTest::newRow("index 0 changes nothing") << 0 << 7.0 << Exponents{ka21, ka54, ka97, ka123} << 4;
    QTest::newRow("index 5 changes nothing") << 5 << 7.0 << Exponents{ka21, ka54, ka97, ka123} << 4;
}

void TestModel::settingAnExponentSetsItsConstant() {
    QFETCH(int, index);
    QFETCH(double, value);
    QFETCH(Exponents, Ka);
    QFETCH(int, protons);
    Acid acid = Acid::startAcid();
    acid.setPKa(index, value);
    if (index >= 1 && index <= kMaxProtons) {
        QCOMPARE(acid.pKa(index), value);
    }
    const auto got = acid.constants();
    for (std::size_t i = 0; i < got.size(); ++i) {
        if (Ka[i] == 0.0) {
            QCOMPARE(got[i], 0.0);
        } else {
            VELMORA_COMPARE_REL(got[i], Ka[i], 1e-14);
        }
    }
    QCOMPARE(acid.Ka1(), got[0]);
    QCOMPARE(acid.Ka4(), got[3]);
    QCOMPARE(acid.protonCount(), protons);
}

void TestModel::speciesNamesTable_data() {
    QTest::addColumn<int>("protons");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("mono") << 1 << QStringList{"HA", "A-", "", "", ""};
    QTest::newRow("di") << 2 << QStringList{"H2A", "HA-", "A2-", "", ""};
    QTest::newRow("tri") << 3 << QStringList{"H3A", "H2A-", "HA2-", "A3-", ""};
    QTest::newRow("tetra") << 4 << QStringList{"H4A", "H3A-", "H2A2-", "HA3-", "A4-"};
}

void TestModel::speciesNamesTable() {
    QFETCH(int, protons);
    QFETCH(QStringList, names);
    QStringList got;
    for (const std::string& name : speciesNames(protons)) {
        got << QString::fromStdString(name);
    }
    QCOMPARE(got, names);
}

void TestModel::columnPhIsSinglePrecision() {
    QCOMPARE(columnPh(kFirstColumn), 0.0f);
    QCOMPARE(columnPh(115), 2.1f);
    QCOMPARE(columnPh(472), 14.0f);
    QCOMPARE(columnPh(kLastColumn), 421.0f / 30.0f);

    // The terms are taken at the float pH 2.0999999046..., not at 2.1: at column 115 of the start
    // acid T1/T0 = Ka1 / h falls short of 1 by 2.196e-7 (it would be 1 to 1e-15 in double).
    const auto table = columnsOf(Acid::startAcid());
    const double ratio = table->T[1][115] / table->T[0][115];
    VELMORA_COMPARE_REL(1.0 - ratio, 2.195916024572142e-07, 1e-6);
}

void TestModel::startAcidAtFirstExponent() {
    const Acid acid = Acid::startAcid();
    QCOMPARE(acid.exponents(), (Exponents{2.1, 5.4, 9.7, 12.3}));
    QCOMPARE(acid.protonCount(), 4);
    const auto table = columnsOf(acid);
    const double k = table->k[115];
    VELMORA_COMPARE_REL(table->T[0][115], table->T[1][115], 1e-6);
    QVERIFY2(std::abs(k * table->T[0][115] - 149.96) < 0.005,
             qPrintable(QString::number(k * table->T[0][115])));
    QVERIFY2(std::abs(k * table->T[1][115] - 149.96) < 0.005,
             qPrintable(QString::number(k * table->T[1][115])));
    // The small rest belongs to species 2 (300 * Ka2 / (2 h) = 0.075 px); 3 and 4 are nil.
    VELMORA_COMPARE_REL(k * table->T[2][115], 0.0752, 0.01);
    QVERIFY(k * table->T[3][115] < 1e-6);
    // Column 52 is pH 0: T0 = 1 exactly.
    QCOMPARE(table->T[0][kFirstColumn], 1.0);
}

void TestModel::absentConstantsZeroTheirTerms_data() {
    QTest::addColumn<Exponents>("pKa");
    QTest::addColumn<int>("firstZeroTerm");
    QTest::newRow("mono 2.1") << Exponents{2.1, 0, 0, 0} << 2;
    QTest::newRow("Ka2 absent, Ka3 and Ka4 present") << Exponents{2.1, 0, 9.7, 12.3} << 2;
    QTest::newRow("di 2.1, 5.4") << Exponents{2.1, 5.4, 0, 0} << 3;
    QTest::newRow("tri 2.1, 5.4, 9.7") << Exponents{2.1, 5.4, 9.7, 0} << 4;
}

void TestModel::absentConstantsZeroTheirTerms() {
    QFETCH(Exponents, pKa);
    QFETCH(int, firstZeroTerm);
    const auto table = columnsOf(Acid(pKa));
    for (int x = kFirstColumn; x <= kLastColumn; ++x) {
        const auto col = static_cast<std::size_t>(x);
        for (int j = 0; j < kMaxSpecies; ++j) {
            const double term = table->T[static_cast<std::size_t>(j)][col];
            QVERIFY2(j < firstZeroTerm ? term > 0.0 : term == 0.0,
                     qPrintable(QStringLiteral("T%1 at column %2 is %3").arg(j).arg(x).arg(term)));
        }
    }
}

void TestModel::workedFractions_data() {
    QTest::addColumn<Exponents>("pKa");
    QTest::addColumn<double>("pH");
    QTest::addColumn<Exponents>("alpha"); // alpha_0..alpha_3; alpha_4 follows from the sum
    QTest::newRow("mono pKa 0 at pH 0")
        << Exponents{0, 0, 0, 0} << 0.0 << Exponents{0.5, 0.5, 0, 0};
    QTest::newRow("mono 7 at pH 7") << Exponents{7, 0, 0, 0} << 7.0 << Exponents{0.5, 0.5, 0, 0};
    QTest::newRow("mono 4 at pH 5")
        << Exponents{4, 0, 0, 0} << 5.0 << Exponents{1.0 / 11, 10.0 / 11, 0, 0};
    QTest::newRow("di 2, 6 at pH 4")
        << Exponents{2, 6, 0, 0} << 4.0 << Exponents{1.0 / 102, 100.0 / 102, 1.0 / 102, 0};
    QTest::newRow("tri 2, 4, 6 at pH 4")
        << Exponents{2, 4, 6, 0} << 4.0
        << Exponents{1.0 / 202, 100.0 / 202, 100.0 / 202, 1.0 / 202};
    QTest::newRow("tetra 1, 3, 5, 7 at pH 14")
        << Exponents{1, 3, 5, 7} << 14.0 << Exponents{1e-40, 1e-27, 1e-16, 1e-7};
}

void TestModel::workedFractions() {
    QFETCH(Exponents, pKa);
    QFETCH(double, pH);
    QFETCH(Exponents, alpha);
    const auto got = fractionsAt(Acid(pKa), pH);
    double rest = 1.0;
    for (std::size_t j = 0; j < alpha.size(); ++j) {
        VELMORA_COMPARE_REL(got[j], alpha[j], 1e-6, 1e-300);
        rest -= alpha[j];
    }
    VELMORA_COMPARE_REL(got[4], rest, 1e-6, 1e-15);
    VELMORA_COMPARE_REL(std::accumulate(got.begin(), got.end(), 0.0), 1.0, 1e-12);
}

void TestModel::columnsAgreeWithFractions_data() {
    QTest::addColumn<Exponents>("pKa");
    QTest::newRow("start acid") << Exponents{2.1, 5.4, 9.7, 12.3};
    QTest::newRow("mono 0") << Exponents{0, 0, 0, 0};
    QTest::newRow("mono 13") << Exponents{13, 0, 0, 0};
    QTest::newRow("di equal 3, 3") << Exponents{3, 3, 0, 0};
    QTest::newRow("tri 0.5, 7, 13") << Exponents{0.5, 7, 13, 0};
    QTest::newRow("tetra all 13") << Exponents{13, 13, 13, 13};
}

void TestModel::columnsAgreeWithFractions() {
    QFETCH(Exponents, pKa);
    const Acid acid = Acid(pKa);
    const auto table = columnsOf(acid);
    for (int x = kFirstColumn; x <= kLastColumn; ++x) {
        const auto col = static_cast<std::size_t>(x);
        const auto alpha = fractionsAt(acid, static_cast<double>(columnPh(x)));
        double sum = 0.0;
        for (std::size_t j = 0; j < alpha.size(); ++j) {
            VELMORA_COMPARE_REL(table->k[col] * table->T[j][col] / kPlotHeight, alpha[j], 1e-12,
                                1e-300);
            sum += alpha[j];
        }
        VELMORA_COMPARE_REL(sum, 1.0, 1e-12);
    }
}

void TestModel::shortestTextReadsBack_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("tenth") << 0.1 << "0.1";
    QTest::newRow("sum of tenths") << 0.1 + 0.2 << "0.30000000000000004";
    QTest::newRow("whole") << 14.0 << "14";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("tiny") << 2.5e-7 << "2.5e-07";
    QTest::newRow("negative") << -4.76 << "-4.76";
    QTest::newRow("third") << 1.0 / 3.0 << "0.3333333333333333";
    QTest::newRow("smallest normal") << 2.2250738585072014e-308 << "2.2250738585072014e-308";
}

void TestModel::shortestTextReadsBack() {
    QFETCH(double, value);
    QFETCH(QString, text);
    const std::string got = velmora::model::shortestText(value);
    QCOMPARE(QString::fromStdString(got), text);
    QCOMPARE(std::stod(got), value);
}

void TestModel::noSignOnZero_data() {
    QTest::addColumn<QString>("format"); // f: fixedText, g: significantText, s: shortestText
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("text");
    QTest::newRow("negative zero, four places") << "f" << -0.0 << 4 << "0.0000";
    QTest::newRow("a hair below zero, four places") << "f" << -1e-17 << 4 << "0.0000";
    QTest::newRow("just short of the last place") << "f" << -0.00004 << 4 << "0.0000";
    QTest::newRow("rounds to the last place") << "f" << -0.00006 << 4 << "-0.0001";
    QTest::newRow("negative zero, no places") << "f" << -0.0 << 0 << "0";
    QTest::newRow("rounds to minus one") << "f" << -0.6 << 0 << "-1";
    QTest::newRow("negative, two places") << "f" << -1.5 << 2 << "-1.50";
    QTest::newRow("negative ten") << "f" << -10.0 << 1 << "-10.0";
    QTest::newRow("a pH") << "f" << 2.88294 << 4 << "2.8829";
    QTest::newRow("significant negative zero") << "g" << -0.0 << 4 << "0.000";
    QTest::newRow("significant tiny negative") << "g" << -1e-300 << 4 << "-1.000e-300";
    QTest::newRow("significant, zeros kept") << "g" << 0.00131 << 4 << "0.001310";
    QTest::newRow("shortest negative zero") << "s" << -0.0 << 0 << "0";
    QTest::newRow("shortest tiny negative") << "s" << -5e-324 << 0 << "-5e-324";
}

void TestModel::noSignOnZero() {
    QFETCH(QString, format);
    QFETCH(double, value);
    QFETCH(int, digits);
    QFETCH(QString, text);
    const std::string got = format == u"f"   ? fixedText(value, digits)
                            : format == u"g" ? significantText(value, digits)
                                             : shortestText(value);
    QCOMPARE(QString::fromStdString(got), text);
}

void TestModel::signDroppedFromZeroText_data() {
    // Texts printed in the user's locale may have a decimal comma.
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("point") << "-0.000"
                           << "0.000";
    QTest::newRow("comma") << "-0,00"
                           << "0,00";
    QTest::newRow("no places") << "-0"
                               << "0";
    QTest::newRow("not zero, point") << "-0.010"
                                     << "-0.010";
    QTest::newRow("not zero, comma") << "-0,01"
                                     << "-0,01";
    QTest::newRow("positive") << "0,00"
                              << "0,00";
}

void TestModel::signDroppedFromZeroText() {
    QFETCH(QString, printed);
    QFETCH(QString, shown);
    std::string text = printed.toStdString();
    dropSignOfZero(text);
    QCOMPARE(QString::fromStdString(text), shown);
}

void TestModel::summary_data() {
    QTest::addColumn<Exponents>("pKa");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("start acid")
        << Exponents{2.1, 5.4, 9.7, 12.3} << QStringList{"H4A", "H3A-", "H2A2-", "HA3-", "A4-"} << 1
        << "Tetraprotic acid. H4A predominates below pH 2.1, H3A- from 2.1 to 5.4, H2A2- from "
           "5.4 to 9.7, HA3- from 9.7 to 12.3, A4- above 12.3.";
    // Between two equal constants a species never leads; it is left out.
    QTest::newRow("equal middle constants")
        << Exponents{2, 5, 5, 12} << QStringList{"H4A", "H3A-", "H2A2-", "HA3-", "A4-"} << 1
        << "Tetraprotic acid. H4A predominates below pH 2.0, H3A- from 2.0 to 5.0, HA3- from "
           "5.0 to 12.0, A4- above 12.0.";
    QTest::newRow("boundaries to 0.1") << Exponents{4.76, 0, 0, 0} << QStringList{"HAc", "Ac-"} << 1
                                       << "Monoprotic acid. HAc predominates below pH 4.8, Ac- "
                                          "above 4.8.";
    QTest::newRow("boundaries to 0.01")
        << Exponents{4.76, 0, 0, 0} << QStringList{"HAc", "Ac-"} << 2
        << "Monoprotic acid. HAc predominates below pH 4.76, Ac- above 4.76.";
    // Literature values said as precisely as they are written, trailing zero kept.
    QTest::newRow("phosphoric to 0.01")
        << Exponents{2.15, 7.2, 12.35, 0} << QStringList{"H3PO4", "H2PO4-", "HPO42-", "PO43-"} << 2
        << "Triprotic acid. H3PO4 predominates below pH 2.15, H2PO4- from 2.15 to 7.20, HPO42- "
           "from 7.20 to 12.35, PO43- above 12.35.";
    // Two constants 0.01 apart: the middle species still leads for that hundredth.
    QTest::newRow("close constants to 0.01")
        << Exponents{2.00, 2.01, 0, 0} << QStringList{"H2A", "HA-", "A2-"} << 2
        << "Diprotic acid. H2A predominates below pH 2.00, HA- from 2.00 to 2.01, A2- above 2.01.";
    // The names are read as they are given: the caller makes them speakable.
    QTest::newRow("names as given")
        << Exponents{2.15, 7.2, 12.35, 0} << QStringList{"H3PO4", "H2PO4 -", "HPO4^2-", "x"} << 1
        << "Triprotic acid. H3PO4 predominates below pH 2.2, H2PO4 - from 2.2 to 7.2, HPO4^2- "
           "from 7.2 to 12.4, x above 12.4.";
}

void TestModel::summary() {
    QFETCH(Exponents, pKa);
    QFETCH(QStringList, names);
    QFETCH(int, decimals);
    QFETCH(QString, sentence);
    SpeciesNames species;
    for (qsizetype j = 0; j < names.size(); ++j) {
        species[static_cast<std::size_t>(j)] = names[j].toStdString();
    }
    QCOMPARE(QString::fromStdString(describe(Acid(pKa), species, decimals)), sentence);
}

void TestModel::placesFilled_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("text");
    QTest::newRow("in order") << "%1 from %2 to %3" << QStringList{"a", "b", "c"}
                              << "a from b to c";
    QTest::newRow("moved by a translation")
        << "von %2 bis %3: %1" << QStringList{"a", "b", "c"} << "von b bis c: a";
    QTest::newRow("twice") << "%1, %1" << QStringList{"x"} << "x, x";
    QTest::newRow("a place without an argument stays") << "%1 %2" << QStringList{"x"} << "x %2";
    QTest::newRow("percent signs of the text")
        << "20 % past %1, 100%" << QStringList{"V"} << "20 % past V, 100%";
    QTest::newRow("no place zero") << "%0 %1" << QStringList{"x"} << "%0 x";
    QTest::newRow("an argument with a place of its own")
        << "%1 and %2" << QStringList{"%2", "y"} << "%2 and y";
}

void TestModel::placesFilled() {
    QFETCH(QString, pattern);
    QFETCH(QStringList, arguments);
    QFETCH(QString, text);
    std::vector<std::string> values;
    for (const QString& argument : arguments) {
        values.push_back(argument.toStdString());
    }
    QCOMPARE(QString::fromStdString(filled(pattern.toStdString(), values)), text);
}

void TestModel::summaryInAnotherOrder() {
    // A translation may put each clause's numbers before its species; the pieces are asked for in
    // the summary's context.
    const Translate reordered = [](const char* context, const char* text) {
        if (std::string_view(context) != kSummaryContext) {
            return std::string("(wrong context)");
        }
        const std::string english(text);
        return english == "%1 predominates below pH %2" ? std::string("below pH %2: %1")
               : english == ", %1 from %2 to %3"        ? std::string("; %2 to %3: %1")
               : english == ", %1 above %2."            ? std::string("; above %2: %1.")
                                                        : english;
    };
    const SpeciesNames names{"H2A", "HA-", "A2-"};
    QCOMPARE(QString::fromStdString(describe(Acid({2.0, 7.0, 0, 0}), names, 1, reordered)),
             QStringLiteral("Diprotic acid. below pH 2.0: H2A; 2.0 to 7.0: HA-; above 7.0: A2-."));
}

QTEST_APPLESS_MAIN(TestModel)
#include "test_model.moc"
