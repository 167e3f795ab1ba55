// SPDX-License-Identifier: GPL-3.0-or-later
// The substances listed below the solution window's acid, without a widget: what each kind of
// substance adds to the solution (checked by a charge balance written here), when the window
// draws a mixture instead of its one acid, and every rule of the list's edits (the model's limits
// of systems, refused values never taken, the solution checked as a whole).

#include "testsupport.h"

#include "ui/solution/solutionpanelstate.h"
#include "ui/solution/substancelist.h"

#include <QtTest>

#include <cmath>
#include <optional>

using namespace velmora;
using namespace velmora::ui;

namespace {

std::optional<double> number(const QString& token) {
    bool ok = false;
    const double value = token.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

/** "2;7.2" as constants; "x" for a text that cannot be read. */
std::optional<std::vector<double>> constantsOf(const QString& token) {
    std::vector<double> values;
    for (const QString& item : token.split(u';', Qt::SkipEmptyParts)) {
        const std::optional<double> value = number(item);
        if (!value) {
            return std::nullopt;
        }
        values.push_back(*value);
    }
    return values;
}

/**
 * One edit of the list or the fields beside it: "lib key [c]" (added from the library at c),
 * "typed acid|base [constants [c [k]]]", "remove i", "conc i c" (typed; "x" cannot be read),
 * "finish i", "pK i constants" (typed), "base i 0|1", "dissolve i k", "strongacid c" (the
 * solution's field, typed), "activity davies|ideal", "temperature t" (typed), "remember n key"
 * (remembered inputs listing `key` n times), "acidconc c" (the acid's concentration). Returns what
 * the state said.
 */
bool play(SolutionPanelState& state, const QString& step) {
    QStringList words = step.split(u' ', Qt::SkipEmptyParts);
    const QString verb = words.takeFirst();
    const auto index = [&words] { return words.at(0).toInt(); };
    if (verb == u"lib") {
        const model::Substance* substance = model::findSubstance(words.at(0).toStdString());
        ListedSubstance listed;
        listed.substance = words.at(0).toStdString();
        if (substance != nullptr) {
            listed = listedFromLibrary(*substance);
        }
        if (words.size() > 1) {
            listed.concentration = words.at(1).toDouble();
        }
        return state.addSubstance(listed);
    }
    if (verb == u"typed") {
        ListedSubstance listed = typedSubstance(words.at(0) == u"base");
        if (words.size() > 1) {
            listed.typed.pK = *constantsOf(words.at(1));
            if (listed.typed.givenAsBase) {
                listed.typed.charge = static_cast<int>(listed.typed.pK.size());
            }
        }
        if (words.size() > 2) {
            listed.concentration = words.at(2).toDouble();
        }
        if (words.size() > 3) {
            listed.typed.dissolvedAs = words.at(3).toInt();
        }
        return state.addSubstance(listed);
    }
    if (verb == u"remove") {
        return state.removeSubstance(index());
    }
    if (verb == u"conc") {
        return state.typeSubstanceConcentration(index(), number(words.at(1)));
    }
    if (verb == u"finish") {
        state.finishSubstanceTyping(index());
        return false;
    }
    if (verb == u"pK") {
        return state.typeSubstanceConstants(index(), constantsOf(words.at(1)));
    }
    if (verb == u"base") {
        return state.setSubstanceGivenAsBase(index(), words.at(1) == u"1");
    }
    if (verb == u"dissolve") {
        return state.setSubstanceDissolved(index(), words.at(1).toInt());
    }
    if (verb == u"strongacid") {
        return state.typeNumber(NumberInput::StrongAcid, number(words.at(0)));
    }
    if (verb == u"temperature") {
        return state.typeNumber(NumberInput::Temperature, number(words.at(0)));
    }
    if (verb == u"acidconc") {
        return state.setConcentration(number(words.at(0)));
    }
    if (verb == u"activity") {
        return state.setActivity(words.at(0) == u"davies" ? model::Activity::Davies
                                                          : model::Activity::Ideal);
    }
    if (verb == u"remember") {
        SolutionInputs inputs;
        const int times = words.at(0).toInt();
        for (int i = 0; i < times; ++i) {
            inputs.substances.push_back(
                listedFromLibrary(*model::findSubstance(words.at(1).toStdString())));
            inputs.substances.back().concentration =
                words.size() > 2 ? words.at(2).toDouble() : 0.1;
        }
        return state.setInputs(inputs);
    }
    qFatal("unknown step %s", qPrintable(step));
}

/** A weak system for the charge balance below: its pKa values, concentration and species. */
struct Balanced {
    std::vector<double> pKa;
    double concentration = 0.0;
    int dissolvedAs = 0;
};

/**
 * "2.15/7.2/12.35 0.05 2; 4.76 0.1 0": systems as pKa values (slashes), concentration and the
 * species dissolved, separated by semicolons.
 */
std::vector<Balanced> balancedOf(const QString& text) {
    std::vector<Balanced> systems;
    for (const QString& part : text.split(u';', Qt::SkipEmptyParts)) {
        const QStringList fields = part.split(u' ', Qt::SkipEmptyParts);
        Balanced system;
        for (const QString& pKa : fields.at(0).split(u'/')) {
            system.pKa.push_back(pKa.toDouble());
        }
        system.concentration = fields.at(1).toDouble();
        system.dissolvedAs = fields.at(2).toInt();
        systems.push_back(system);
    }
    return systems;
}

/**
 * The pH of ideal systems with strong acid and base at 25 °C, by bisection of the proton
 * condition: each system dissolved as species k has given k protons; at the pH it has given the
 * mean number n̄ = Σ j·α_j, so [H+] − [OH−] + C_B − C_A − Σ C·(n̄ − k) = 0.
 */
double balancedPh(const std::vector<Balanced>& systems, double strongAcid, double strongBase) {
    const auto excess = [&](double pH) {
        const double h = std::pow(10.0, -pH);
        double sum = h - 1.0e-14 / h + strongBase - strongAcid;
        for (const Balanced& system : systems) {
            // α_j ∝ Π_{i<j} Ka_i / h^j.
            std::vector<double> weights{1.0};
            for (const double pKa : system.pKa) {
                weights.push_back(weights.back() * std::pow(10.0, -pKa) / h);
            }
            double total = 0.0;
            double given = 0.0;
            for (std::size_t j = 0; j < weights.size(); ++j) {
                total += weights[j];
                given += static_cast<double>(j) * weights[j];
            }
            sum -= system.concentration * (given / total - system.dissolvedAs);
        }
        return sum;
    };
    double low = -2.0;
    double high = 16.0;
    for (int i = 0; i < 200; ++i) {
        const double middle = 0.5 * (low + high);
        (excess(middle) > 0.0 ? low : high) = middle;
    }
    return 0.5 * (low + high);
}

QString englishOf(const model::Problem& problem) {
    return QString::fromStdString(problem.english());
}

} // namespace

class TestSubstanceList : public QObject {
    Q_OBJECT
private slots:
    void substancesAddToTheSolution_data();
    void substancesAddToTheSolution();
    void ionsOfTheSolution_data();
    void ionsOfTheSolution();
    void oneAcidIsDrawnAsBefore_data();
    void oneAcidIsDrawnAsBefore();
    void listEdits_data();
    void listEdits();
    void titrantStaysTheWindows_data();
    void titrantStaysTheWindows();
};

void TestSubstanceList::substancesAddToTheSolution_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("systems");
    QTest::addColumn<double>("strongAcid");
    QTest::addColumn<double>("strongBase");
    QTest::addColumn<QString>("salts"); // "cation:anion" charges of each inert salt
    QTest::addColumn<QString>("balanced");
    QTest::addColumn<double>("balancedAcid");
    QTest::addColumn<double>("balancedBase");

    // The window's own acid stays first: HA with pKa 4.76 at 0.1 mol/L, dissolved as HA.
    const QString acid = QStringLiteral("4.76 0.1 0");
    // Published constants: acetic acid 4.76, ammonium 9.25, phosphoric acid 2.15, 7.20, 12.35,
    // hydrogen sulfate 1.99 (CRC Handbook).
    QTest::newRow("sodium acetate: the acid's buffer")
        << QStringList{"lib sodium-acetate 0.1"} << 2 << 0.0 << 0.0 << QString()
        << acid + QStringLiteral("; 4.76 0.1 1") << 0.0 << 0.0;
    QTest::newRow("ammonia dissolved as NH3")
        << QStringList{"lib ammonia 0.05"} << 2 << 0.0 << 0.0 << QString()
        << acid + QStringLiteral("; 9.245 0.05 1") << 0.0 << 0.0;
    QTest::newRow("ammonium chloride dissolved as NH4+")
        << QStringList{"lib ammonium-chloride 0.2"} << 2 << 0.0 << 0.0 << QString()
        << acid + QStringLiteral("; 9.245 0.2 0") << 0.0 << 0.0;
    QTest::newRow("disodium hydrogen phosphate")
        << QStringList{"lib disodium-hydrogen-phosphate 0.05"} << 2 << 0.0 << 0.0 << QString()
        << acid + QStringLiteral("; 2.15/7.20/12.35 0.05 2") << 0.0 << 0.0;
    QTest::newRow("hydrochloric acid to the strong acid")
        << QStringList{"lib hydrochloric 0.05"} << 1 << 0.05 << 0.0 << QString() << acid << 0.05
        << 0.0;
    QTest::newRow("two strong acids add up")
        << QStringList{"lib nitric 0.02", "lib perchloric 0.03"} << 1 << 0.05 << 0.0 << QString()
        << acid << 0.05 << 0.0;
    QTest::newRow("sulfuric acid: one proton strong, hydrogen sulfate weak")
        << QStringList{"lib sulfuric 0.05"} << 2 << 0.05 << 0.0 << QString()
        << acid + QStringLiteral("; 1.99 0.05 0") << 0.05 << 0.0;
    QTest::newRow("sodium hydroxide to the strong base")
        << QStringList{"lib sodium-hydroxide 0.06"} << 1 << 0.0 << 0.06 << QString() << acid << 0.0
        << 0.06;
    QTest::newRow("potassium nitrate: an inert salt")
        << QStringList{"lib potassium-nitrate 0.1"} << 1 << 0.0 << 0.0 << QStringLiteral("1:1")
        << acid << 0.0 << 0.0;
    QTest::newRow("typed acid as its sodium salt")
        << QStringList{"typed acid 3;8 0.04 1"} << 2 << 0.0 << 0.0 << QString()
        << acid + QStringLiteral("; 3/8 0.04 1") << 0.0 << 0.0;
    // A base B with pKb 4.75 is the acid HB+ with pKa 14 − 4.75, dissolved as B.
    QTest::newRow("typed base dissolved as itself")
        << QStringList{"typed base 4.75 0.1"} << 2 << 0.0 << 0.0 << QString()
        << acid + QStringLiteral("; 9.25 0.1 1") << 0.0 << 0.0;
    QTest::newRow("removed again")
        << QStringList{"lib hydrochloric 0.05", "lib sodium-acetate 0.1", "remove 0"} << 2 << 0.0
        << 0.0 << QString() << acid + QStringLiteral("; 4.76 0.1 1") << 0.0 << 0.0;
}

void TestSubstanceList::substancesAddToTheSolution() {
    QFETCH(QStringList, steps);
    QFETCH(int, systems);
    QFETCH(double, strongAcid);
    QFETCH(double, strongBase);
    QFETCH(QString, salts);
    QFETCH(QString, balanced);
    QFETCH(double, balancedAcid);
    QFETCH(double, balancedBase);
    SolutionPanelState state;
    for (const QString& step : steps) {
        play(state, step);
    }
    const std::optional<model::Mixture> mixture = drawnMixture(state.inputs());
    QVERIFY(mixture.has_value());
    QCOMPARE(static_cast<int>(mixture->systems.size()), systems);
    QVERIFY(test::closeTo(model::strongAcidOf(*mixture), strongAcid, 1e-12));
    QVERIFY(test::closeTo(mixture->strongBase, strongBase, 1e-12));
    QStringList shownSalts;
    for (const model::InertSalt& salt : mixture->salts) {
        shownSalts << QStringLiteral("%1:%2").arg(salt.cationCharge).arg(salt.anionCharge);
    }
    QCOMPARE(shownSalts.join(u' '), salts);
    QVERIFY(model::problemWithMixture(*mixture).empty());
    const double pH = model::solveMixture(*mixture).pH;
    const double expected = balancedPh(balancedOf(balanced), balancedAcid, balancedBase);
    // Both ideal at 25 °C: the same pH to well within the readout's two decimals.
    QVERIFY2(std::abs(pH - expected) < 0.005,
             qPrintable(QStringLiteral("pH %1, balance %2").arg(pH).arg(expected)));
}

void TestSubstanceList::ionsOfTheSolution_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<double>("ionicStrength"); // I = ½ Σ c z², mol/L, worked out by hand
    // A neutral base B takes up a proton from water: [BH+] = [OH−] = √(Kb·C) = √(10^−4.75·0.1).
    QTest::newRow("typed base: only its protonated share is charged")
        << "typed base 4.75 0.1" << std::sqrt(std::pow(10.0, -4.75) * 0.1);
    QTest::newRow("typed acid as NaHA: Na+ and HA−") << "typed acid 2;12 0.1 1" << 0.1;
    QTest::newRow("ammonium chloride: NH4+ and Cl−") << "lib ammonium-chloride 0.1" << 0.1;
    QTest::newRow("sodium chloride") << "lib sodium-chloride 0.05" << 0.05;
    // 2 Na+ and HPO4^2−: ½(0.1·1 + 0.05·4).
    QTest::newRow("disodium hydrogen phosphate") << "lib disodium-hydrogen-phosphate 0.05" << 0.15;
}

void TestSubstanceList::ionsOfTheSolution() {
    QFETCH(QString, step);
    QFETCH(double, ionicStrength);
    SolutionPanelState state;
    // The acid all but gone, so that the listed substance alone makes the ions.
    play(state, QStringLiteral("acidconc 1e-10"));
    play(state, QStringLiteral("activity davies"));
    play(state, step);
    const model::MixtureState solved = model::solveMixture(*drawnMixture(state.inputs()));
    // Within the few per cent that the activities and the minor species move it.
    QVERIFY2(test::closeTo(solved.ionicStrength, ionicStrength, 0.1),
             qPrintable(QStringLiteral("I = %1").arg(solved.ionicStrength)));
}

void TestSubstanceList::oneAcidIsDrawnAsBefore_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("mixture");
    QTest::newRow("as it starts") << QStringList{} << false;
    QTest::newRow("25 °C typed again") << QStringList{"temperature 25"} << false;
    QTest::newRow("another temperature") << QStringList{"temperature 37"} << true;
    QTest::newRow("temperature out of range") << QStringList{"temperature 120"} << false;
    QTest::newRow("Davies activities") << QStringList{"activity davies"} << true;
    QTest::newRow("Davies and back") << QStringList{"activity davies", "activity ideal"} << false;
    QTest::newRow("a listed substance") << QStringList{"lib sodium-chloride"} << true;
    QTest::newRow("listed and removed") << QStringList{"lib sodium-chloride", "remove 0"} << false;
}

void TestSubstanceList::oneAcidIsDrawnAsBefore() {
    QFETCH(QStringList, steps);
    QFETCH(bool, mixture);
    SolutionPanelState state;
    for (const QString& step : steps) {
        play(state, step);
    }
    const std::optional<model::Mixture> drawn = drawnMixture(state.inputs());
    QCOMPARE(drawn.has_value(), mixture);
    QCOMPARE(isSingleAcid(state.inputs()), !mixture);
    if (drawn) {
        // The acid stays the first system as the window dissolves it.
        const model::WeakSystem& first = drawn->systems.front();
        QCOMPARE(first.pK, state.inputs().acid.exponents());
        QCOMPARE(first.concentration, state.inputs().solution.concentration);
        QCOMPARE(drawn->temperature, state.inputs().temperature);
        QCOMPARE(drawn->activity, state.inputs().activity);
    }
}

void TestSubstanceList::listEdits_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("lastChanged");
    QTest::addColumn<int>("rows");     // as the list shows them
    QTest::addColumn<int>("taken");    // in inputs()
    QTest::addColumn<double>("shown"); // the last row's concentration as its field shows it
    QTest::addColumn<double>("drawn"); // and as inputs() have it; NaN for no row
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("problem"); // the row's or, after "|", the composition's

    const double none = qQNaN();
    QStringList sevenSystems;
    for (const char* key : {"acetic", "formic", "benzoic", "phenol", "ammonia", "boric", "tris"}) {
        sevenSystems << QStringLiteral("lib %1").arg(QLatin1String(key));
    }
    QTest::newRow("seven systems beside the acid")
        << sevenSystems << true << 7 << 7 << 0.1 << 0.1 << false << QString();
    QTest::newRow("an eighth system does not fit")
        << sevenSystems + QStringList{"lib lactic"} << false << 7 << 7 << 0.1 << 0.1 << false
        << QString();
    QTest::newRow("a salt of a system counts as one")
        << sevenSystems + QStringList{"lib sodium-acetate"} << false << 7 << 7 << 0.1 << 0.1
        << false << QString();
    QTest::newRow("typed constants count as one")
        << sevenSystems + QStringList{"typed acid"} << false << 7 << 7 << 0.1 << 0.1 << false
        << QString();
    QTest::newRow("a strong acid still fits")
        << sevenSystems + QStringList{"lib hydrochloric 0.01"} << true << 8 << 8 << 0.01 << 0.01
        << false << QString();
    QTest::newRow("sulfuric acid brings a system")
        << sevenSystems + QStringList{"lib sulfuric"} << false << 7 << 7 << 0.1 << 0.1 << false
        << QString();
    QStringList salts;
    for (int i = 0; i < kMaxListedSubstances + 1; ++i) {
        salts << QStringLiteral("lib sodium-chloride 0.01");
    }
    QTest::newRow("sixteen rows at most")
        << salts << false << kMaxListedSubstances << kMaxListedSubstances << 0.01 << 0.01 << false
        << QString();
    QTest::newRow("a key the library does not know")
        << QStringList{"lib vinegar"} << false << 0 << 0 << none << none << false << QString();

    // Typed edits of a row: taken while fine, the value from before while not.
    const QString range = QStringLiteral("must be from 0 to 10 mol/L");
    QTest::newRow("concentration typed") << QStringList{"lib acetic", "conc 0 0.25"} << true << 1
                                         << 1 << 0.25 << 0.25 << false << QString();
    QTest::newRow("concentration past the top is not drawn")
        << QStringList{"lib acetic", "conc 0 0.25", "conc 0 11"} << true << 1 << 1 << 11.0 << 0.1
        << true << range;
    QTest::newRow("finished typing: 0.25 is the value to return to")
        << QStringList{"lib acetic", "conc 0 0.25", "finish 0", "conc 0 11"} << false << 1 << 1
        << 11.0 << 0.25 << true << range;
    QTest::newRow("negative concentration") << QStringList{"lib sodium-chloride", "conc 0 -1"}
                                            << false << 1 << 1 << -1.0 << 0.1 << true << range;
    QTest::newRow("unreadable concentration") << QStringList{"lib acetic", "conc 0 x"} << false << 1
                                              << 1 << 0.1 << 0.1 << true << QString();
    QTest::newRow("mended") << QStringList{"lib acetic", "conc 0 x", "conc 0 0.5"} << true << 1 << 1
                            << 0.5 << 0.5 << false << QString();
    QTest::newRow("no concentration at all is fine")
        << QStringList{"lib acetic", "conc 0 0"} << true << 1 << 1 << 0.0 << 0.0 << false
        << QString();

    // The whole solution: the strong acids add up within the model's bound.
    const QString tooMuchAcid = QStringLiteral("|the strong acids add up to more than 10 mol/L");
    QTest::newRow("strong acids past 10 mol/L in all")
        << QStringList{"strongacid 6", "lib hydrochloric", "conc 0 5"} << false << 1 << 1 << 5.0
        << 0.1 << true << tooMuchAcid;
    QTest::newRow("taken once the field leaves room")
        << QStringList{"strongacid 6", "lib hydrochloric", "conc 0 5", "strongacid 4"} << true << 1
        << 1 << 5.0 << 5.0 << false << QString();
    QTest::newRow("sulfuric acid's proton counts")
        << QStringList{"strongacid 9.5", "lib sulfuric", "conc 0 0.6"} << false << 1 << 1 << 0.6
        << 0.1 << true << tooMuchAcid;
    QTest::newRow("strong bases past 10 mol/L in all")
        << QStringList{"lib sodium-hydroxide 6", "lib potassium-hydroxide", "conc 1 4.5"} << false
        << 2 << 2 << 4.5 << 0.1 << true
        << QStringLiteral("|the strong bases add up to more than 10 mol/L");
    QTest::newRow("a removed row leaves room")
        << QStringList{"lib sodium-hydroxide 6", "lib potassium-hydroxide", "conc 1 4.5",
                       "remove 0"}
        << true << 1 << 1 << 4.5 << 4.5 << false << QString();

    // Remembered lists: what no longer fits is dropped, never drawn.
    QTest::newRow("remembered: nine systems, seven kept")
        << QStringList{"remember 9 acetic"} << true << 7 << 7 << 0.1 << 0.1 << false << QString();
    QTest::newRow("remembered: strong acids past 10 mol/L, none kept")
        << QStringList{"remember 3 hydrochloric 4"} << false << 0 << 0 << none << none << false
        << QString();
}

void TestSubstanceList::listEdits() {
    QFETCH(QStringList, steps);
    QFETCH(bool, lastChanged);
    QFETCH(int, rows);
    QFETCH(int, taken);
    QFETCH(double, shown);
    QFETCH(double, drawn);
    QFETCH(bool, refused);
    QFETCH(QString, problem);
    SolutionPanelState state;
    bool changed = false;
    for (const QString& step : steps) {
        changed = play(state, step);
    }
    QCOMPARE(changed, lastChanged);
    const SubstanceListState& list = state.list();
    QCOMPARE(list.count(), rows);
    QCOMPARE(static_cast<int>(state.inputs().substances.size()), taken);
    if (rows > 0) {
        QCOMPARE(list.shown(rows - 1).concentration, shown);
        QCOMPARE(state.inputs().substances.back().concentration, drawn);
        QCOMPARE(list.refused(rows - 1) || !state.compositionProblem().empty(), refused);
        QCOMPARE(state.listRefused(), refused);
        QCOMPARE(englishOf(list.concentrationProblem(rows - 1)) + u'|' +
                     englishOf(state.compositionProblem()),
                 problem.contains(u'|') ? problem : problem + u'|');
    }
    // Whatever the fields show, the solution drawn is always one the model takes.
    QVERIFY(problemWithComposition(state.inputs()).empty());
}

void TestSubstanceList::titrantStaysTheWindows_data() {
    QTest::addColumn<bool>("acidTitrant");
    QTest::addColumn<double>("concentration");
    QTest::newRow("sodium hydroxide") << false << 0.1;
    QTest::newRow("hydrochloric acid") << true << 0.25;
}

void TestSubstanceList::titrantStaysTheWindows() {
    QFETCH(bool, acidTitrant);
    QFETCH(double, concentration);
    SolutionInputs inputs;
    inputs.titration.titrant = acidTitrant ? model::Titrant::Acid : model::Titrant::Base;
    inputs.titration.titrantConcentration = concentration;
    inputs.titration.sampleVolume = 20.0;
    inputs.titration.endVolume = 35.0;
    inputs.substances.push_back(listedFromLibrary(*model::findSubstance("sodium-acetate")));
    const model::MixtureTitration titration = mixtureTitrationOf(inputs);
    QCOMPARE(titration.sampleVolume, 20.0);
    QCOMPARE(titration.endVolume, 35.0);
    QVERIFY(titration.titrant.systems.empty());
    QCOMPARE(titration.titrant.strongAcid, acidTitrant ? concentration : 0.0);
    QCOMPARE(titration.titrant.strongBase, acidTitrant ? 0.0 : concentration);
}

QTEST_MAIN(TestSubstanceList)
#include "test_substancelist.moc"
