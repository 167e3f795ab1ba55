// SPDX-License-Identifier: GPL-3.0-or-later
#include "substancelistview.h"

#include "numberfield.h"
#include "speciestext.h"
#include "substancechooser.h"
#include "typednumber.h"

#include "diagram/formula.h"
#include "language/modeltexts.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace velmora::ui {

namespace {

/** A formula without its charge, in caret notation: "HPO4^2-" gives "HPO4". */
QString uncharged(const std::string& formula) {
    QString base;
    for (const diagram::FormulaPiece& piece :
         diagram::formulaPieces(QString::fromStdString(formula))) {
        if (piece.row != diagram::FormulaRow::Raised) {
            base += piece.text;
        }
    }
    return base;
}

/** `count` of an ion written before or after a formula: "Na2", "Cl"; protons join its own. */
QString joined(const QString& ion, int count, const QString& formula, bool before) {
    if (!before) {
        return formula + ion + (count > 1 ? QString::number(count) : QString());
    }
    // Protons given to a species that has some already: H + HSO4 is H2SO4.
    static const QRegularExpression leadingHydrogen(QStringLiteral("^H(\\d*)(?![a-z])"));
    if (ion == u"H") {
        if (const QRegularExpressionMatch match = leadingHydrogen.match(formula);
            match.hasMatch()) {
            const int own = match.captured(1).isEmpty() ? 1 : match.captured(1).toInt();
            return QStringLiteral("H%1").arg(own + count) + formula.mid(match.capturedLength());
        }
    }
    return ion + (count > 1 ? QString::number(count) : QString()) + formula;
}

model::PolyproticAcid acidOfSystem(const model::WeakSystem& system) {
    return model::PolyproticAcid(system.pK, system.charge, system.formulas);
}

} // namespace

QString weighedFormula(const ListedSubstance& listed) {
    const model::Substance* substance = librarySubstance(listed);
    if (substance == nullptr) {
        return {};
    }
    const model::Substance& system = model::systemOf(*substance);
    const std::string& ion = substance->isForm()
                                 ? system.formulas.at(static_cast<std::size_t>(substance->species))
                                 : substance->formulas.front();
    if (substance->counterion.empty() || model::formulaCharge(ion) == 0) {
        return uncharged(ion);
    }
    const bool cationBefore = model::formulaCharge(substance->counterion) > 0;
    return joined(uncharged(substance->counterion), model::counterionCount(*substance),
                  uncharged(ion), cationBefore);
}

QString listedName(const ListedSubstance& listed) {
    if (const model::Substance* substance = librarySubstance(listed)) {
        return substanceName(*substance);
    }
    return listed.typed.givenAsBase ? SubstanceListView::tr("Base with typed pKb")
                                    : SubstanceListView::tr("Acid with typed pKa");
}

std::optional<std::vector<double>> readConstants(const QString& text, const QLocale& locale,
                                                 QString* problem) {
    // A comma separates the values only where it cannot be a decimal separator.
    const bool commaSeparates = shownDecimalSeparator(locale) != u',';
    static const QRegularExpression semicolons(QStringLiteral(";"));
    static const QRegularExpression semicolonsAndCommas(QStringLiteral("[;,]"));
    const QStringList items =
        text.split(commaSeparates ? semicolonsAndCommas : semicolons, Qt::SkipEmptyParts);
    std::vector<double> values;
    for (const QString& item : items) {
        if (item.trimmed().isEmpty()) {
            continue;
        }
        const TypedNumber typed = TypedNumber::read(item, locale);
        if (!typed.value) {
            if (problem != nullptr) {
                *problem = typed.problem;
            }
            return std::nullopt;
        }
        values.push_back(*typed.value);
    }
    return values;
}

SubstanceListView::SubstanceListView(SolutionPanelState& state, QWidget* parent)
    : QGroupBox(tr("Further substances"), parent), m_state(state) {
    setObjectName(QStringLiteral("substanceList"));
    auto* layout = new QVBoxLayout(this);
    m_rowsLayout = new QVBoxLayout;
    m_rowsLayout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(m_rowsLayout);
    m_composition = new QLabel(this);
    setUpProblemLabel(*m_composition);
    layout->addWidget(m_composition);
    auto* buttons = new QHBoxLayout;
    m_library = new QPushButton(tr("Add fro&m library…"), this);
    m_library->setAccessibleName(tr("Add a substance from the library"));
    m_typed = new QPushButton(tr("Add t&yped"), this);
    m_typed->setAccessibleName(tr("Add a system with typed constants"));
    m_typed->setToolTip(tr("A weak acid or base with pKa or pKb values you type"));
    buttons->addWidget(m_library);
    buttons->addWidget(m_typed);
    layout->addLayout(buttons);
    connect(m_library, &QPushButton::clicked, this, &SubstanceListView::addFromLibrary);
    connect(m_typed, &QPushButton::clicked, this, [this] {
        const int before = rowCount();
        const bool changed = m_state.addSubstance(typedSubstance(false));
        showRows();
        rowEdited(changed);
        if (rowCount() > before) {
            m_rows.back().constants->setFocus();
        }
    });
    showRows();
}

void SubstanceListView::addFromLibrary() {
    QPointer<SubstanceChooser> chooser(new SubstanceChooser(
        [this](const model::Substance& substance) {
            return m_state.canAddSubstance(listedFromLibrary(substance));
        },
        this));
    const bool chosen = chooser->exec() == QDialog::Accepted && chooser;
    if (chooser.isNull()) {
        return;
    }
    const std::string key = chosen ? chooser->chosenKey() : std::string();
    delete chooser;
    if (const model::Substance* substance = model::findSubstance(key)) {
        const int before = rowCount();
        const bool changed = m_state.addSubstance(listedFromLibrary(*substance));
        showRows();
        rowEdited(changed);
        // The new row's amount is what the user types next.
        if (rowCount() > before) {
            m_rows.back().concentration->setFocus();
        }
    }
}

void SubstanceListView::showRows() {
    for (RowWidgets& row : m_rows) {
        // A field that finishes its edit as it goes must not reach a row that is no more.
        for (QWidget* field : row.frame->findChildren<QWidget*>()) {
            field->disconnect(this);
        }
        delete row.frame;
    }
    m_rows.clear();
    const SubstanceListState& list = m_state.list();
    for (int i = 0; i < list.count(); ++i) {
        m_rows.push_back(buildRow(i));
        m_rowsLayout->addWidget(m_rows.back().frame);
        showRowState(i);
    }
    const bool room = list.count() < kMaxListedSubstances;
    m_library->setEnabled(room);
    m_typed->setEnabled(m_state.canAddSubstance(typedSubstance(false)));
    showComposition();
}

SubstanceListView::RowWidgets SubstanceListView::buildRow(int i) {
    const ListedSubstance& listed = m_state.list().shown(i);
    RowWidgets row;
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setObjectName(QStringLiteral("substance%1").arg(i + 1));
    row.frame = frame;
    auto* grid = new QGridLayout(frame);
    row.name = new QLabel(listedName(listed), frame);
    QFont bold = row.name->font();
    bold.setBold(true);
    row.name->setFont(bold);
    row.name->setWordWrap(true);
    grid->addWidget(row.name, 0, 0);
    row.remove = new QPushButton(tr("Remove"), frame);
    //: The Remove button of a listed substance, for screen readers: "Remove Acetic acid".
    row.remove->setAccessibleName(tr("Remove %1").arg(listedName(listed)));
    grid->addWidget(row.remove, 0, 1);
    connect(row.remove, &QPushButton::clicked, this, [this, i] {
        const bool changed = m_state.removeSubstance(i);
        // Rebuilt once the click is over: the button goes with its row.
        QMetaObject::invokeMethod(
            this,
            [this, changed] {
                showRows();
                rowEdited(changed);
                m_library->setFocus();
            },
            Qt::QueuedConnection);
    });

    int line = 1;
    if (!listed.fromLibrary()) {
        row.base = new QComboBox(frame);
        row.base->addItem(tr("pKa of the acid"));
        row.base->addItem(tr("pKb of the base"));
        row.base->setAccessibleName(tr("Constants given as"));
        row.base->setCurrentIndex(listed.typed.givenAsBase ? 1 : 0);
        grid->addWidget(row.base, line, 0);
        row.constants = new QLineEdit(frame);
        row.constants->setAccessibleName(tr("Typed constants"));
        //: The typed constants' field: values separated by semicolons.
        row.constants->setToolTip(tr("Values separated by semicolons: 2.15; 7.2; 12.35"));
        QStringList values;
        for (const double pK : listed.typed.pK) {
            values << shownNumber(QString::number(pK, 'g', 6), locale());
        }
        row.constants->setText(values.join(QStringLiteral("; ")));
        grid->addWidget(row.constants, line++, 1);
        row.constantsProblem = new QLabel(frame);
        setUpProblemLabel(*row.constantsProblem);
        grid->addWidget(row.constantsProblem, line++, 0, 1, 2);
        connect(row.base, &QComboBox::activated, this, [this, i](int index) {
            const bool changed = m_state.setSubstanceGivenAsBase(i, index == 1);
            const QString name = listedName(m_state.list().shown(i));
            m_rows.at(static_cast<std::size_t>(i)).name->setText(name);
            m_rows.at(static_cast<std::size_t>(i))
                .remove->setAccessibleName(tr("Remove %1").arg(name));
            showRowState(i);
            rowEdited(changed);
        });
        connect(row.constants, &QLineEdit::textEdited, this, [this, i] { constantsTyped(i); });
        connect(row.constants, &QLineEdit::editingFinished, this, [this, i] {
            m_state.finishSubstanceTyping(i);
            rowEdited(false);
        });
    }

    row.concentration = new NumberField(
        [](double value) { return model::problemWithStrongConcentration(value); }, frame);
    row.concentration->setAccessibleName(
        tr("Concentration of %1 in mol/L").arg(listedName(listed)));
    auto* caption = new QLabel(tr("Concentration (mol/L)"), frame);
    caption->setBuddy(row.concentration);
    grid->addWidget(caption, line, 0);
    grid->addWidget(row.concentration, line++, 1);
    grid->addWidget(row.concentration->problemLabel(), line++, 0, 1, 2);
    row.concentration->showText(concentrationText(listed.concentration));
    connect(row.concentration, &NumberField::edited, this, [this, i] {
        const bool changed = m_state.typeSubstanceConcentration(
            i, m_rows.at(static_cast<std::size_t>(i)).concentration->value());
        rowEdited(changed);
    });
    connect(row.concentration, &QLineEdit::editingFinished, this, [this, i] {
        m_state.finishSubstanceTyping(i);
        rowEdited(false);
    });

    if (hasSpeciesChoice(listed)) {
        row.species = new QComboBox(frame);
        row.species->setAccessibleName(tr("Species of %1 dissolved").arg(listedName(listed)));
        auto* dissolved = new QLabel(tr("Dissolved"), frame);
        dissolved->setBuddy(row.species);
        grid->addWidget(dissolved, line, 0);
        grid->addWidget(row.species, line++, 1);
        connect(row.species, &QComboBox::activated, this,
                [this, i](int index) { rowEdited(m_state.setSubstanceDissolved(i, index)); });
    } else {
        QString form;
        const QString formula = unicodeFormula(weighedFormula(listed));
        switch (listedKind(listed)) {
        case ListedKind::Salt:
            form = QCoreApplication::translate("velmora::ui::SpeciesText", "as %1").arg(formula);
            break;
        case ListedKind::StrongAcid:
            //: A listed strong acid: "HCl, strong acid".
            form = tr("%1, strong acid").arg(formula);
            break;
        case ListedKind::StrongBase:
            form = tr("%1, strong base").arg(formula);
            break;
        case ListedKind::Inert:
            //: A listed salt that takes no part in the acid-base reactions: "NaCl, inert salt".
            form = tr("%1, inert salt").arg(formula);
            break;
        case ListedKind::System:
            //: A base with typed constants is dissolved as the base itself.
            form = tr("as the base");
            break;
        }
        auto* label = new QLabel(form, frame);
        label->setWordWrap(true);
        grid->addWidget(label, line++, 0, 1, 2);
    }
    grid->setColumnStretch(1, 1);
    return row;
}

void SubstanceListView::showRowState(int i) {
    const RowWidgets& row = m_rows.at(static_cast<std::size_t>(i));
    const SubstanceListState& list = m_state.list();
    if (row.species != nullptr) {
        // The species of the system as it is taken, the chosen one current.
        const ListedSubstance taken = list.taken().at(static_cast<std::size_t>(i));
        row.species->clear();
        if (const std::optional<model::WeakSystem> system = model::weakSystemOf(taken)) {
            const model::PolyproticAcid acid = acidOfSystem(*system);
            for (int k = 0; k < acid.speciesCount(); ++k) {
                row.species->addItem(dissolvedText(acid, k));
            }
            row.species->setCurrentIndex(system->dissolvedAs);
        }
    }
    if (row.constants != nullptr) {
        QString problem = language::problemText(list.constantsProblem(i));
        if (list.unreadableConstants(i)) {
            (void)readConstants(row.constants->text(), locale(), &problem);
        }
        showProblem(*row.constantsProblem, *row.constants, problem);
    }
}

void SubstanceListView::constantsTyped(int i) {
    QLineEdit* edit = m_rows.at(static_cast<std::size_t>(i)).constants;
    const bool changed =
        m_state.typeSubstanceConstants(i, readConstants(edit->text(), locale(), nullptr));
    showRowState(i);
    rowEdited(changed);
}

void SubstanceListView::showComposition() {
    showProblem(*m_composition, *m_library, language::problemText(m_state.compositionProblem()));
}

void SubstanceListView::rowEdited(bool changed) {
    showComposition();
    emit edited(changed);
}

} // namespace velmora::ui
