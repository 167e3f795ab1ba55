// SPDX-License-Identifier: GPL-3.0-or-later
// The solution panel's state without a widget: each row plays a run of edits as the panel
// forwards them and checks every rule the fields follow (constants added and removed within the
// model's bounds, the formulas following the species, the species dissolved within the acid, the
// main window's acid clearing problems, invalid input never reaching inputs()).

#include "testsupport.h"

#include "ui/solution/solutionpanelstate.h"

#include <QtTest>

#include <optional>

using namespace velmora;
using namespace velmora::ui;

namespace {

using Exponents = QList<double>;

std::string word(const QString& token) {
    return token == QLatin1String("<empty>") ? std::string() : token.toStdString();
}

std::optional<double> number(const QString& token) {
    bool ok = false;
    const double value = token.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

NumberInput numberInput(const QString& name) {
    static const QMap<QString, NumberInput> inputs{
        {QStringLiteral("conc"), NumberInput::Concentration},
        {QStringLiteral("acid"), NumberInput::StrongAcid},
        {QStringLiteral("base"), NumberInput::StrongBase},
        {QStringLiteral("tconc"), NumberInput::TitrantConcentration},
        {QStringLiteral("volume"), NumberInput::SampleVolume},
        {QStringLiteral("end"), NumberInput::EndVolume}};
    if (!inputs.contains(name)) {
        qFatal("unknown input %s", qPrintable(name));
    }
    return inputs.value(name);
}

/**
 * An acid written "pKa1 pKa2 … [z=charge] [| name0 name1 …]": "2.15 7.2 12.35 | H3PO4 H2PO4^-
 * HPO4^2- PO4^3-".
 */
model::PolyproticAcid acidOf(const QStringList& words) {
    std::vector<double> pKa;
    int charge = 0;
    std::vector<std::string> names;
    bool naming = false;
    for (const QString& w : words) {
        if (w == QLatin1String("|")) {
            naming = true;
        } else if (naming) {
            names.push_back(word(w));
        } else if (w.startsWith(QLatin1String("z="))) {
            charge = w.mid(2).toInt();
        } else {
            pKa.push_back(w.toDouble());
        }
    }
    return model::PolyproticAcid(pKa, charge, names);
}

/**
 * One edit as the panel forwards it: "acid …" (the main window's acid), "remember k …" (the
 * remembered inputs dissolving species k), "pKa i v", "charge z", "name j text", "add",
 * "remove", "generic", "dissolve k", "conc c", "titrant acid|base", "tconc c", "volume v";
 * typed edits: "type input v" (v not a number: a text that cannot be read), "finish input|pKa",
 * "set input v" (a whole edit) and "typepKa i v", where input is conc, acid, base, tconc, volume
 * or end"
 * ("-" for a field with nothing fine in it). Returns what the state said: inputs() changed.
 */
bool play(SolutionPanelState& state, const QString& step) {
    QStringList words = step.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString verb = words.takeFirst();
    if (verb == QLatin1String("acid")) {
        return state.setAcid(acidOf(words));
    }
    if (verb == QLatin1String("remember")) {
        SolutionInputs inputs;
        inputs.solution.dissolvedAs = words.takeFirst().toInt();
        inputs.acid = acidOf(words);
        return state.setInputs(inputs);
    }
    if (verb == QLatin1String("pKa")) {
        return state.setConstant(words.at(0).toInt(), words.at(1).toDouble());
    }
    if (verb == QLatin1String("charge")) {
        return state.setCharge(words.at(0).toInt());
    }
    if (verb == QLatin1String("name")) {
        return state.setName(words.at(0).toInt(), word(words.at(1)));
    }
    if (verb == QLatin1String("add")) {
        return state.addConstant();
    }
    if (verb == QLatin1String("remove")) {
        return state.removeConstant();
    }
    if (verb == QLatin1String("generic")) {
        return state.useGenericNames();
    }
    if (verb == QLatin1String("dissolve")) {
        return state.setDissolved(words.at(0).toInt());
    }
    if (verb == QLatin1String("conc")) {
        return state.setConcentration(number(words.at(0)));
    }
    if (verb == QLatin1String("titrant")) {
        return state.setTitrant(words.at(0) == QLatin1String("acid") ? model::Titrant::Acid
                                                                     : model::Titrant::Base);
    }
    if (verb == QLatin1String("tconc")) {
        return state.setTitrantConcentration(number(words.at(0)));
    }
    if (verb == QLatin1String("volume")) {
        return state.setSampleVolume(number(words.at(0)));
    }
    if (verb == QLatin1String("type")) {
        return state.typeNumber(numberInput(words.at(0)), number(words.at(1)));
    }
    if (verb == QLatin1String("finish")) {
        if (words.at(0) == QLatin1String("pKa")) {
            state.finishAcidTyping();
        } else {
            state.finishTyping(numberInput(words.at(0)));
        }
        return false;
    }
    if (verb == QLatin1String("set")) {
        return state.setNumber(numberInput(words.at(0)), number(words.at(1)));
    }
    if (verb == QLatin1String("typepKa")) {
        return state.typeConstant(words.at(0).toInt(), number(words.at(1)));
    }
    qFatal("unknown step %s", qPrintable(step));
}

Exponents exponentsOf(const std::vector<double>& values) {
    return {values.begin(), values.end()};
}

QStringList namesOf(const std::vector<std::string>& names) {
    QStringList list;
    for (const std::string& name : names) {
        list << QString::fromStdString(name);
    }
    return list;
}

} // namespace

class TestPanelState : public QObject {
    Q_OBJECT
private slots:
    void startsWithTheModelsAcid();
    void acidEdits_data();
    void acidEdits();
    void takenAcidIsTheFields_data();
    void takenAcidIsTheFields();
    void solutionFields_data();
    void solutionFields();
    void typedEditsDrawOnlyFineValues_data();
    void typedEditsDrawOnlyFineValues();
    void typedAcidReturnsToBeforeTheEdit_data();
    void typedAcidReturnsToBeforeTheEdit();
    void concentrationSlider_data();
    void concentrationSlider();
    void concentrationSliderPositionsReadBack();
};

void TestPanelState::startsWithTheModelsAcid() {
    const SolutionPanelState state;
    QCOMPARE(state.inputs(), SolutionInputs{});
    QCOMPARE(exponentsOf(state.constants()), Exponents{4.76});
    QCOMPARE(namesOf(state.names()), (QStringList{"HA", "A-"}));
    QVERIFY(!state.ownNames());
    QVERIFY(state.canAddConstant());
    QVERIFY(!state.canRemoveConstant());
}

void TestPanelState::acidEdits_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("lastChanged");    // what the last step returned
    QTest::addColumn<Exponents>("constants"); // as the fields show them
    QTest::addColumn<int>("charge");
    QTest::addColumn<QStringList>("names"); // the shown formulas
    QTest::addColumn<bool>("own");
    QTest::addColumn<int>("takenCount"); // constants of inputs().acid
    QTest::addColumn<int>("dissolvedAs");
    QTest::addColumn<QString>("constantsProblem");
    QTest::addColumn<QString>("namesProblem");

    const QString none;
    const QString unordered = QStringLiteral("values must be in non-decreasing order");

    // Constants added after the last one: the next value two above it, never past 25.
    QTest::newRow("add two above the last")
        << QStringList{"add"} << true << Exponents{4.76, 6.76} << 0
        << QStringList{"H2A", "HA-", "A2-"} << false << 2 << 0 << none << none;
    QTest::newRow("add held at the top")
        << QStringList{"acid 24", "add"} << true << Exponents{24, 25} << 0
        << QStringList{"H2A", "HA-", "A2-"} << false << 2 << 0 << none << none;
    QTest::newRow("add at the top")
        << QStringList{"acid 25", "add"} << true << Exponents{25, 25} << 0
        << QStringList{"H2A", "HA-", "A2-"} << false << 2 << 0 << none << none;
    QTest::newRow("add past six constants")
        << QStringList{"acid 1 2 3 4 5 6", "add"} << false << Exponents{1, 2, 3, 4, 5, 6} << 0
        << QStringList{"H6A", "H5A-", "H4A2-", "H3A3-", "H2A4-", "HA5-", "A6-"} << false << 6 << 0
        << none << none;
    QTest::newRow("remove the last")
        << QStringList{"acid 2.15 7.2 12.35", "remove"} << true << Exponents{2.15, 7.2} << 0
        << QStringList{"H2A", "HA-", "A2-"} << false << 2 << 0 << none << none;
    QTest::newRow("remove the only one")
        << QStringList{"remove"} << false << Exponents{4.76} << 0 << QStringList{"HA", "A-"}
        << false << 1 << 0 << none << none;

    // The species dissolved is kept within the species, and the wanted one comes back.
    QTest::newRow("remove past the dissolved")
        << QStringList{"acid 2.15 7.2 12.35", "dissolve 3", "remove"} << true
        << Exponents{2.15, 7.2} << 0 << QStringList{"H2A", "HA-", "A2-"} << false << 2 << 2 << none
        << none;
    QTest::newRow("add back to the wanted dissolved")
        << QStringList{"acid 2.15 7.2 12.35", "dissolve 3", "remove", "remove", "add", "add"}
        << true << Exponents{2.15, 4.15, 6.15} << 0 << QStringList{"H3A", "H2A-", "HA2-", "A3-"}
        << false << 3 << 3 << none << none;
    QTest::newRow("dissolve past the species")
        << QStringList{"dissolve 4"} << true << Exponents{4.76} << 0 << QStringList{"HA", "A-"}
        << false << 1 << 1 << none << none;
    QTest::newRow("dissolve the last species")
        << QStringList{"dissolve 1"} << true << Exponents{4.76} << 0 << QStringList{"HA", "A-"}
        << false << 1 << 1 << none << none;
    QTest::newRow("dissolve below the first")
        << QStringList{"dissolve 1", "dissolve -1"} << true << Exponents{4.76} << 0
        << QStringList{"HA", "A-"} << false << 1 << 0 << none << none;
    QTest::newRow("remembered dissolved past the species")
        << QStringList{"remember 5 3 9"} << true << Exponents{3, 9} << 0
        << QStringList{"H2A", "HA-", "A2-"} << false << 2 << 2 << none << none;
    QTest::newRow("remembered dissolved comes back with the species")
        << QStringList{"remember 3 3 9", "add"} << true << Exponents{3, 9, 11} << 0
        << QStringList{"H3A", "H2A-", "HA2-", "A3-"} << false << 3 << 3 << none << none;

    // The constants as edited, within the model's bounds and never reordered.
    QTest::newRow("pKa edited") << QStringList{"acid 2 7", "pKa 1 8.5"} << true << Exponents{2, 8.5}
                                << 0 << QStringList{"H2A", "HA-", "A2-"} << false << 2 << 0 << none
                                << none;
    QTest::newRow("pKa above the model's top")
        << QStringList{"pKa 0 30"} << true << Exponents{25} << 0 << QStringList{"HA", "A-"} << false
        << 1 << 0 << none << none;
    QTest::newRow("pKa below the model's bottom")
        << QStringList{"pKa 0 -9"} << true << Exponents{-5} << 0 << QStringList{"HA", "A-"} << false
        << 1 << 0 << none << none;
    QTest::newRow("pKa past the constants")
        << QStringList{"pKa 1 8"} << false << Exponents{4.76} << 0 << QStringList{"HA", "A-"}
        << false << 1 << 0 << none << none;
    QTest::newRow("pKa out of order not taken")
        << QStringList{"acid 2 7", "pKa 0 9"} << false << Exponents{9, 7} << 0
        << QStringList{"H2A", "HA-", "A2-"} << false << 2 << 0 << unordered << none;
    QTest::newRow("pKa back in order taken")
        << QStringList{"acid 2 7", "pKa 0 9", "pKa 1 10"} << true << Exponents{9, 10} << 0
        << QStringList{"H2A", "HA-", "A2-"} << false << 2 << 0 << none << none;
    QTest::newRow("unordered constants removed")
        << QStringList{"acid 2 7 12", "pKa 2 5", "remove"} << true << Exponents{2, 7} << 0
        << QStringList{"H2A", "HA-", "A2-"} << false << 2 << 0 << none << none;
    QTest::newRow("constant added while unordered")
        << QStringList{"acid 2 7", "pKa 0 9", "add"} << false << Exponents{9, 7, 9} << 0
        << QStringList{"H3A", "H2A-", "HA2-", "A3-"} << false << 2 << 0 << unordered << none;

    // The charge within the model's bounds; generic names follow it.
    QTest::newRow("charge renames the generic names")
        << QStringList{"charge 1"} << true << Exponents{4.76} << 1 << QStringList{"HA^+", "A"}
        << false << 1 << 0 << none << none;
    QTest::newRow("charge above the top")
        << QStringList{"charge 9"} << true << Exponents{4.76} << 6 << QStringList{"HA^6+", "A^5+"}
        << false << 1 << 0 << none << none;
    QTest::newRow("charge below the bottom")
        << QStringList{"charge -9"} << true << Exponents{4.76} << -6 << QStringList{"HA6-", "A7-"}
        << false << 1 << 0 << none << none;

    // The user's formulas: kept through edits, matching the species count.
    QTest::newRow("typed name makes them own")
        << QStringList{"name 0 AcOH"} << true << Exponents{4.76} << 0 << QStringList{"AcOH", "A-"}
        << true << 1 << 0 << none << none;
    QTest::newRow("own names kept through the charge")
        << QStringList{"name 0 AcOH", "charge 1"} << true << Exponents{4.76} << 1
        << QStringList{"AcOH", "A-"} << true << 1 << 0 << none << none;
    QTest::newRow("own names: added species gets its generic name")
        << QStringList{"name 0 AcOH", "add"} << true << Exponents{4.76, 6.76} << 0
        << QStringList{"AcOH", "A-", "A2-"} << true << 2 << 0 << none << none;
    QTest::newRow("own names: removed species drops its name")
        << QStringList{"acid 2.15 7.2 12.35 | H3PO4 H2PO4^- HPO4^2- PO4^3-", "remove"} << true
        << Exponents{2.15, 7.2} << 0 << QStringList{"H3PO4", "H2PO4^-", "HPO4^2-"} << true << 2 << 0
        << none << none;
    QTest::newRow("own names: a name re-added is the generic one")
        << QStringList{"acid 2.15 7.2 12.35 | H3PO4 H2PO4^- HPO4^2- PO4^3-", "remove", "add"}
        << true << Exponents{2.15, 7.2, 9.2} << 0
        << QStringList{"H3PO4", "H2PO4^-", "HPO4^2-", "A3-"} << true << 3 << 0 << none << none;
    QTest::newRow("own names back from the taken acid of as many species")
        << QStringList{"acid 2 7 12 | a b c d", "pKa 0 9", "name 3 x", "remove", "add"} << false
        << Exponents{9, 7, 9} << 0 << QStringList{"a", "b", "c", "d"} << true << 3 << 0 << unordered
        << none;
    QTest::newRow("own names kept while the acid has other species")
        << QStringList{"acid 2 7 12 | a b c d", "pKa 0 9", "name 1 Y", "remove"} << false
        << Exponents{9, 7} << 0 << QStringList{"a", "Y", "c"} << true << 3 << 0 << unordered
        << none;
    QTest::newRow("empty name not taken")
        << QStringList{"name 1 <empty>"} << false << Exponents{4.76} << 0 << QStringList{"HA", ""}
        << true << 1 << 0 << none << QStringLiteral("each name needs 1 to 49 characters");
    QTest::newRow("name past the species")
        << QStringList{"name 2 X"} << false << Exponents{4.76} << 0 << QStringList{"HA", "A-"}
        << false << 1 << 0 << none << none;
    QTest::newRow("generic names again")
        << QStringList{"name 0 AcOH", "add", "generic"} << true << Exponents{4.76, 6.76} << 0
        << QStringList{"H2A", "HA-", "A2-"} << false << 2 << 0 << none << none;
    QTest::newRow("generic names mend a names problem")
        << QStringList{"name 1 <empty>", "generic"} << false << Exponents{4.76} << 0
        << QStringList{"HA", "A-"} << false << 1 << 0 << none << none;

    // Following the main window: its acid replaces the fields and clears every problem.
    QTest::newRow("main window's acid clears problems")
        << QStringList{"acid 2 7", "pKa 0 9", "name 1 <empty>", "acid 3 5 z=1"} << true
        << Exponents{3, 5} << 1 << QStringList{"H2A^+", "HA", "A-"} << false << 2 << 0 << none
        << none;
    QTest::newRow("main window's own names")
        << QStringList{"acid 9.25 z=1 | NH4^+ NH3"} << true << Exponents{9.25} << 1
        << QStringList{"NH4^+", "NH3"} << true << 1 << 0 << none << none;
    QTest::newRow("main window's same acid")
        << QStringList{"acid 4.76"} << false << Exponents{4.76} << 0 << QStringList{"HA", "A-"}
        << false << 1 << 0 << none << none;
    QTest::newRow("main window's acid keeps the wanted dissolved")
        << QStringList{"acid 2 7", "dissolve 2", "acid 5", "acid 2 7 12"} << true
        << Exponents{2, 7, 12} << 0 << QStringList{"H3A", "H2A-", "HA2-", "A3-"} << false << 3 << 2
        << none << none;
}

void TestPanelState::acidEdits() {
    QFETCH(QStringList, steps);
    QFETCH(bool, lastChanged);
    QFETCH(Exponents, constants);
    QFETCH(int, charge);
    QFETCH(QStringList, names);
    QFETCH(bool, own);
    QFETCH(int, takenCount);
    QFETCH(int, dissolvedAs);
    QFETCH(QString, constantsProblem);
    QFETCH(QString, namesProblem);

    SolutionPanelState state;
    bool changed = false;
    for (const QString& step : steps) {
        const SolutionInputs before = state.inputs();
        changed = play(state, step);
        QCOMPARE(changed, !(state.inputs() == before));
    }
    QCOMPARE(changed, lastChanged);
    QCOMPARE(exponentsOf(state.constants()), constants);
    QCOMPARE(state.charge(), charge);
    QCOMPARE(namesOf(state.names()), names);
    QCOMPARE(state.ownNames(), own);
    QCOMPARE(state.inputs().acid.constantCount(), takenCount);
    QCOMPARE(state.inputs().solution.dissolvedAs, dissolvedAs);
    QCOMPARE(QString::fromStdString(state.constantsProblem().english()), constantsProblem);
    QCOMPARE(QString::fromStdString(state.namesProblem().english()), namesProblem);
    QCOMPARE(state.canAddConstant(), constants.size() < model::kMaxConstants);
    QCOMPARE(state.canRemoveConstant(), constants.size() > 1);
}

void TestPanelState::takenAcidIsTheFields_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("generic") << QStringList{"add", "pKa 1 8", "charge -1"};
    QTest::newRow("own") << QStringList{"acid 2 7 | a b c", "name 2 C", "pKa 0 1.5"};
    QTest::newRow("after generic") << QStringList{"acid 2 7 | a b c", "generic", "add"};
    QTest::newRow("remembered") << QStringList{"remember 1 1 2 3 z=2 | A B C D", "remove"};
}

/** When the fields are fine, inputs() holds exactly the acid they show. */
void TestPanelState::takenAcidIsTheFields() {
    QFETCH(QStringList, steps);
    SolutionPanelState state;
    for (const QString& step : steps) {
        play(state, step);
    }
    QVERIFY(state.constantsProblem().empty());
    QVERIFY(state.namesProblem().empty());
    const model::PolyproticAcid shown(state.constants(), state.charge(),
                                      state.ownNames() ? state.names()
                                                       : std::vector<std::string>{});
    QCOMPARE(state.inputs().acid, shown);
    QCOMPARE(state.inputs().acid.speciesNames(), state.names());
}

void TestPanelState::solutionFields_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("lastChanged");
    QTest::addColumn<double>("concentration");
    QTest::addColumn<bool>("acidTitrant");
    QTest::addColumn<double>("titrantConcentration");
    QTest::addColumn<double>("volume");

    QTest::newRow("defaults") << QStringList{"volume 25"} << false << 0.1 << false << 0.1 << 25.0;
    QTest::newRow("concentration taken")
        << QStringList{"conc 0.02"} << true << 0.02 << false << 0.1 << 25.0;
    QTest::newRow("concentration too high kept")
        << QStringList{"conc 0.02", "conc 20"} << false << 0.02 << false << 0.1 << 25.0;
    QTest::newRow("concentration empty kept")
        << QStringList{"conc 0.02", "conc -"} << false << 0.02 << false << 0.1 << 25.0;
    QTest::newRow("titrant acid") << QStringList{"titrant acid"} << true << 0.1 << true << 0.1
                                  << 25.0;
    QTest::newRow("titrant base again")
        << QStringList{"titrant acid", "titrant base"} << true << 0.1 << false << 0.1 << 25.0;
    QTest::newRow("titrant concentration taken")
        << QStringList{"tconc 0.5"} << true << 0.1 << false << 0.5 << 25.0;
    QTest::newRow("titrant concentration too high kept")
        << QStringList{"tconc 0.5", "tconc 11"} << false << 0.1 << false << 0.5 << 25.0;
    QTest::newRow("titrant concentration empty kept")
        << QStringList{"tconc -"} << false << 0.1 << false << 0.1 << 25.0;
    QTest::newRow("volume taken") << QStringList{"volume 50"} << true << 0.1 << false << 0.1
                                  << 50.0;
    QTest::newRow("volume too small kept")
        << QStringList{"volume 50", "volume 0.01"} << false << 0.1 << false << 0.1 << 50.0;
    QTest::newRow("volume too large kept")
        << QStringList{"volume 1001"} << false << 0.1 << false << 0.1 << 25.0;
    QTest::newRow("fields survive the main window's acid")
        << QStringList{"conc 0.02", "tconc 0.5", "volume 10", "titrant acid", "acid 2 7"} << true
        << 0.02 << true << 0.5 << 10.0;
}

void TestPanelState::solutionFields() {
    QFETCH(QStringList, steps);
    QFETCH(bool, lastChanged);
    QFETCH(double, concentration);
    QFETCH(bool, acidTitrant);
    QFETCH(double, titrantConcentration);
    QFETCH(double, volume);

    SolutionPanelState state;
    bool changed = false;
    for (const QString& step : steps) {
        changed = play(state, step);
    }
    QCOMPARE(changed, lastChanged);
    QCOMPARE(state.inputs().solution.concentration, concentration);
    QCOMPARE(state.inputs().titration.titrant == model::Titrant::Acid, acidTitrant);
    QCOMPARE(state.inputs().titration.titrantConcentration, titrantConcentration);
    QCOMPARE(state.inputs().titration.sampleVolume, volume);
}

void TestPanelState::typedEditsDrawOnlyFineValues_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("input");
    QTest::addColumn<double>("drawn"); // the value inputs() hold
    QTest::addColumn<bool>("refused");

    // A value that passed by while typing is not left drawn.
    QTest::newRow("1 on the way to 1e999")
        << QStringList{"type conc 1", "type conc x", "type conc 1e9"} << "conc" << 0.1 << true;
    QTest::newRow("fine while typing") << QStringList{"type conc 0.5"} << "conc" << 0.5 << false;
    QTest::newRow("finished, then refused")
        << QStringList{"type conc 0.5", "finish conc", "type conc 20"} << "conc" << 0.5 << true;
    QTest::newRow("refused when finished stays refused")
        << QStringList{"type conc 0.5", "type conc x", "finish conc"} << "conc" << 0.1 << true;
    QTest::newRow("mended") << QStringList{"type conc x", "type conc 0.3"} << "conc" << 0.3
                            << false;
    QTest::newRow("another field's edit is its own")
        << QStringList{"type conc 0.5", "finish conc", "type volume 30", "type conc x"} << "volume"
        << 30.0 << false;
    QTest::newRow("strong acid up to 10")
        << QStringList{"type acid 0.01", "finish acid", "type acid 11"} << "acid" << 0.01 << true;
    QTest::newRow("strong acid none") << QStringList{"set acid 0"} << "acid" << 0.0 << false;
    QTest::newRow("strong base below zero")
        << QStringList{"set base 0.2", "type base -0.1"} << "base" << 0.2 << true;
    QTest::newRow("end volume automatic")
        << QStringList{"set end 40", "type end 0"} << "end" << 0.0 << false;
    QTest::newRow("end volume below a microlitre")
        << QStringList{"set end 40", "type end 0.0001"} << "end" << 40.0 << true;
    QTest::newRow("end volume at its top")
        << QStringList{"type end 100000"} << "end" << 100000.0 << false;
    QTest::newRow("start volume refused")
        << QStringList{"type volume 0.05"} << "volume" << 25.0 << true;
    QTest::newRow("titrant below its range")
        << QStringList{"type tconc 1e-7"} << "tconc" << 0.1 << true;
    QTest::newRow("whole edit settles")
        << QStringList{"set tconc 0.2", "type tconc x"} << "tconc" << 0.2 << true;
}

void TestPanelState::typedEditsDrawOnlyFineValues() {
    QFETCH(QStringList, steps);
    QFETCH(QString, input);
    QFETCH(double, drawn);
    QFETCH(bool, refused);
    SolutionPanelState state;
    for (const QString& step : steps) {
        play(state, step);
    }
    QCOMPARE(numberOf(state.inputs(), numberInput(input)), drawn);
    QCOMPARE(state.refused(numberInput(input)), refused);
}

void TestPanelState::typedAcidReturnsToBeforeTheEdit_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Exponents>("drawn"); // the constants of inputs().acid
    QTest::addColumn<bool>("refused");
    QTest::addColumn<bool>("unreadable"); // pKa 0's text

    QTest::newRow("typed and fine")
        << QStringList{"acid 2 7", "typepKa 0 3"} << Exponents{3, 7} << false << false;
    // "1" then "12": out of order after a fine value on the way.
    QTest::newRow("out of order on the way")
        << QStringList{"acid 2 7", "typepKa 0 1", "typepKa 0 12"} << Exponents{2, 7} << true
        << false;
    QTest::newRow("unreadable") << QStringList{"acid 2 7", "typepKa 0 3", "typepKa 0 x"}
                                << Exponents{2, 7} << true << true;
    QTest::newRow("out of range is not clamped")
        << QStringList{"acid 2 7", "typepKa 0 -6"} << Exponents{2, 7} << true << false;
    QTest::newRow("finished, then unreadable")
        << QStringList{"acid 2 7", "typepKa 0 3", "finish pKa", "typepKa 0 x"} << Exponents{3, 7}
        << true << true;
    QTest::newRow("a step settles")
        << QStringList{"acid 2 7", "pKa 1 8", "typepKa 0 9"} << Exponents{2, 8} << true << false;
    QTest::newRow("the main window's acid ends the edit")
        << QStringList{"acid 2 7", "typepKa 0 x", "acid 4"} << Exponents{4} << false << false;
    QTest::newRow("adding shows the values again")
        << QStringList{"acid 2 7", "typepKa 0 x", "add"} << Exponents{2, 7, 9} << false << false;
}

void TestPanelState::typedAcidReturnsToBeforeTheEdit() {
    QFETCH(QStringList, steps);
    QFETCH(Exponents, drawn);
    QFETCH(bool, refused);
    QFETCH(bool, unreadable);
    SolutionPanelState state;
    for (const QString& step : steps) {
        play(state, step);
    }
    QCOMPARE(exponentsOf(state.inputs().acid.exponents()), drawn);
    QCOMPARE(state.acidRefused(), refused);
    QCOMPARE(state.unreadableConstant(0), unreadable);
    if (!refused) {
        QCOMPARE(exponentsOf(state.constants()), drawn);
    }
}

void TestPanelState::concentrationSlider_data() {
    QTest::addColumn<double>("concentration");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("shown"); // the concentration the position stands for
    QTest::newRow("lowest") << 1e-6 << 0 << 1e-6;
    QTest::newRow("highest") << 1.0 << 600 << 1.0;
    QTest::newRow("one decade down") << 0.1 << 500 << 0.1;
    QTest::newRow("between positions, nearest") << 0.05 << 470 << 0.0501;
    QTest::newRow("half a decade") << 0.0031622776601683794 << 350 << 0.00316;
    QTest::newRow("three digits below 1e-3") << 1.23e-5 << 109 << 1.23e-5;
    QTest::newRow("below the slider") << 1e-9 << 0 << 1e-6;
    QTest::newRow("above the slider") << 10.0 << 600 << 1.0;
}

void TestPanelState::concentrationSlider() {
    QFETCH(double, concentration);
    QFETCH(int, position);
    QFETCH(double, shown);
    QCOMPARE(concentrationPosition(concentration), position);
    // Compared as the decimal the field shows: 0.0501 is not 501 times 1e-4 in binary.
    QCOMPARE(positionConcentration(position),
             std::stod(QByteArray::number(shown, 'g', 3).toStdString()));
}

void TestPanelState::concentrationSliderPositionsReadBack() {
    double previous = 0.0;
    for (int position = 0; position <= kConcentrationPositions; ++position) {
        const double concentration = positionConcentration(position);
        QVERIFY2(concentration > previous, qPrintable(QString::number(position)));
        QCOMPARE(concentrationPosition(concentration), position);
        previous = concentration;
    }
}

QTEST_APPLESS_MAIN(TestPanelState)
#include "test_panelstate.moc"
