// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solutioninputs.h"

#include "charts/chartdata.h"

#include <QMap>
#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>

namespace velmora::ui {

/** The solution window as it is remembered between runs. */
struct SolutionWindowState {
    SolutionInputs inputs;
    bool follow = true; ///< the acid is the main window's (the own acid is not remembered)
    charts::ChartKind view = charts::ChartKind::Fractions;
    bool inputsShown = true;        ///< the inputs beside (or above) the drawing, not put away
    std::optional<QSize> size;      ///< the window's inner size
    std::optional<QPoint> position; ///< the inner area's top-left corner (the frame's around it)
    bool maximized = false;
    int textStep = 0;       ///< the charts' texts larger or smaller (charts::textStepScale())
    QString lastRecipe{};   ///< the recipe last opened or saved, to open again; empty for none
    QString lastMeasured{}; ///< the measured titration last opened (its path, not its data)
};

/**
 * The file the solution window is remembered in: velmora/velmora.conf in the user's configuration
 * folder (XDG_CONFIG_HOME, usually ~/.config), an INI file. The main window keeps nothing there.
 */
[[nodiscard]] QString solutionSettingsFile();

/**
 * The solution window's remembered state, shared by every instance of the program.
 *
 * Every value read is checked as if typed (the model's problemWith… checks, the known view
 * names); a missing or unfit value gives way to its default, so a damaged file never keeps the
 * window from opening. A file that is not a regular file (a FIFO, a device, a folder) or cannot
 * be read is not used at all: the window starts with its defaults and writes nothing.
 *
 * Each instance writes only the values it changed, each under its own key, so that what another
 * instance changed meanwhile survives: the last change of a key wins, never the last instance
 * to close.
 */
class SolutionSettings {
public:
    /** The remembered state; problem() says why the file could not be used, if it could not. */
    [[nodiscard]] SolutionWindowState load();

    /**
     * Takes `state` as what this instance has in the file now: later saves write only what
     * differs from it. The window settles the state it shows once it is built from load().
     */
    void settle(const SolutionWindowState& state);

    /** What a save writes: everything, or all but the window's size and place. */
    enum class Scope { Everything, WithoutGeometry };

    /**
     * Writes the values of `state` that differ from what this instance read or wrote last.
     * Returns an empty string on success (or when the file is not used), otherwise the reason.
     */
    [[nodiscard]] QString save(const SolutionWindowState& state, Scope scope = Scope::Everything);

    /** Why the file is not used, or an empty string. */
    [[nodiscard]] const QString& problem() const { return m_problem; }

private:
    QMap<QString, QString> m_written; ///< the encoded values this instance has in the file
    QString m_problem;
};

/** The state as keys and encoded values of the settings file (the acid only when it is own). */
[[nodiscard]] QMap<QString, QString> settingsValues(const SolutionWindowState& state);

/** The state that encoded values give, each value checked, defaults for what does not fit. */
[[nodiscard]] SolutionWindowState stateFromSettings(const QMap<QString, QString>& values);

/** The settings' names of the views: "fractions", "logc", "titration". */
[[nodiscard]] QString viewKey(charts::ChartKind kind);

} // namespace velmora::ui
