// SPDX-License-Identifier: GPL-3.0-or-later
// The solution panel as the user works it: its buttons, fields, boxes and signals only, so that
// the tests hold whatever the panel's insides become.

#include "testsupport.h"

#include "model/polyprotic.h"
#include "ui/solution/numberfield.h"
#include "ui/solution/solutionpanel.h"
#include "ui/solution/substancechooser.h"
#include "ui/solution/substancelist.h"
#include "ui/solution/substancelistview.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace velmora;
using namespace velmora::ui;

using test::pasteInto;
using test::typeInto;

using Doubles = std::vector<double>;

Q_DECLARE_METATYPE(Doubles)

namespace {

/** Chooses item `index` of a combo box as a user's choice does (activated). */
void choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

/** The listed substances as "key c k" ("pKa:2/7 c k" for typed constants), joined by "; ". */
QString listedSummary(const std::vector<ListedSubstance>& substances) {
    QStringList rows;
    for (const ListedSubstance& listed : substances) {
        QString first = QString::fromStdString(listed.substance);
        int species = listed.dissolvedAs.value_or(0);
        if (!listed.fromLibrary()) {
            QStringList values;
            for (const double pK : listed.typed.pK) {
                values << QString::number(pK);
            }
            first = (listed.typed.givenAsBase ? QStringLiteral("pKb:") : QStringLiteral("pKa:")) +
                    values.join(u'/');
            species = listed.typed.dissolvedAs;
        }
        rows << QStringLiteral("%1 %2 %3")
                    .arg(first, QString::number(listed.concentration))
                    .arg(species);
    }
    return rows.join(QStringLiteral("; "));
}

/**
 * One edit of the panel as a user makes it: "library filter" (Add from library…, the filter
 * typed, Enter), "typed" (Add typed), "constants i text", "base i", "conc i text", "species i k",
 * "remove i", "davies", "temperature text", "strongacid text".
 */
void perform(SolutionPanel& panel, const QString& step) {
    SubstanceListView& list = *panel.substanceList();
    const QString verb = step.section(u' ', 0, 0);
    const int row = step.section(u' ', 1, 1).toInt();
    const QString rest = step.section(u' ', 2);
    if (verb == u"library") {
        const QString filter = step.section(u' ', 1);
        QTimer::singleShot(0, [filter] {
            auto* chooser = qobject_cast<SubstanceChooser*>(QApplication::activeModalWidget());
            QVERIFY(chooser != nullptr);
            QTest::keyClicks(chooser->filterEdit(), filter);
            QTest::keyClick(chooser->filterEdit(), Qt::Key_Return);
        });
        click(list.libraryButton());
    } else if (verb == u"typed") {
        click(list.typedButton());
    } else if (verb == u"constants") {
        typeInto(list.constantsEdit(row), rest);
    } else if (verb == u"base") {
        choose(list.baseBox(row), 1);
    } else if (verb == u"conc") {
        typeInto(list.concentrationField(row), rest);
    } else if (verb == u"species") {
        choose(list.speciesBox(row), rest.toInt());
    } else if (verb == u"remove") {
        click(list.removeButton(row));
        // The row goes once its button's click is over.
        QCoreApplication::processEvents();
    } else if (verb == u"davies") {
        choose(panel.activityBox(), 1);
    } else if (verb == u"temperature") {
        typeInto(panel.temperatureField(), step.section(u' ', 1));
    } else if (verb == u"strongacid") {
        typeInto(panel.strongAcidField(), step.section(u' ', 1));
    } else {
        qFatal("unknown step %s", qPrintable(step));
    }
}

} // namespace

class TestSolutionPanel : public QObject {
    Q_OBJECT

private slots:
    void dissolvedStaysWithinTheSpecies_data();
    void dissolvedStaysWithinTheSpecies();
    void followingClearsOldProblems_data();
    void followingClearsOldProblems();
    void addedConstantStaysWithinRange_data();
    void addedConstantStaysWithinRange();
    void buttonsFollowTheCount_data();
    void buttonsFollowTheCount();
    void longFormulaIsRefusedAloud_data();
    void longFormulaIsRefusedAloud();
    void sliderFollowsTypedConcentration_data();
    void sliderFollowsTypedConcentration();
    void filterFindsByNameAndKey_data();
    void filterFindsByNameAndKey();
    void chooserWorksByKeyboard_data();
    void chooserWorksByKeyboard();
    void listedRowsDriveTheInputs_data();
    void listedRowsDriveTheInputs();
};

void TestSolutionPanel::dissolvedStaysWithinTheSpecies_data() {
    QTest::addColumn<Doubles>("pKa");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("removals");
    QTest::addColumn<int>("dissolved");
    QTest::newRow("last of four species, one removed") << Doubles{2, 7, 12} << 3 << 1 << 2;
    QTest::newRow("last of seven species, three removed")
        << Doubles{1, 3, 5, 7, 9, 11} << 6 << 3 << 3;
    QTest::newRow("first species, one removed") << Doubles{2, 7, 12} << 0 << 1 << 0;
    QTest::newRow("last of three species, one removed") << Doubles{2, 7} << 2 << 1 << 1;
}

void TestSolutionPanel::dissolvedStaysWithinTheSpecies() {
    QFETCH(Doubles, pKa);
    QFETCH(int, chosen);
    QFETCH(int, removals);
    QFETCH(int, dissolved);
    SolutionPanel panel;
    panel.show();
    panel.setAcid(model::PolyproticAcid(pKa));
    choose(panel.dissolvedBox(), chosen);
    QCOMPARE(panel.inputs().solution.dissolvedAs, chosen);
    for (int i = 0; i < removals; ++i) {
        click(panel.removeButton());
    }
    const int species = static_cast<int>(pKa.size()) - removals + 1;
    QCOMPARE(panel.constantCount(), species - 1);
    QCOMPARE(panel.inputs().acid.speciesCount(), species);
    QCOMPARE(panel.dissolvedBox()->count(), species);
    QCOMPARE(panel.inputs().solution.dissolvedAs, dissolved);
    QCOMPARE(panel.dissolvedBox()->currentIndex(), dissolved);
    // A constant added back brings the wanted species back.
    click(panel.addButton());
    QCOMPARE(panel.inputs().solution.dissolvedAs, std::min(chosen, species));
}

void TestSolutionPanel::followingClearsOldProblems_data() {
    QTest::addColumn<bool>("inFormulas"); // else in the constants
    QTest::newRow("constants out of order") << false;
    QTest::newRow("a formula with a comma") << true;
}

void TestSolutionPanel::followingClearsOldProblems() {
    QFETCH(bool, inFormulas);
    SolutionPanel panel;
    panel.show();
    panel.setAcid(model::PolyproticAcid(Doubles{2, 7}));
    const model::PolyproticAcid before = panel.inputs().acid;
    QLabel* problem = inFormulas ? panel.namesProblem() : panel.constantsProblem();
    if (inFormulas) {
        pasteInto(panel.nameEdit(1), QStringLiteral("H,A-"));
    } else {
        panel.pKaBox(0)->setValue(9.0);
    }
    QVERIFY(!problem->text().isEmpty());
    QVERIFY(problem->isVisible());
    // The faulty acid is not taken.
    QCOMPARE(panel.inputs().acid.exponents(), before.exponents());
    // Following the main window again shows its acid, which is fine: no problem stays.
    QSignalSpy changed(&panel, &SolutionPanel::inputsChanged);
    const model::PolyproticAcid followed(Doubles{4.76});
    panel.setAcid(followed);
    QCOMPARE(panel.inputs().acid, followed);
    QCOMPARE(changed.count(), 1);
    for (QLabel* label : {panel.constantsProblem(), panel.namesProblem()}) {
        QCOMPARE(label->text(), QString());
        QVERIFY(!label->isVisible());
    }
    QCOMPARE(panel.pKaBox(0)->accessibleDescription(), QString());
    QCOMPARE(panel.nameEdit(0)->accessibleDescription(), QString());
}

void TestSolutionPanel::addedConstantStaysWithinRange_data() {
    QTest::addColumn<Doubles>("pKa");
    QTest::addColumn<double>("added");
    QTest::newRow("after 5") << Doubles{5} << 7.0;
    QTest::newRow("after 23") << Doubles{23} << 25.0;
    QTest::newRow("after 24") << Doubles{24} << 25.0;
    QTest::newRow("after 25") << Doubles{3, 25} << 25.0;
    QTest::newRow("after -5") << Doubles{-5} << -3.0;
}

void TestSolutionPanel::addedConstantStaysWithinRange() {
    QFETCH(Doubles, pKa);
    QFETCH(double, added);
    SolutionPanel panel;
    panel.show();
    panel.setAcid(model::PolyproticAcid(pKa));
    QSignalSpy changed(&panel, &SolutionPanel::inputsChanged);
    click(panel.addButton());
    const int count = static_cast<int>(pKa.size()) + 1;
    QCOMPARE(panel.constantCount(), count);
    QCOMPARE(panel.pKaBox(count - 1)->value(), added);
    // The acid with the new constant is fine and taken, as the model's check has it.
    QCOMPARE(panel.constantsProblem()->text(), QString());
    Doubles expected = pKa;
    expected.push_back(added);
    QCOMPARE(panel.inputs().acid.exponents(), expected);
    QCOMPARE(changed.count(), 1);
}

void TestSolutionPanel::buttonsFollowTheCount_data() {
    QTest::addColumn<int>("constants");
    for (int n = 1; n <= model::kMaxConstants; ++n) {
        QTest::addRow("%d constants", n) << n;
    }
}

void TestSolutionPanel::buttonsFollowTheCount() {
    QFETCH(int, constants);
    SolutionPanel panel;
    Doubles pKa;
    for (int i = 0; i < constants; ++i) {
        pKa.push_back(2.0 + 3.0 * i);
    }
    panel.setAcid(model::PolyproticAcid(pKa));
    QCOMPARE(panel.addButton()->isEnabled(), constants < model::kMaxConstants);
    QCOMPARE(panel.removeButton()->isEnabled(), constants > 1);
    // The same after the buttons themselves brought the count here.
    SolutionPanel built;
    built.show();
    built.setAcid(model::PolyproticAcid(Doubles{2.0}));
    for (int i = 1; i < constants; ++i) {
        click(built.addButton());
    }
    QCOMPARE(built.constantCount(), constants);
    QCOMPARE(built.addButton()->isEnabled(), constants < model::kMaxConstants);
    QCOMPARE(built.removeButton()->isEnabled(), constants > 1);
    // A click on a disabled button does nothing.
    for (QPushButton* button : {built.removeButton(), built.addButton()}) {
        if (!button->isEnabled()) {
            click(button);
        }
    }
    QCOMPARE(built.constantCount(), constants);
}

void TestSolutionPanel::longFormulaIsRefusedAloud_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("48 characters") << 48 << true;
    QTest::newRow("49 characters") << 49 << true;
    QTest::newRow("50 characters") << 50 << false;
}

void TestSolutionPanel::longFormulaIsRefusedAloud() {
    QFETCH(int, length);
    QFETCH(bool, accepted);
    SolutionPanel panel;
    panel.show();
    panel.setAcid(model::PolyproticAcid(Doubles{4.76}));
    const model::PolyproticAcid before = panel.inputs().acid;
    const QString formula(length, QLatin1Char('X'));
    pasteInto(panel.nameEdit(1), formula);
    // Every character typed stays in the field: none is dropped unsaid.
    QCOMPARE(panel.nameEdit(1)->text(), formula);
    if (accepted) {
        QCOMPARE(panel.namesProblem()->text(), QString());
        QCOMPARE(panel.inputs().acid.speciesNames().at(1), formula.toStdString());
    } else {
        QCOMPARE(panel.namesProblem()->text(),
                 QStringLiteral("each name needs 1 to 49 characters"));
        QVERIFY(panel.namesProblem()->isVisible());
        QCOMPARE(panel.inputs().acid, before);
    }
}

void TestSolutionPanel::sliderFollowsTypedConcentration_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("concentration");
    // The slider counts hundredths of a decade from 1e-6 mol/L: log10(c) + 6, times 100.
    QTest::newRow("0.001") << "0.001" << 0.001;
    QTest::newRow("1") << "1" << 1.0;
    QTest::newRow("1e-6") << "1e-6" << 1e-6;
    QTest::newRow("0.05") << "0.05" << 0.05;
    QTest::newRow("3.16e-4") << "3.16e-4" << 3.16e-4;
    // Beyond its ends the slider rests at the end.
    QTest::newRow("5 beyond the top") << "5" << 5.0;
    QTest::newRow("1e-8 beyond the bottom") << "1e-8" << 1e-8;
}

void TestSolutionPanel::sliderFollowsTypedConcentration() {
    QFETCH(QString, typed);
    QFETCH(double, concentration);
    SolutionPanel panel;
    panel.show();
    QSignalSpy changed(&panel, &SolutionPanel::inputsChanged);
    typeInto(panel.concentrationField(), typed);
    const int position = std::clamp(
        static_cast<int>(std::lround((std::log10(concentration) + 6.0) * 100.0)), 0, 600);
    QCOMPARE(panel.concentrationSlider()->value(), position);
    QCOMPARE(panel.inputs().solution.concentration, concentration);
    // The field keeps the text as typed; the slider does not write over it.
    QCOMPARE(panel.concentrationField()->text(), typed);
    QVERIFY(changed.count() >= 1);
}

void TestSolutionPanel::filterFindsByNameAndKey_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("found");
    QTest::newRow("the name") << "Acetic"
                              << "Acetic acid"
                              << "acetic" << true;
    QTest::newRow("any letter case") << "ESSIG"
                                     << "Essigsäure"
                                     << "acetic" << true;
    QTest::newRow("without the accent") << "saure"
                                        << "Essigsäure"
                                        << "acetic" << true;
    QTest::newRow("with the accent") << "säure"
                                     << "Essigsäure"
                                     << "acetic" << true;
    QTest::newRow("accent in the filter only") << "acidé"
                                               << "Acide acétique"
                                               << "acetic" << true;
    QTest::newRow("words in any order") << "acetate sodium"
                                        << "Sodium acetate"
                                        << "sodium-acetate" << true;
    QTest::newRow("the key with its hyphen") << "sodium-acetate"
                                             << "Natriumacetat"
                                             << "sodium-acetate" << true;
    QTest::newRow("the key, translated name") << "acetic"
                                              << "Essigsäure"
                                              << "acetic" << true;
    QTest::newRow("one word missing") << "sodium citrate"
                                      << "Sodium acetate"
                                      << "sodium-acetate" << false;
    QTest::newRow("another substance") << "nitric"
                                       << "Nitrous acid"
                                       << "nitrous" << false;
    QTest::newRow("empty: everything") << "  "
                                       << "Phenol"
                                       << "phenol" << true;
}

void TestSolutionPanel::filterFindsByNameAndKey() {
    QFETCH(QString, filter);
    QFETCH(QString, name);
    QFETCH(QString, key);
    QFETCH(bool, found);
    QCOMPARE(filterFinds(filter, name, key), found);
}

void TestSolutionPanel::chooserWorksByKeyboard_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("down"); // arrow presses after the filter
    QTest::addColumn<bool>("systemsFull");
    QTest::addColumn<QString>("chosen"); // empty: Enter takes nothing
    QTest::newRow("first found") << "acetate" << 0 << false << "sodium-acetate";
    QTest::newRow("arrow to the second") << "hydroxide" << 1 << false << "potassium-hydroxide";
    QTest::newRow("arrow stops at the last") << "hydroxide" << 5 << false << "potassium-hydroxide";
    QTest::newRow("nothing found") << "zzz" << 0 << false << "";
    QTest::newRow("no room: systems cannot be chosen") << "acetic" << 0 << true << "";
    QTest::newRow("no room: a strong acid can") << "acid" << 0 << true << "hydrochloric";
}

void TestSolutionPanel::chooserWorksByKeyboard() {
    QFETCH(QString, filter);
    QFETCH(int, down);
    QFETCH(bool, systemsFull);
    QFETCH(QString, chosen);
    SubstanceChooser chooser([systemsFull](const model::Substance& substance) {
        return !systemsFull || systemCount(listedFromLibrary(substance)) == 0;
    });
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    QCOMPARE(QApplication::focusWidget(), chooser.filterEdit());
    QTest::keyClicks(chooser.filterEdit(), filter);
    for (int i = 0; i < down; ++i) {
        QTest::keyClick(chooser.filterEdit(), Qt::Key_Down);
    }
    // Typing goes on in the filter while the arrows move through the list.
    QCOMPARE(QApplication::focusWidget(), chooser.filterEdit());
    QTest::keyClick(chooser.filterEdit(), Qt::Key_Return);
    QCOMPARE(QString::fromStdString(chooser.chosenKey()), chosen);
    QCOMPARE(chooser.result(), chosen.isEmpty() ? 0 : int(QDialog::Accepted));
    QCOMPARE(chooser.isVisible(), chosen.isEmpty());
}

void TestSolutionPanel::listedRowsDriveTheInputs_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("listed"); // inputs().substances, see listedSummary()
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("davies");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<bool>("notCurrent");
    QTest::newRow("acetate from the library")
        << QStringList{"library sodium acet"} << "sodium-acetate 0.1 0" << 1 << false << 25.0
        << false;
    QTest::newRow("ammonia as NH3, then as NH4+") << QStringList{"library ammonia", "species 0 0"}
                                                  << "ammonia 0.1 0" << 1 << false << 25.0 << false;
    QTest::newRow("ammonia as it comes")
        << QStringList{"library ammonia"} << "ammonia 0.1 1" << 1 << false << 25.0 << false;
    QTest::newRow("typed acid's constants")
        << QStringList{"typed", "constants 0 2; 7", "species 0 1"} << "pKa:2/7 0.1 1" << 1 << false
        << 25.0 << false;
    QTest::newRow("typed constants with commas where decimals take a point")
        << QStringList{"typed", "constants 0 2.5, 7"} << "pKa:2.5/7 0.1 0" << 1 << false << 25.0
        << false;
    QTest::newRow("typed as a base")
        << QStringList{"typed", "base 0"} << "pKb:4.76 0.1 0" << 1 << false << 25.0 << false;
    QTest::newRow("typed constants out of order are not drawn")
        << QStringList{"typed", "constants 0 7; 2"} << "pKa:4.76 0.1 0" << 1 << false << 25.0
        << true;
    QTest::newRow("typed constants that are no numbers are not drawn")
        << QStringList{"typed", "constants 0 2; x"} << "pKa:4.76 0.1 0" << 1 << false << 25.0
        << true;
    QTest::newRow("concentration typed") << QStringList{"library nitric", "conc 0 0.5"}
                                         << "nitric 0.5 0" << 1 << false << 25.0 << false;
    QTest::newRow("concentration past 10 mol/L is not drawn")
        << QStringList{"library nitric", "conc 0 12"} << "nitric 0.1 0" << 1 << false << 25.0
        << true;
    QTest::newRow("one of two removed")
        << QStringList{"library nitric", "library sodium chloride", "remove 0"}
        << "sodium-chloride 0.1 0" << 1 << false << 25.0 << false;
    QTest::newRow("Davies at 37 °C")
        << QStringList{"davies", "temperature 37"} << "" << 0 << true << 37.0 << false;
    QTest::newRow("temperature past 100 °C is not drawn")
        << QStringList{"temperature 101"} << "" << 0 << false << 25.0 << true;
    QTest::newRow("strong acid field refused beside the list's")
        << QStringList{"library hydrochloric", "conc 0 9", "strongacid 2"} << "hydrochloric 9 0"
        << 1 << false << 25.0 << true;
}

void TestSolutionPanel::listedRowsDriveTheInputs() {
    QFETCH(QStringList, steps);
    QFETCH(QString, listed);
    QFETCH(int, rows);
    QFETCH(bool, davies);
    QFETCH(double, temperature);
    QFETCH(bool, notCurrent);
    SolutionPanel panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy changed(&panel, &SolutionPanel::inputsChanged);
    for (const QString& step : steps) {
        perform(panel, step);
    }
    QCOMPARE(listedSummary(panel.inputs().substances), listed);
    QCOMPARE(panel.substanceList()->rowCount(), rows);
    QCOMPARE(panel.inputs().activity == model::Activity::Davies, davies);
    QCOMPARE(panel.inputs().temperature, temperature);
    QCOMPARE(!panel.notCurrentText().isEmpty(), notCurrent);
    // Every change the drawings must follow was said.
    if (!listed.isEmpty() || davies) {
        QVERIFY(!changed.isEmpty());
    }
    // The acid's own inputs stay as they were.
    QCOMPARE(panel.inputs().acid, SolutionInputs{}.acid);
    QCOMPARE(panel.inputs().solution.strongAcid, 0.0);
}

QTEST_MAIN(TestSolutionPanel)
#include "test_solutionpanel.moc"
