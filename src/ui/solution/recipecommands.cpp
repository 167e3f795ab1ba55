// SPDX-License-Identifier: GPL-3.0-or-later
#include "recipecommands.h"

#include "solutionrecipe.h"

#include "io/recipefile.h"

#include "language/modeltexts.h"

#include "ui/common/desktop.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QStandardPaths>
#include <QWidget>

namespace velmora::ui {

namespace {

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString recipeFilter() {
    //: The file dialogs' filter of recipe files.
    return RecipeCommands::tr("Recipes (*.json);;All files (*)");
}

} // namespace

RecipeCommands::RecipeCommands(QWidget& window, InputsSource inputs, InputsSink show)
    : QObject(&window), m_window(window), m_inputs(std::move(inputs)), m_show(std::move(show)) {
    m_openAction = new QAction(tr("&Open recipe…"), this);
    m_openAction->setShortcut(QKeySequence::Open);
    connect(m_openAction, &QAction::triggered, this, &RecipeCommands::open);
    m_reopenAction = new QAction(this);
    connect(m_reopenAction, &QAction::triggered, this, &RecipeCommands::reopen);
    m_saveAction = new QAction(tr("Save &recipe…"), this);
    // Ctrl+S saves the chart, as in the main window; the recipe takes the shortcut beside it.
    m_saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(m_saveAction, &QAction::triggered, this, &RecipeCommands::save);
    for (QAction* action : {m_openAction, m_saveAction}) {
        action->setShortcutContext(Qt::WindowShortcut);
    }
    setLastRecipe({});
}

void RecipeCommands::addTo(QMenu& menu) {
    menu.addAction(m_openAction);
    menu.addAction(m_reopenAction);
    menu.addAction(m_saveAction);
}

void RecipeCommands::setLastRecipe(const QString& path) {
    m_lastRecipe = path;
    //: File → open the recipe used last again; %1 is its file name.
    m_reopenAction->setText(path.isEmpty() ? tr("Open &again")
                                           : tr("Open &again: %1").arg(QFileInfo(path).fileName()));
    m_reopenAction->setToolTip(path.isEmpty() ? QString() : nativePath(path));
    m_reopenAction->setEnabled(!path.isEmpty());
}

QString RecipeCommands::startPath() const {
    if (!m_lastRecipe.isEmpty() && QFileInfo(m_lastRecipe).absoluteDir().exists()) {
        return m_lastRecipe;
    }
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString RecipeCommands::openFrom(const QString& path) {
    model::Recipe recipe;
    QString problem = io::RecipeFile::read(QFile::encodeName(path), recipe);
    SolutionInputs inputs;
    if (problem.isEmpty()) {
        if (const model::Problem wrong = inputsFromRecipe(recipe, m_inputs(), inputs);
            !wrong.empty()) {
            //: Why a recipe is not opened: it holds what the solution window cannot show.
            problem = tr("the recipe %1").arg(language::problemText(wrong));
        }
    }
    if (!problem.isEmpty()) {
        //: %1 is the file, %2 why it was not opened.
        return tr("The recipe %1 was not opened.\n\n%2").arg(nativePath(path), problem);
    }
    m_show(inputs);
    setLastRecipe(QFileInfo(path).absoluteFilePath());
    emit lastRecipeChanged();
    return {};
}

QString RecipeCommands::saveTo(const QString& path) {
    if (const QString reason = io::RecipeFile::write(QFile::encodeName(path), recipeOf(m_inputs()));
        !reason.isEmpty()) {
        //: %1 is the file, %2 the system's reason.
        return tr("The recipe could not be saved to %1.\n\n%2").arg(nativePath(path), reason);
    }
    setLastRecipe(QFileInfo(path).absoluteFilePath());
    emit lastRecipeChanged();
    return {};
}

void RecipeCommands::open() {
    const QString path =
        QFileDialog::getOpenFileName(&m_window, tr("Open recipe"), startPath(), recipeFilter());
    if (!path.isEmpty()) {
        showFailure(openFrom(path));
    }
}

void RecipeCommands::reopen() {
    if (!m_lastRecipe.isEmpty()) {
        showFailure(openFrom(m_lastRecipe));
    }
}

void RecipeCommands::save() {
    QString path =
        QFileDialog::getSaveFileName(&m_window, tr("Save recipe"), startPath(), recipeFilter());
    if (path.isEmpty()) {
        return;
    }
    // A name without a suffix gets the recipes' own.
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".json");
    }
    showFailure(saveTo(path));
}

void RecipeCommands::showFailure(const QString& text) {
    if (!text.isEmpty()) {
        showProblem(&m_window, text);
    }
}

} // namespace velmora::ui
