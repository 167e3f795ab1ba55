// SPDX-License-Identifier: GPL-3.0-or-later
#include "exampleacids.h"

#include "language/modeltexts.h"
#include "model/presets.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QMenu>
#include <QScrollBar>
#include <QWidget>

#include <cstddef>

namespace velmora::ui {

namespace {

/** An example acid's literature values joined as a teacher reads them: "2.15, 7.20, 12.35". */
QString presetValuesText(const model::Preset& preset) {
    return exampleValueTexts(preset).join(QStringLiteral(", "));
}

/** The menu entry of an example acid: "Phosphoric acid (2.15, 7.20, 12.35)". */
QString menuText(const model::Preset& preset) {
    return QStringLiteral("%1 (%2)").arg(language::presetName(preset), presetValuesText(preset));
}

} // namespace

QStringList exampleValueTexts(const model::Preset& preset) {
    QStringList texts;
    for (double v : preset.pKa) {
        texts << QString::number(v, 'f', preset.decimals());
    }
    return texts;
}

ExampleAcids::ExampleAcids(QButtonGroup& acidTypes, const Bars& bars, QWidget& window)
    : QObject(&window), m_acidTypes(acidTypes), m_bars(bars) {
    m_menu = new QMenu(tr("Example acids"), &window);
    m_menu->setObjectName(QStringLiteral("examplesMenu"));
    int lastProtons = 0;
    for (const model::Preset& preset : model::presets()) {
        // One group per acid type.
        if (lastProtons != 0 && preset.protons() != lastProtons) {
            m_menu->addSeparator();
        }
        lastProtons = preset.protons();
        QAction* action = m_menu->addAction(menuText(preset));
        action->setData(QString::fromStdString(preset.key));
        action->setToolTip(language::presetSource(preset));
        connect(action, &QAction::triggered, this, [this, &preset] { choose(preset); });
    }
    // The entry of the example the diagram shows is ticked; the others carry no empty boxes.
    connect(m_menu, &QMenu::aboutToShow, this, [this] {
        for (QAction* action : m_menu->actions()) {
            const bool ticked = m_example != nullptr && !action->isSeparator() &&
                                action->data().toString() == QString::fromStdString(m_example->key);
            action->setCheckable(ticked);
            action->setChecked(ticked);
        }
    });
}

bool ExampleAcids::holds(const model::Preset& preset) const {
    const int n = preset.protons();
    if (m_acidTypes.checkedId() != n) {
        return false;
    }
    const auto tenths = preset.tenths();
    for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k) {
        if (m_bars[k]->value() != tenths[k]) {
            return false;
        }
    }
    return true;
}

const model::Preset* ExampleAcids::shown() const {
    return m_example != nullptr && holds(*m_example) ? m_example : nullptr;
}

diagram::LabelTexts ExampleAcids::labels() const {
    const model::Preset* example = shown();
    return example != nullptr ? diagram::presetLabels(*example) : diagram::LabelTexts{};
}

QStringList ExampleAcids::heading() const {
    const model::Preset* example = shown();
    if (example == nullptr) {
        return {};
    }
    QStringList lines{language::presetName(*example),
                      //: The readout's line of an example acid's values: "pKa 2.15, 7.20, 12.35".
                      tr("pKa %1 (25 °C)").arg(presetValuesText(*example)),
                      language::presetSource(*example)};
    if (!example->note.empty()) {
        lines << language::presetNote(*example);
    }
    return lines;
}

void ExampleAcids::follow() {
    if (m_example != nullptr && !m_choosing && !holds(*m_example)) {
        m_example = nullptr;
    }
}

void ExampleAcids::choose(const model::Preset& preset) {
    const int n = preset.protons();
    if (n < 1 || n > model::kMaxProtons) {
        return;
    }
    m_example = &preset;
    m_choosing = true;
    // The same path as the user's clicks: the type's button, then each bar's Value in turn.
    m_acidTypes.button(n)->click();
    const auto tenths = preset.tenths();
    for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k) {
        m_bars[k]->setValue(tenths[k]);
    }
    m_choosing = false;
    // The last redraw above already showed the example: its formulas, and its literature values in
    // the window's model. One more only if the bars could not hold the values, so that the
    // diagram returns to the generic names and the bars' values.
    if (!holds(preset)) {
        emit labelsChanged();
    }
}

} // namespace velmora::ui
