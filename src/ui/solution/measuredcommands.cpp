// SPDX-License-Identifier: GPL-3.0-or-later
#include "measuredcommands.h"

#include "measureddata.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

namespace velmora::ui {

MeasuredCommands::MeasuredCommands(QWidget& window, MeasuredData& data)
    : QObject(&window), m_window(window), m_data(data) {
    m_openAction = new QAction(tr("Open &measured titration…"), this);
    // Ctrl+O opens a recipe; the measured data take the shortcut beside it.
    m_openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    m_openAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_openAction, &QAction::triggered, this, &MeasuredCommands::open);
    m_pasteAction = new QAction(tr("&Paste measured titration"), this);
    // Only on the drawings: in a field, Ctrl+V pastes into the field.
    m_pasteAction->setShortcut(QKeySequence::Paste);
    m_pasteAction->setShortcutContext(Qt::WidgetShortcut);
    connect(m_pasteAction, &QAction::triggered, this, [this] { paste(); });
    m_clearAction = new QAction(tr("C&lear measured data"), this);
    connect(m_clearAction, &QAction::triggered, &m_data, &MeasuredData::clear);
    m_copyFitAction = new QAction(tr("Copy &fit results"), this);
    connect(m_copyFitAction, &QAction::triggered, this, &MeasuredCommands::copyFitResults);
    connect(&m_data, &MeasuredData::changed, this, &MeasuredCommands::updateActions);
    updateActions();
}

void MeasuredCommands::addTo(QMenu& menu) {
    menu.addAction(m_openAction);
    menu.addAction(m_pasteAction);
    menu.addAction(m_clearAction);
    menu.addAction(m_copyFitAction);
}

void MeasuredCommands::pasteOn(QWidget& drawing) {
    drawing.addAction(m_pasteAction);
}

void MeasuredCommands::updateActions() {
    m_clearAction->setEnabled(m_data.hasData() || !m_data.problem().isEmpty());
    m_copyFitAction->setEnabled(m_data.result().has_value());
}

QString MeasuredCommands::openFrom(const QString& path) {
    const QString problem = m_data.openFile(path);
    if (problem.isEmpty()) {
        m_lastFile = QFileInfo(path).absoluteFilePath();
        emit lastFileChanged();
    }
    return problem;
}

QString MeasuredCommands::paste() {
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    return m_data.takeText(mime != nullptr ? mime->text().toUtf8() : QByteArray());
}

bool MeasuredCommands::accepts(const QMimeData& mime) {
    for (const QUrl& url : mime.urls()) {
        if (url.isLocalFile()) {
            return true;
        }
    }
    return mime.hasText();
}

QString MeasuredCommands::drop(const QMimeData& mime) {
    for (const QUrl& url : mime.urls()) {
        if (url.isLocalFile()) {
            return openFrom(url.toLocalFile());
        }
    }
    return m_data.takeText(mime.text().toUtf8());
}

void MeasuredCommands::copyFitResults() {
    if (m_data.result()) {
        QApplication::clipboard()->setText(m_data.resultText());
    }
}

void MeasuredCommands::open() {
    QString start = m_lastFile;
    if (start.isEmpty() || !QFileInfo(start).absoluteDir().exists()) {
        start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    const QString path = QFileDialog::getOpenFileName(
        &m_window, tr("Open measured titration"), start,
        //: The file dialog's filter of measured titrations.
        tr("Measured titrations (*.csv *.txt *.tsv *.dat);;All files (*)"));
    if (!path.isEmpty()) {
        openFrom(path);
    }
}

} // namespace velmora::ui
