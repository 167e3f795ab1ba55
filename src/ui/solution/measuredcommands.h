// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QMimeData;
class QWidget;

namespace velmora::ui {

class MeasuredData;

/**
 * The solution window's commands of measured titrations: File → Open measured titration…
 * (Ctrl+Shift+O), Paste measured titration (Ctrl+V on a drawing: cells copied from a spreadsheet),
 * Clear measured data and Copy fit results, and files or text dropped on the window.
 *
 * What is read goes to MeasuredData, which takes it only when it is a titration as a whole; a
 * refusal is said beside the data in the panel, never in a dialog in the way. The file dialog
 * starts at the file opened last, whose path (not its data) the window remembers.
 */
class MeasuredCommands : public QObject {
    Q_OBJECT
public:
    MeasuredCommands(QWidget& window, MeasuredData& data);

    /** Open…, Paste, Clear and Copy fit results, in that order. */
    void addTo(QMenu& menu);
    /** Makes Ctrl+V paste measured data while `drawing` has the focus. */
    void pasteOn(QWidget& drawing);

    /** Opens the measured titration at `path`; why not, or "". */
    QString openFrom(const QString& path);
    /** Takes the clipboard's text; why not, or "". */
    QString paste();
    /** Whether `mime` holds something a drop would take: a local file or text. */
    [[nodiscard]] static bool accepts(const QMimeData& mime);
    /** Takes a dropped local file (the first) or else dropped text; why not, or "". */
    QString drop(const QMimeData& mime);
    /** Puts the fit's lines on the clipboard, as the command line prints them. */
    void copyFitResults();

    [[nodiscard]] const QString& lastFile() const { return m_lastFile; }
    void setLastFile(const QString& path) { m_lastFile = path; }

    [[nodiscard]] QAction* openAction() const { return m_openAction; }
    [[nodiscard]] QAction* pasteAction() const { return m_pasteAction; }
    [[nodiscard]] QAction* clearAction() const { return m_clearAction; }
    [[nodiscard]] QAction* copyFitAction() const { return m_copyFitAction; }

signals:
    /** A file was opened: lastFile() is another. */
    void lastFileChanged();

private:
    void open();
    void updateActions();

    QWidget& m_window;
    MeasuredData& m_data;
    QString m_lastFile;
    QAction* m_openAction = nullptr;
    QAction* m_pasteAction = nullptr;
    QAction* m_clearAction = nullptr;
    QAction* m_copyFitAction = nullptr;
};

} // namespace velmora::ui
