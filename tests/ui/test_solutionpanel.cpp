// SPDX-License-Identifier: GPL-3.0-or-later
// The solution panel as the user works it: its buttons, fields, boxes and signals only, so that
// the tests hold whatever the panel's insides become.

#include "testsupport.h"

#include "model/polyprotic.h"
#include "ui/solution/numberfield.h"
#include "ui/solution/solutionpanel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
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

QTEST_MAIN(TestSolutionPanel)
#include "test_solutionpanel.moc"
