// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/chartdata.h"
#include "model/polyprotic.h"
#include "model/solution.h"
#include "model/titration.h"

#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>

namespace velmora::ui {

/** What the solution window's controls set: the acid, the solution and the titration. */
struct SolutionInputs {
    model::PolyproticAcid acid;
    model::Solution solution;
    model::Titration titration;

    friend bool operator==(const SolutionInputs&, const SolutionInputs&) = default;
};

/** The solution window as it is remembered between runs. */
struct SolutionWindowState {
    SolutionInputs inputs;
    bool follow = true; ///< the acid is the main window's (the own acid is not remembered)
    diagram::ChartKind view = diagram::ChartKind::Fractions;
    std::optional<QSize> size;      ///< the window's inner size
    std::optional<QPoint> position; ///< the frame's top-left corner
    bool maximized = false;
};

/**
 * The file the solution window is remembered in: velmora/velmora.conf in the user's configuration
 * folder (XDG_CONFIG_HOME, usually ~/.config), an INI file. The main window keeps nothing there.
 */
[[nodiscard]] QString solutionSettingsFile();

/**
 * The remembered state. Every value is checked as if typed (the model's problemWith… checks,
 * the known view names); a missing or unfit value gives way to its default, so a damaged file
 * never keeps the window from opening.
 */
[[nodiscard]] SolutionWindowState loadSolutionState();

/**
 * Remembers `state`; the acid only when it is the window's own. The file is written whole or not
 * at all (QSettings writes through a temporary file); returns false when it could not be written.
 */
[[nodiscard]] bool saveSolutionState(const SolutionWindowState& state);

/** The settings' names of the views: "fractions", "logc", "titration". */
[[nodiscard]] QString viewKey(diagram::ChartKind kind);

} // namespace velmora::ui
