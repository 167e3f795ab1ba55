// SPDX-License-Identifier: GPL-3.0-or-later
// The solution's chemistry: species names, fractions, the pH of a solution, titrations and the
// grids of the data files. Expected values are textbook figures and an independent calculation
// (50-digit decimal powers of ten, charge balance bisected to the last digit).

#include "testsupport.h"

#include "model/acid.h"
#include "model/fractions.h"
#include "model/polyprotic.h"
#include "model/samplegrid.h"
#include "model/solution.h"
#include "model/titration.h"
#include "model/utf8.h"

#include <QtTest>

#include <cmath>
#include <stdexcept>
#include <vector>

using namespace velmora::model;

using Doubles = std::vector<double>;
using Names = std::vector<std::string>;

Q_DECLARE_METATYPE(Doubles)
Q_DECLARE_METATYPE(Names)
Q_DECLARE_METATYPE(Titrant)
using Ints = std::vector<int>;
Q_DECLARE_METATYPE(Ints)

namespace {

/**
 * The charge balance from the solution's ions as a chemist writes it, with the counter-ions
 * explicit: the sum of positive charges minus the negative ones, and the sum of their
 * magnitudes to compare it with.
 */
std::pair<double, double> chargeSums(const PolyproticAcid& acid, const Solution& s,
                                     const SolutionState& state) {
    const int dissolvedCharge = acid.charge() - s.dissolvedAs;
    const double sodium = dissolvedCharge < 0 ? -dissolvedCharge * s.concentration : 0.0;
    const double chloride = dissolvedCharge > 0 ? dissolvedCharge * s.concentration : 0.0;
    double net = state.hydrogen - state.hydroxide + sodium - chloride + s.strongBase - s.strongAcid;
    double scale =
        state.hydrogen + state.hydroxide + sodium + chloride + s.strongBase + s.strongAcid;
    for (int j = 0; j < state.species; ++j) {
        const double charge = acid.speciesCharge(j) * state.concentration[std::size_t(j)];
        net += charge;
        scale += std::abs(charge);
    }
    return {net, scale};
}

/** The columns of a solution's rows: the acid, then the solution. */
void addSolutionColumns() {
    QTest::addColumn<Doubles>("pKa");
    QTest::addColumn<int>("charge");
    QTest::addColumn<double>("concentration");
    QTest::addColumn<int>("dissolvedAs");
    QTest::addColumn<double>("strongBase");
    QTest::addColumn<double>("strongAcid");
}

std::pair<PolyproticAcid, Solution> fetchedSolution() {
    QFETCH(Doubles, pKa);
    QFETCH(int, charge);
    QFETCH(double, concentration);
    QFETCH(int, dissolvedAs);
    QFETCH(double, strongBase);
    QFETCH(double, strongAcid);
    return {PolyproticAcid(pKa, charge),
            Solution{concentration, dissolvedAs, strongBase, strongAcid}};
}

/** `text` `count` times over. */
std::string repeated(const std::string& text, int count) {
    std::string all;
    for (int i = 0; i < count; ++i) {
        all += text;
    }
    return all;
}

/**
 * The pH of a titration mixture worked out on its own: every concentration diluted by hand from
 * V0 to V0 + V, the species' fractions from the products of the constants, and the charge balance
 * of all ions bisected in pH (long double) until the bracket no longer shrinks.
 */
double mixturePh(const Doubles& pKa, const Solution& sample, bool baseTitrant, double titrant,
                 double v0, double v) {
    const long double total = v0 + v;
    const long double acid = sample.concentration * v0 / total;
    const long double sodium =
        (sample.strongBase + sample.dissolvedAs * sample.concentration) * v0 / total +
        (baseTitrant ? titrant * v / total : 0.0L);
    const long double chloride =
        sample.strongAcid * v0 / total + (baseTitrant ? 0.0L : titrant * v / total);
    const auto balance = [&](long double pH) {
        const long double h = std::pow(10.0L, -pH);
        // beta_j = Ka1...Kaj / h^j; alpha_j = beta_j / sum(beta).
        long double beta = 1.0L;
        long double sum = 1.0L;
        long double charged = 0.0L;
        for (std::size_t j = 0; j < pKa.size(); ++j) {
            beta *= std::pow(10.0L, -static_cast<long double>(pKa[j])) / h;
            sum += beta;
            charged += static_cast<long double>(j + 1) * beta;
        }
        return h - 1e-14L / h + sodium - chloride - acid * charged / sum;
    };
    long double low = -3.0L;
    long double high = 17.0L;
    for (int i = 0; i < 200; ++i) {
        const long double mid = 0.5L * (low + high);
        (balance(mid) > 0.0L ? low : high) = mid;
    }
    return static_cast<double>(0.5L * (low + high));
}

} // namespace

class TestSolution : public QObject {
    Q_OBJECT

private slots:
    void genericNames_data();
    void genericNames();
    void namesOfTheMainDiagram();
    void refusedInputs_data();
    void refusedInputs();
    void acceptedNames_data();
    void acceptedNames();
    void controlAndFormatCharactersAsQtKnowsThem();
    void fractionsSumToOneEverywhere_data();
    void fractionsSumToOneEverywhere();
    void fractionsAgreeWithTheMainDiagram();
    void phosphoricAcidAtPh7();
    void solutionPh_data();
    void solutionPh();
    void chargeBalanceVanishes_data();
    void chargeBalanceVanishes();
    void report_data();
    void report();
    void equivalencePoints_data();
    void equivalencePoints();
    void titrationPh_data();
    void titrationPh();
    void titrationMarks_data();
    void titrationMarks();
    void titrationIsMonotonic_data();
    void titrationIsMonotonic();
    void volumeAtIsTheInverse();
    void titrationWithStrongAcidOrBase_data();
    void titrationWithStrongAcidOrBase();
    void inputBounds_data();
    void inputBounds();
    void grid_data();
    void grid();
};

void TestSolution::genericNames_data() {
    QTest::addColumn<int>("constants");
    QTest::addColumn<int>("charge");
    QTest::addColumn<Names>("names");
    QTest::newRow("ammonium") << 1 << 1 << Names{"HA^+", "A"};
    QTest::newRow("glycinium") << 2 << 1 << Names{"H2A^+", "HA", "A-"};
    QTest::newRow("doubly charged cation") << 2 << 2 << Names{"H2A^2+", "HA^+", "A"};
    QTest::newRow("six protons") << 6 << 0
                                 << Names{"H6A", "H5A-", "H4A2-", "H3A3-", "H2A4-", "HA5-", "A6-"};
    QTest::newRow("two-digit charges")
        << 6 << -6 << Names{"H6A6-", "H5A7-", "H4A8-", "H3A9-", "H2A^10-", "HA^11-", "A^12-"};
    QTest::newRow("anion acid") << 1 << -1 << Names{"HA-", "A2-"};
    QTest::newRow("all positive") << 1 << 6 << Names{"HA^6+", "A^5+"};
}

void TestSolution::genericNames() {
    QFETCH(int, constants);
    QFETCH(int, charge);
    QFETCH(Names, names);
    QCOMPARE(genericSpeciesNames(constants, charge), names);
    const std::vector<double> pKa(static_cast<std::size_t>(constants), 5.0);
    const PolyproticAcid acid(pKa, charge);
    QCOMPARE(acid.speciesNames(), names);
    QVERIFY(acid.hasGenericNames());
    for (int j = 0; j <= constants; ++j) {
        QCOMPARE(acid.speciesCharge(j), charge - j);
    }
}

void TestSolution::namesOfTheMainDiagram() {
    for (int n = 1; n <= kMaxProtons; ++n) {
        const SpeciesNames& main = speciesNames(n);
        const Names generic = genericSpeciesNames(n, 0);
        QCOMPARE(int(generic.size()), n + 1);
        for (int j = 0; j <= n; ++j) {
            QCOMPARE(generic[std::size_t(j)], main[std::size_t(j)]);
        }
    }
}

void TestSolution::refusedInputs_data() {
    QTest::addColumn<Doubles>("pKa");
    QTest::addColumn<int>("charge");
    QTest::addColumn<Names>("names");
    QTest::addColumn<QString>("problem");
    QTest::newRow("no constant") << Doubles{} << 0 << Names{} << "needs 1 to 6 values";
    QTest::newRow("seven constants")
        << Doubles{1, 2, 3, 4, 5, 6, 7} << 0 << Names{} << "needs 1 to 6 values";
    QTest::newRow("below -5") << Doubles{-5.01} << 0 << Names{} << "values must be from -5 to 25";
    QTest::newRow("above 25") << Doubles{3, 25.5} << 0 << Names{} << "values must be from -5 to 25";
    QTest::newRow("not a number") << Doubles{std::nan("")} << 0 << Names{}
                                  << "values must be from -5 to 25";
    QTest::newRow("out of order") << Doubles{5, 4} << 0 << Names{}
                                  << "values must be in non-decreasing order";
    QTest::newRow("charge 7") << Doubles{5} << 7 << Names{}
                              << "must be a whole number from -6 to 6";
    QTest::newRow("charge -7") << Doubles{5} << -7 << Names{}
                               << "must be a whole number from -6 to 6";
    QTest::newRow("one name short")
        << Doubles{2, 7} << 0 << Names{"H2X", "HX-"} << "needs 3 names, one per species";
    QTest::newRow("empty name") << Doubles{5} << 0 << Names{"HX", ""}
                                << "each name needs 1 to 49 characters";
    QTest::newRow("comma") << Doubles{5} << 0 << Names{"HX", "X,-"}
                           << "a name may not contain commas or control characters";
    QTest::newRow("newline") << Doubles{5} << 0 << Names{"HX\n", "X-"}
                             << "a name may not contain commas or control characters";
    QTest::newRow("leading blank")
        << Doubles{5} << 0 << Names{" HX", "X-"} << "a name may not start or end with a blank";
    QTest::newRow("trailing blank")
        << Doubles{5} << 0 << Names{"HX", "X- "} << "a name may not start or end with a blank";
    // Lengths count characters: "é" is two bytes, "𝛼" four, each one character.
    QTest::newRow("50 characters of two bytes") << Doubles{5} << 0 << Names{"HX", repeated("é", 50)}
                                                << "each name needs 1 to 49 characters";
    QTest::newRow("50 characters of four bytes")
        << Doubles{5} << 0 << Names{repeated("𝛼", 50), "X"} << "each name needs 1 to 49 characters";
    QTest::newRow("50 ASCII letters") << Doubles{5} << 0 << Names{"HX", std::string(50, 'X')}
                                      << "each name needs 1 to 49 characters";
    // Every character that breaks a line, hides or turns the text around is refused.
    const char* control = "a name may not contain commas or control characters";
    for (const auto& [name, character] : std::vector<std::pair<const char*, const char*>>{
             {"delete", "\x7f"},
             {"C1 control U+0080", "\u0080"},
             {"next line U+0085", "\u0085"},
             {"C1 control U+009F", "\u009f"},
             {"soft hyphen U+00AD", "\u00ad"},
             {"zero-width space U+200B", "\u200b"},
             {"left-to-right mark U+200E", "\u200e"},
             {"line separator U+2028", "\u2028"},
             {"paragraph separator U+2029", "\u2029"},
             {"right-to-left override U+202E", "\u202e"},
             {"isolate U+2066", "\u2066"},
             {"byte-order mark U+FEFF", "\ufeff"},
             {"tag U+E0041", "\U000e0041"}}) {
        QTest::newRow(name) << Doubles{5} << 0 << Names{"HX", std::string("X") + character}
                            << control;
    }
    // A refused character anywhere in a name refuses it, not only at its end.
    QTest::newRow("delete first") << Doubles{5} << 0 << Names{"\x7fHX", "X-"} << control;
    QTest::newRow("delete inside") << Doubles{5} << 0 << Names{"HX", "X\x7f-"} << control;
    QTest::newRow("delete inside the first name")
        << Doubles{5} << 0 << Names{"H\x7fX", "X-"} << control;
    QTest::newRow("tab inside") << Doubles{5} << 0 << Names{"H\tX", "X-"} << control;
    // Bytes that are no UTF-8 are no name.
    const char* utf8 = "a name must be UTF-8 text";
    QTest::newRow("a lone byte") << Doubles{5} << 0 << Names{"H\xffX", "X-"} << utf8;
    QTest::newRow("a stray continuation byte") << Doubles{5} << 0 << Names{"HX", "\x80"} << utf8;
    QTest::newRow("a sequence cut short") << Doubles{5} << 0 << Names{"HX", "X\xe2\x82"} << utf8;
    QTest::newRow("an overlong slash") << Doubles{5} << 0 << Names{"HX\xc0\xaf", "X"} << utf8;
    QTest::newRow("a surrogate") << Doubles{5} << 0 << Names{"HX", "\xed\xa0\x80"} << utf8;
    QTest::newRow("past U+10FFFF") << Doubles{5} << 0 << Names{"HX", "\xf4\x90\x80\x80"} << utf8;
}

void TestSolution::refusedInputs() {
    QFETCH(Doubles, pKa);
    QFETCH(int, charge);
    QFETCH(Names, names);
    QFETCH(QString, problem);
    try {
        const PolyproticAcid acid(pKa, charge, names);
        QFAIL("the acid was accepted");
    } catch (const std::invalid_argument& e) {
        QCOMPARE(QString::fromStdString(e.what()), problem);
    }
}

void TestSolution::acceptedNames_data() {
    QTest::addColumn<Names>("names");
    QTest::newRow("49 characters of two bytes") << Names{repeated("é", 49), "X"};
    QTest::newRow("25 characters of two bytes") << Names{repeated("é", 25), "X"};
    QTest::newRow("49 characters of four bytes") << Names{"HX", repeated("𝛼", 49)};
    QTest::newRow("49 ASCII letters") << Names{std::string(49, 'H'), "X"};
    QTest::newRow("one character") << Names{"H", "X"};
    QTest::newRow("subscripts and superscripts") << Names{"H₂PO₄⁻", "HPO₄²⁻"};
    QTest::newRow("no-break space inside") << Names{"H\u00a0X", "X\u00a0-"};
    QTest::newRow("a true minus sign, a minus first") << Names{"-HX", "X\u2212"};
    QTest::newRow("the last character before the C1 controls") << Names{"HX~", "X"};
    QTest::newRow("the first letter after them") << Names{"HX\u00a1", "X\u00ac"};
    QTest::newRow("the neighbours of the format characters")
        << Names{"\u200a\u2010X", "X\u2027\u202f"};
}

void TestSolution::acceptedNames() {
    QFETCH(Names, names);
    QVERIFY(problemWithNames(names, 2).empty());
    QCOMPARE(PolyproticAcid(Doubles{5}, 0, names).speciesNames(), names);
}

void TestSolution::controlAndFormatCharactersAsQtKnowsThem() {
    // Qt's own tables of Unicode, an independent record of every character's category.
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Other_NotAssigned || category == QChar::Other_Surrogate) {
            continue; // unknown to this Qt, or no character at all
        }
        const bool refused = category == QChar::Other_Control || category == QChar::Other_Format ||
                             category == QChar::Separator_Line ||
                             category == QChar::Separator_Paragraph;
        QVERIFY2(isControlOrFormat(c) == refused, qPrintable(QString::number(c, 16)));
    }
}

void TestSolution::fractionsSumToOneEverywhere_data() {
    QTest::addColumn<Doubles>("pKa");
    QTest::addColumn<double>("pH");
    const Doubles strong(6, -5.0);
    const Doubles weak(6, 25.0);
    const Doubles spread{-5, 1, 7, 13, 19, 25};
    for (const double pH : {-2.0, 0.0, 7.0, 14.0, 16.0}) {
        QTest::addRow("six at -5, pH %g", pH) << strong << pH;
        QTest::addRow("six at 25, pH %g", pH) << weak << pH;
        QTest::addRow("spread, pH %g", pH) << spread << pH;
    }
    QTest::newRow("monoprotic at its pKa") << Doubles{4.76} << 4.76;
    QTest::newRow("pKa 0 at pH 0") << Doubles{0.0} << 0.0;
}

void TestSolution::fractionsSumToOneEverywhere() {
    QFETCH(Doubles, pKa);
    QFETCH(double, pH);
    const PolyproticAcid acid(pKa);
    const SpeciesValues alpha = acid.fractions(pH);
    const SpeciesValues logAlpha = acid.logFractions(pH);
    double sum = 0.0;
    for (int j = 0; j < acid.speciesCount(); ++j) {
        const double a = alpha[std::size_t(j)];
        QVERIFY(std::isfinite(a) && a >= 0.0 && a <= 1.0);
        QVERIFY(std::isfinite(logAlpha[std::size_t(j)]));
        QVERIFY(logAlpha[std::size_t(j)] <= 1e-15);
        // The log form keeps what the plain one can still show.
        if (a > 1e-300) {
            VELMORA_COMPARE_REL(std::log10(a), logAlpha[std::size_t(j)], 1e-12, 1e-13);
        }
        sum += a;
    }
    VELMORA_COMPARE_REL(sum, 1.0, 1e-14);
    // Neighbouring species stand in the ratio 10^(pH - pKa) wherever both are representable.
    for (int j = 1; j < acid.speciesCount(); ++j) {
        VELMORA_COMPARE_REL(logAlpha[std::size_t(j)] - logAlpha[std::size_t(j - 1)],
                            pH - pKa[std::size_t(j - 1)], 1e-12, 1e-12);
    }
}

void TestSolution::fractionsAgreeWithTheMainDiagram() {
    const Acid main = Acid::startAcid();
    const std::array<double, 4> pKa{main.pKa1(), main.pKa2(), main.pKa3(), main.pKa4()};
    const PolyproticAcid acid(pKa);
    for (double pH = 0.0; pH <= 14.0; pH += 0.7) {
        const auto expected = fractionsAt(main, pH);
        const SpeciesValues alpha = acid.fractions(pH);
        for (int j = 0; j < 5; ++j) {
            VELMORA_COMPARE_REL(alpha[std::size_t(j)], expected[std::size_t(j)], 1e-12, 1e-300);
        }
    }
}

void TestSolution::phosphoricAcidAtPh7() {
    const std::array<double, 3> pKa{2.148, 7.198, 12.319};
    const SpeciesValues alpha = PolyproticAcid(pKa).fractions(7.0);
    const std::array<double, 4> textbook{8.6055e-6, 0.61204, 0.38795, 1.8611e-6};
    const std::array<double, 4> exact{8.605538114832316e-06, 0.6120374999527535, 0.3879520333734629,
                                      1.8611356687586693e-06};
    for (std::size_t j = 0; j < 4; ++j) {
        VELMORA_COMPARE_REL(alpha[j], textbook[j], 5e-5);
        VELMORA_COMPARE_REL(alpha[j], exact[j], 1e-12);
    }
}

void TestSolution::solutionPh_data() {
    addSolutionColumns();
    QTest::addColumn<double>("expected"); // the independent calculation
    QTest::addColumn<double>("textbook");
    QTest::addColumn<int>("decimals"); // of the textbook figure

    QTest::newRow("0.1 M acetic acid")
        << Doubles{4.76} << 0 << 0.1 << 0 << 0.0 << 0.0 << 2.8828625361350446 << 2.88 << 2;
    QTest::newRow("1e-8 M HCl as strong acid alone")
        << Doubles{4.76} << 0 << 0.0 << 0 << 0.0 << 1e-8 << 6.978294313542888 << 6.978 << 3;
    QTest::newRow("1e-8 M HCl as an acid of pKa -5")
        << Doubles{-5} << 0 << 1e-8 << 0 << 0.0 << 0.0 << 6.978294313542911 << 6.978 << 3;
    QTest::newRow("0.1 M sodium acetate")
        << Doubles{4.76} << 0 << 0.1 << 1 << 0.0 << 0.0 << 8.880021264577417 << 8.88 << 2;
    QTest::newRow("0.1 M NH4Cl") << Doubles{9.25} << 1 << 0.1 << 0 << 0.0 << 0.0
                                 << 5.124977667989282 << 5.125 << 3;
    QTest::newRow("0.1 M NH3") << Doubles{9.25} << 1 << 0.1 << 1 << 0.0 << 0.0 << 11.1221043177036
                               << 11.12 << 2;
    QTest::newRow("0.1 M NaH2PO4") << Doubles{2.148, 7.198, 12.319} << 0 << 0.1 << 1 << 0.0 << 0.0
                                   << 4.688005106366055 << 4.69 << 2;
    QTest::newRow("NaH2PO4 with HCl") << Doubles{2.148, 7.198, 12.319} << 0 << 0.1 << 1 << 0.0
                                      << 0.05 << 2.246816022158469 << 2.25 << 2;
    QTest::newRow("0.1 M glycine zwitterion")
        << Doubles{2.34, 9.60} << 1 << 0.1 << 1 << 0.0 << 0.0 << 5.979623365314017 << 5.98 << 2;
    QTest::newRow("0.1 M tetraprotic acid") << Doubles{2.1, 5.4, 9.7, 12.3} << 0 << 0.1 << 0 << 0.0
                                            << 0.0 << 1.6109290687663218 << 1.61 << 2;
    QTest::newRow("0.1 M tetrasodium salt") << Doubles{2.1, 5.4, 9.7, 12.3} << 0 << 0.1 << 4 << 0.0
                                            << 0.0 << 12.554399030727119 << 12.55 << 2;
    QTest::newRow("sulfuric-like, 0.05 M")
        << Doubles{-3, 1.99} << 0 << 0.05 << 0 << 0.0 << 0.0 << 1.2399852468207149 << 1.24 << 2;
    QTest::newRow("1e-10 M acetic acid")
        << Doubles{4.76} << 0 << 1e-10 << 0 << 0.0 << 0.0 << 6.999784095784871 << 7.0 << 2;
    QTest::newRow("10 M NaOH") << Doubles{4.76} << 0 << 0.0 << 0 << 10.0 << 0.0 << 15.0 << 15.0
                               << 2;
    QTest::newRow("10 M of six strong protons")
        << Doubles(6, -5.0) << 0 << 10.0 << 0 << 0.0 << 0.0 << -1.7781077970386858 << -1.78 << 2;
    QTest::newRow("10 M of six strong bases")
        << Doubles(6, 25.0) << 0 << 10.0 << 6 << 0.0 << 0.0 << 15.778151250340214 << 15.78 << 2;
}

void TestSolution::solutionPh() {
    QFETCH(double, expected);
    QFETCH(double, textbook);
    QFETCH(int, decimals);
    const auto [acid, solution] = fetchedSolution();
    const SolutionState state = solveSolution(acid, solution);
    QVERIFY2(std::abs(state.pH - expected) <= 1e-9,
             qPrintable(QStringLiteral("pH %1").arg(state.pH, 0, 'g', 17)));
    QCOMPARE(QString::number(state.pH, 'f', decimals), QString::number(textbook, 'f', decimals));
    QCOMPARE(state.pOH, kPKw - state.pH);
    VELMORA_COMPARE_REL(state.hydrogen * state.hydroxide, kKw, 1e-12);
}

void TestSolution::chargeBalanceVanishes_data() {
    addSolutionColumns();
    const Doubles six{-5, 0, 6, 12, 18, 25};
    for (int k = 0; k <= 6; ++k) {
        for (const double c : {1e-10, 1e-4, 10.0}) {
            QTest::addRow("six constants, %g M as species %d", c, k)
                << six << 0 << c << k << 0.0 << 0.0;
        }
    }
    for (int z = -6; z <= 6; z += 3) {
        QTest::addRow("charge %d, tetraprotic as species 2", z)
            << Doubles{2.1, 5.4, 9.7, 12.3} << z << 0.01 << 2 << 0.0 << 0.0;
    }
    QTest::newRow("strong base and acid both") << Doubles{7.0} << 0 << 0.1 << 0 << 10.0 << 9.9;
    QTest::newRow("equal constants") << Doubles{7, 7, 7} << 1 << 0.5 << 3 << 0.0 << 0.0;
}

void TestSolution::chargeBalanceVanishes() {
    const auto [acid, solution] = fetchedSolution();
    const SolutionState state = solveSolution(acid, solution);
    QVERIFY(std::isfinite(state.pH));
    QVERIFY(state.pH > -3.0 && state.pH < 17.0);
    const auto [net, scale] = chargeSums(acid, solution, state);
    // A pH 5e-11 off the root leaves about 1e-10 of the ions' charge unbalanced.
    QVERIFY2(std::abs(net) <= 1e-9 * scale,
             qPrintable(QStringLiteral("net %1 of %2").arg(net).arg(scale)));
    // A pH 1e-9 further on either side tips the balance to the side it belongs.
    const ChargeBalance balance(acid, solution);
    QVERIFY(balance(state.pH - 1e-9) > 0.0);
    QVERIFY(balance(state.pH + 1e-9) < 0.0);
}

void TestSolution::report_data() {
    QTest::addColumn<Doubles>("pKa");
    QTest::addColumn<Names>("names");
    QTest::addColumn<int>("dissolvedAs");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("acetic acid") << Doubles{4.76} << Names{} << 0
                                 << QStringList{"pH 2.8829", "HA 0.09869 mol/L 98.69 %",
                                                "A- 0.001310 mol/L 1.310 %"};
    QTest::newRow("sodium dihydrogen phosphate")
        << Doubles{2.148, 7.198, 12.319} << Names{"H3PO4", "H2PO4^-", "HPO4^2-", "PO4^3-"} << 1
        << QStringList{"pH 4.6880", "H3PO4 0.0002867 mol/L 0.2867 %",
                       "H2PO4^- 0.09941 mol/L 99.41 %", "HPO4^2- 0.0003072 mol/L 0.3072 %",
                       "PO4^3- 7.185e-12 mol/L 7.185e-09 %"};
}

void TestSolution::report() {
    QFETCH(Doubles, pKa);
    QFETCH(Names, names);
    QFETCH(int, dissolvedAs);
    QFETCH(QStringList, lines);
    const PolyproticAcid acid(pKa, 0, names);
    const Solution solution{0.1, dissolvedAs, 0.0, 0.0};
    QStringList actual;
    for (const std::string& line : solutionReport(acid, solveSolution(acid, solution))) {
        actual << QString::fromStdString(line);
    }
    QCOMPARE(actual, lines);
}

void TestSolution::equivalencePoints_data() {
    QTest::addColumn<Doubles>("pKa");
    QTest::addColumn<int>("dissolvedAs");
    QTest::addColumn<double>("strongAcid");
    QTest::addColumn<Titrant>("titrant");
    QTest::addColumn<Doubles>("equivalence");
    QTest::addColumn<Doubles>("half");
    QTest::addColumn<double>("endVolume");
    const Doubles phosphoric{2.148, 7.198, 12.319};
    // 20 mL of 0.1 mol/L with 0.1 mol/L titrant: 20 mL per proton.
    QTest::newRow("acetic acid with base")
        << Doubles{4.76} << 0 << 0.0 << Titrant::Base << Doubles{20} << Doubles{10} << 24.0;
    QTest::newRow("phosphoric acid with base")
        << phosphoric << 0 << 0.0 << Titrant::Base << Doubles{20, 40, 60} << Doubles{10, 30, 50}
        << 72.0;
    QTest::newRow("NaH2PO4 with base")
        << phosphoric << 1 << 0.0 << Titrant::Base << Doubles{20, 40} << Doubles{10, 30} << 48.0;
    QTest::newRow("NaH2PO4 with acid")
        << phosphoric << 1 << 0.0 << Titrant::Acid << Doubles{20} << Doubles{10} << 24.0;
    QTest::newRow("Na3PO4 with acid") << phosphoric << 3 << 0.0 << Titrant::Acid
                                      << Doubles{20, 40, 60} << Doubles{10, 30, 50} << 72.0;
    QTest::newRow("acetic acid with HCl first")
        << Doubles{4.76} << 0 << 0.05 << Titrant::Base << Doubles{10, 30} << Doubles{20} << 36.0;
    // Nothing to titrate: the end is the sample's own volume.
    QTest::newRow("acetate with base")
        << Doubles{4.76} << 1 << 0.0 << Titrant::Base << Doubles{} << Doubles{} << 20.0;
    QTest::newRow("acetic acid with acid")
        << Doubles{4.76} << 0 << 0.0 << Titrant::Acid << Doubles{} << Doubles{} << 20.0;
}

void TestSolution::equivalencePoints() {
    QFETCH(Doubles, pKa);
    QFETCH(int, dissolvedAs);
    QFETCH(double, strongAcid);
    QFETCH(Titrant, titrant);
    QFETCH(Doubles, equivalence);
    QFETCH(Doubles, half);
    QFETCH(double, endVolume);
    const PolyproticAcid acid(pKa);
    const Titrator titrator(acid, Solution{0.1, dissolvedAs, 0.0, strongAcid},
                            Titration{20.0, titrant, 0.1, 0.0});
    const Doubles whole = titrator.equivalenceVolumes();
    const Doubles halves = titrator.halfEquivalenceVolumes();
    QCOMPARE(whole.size(), equivalence.size());
    QCOMPARE(halves.size(), half.size());
    for (std::size_t i = 0; i < whole.size(); ++i) {
        VELMORA_COMPARE_REL(whole[i], equivalence[i], 1e-12);
    }
    for (std::size_t i = 0; i < halves.size(); ++i) {
        VELMORA_COMPARE_REL(halves[i], half[i], 1e-12);
    }
    // The default end is the round volume itself, not the product's last bits.
    QCOMPARE(titrator.endVolume(), endVolume);
    QCOMPARE(titrator.marks().size(), whole.size() + halves.size());
}

void TestSolution::titrationPh_data() {
    QTest::addColumn<Doubles>("pKa");
    QTest::addColumn<int>("dissolvedAs");
    QTest::addColumn<Titrant>("titrant");
    QTest::addColumn<double>("sampleVolume");
    QTest::addColumn<double>("volume");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("textbook");
    const Doubles acetic{4.76};
    QTest::newRow("acetic acid, half-way")
        << acetic << 0 << Titrant::Base << 50.0 << 25.0 << 4.760452344012249 << 4.76;
    QTest::newRow("acetic acid, equivalence")
        << acetic << 0 << Titrant::Base << 50.0 << 50.0 << 8.729537177573084 << 8.73;
    QTest::newRow("tetraprotic acid, 10 mL") << Doubles{2.1, 5.4, 9.7, 12.3} << 0 << Titrant::Base
                                             << 25.0 << 10.0 << 2.113063739196383 << 2.11;
    QTest::newRow("Na2HPO4 with HCl, 10 mL") << Doubles{2.148, 7.198, 12.319} << 2 << Titrant::Acid
                                             << 20.0 << 10.0 << 7.197999292181547 << 7.20;
}

void TestSolution::titrationPh() {
    QFETCH(Doubles, pKa);
    QFETCH(int, dissolvedAs);
    QFETCH(Titrant, titrant);
    QFETCH(double, sampleVolume);
    QFETCH(double, volume);
    QFETCH(double, expected);
    QFETCH(double, textbook);
    const PolyproticAcid acid(pKa);
    const Titrator titrator(acid, Solution{0.1, dissolvedAs, 0.0, 0.0},
                            Titration{sampleVolume, titrant, 0.1, 0.0});
    const double pH = titrator.pHAt(volume);
    QVERIFY2(std::abs(pH - expected) <= 1e-9, qPrintable(QString::number(pH, 'g', 17)));
    QCOMPARE(QString::number(pH, 'f', 2), QString::number(textbook, 'f', 2));
}

void TestSolution::titrationMarks_data() {
    // 25 mL of 0.1 mol/L with 0.1 mol/L titrant; `constants` is 0 for an equivalence point and
    // the pKa's number at a half-equivalence point. The textbook values are the usual
    // approximations (pH = pKa half-way, the amphiprotic mean (pKa1 + pKa2)/2, the weak base or
    // acid of the salt alone at equivalence), good to `tolerance`.
    QTest::addColumn<Doubles>("pKa");
    QTest::addColumn<int>("charge");
    QTest::addColumn<int>("dissolvedAs");
    QTest::addColumn<Titrant>("titrant");
    QTest::addColumn<Doubles>("volumes");
    QTest::addColumn<Ints>("constants");
    QTest::addColumn<Doubles>("textbook");
    QTest::addColumn<double>("tolerance");
    // Acetic acid: pH 4.76 half-way, 8.72-8.73 at 25.00 mL (0.05 mol/L acetate, pKb 9.24).
    QTest::newRow("acetic acid with NaOH")
        << Doubles{4.76} << 0 << 0 << Titrant::Base << Doubles{12.5, 25.0} << Ints{1, 0}
        << Doubles{4.76, 8.73} << 0.01;
    // Carbonic acid: NaHCO3 at pH 8.34, then 0.0333 mol/L carbonate at pH 11.41; half-way at
    // pKa2 the carbonate's own hydrolysis pulls the pH below 10.33.
    QTest::newRow("carbonic acid with NaOH")
        << Doubles{6.35, 10.33} << 0 << 0 << Titrant::Base << Doubles{12.5, 25.0, 37.5, 50.0}
        << Ints{1, 0, 2, 0} << Doubles{6.35, 8.34, 10.33, 11.41} << 0.15;
    // Phosphoric acid: pKa1 is strong enough that half-way the pH is well above 2.15.
    QTest::newRow("phosphoric acid with NaOH")
        << Doubles{2.148, 7.198, 12.319} << 0 << 0 << Titrant::Base
        << Doubles{12.5, 25.0, 37.5, 50.0, 62.5, 75.0} << Ints{1, 0, 2, 0, 3, 0}
        << Doubles{2.15, 4.67, 7.20, 9.76, 12.32, 12.0} << 0.5;
    // Ammonia with HCl: half-way at pKa 9.25, 0.05 mol/L NH4Cl at pH 5.28.
    QTest::newRow("ammonia with HCl")
        << Doubles{9.25} << 1 << 1 << Titrant::Acid << Doubles{12.5, 25.0} << Ints{1, 0}
        << Doubles{9.25, 5.28} << 0.01;
    // Na2HPO4 with HCl: protons given back to HPO4^2- (pKa2) and then H2PO4^- (pKa1).
    QTest::newRow("Na2HPO4 with HCl") << Doubles{2.148, 7.198, 12.319} << 0 << 2 << Titrant::Acid
                                      << Doubles{12.5, 25.0, 37.5, 50.0} << Ints{2, 0, 1, 0}
                                      << Doubles{7.20, 4.67, 2.15, 1.6} << 0.5;
}

void TestSolution::titrationMarks() {
    QFETCH(Doubles, pKa);
    QFETCH(int, charge);
    QFETCH(int, dissolvedAs);
    QFETCH(Titrant, titrant);
    QFETCH(Doubles, volumes);
    QFETCH(Ints, constants);
    QFETCH(Doubles, textbook);
    QFETCH(double, tolerance);
    const PolyproticAcid acid(pKa, charge);
    const Solution sample{0.1, dissolvedAs, 0.0, 0.0};
    const Titrator titrator(acid, sample, Titration{25.0, titrant, 0.1, 0.0});
    const std::vector<TitrationMark> marks = titrator.marks();
    QCOMPARE(marks.size(), volumes.size());
    // The independent mixture counts the counter-ions as sodium for each proton taken: the
    // balance C·(k − Σ j·α_j) is the same whatever the acid's charge (NH3 as NaA for HA).
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const QByteArray where = QByteArray::number(volumes[i]) + " mL";
        VELMORA_COMPARE_REL(marks[i].volume, volumes[i], 1e-12);
        QCOMPARE(marks[i].half, constants[i] != 0);
        QCOMPARE(marks[i].constant, constants[i]);
        const double expected =
            mixturePh(pKa, sample, titrant == Titrant::Base, 0.1, 25.0, volumes[i]);
        QVERIFY2(std::abs(marks[i].pH - expected) <= 1e-8, where.constData());
        QVERIFY2(std::abs(marks[i].pH - textbook[i]) <= tolerance,
                 qPrintable(where + " pH " + QByteArray::number(marks[i].pH)));
    }
}

void TestSolution::titrationIsMonotonic_data() {
    QTest::addColumn<Doubles>("pKa");
    QTest::addColumn<int>("dissolvedAs");
    QTest::addColumn<Titrant>("titrant");
    QTest::addColumn<double>("concentration");
    QTest::newRow("tetraprotic with base")
        << Doubles{2.1, 5.4, 9.7, 12.3} << 0 << Titrant::Base << 0.1;
    QTest::newRow("six constants with base")
        << Doubles{-5, 0, 6, 12, 18, 25} << 0 << Titrant::Base << 0.1;
    QTest::newRow("phosphate with acid")
        << Doubles{2.148, 7.198, 12.319} << 3 << Titrant::Acid << 0.1;
    QTest::newRow("dilute acetic acid") << Doubles{4.76} << 0 << Titrant::Base << 1e-6;
}

void TestSolution::titrationIsMonotonic() {
    QFETCH(Doubles, pKa);
    QFETCH(int, dissolvedAs);
    QFETCH(Titrant, titrant);
    QFETCH(double, concentration);
    const PolyproticAcid acid(pKa);
    const Titrator titrator(acid, Solution{concentration, dissolvedAs, 0.0, 0.0},
                            Titration{25.0, titrant, 0.1, 0.0});
    const std::vector<TitrationPoint> curve = titrator.curve(1001);
    QCOMPARE(curve.size(), std::size_t(1001));
    QCOMPARE(curve.front().volume, 0.0);
    QCOMPARE(curve.back().volume, titrator.endVolume());
    const double sign = titrant == Titrant::Base ? 1.0 : -1.0;
    for (std::size_t i = 1; i < curve.size(); ++i) {
        QVERIFY(curve[i].volume > curve[i - 1].volume);
        QVERIFY2(sign * (curve[i].pH - curve[i - 1].pH) >= -1e-9,
                 qPrintable(QStringLiteral("at %1 mL").arg(curve[i].volume)));
    }
    // The warm-started points are the points a cold solve finds.
    for (std::size_t i = 0; i < curve.size(); i += 97) {
        QVERIFY(std::abs(curve[i].pH - titrator.pHAt(curve[i].volume)) <= 1e-9);
    }
    // The drawn curve, with its points at every 0.05 pH, runs the same way: a falling curve's
    // extra points come in order of volume too.
    const std::vector<TitrationPoint> drawn = titrator.drawingCurve(101, 0.05);
    for (std::size_t i = 1; i < drawn.size(); ++i) {
        QVERIFY(drawn[i].volume >= drawn[i - 1].volume);
        QVERIFY2(sign * (drawn[i].pH - drawn[i - 1].pH) >= -1e-9,
                 qPrintable(QStringLiteral("at %1 mL").arg(drawn[i].volume)));
    }
}

void TestSolution::volumeAtIsTheInverse() {
    const std::array<double, 3> pKa{2.148, 7.198, 12.319};
    const PolyproticAcid acid(pKa);
    const Titrator titrator(acid, Solution{}, Titration{});
    for (const TitrationPoint& p : titrator.curve(41)) {
        if (p.volume > 0.0) {
            VELMORA_COMPARE_REL(titrator.volumeAt(p.pH), p.volume, 1e-6);
        }
    }
    // Beyond the titrant's own pH no volume reaches.
    QVERIFY(std::isnan(titrator.volumeAt(13.5)));
    const std::vector<TitrationPoint> drawn = titrator.drawingCurve(101, 0.05);
    QVERIFY(drawn.size() > 101);
    for (std::size_t i = 1; i < drawn.size(); ++i) {
        QVERIFY(drawn[i].volume >= drawn[i - 1].volume);
        QVERIFY(drawn[i].pH >= drawn[i - 1].pH - 1e-9);
    }
}

void TestSolution::titrationWithStrongAcidOrBase_data() {
    QTest::addColumn<Doubles>("pKa");
    QTest::addColumn<int>("dissolvedAs");
    QTest::addColumn<double>("strongBase");
    QTest::addColumn<double>("strongAcid");
    QTest::addColumn<Titrant>("titrant");
    const Doubles acetic{4.76};
    const Doubles phosphoric{2.148, 7.198, 12.319};
    QTest::newRow("acetic acid with HCl, base added")
        << acetic << 0 << 0.0 << 0.05 << Titrant::Base;
    QTest::newRow("acetic acid with NaOH, base added")
        << acetic << 0 << 0.03 << 0.0 << Titrant::Base;
    QTest::newRow("acetate with NaOH, acid added") << acetic << 1 << 0.05 << 0.0 << Titrant::Acid;
    QTest::newRow("acetate with HCl, acid added") << acetic << 1 << 0.0 << 0.02 << Titrant::Acid;
    QTest::newRow("phosphate with both, base added")
        << phosphoric << 1 << 0.01 << 0.04 << Titrant::Base;
    QTest::newRow("phosphate with NaOH, acid added")
        << phosphoric << 2 << 0.04 << 0.0 << Titrant::Acid;
}

void TestSolution::titrationWithStrongAcidOrBase() {
    QFETCH(Doubles, pKa);
    QFETCH(int, dissolvedAs);
    QFETCH(double, strongBase);
    QFETCH(double, strongAcid);
    QFETCH(Titrant, titrant);
    const PolyproticAcid acid(pKa);
    const Solution sample{0.1, dissolvedAs, strongBase, strongAcid};
    const Titration titration{25.0, titrant, 0.1, 0.0};
    const Titrator titrator(acid, sample, titration);
    const bool base = titrant == Titrant::Base;
    // Volumes both sides of the equivalence points, the strong acid's or base's own included.
    for (const double volume : {0.0, 5.0, 12.5, 20.0, 30.0, 40.0, 55.0}) {
        const double expected = mixturePh(pKa, sample, base, 0.1, 25.0, volume);
        const double pH = titrator.pHAt(volume);
        QVERIFY2(std::abs(pH - expected) <= 1e-8,
                 qPrintable(QStringLiteral("at %1 mL: pH %2, expected %3")
                                .arg(volume)
                                .arg(pH, 0, 'g', 12)
                                .arg(expected, 0, 'g', 12)));
        // The explicit volume of that pH is the volume it came from, where the curve is not
        // flat beyond reading (past the last equivalence point it still is not).
        if (volume > 0.0) {
            VELMORA_COMPARE_REL(titrator.volumeAt(pH), volume, 1e-5);
        }
    }
}

void TestSolution::inputBounds_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fine");
    // Each limit itself is allowed; a little beyond it is not.
    const struct {
        const char* input;
        double low;
        double high;
    } limits[] = {{"sample volume", 0.1, 1000.0},
                  {"titrant concentration", 1e-6, 10.0},
                  {"end volume", 0.001, 100000.0},
                  {"concentration", 1e-10, 10.0},
                  {"strong acid or base", 0.0, 10.0}};
    for (const auto& limit : limits) {
        const double below = limit.low == 0.0 ? -1e-12 : limit.low * 0.999;
        QTest::addRow("%s at its lowest", limit.input) << limit.input << limit.low << true;
        QTest::addRow("%s below", limit.input) << limit.input << below << false;
        QTest::addRow("%s at its highest", limit.input) << limit.input << limit.high << true;
        QTest::addRow("%s above", limit.input) << limit.input << limit.high * 1.001 << false;
        QTest::addRow("%s not a number", limit.input) << limit.input << std::nan("") << false;
    }
}

void TestSolution::inputBounds() {
    QFETCH(QString, input);
    QFETCH(double, value);
    QFETCH(bool, fine);
    const Problem problem = input == u"sample volume" ? problemWithSampleVolume(value)
                            : input == u"titrant concentration"
                                ? problemWithTitrantConcentration(value)
                            : input == u"end volume"    ? problemWithEndVolume(value)
                            : input == u"concentration" ? problemWithConcentration(value)
                                                        : problemWithStrongConcentration(value);
    QCOMPARE(problem.empty(), fine);
}

void TestSolution::grid_data() {
    QTest::addColumn<double>("last");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("beforeLast");
    QTest::newRow("pH by 0.1") << 14.0 << 0.1 << 141 << 13.9;
    QTest::newRow("pH by 0.3") << 14.0 << 0.3 << 48 << 13.8;
    QTest::newRow("pH by 0.001") << 14.0 << 0.001 << 14001 << 13.999;
    QTest::newRow("mL by 0.05 to 60") << 60.0 << 0.05 << 1201 << 59.95;
    QTest::newRow("mL by 0.05 to 24.02") << 24.02 << 0.05 << 482 << 24.0;
    QTest::newRow("step larger than the range") << 0.5 << 1.0 << 2 << 0.0;
    QTest::newRow("no step") << 14.0 << 0.0 << 2 << 0.0;
    QTest::newRow("no step, nothing to span") << 0.0 << 0.0 << 1 << 0.0;
    // A step that ends a hair short of the end would leave a sliver: the end takes its place.
    QTest::newRow("last step a hair short") << 2.0000005 << 1.0 << 3 << 1.0;
}

void TestSolution::grid() {
    QFETCH(double, last);
    QFETCH(double, step);
    QFETCH(int, count);
    QFETCH(double, beforeLast);
    const std::vector<double> values = inclusiveGrid(0.0, last, step);
    QCOMPARE(int(values.size()), count);
    QCOMPARE(values.front(), 0.0);
    QCOMPARE(values.back(), last);
    if (count >= 2) {
        QCOMPARE(values[values.size() - 2], beforeLast);
    }
    if (step == 0.1) {
        QCOMPARE(values[3], 0.3);
        QCOMPARE(values[7], 0.7);
    }
}

QTEST_APPLESS_MAIN(TestSolution)
#include "test_solution.moc"
