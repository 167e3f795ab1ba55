// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/labels.h"
#include "model/acid.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class QButtonGroup;
class QMenu;
class QScrollBar;
class QWidget;

namespace velmora::model {
struct Preset;
}

namespace velmora::ui {

/**
 * An example acid's literature values as the window writes them, one text per constant, all with
 * the acid's own number of decimals: "2.15", "7.20", "12.35"; "2.00", "2.69", "6.13".
 */
[[nodiscard]] QStringList exampleValueTexts(const model::Preset& preset);

/**
 * The main window's example acids: the "Example acids" menu, one entry per acid grouped by acid
 * type, and the example the diagram shows with its labels.
 *
 * Choosing an example takes the user's path: a click on its acid-type button, then each bar of
 * the type set in increasing order to the acid's value in tenths, each write running the bar's
 * handling with its cascade and redraw. The example is shown (its formulas on the diagram, its
 * name, values, source and note over the readout) while the acid type is its type and the enabled
 * bars hold its values in tenths; the first departure ends it for good. While it is shown, the
 * window's model holds the example's literature values exactly (the window sees to that).
 */
class ExampleAcids : public QObject {
    Q_OBJECT
public:
    /** The window's pKa bars in order, index 0 = the bar of pKa1. */
    using Bars = std::array<QScrollBar*, model::kMaxProtons>;

    /**
     * Works on the window's acid-type buttons (ids 1..4) and its bars; the menu belongs to
     * `window`.
     */
    ExampleAcids(QButtonGroup& acidTypes, const Bars& bars, QWidget& window);

    [[nodiscard]] QMenu* menu() const { return m_menu; }

    /** The example chosen last, until the window moves away from it; otherwise nullptr. */
    [[nodiscard]] const model::Preset* active() const { return m_example; }
    /** The active example while the acid type and the enabled bars are its own; else nullptr. */
    [[nodiscard]] const model::Preset* shown() const;
    /** The label texts of the diagram: the shown example's formulas, or all empty (generic). */
    [[nodiscard]] diagram::LabelTexts labels() const;
    /**
     * The readout's heading: the shown example's name, its literature values, their source and its
     * note (if any), or nothing.
     */
    [[nodiscard]] QStringList heading() const;

    /** Chooses `preset` the way a user would (see the class). */
    void choose(const model::Preset& preset);

    /**
     * Ends the example once the window has left it: while the bars are on their way to its values
     * it stays chosen, afterwards any departure from its values or its type ends it. The window
     * calls this before every redraw.
     */
    void follow();

signals:
    /** The chosen example cannot be shown after all: the diagram needs its generic names back. */
    void labelsChanged();

private:
    /** Whether the acid type and the enabled bars are those of `preset`. */
    [[nodiscard]] bool holds(const model::Preset& preset) const;

    QButtonGroup& m_acidTypes;
    Bars m_bars;
    QMenu* m_menu = nullptr;
    const model::Preset* m_example = nullptr;
    bool m_choosing = false; ///< the bars are on their way to the example's values
};

} // namespace velmora::ui
