// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solutioninputs.h"

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace velmora::ui {

/**
 * The solution window's File commands: Open recipe… and Save recipe…, and the recipe used last
 * to open again by its name.
 *
 * A recipe is read and written by io's recipe file (written whole or not at all); it is opened
 * into the window's inputs by inputsFromRecipe() and saved from them by recipeOf(). A file that
 * cannot be read, is malformed or holds a solution the window cannot show is refused in a message
 * that says why (the line and column of a JSON error), and the window stays as it was. The
 * dialogs start at the recipe used last, whose path the window remembers.
 */
class RecipeCommands : public QObject {
    Q_OBJECT
public:
    /** The window's inputs now; `show` sets them to an opened recipe's. */
    using InputsSource = std::function<SolutionInputs()>;
    using InputsSink = std::function<void(const SolutionInputs&)>;

    RecipeCommands(QWidget& window, InputsSource inputs, InputsSink show);

    /** Open recipe…, Open again (the last recipe by name) and Save recipe…, in that order. */
    void addTo(QMenu& menu);

    /** Reads the recipe at `path` and shows it; why not, in the user's language, or "". */
    QString openFrom(const QString& path);
    /** Writes the window's solution to `path`; why not, in the user's language, or "". */
    QString saveTo(const QString& path);

    [[nodiscard]] const QString& lastRecipe() const { return m_lastRecipe; }
    /** The recipe to offer again (a remembered path); empty for none. */
    void setLastRecipe(const QString& path);

    [[nodiscard]] QAction* openAction() const { return m_openAction; }
    [[nodiscard]] QAction* reopenAction() const { return m_reopenAction; }
    [[nodiscard]] QAction* saveAction() const { return m_saveAction; }

signals:
    /** A recipe was opened and shown, or one was saved: lastRecipe() may be another. */
    void lastRecipeChanged();

private:
    void open();
    void reopen();
    void save();
    /** Where the dialogs start: the recipe used last, else the documents folder. */
    [[nodiscard]] QString startPath() const;
    void showFailure(const QString& text);

    QWidget& m_window;
    InputsSource m_inputs;
    InputsSink m_show;
    QString m_lastRecipe;
    QAction* m_openAction = nullptr;
    QAction* m_reopenAction = nullptr;
    QAction* m_saveAction = nullptr;
};

} // namespace velmora::ui
