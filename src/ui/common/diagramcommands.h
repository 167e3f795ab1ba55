// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/export.h"

#include <QObject>
#include <QString>

class QAction;
class QImage;
class QMenu;
class QPainter;
class QPrinter;
class QRectF;
class QWidget;

namespace velmora::ui {

/**
 * A window's drawing as the diagram commands take it out: whatever it shows at the moment of the
 * command. A window implements it for each of its drawings.
 */
class DrawingSource {
public:
    DrawingSource() = default;
    DrawingSource(const DrawingSource&) = delete;
    DrawingSource& operator=(const DrawingSource&) = delete;
    virtual ~DrawingSource() = default;

    /**
     * The drawing as an image `scale` times its logical size; std::bad_alloc when there is no
     * memory for it.
     */
    [[nodiscard]] virtual QImage image(int scale) const = 0;
    /** Paints the drawing into `target` on any painter, its proportions kept. */
    virtual void paint(QPainter& painter, const QRectF& target) const = 0;
    /**
     * Writes the drawing (PNG at `scale`, SVG, PDF) or its data (CSV) to `path`, whole or not at
     * all. Returns the reason of a failure, or an empty string.
     */
    [[nodiscard]] virtual QString write(const QString& path, encode::ExportFormat format,
                                        int scale) const = 0;
    /** The file name the save dialogs suggest, without suffix ("diagram", "phosphoric"). */
    [[nodiscard]] virtual QString fileName() const = 0;
    /** The name of the printed document. */
    [[nodiscard]] virtual QString title() const = 0;
};

/**
 * The commands that take a drawing out of its window: Copy diagram (the clipboard, an image at
 * twice the size), Save diagram... (PNG at twice the size, SVG, PDF), Export data... (CSV) and
 * Print... (scaled to a landscape page). The save dialogs open in the folder used last, at first
 * the documents folder. The commands are the window's actions with its shortcuts, so they work
 * wherever the focus is; addTo() puts them in a menu too. Every failure is one message that names
 * the file or printer and the reason.
 */
class DiagramCommands : public QObject {
    Q_OBJECT
public:
    /** Commands of `window` for `drawing`; both outlive the commands. */
    DiagramCommands(QWidget& window, const DrawingSource& drawing);

    [[nodiscard]] QAction* copyAction() const { return m_copyAction; }

    /** Adds the commands to `menu`: copy, save, export, a separator, print. */
    void addTo(QMenu& menu) const;

    /** Where a save dialog opens: the folder used last (else the documents folder), the name. */
    [[nodiscard]] QString suggestedPath(const QString& suffix) const;

    /** Writes the diagram to `path` as PNG, SVG or PDF by its suffix; a failure is reported. */
    bool saveDiagramTo(const QString& path);
    /** Writes the drawing's data to `path` as CSV; a failure is reported. */
    bool exportDataTo(const QString& path);
    /** Prints the diagram on `printer`, scaled to the page with its proportions kept. */
    bool printDiagram(QPrinter& printer);

public slots:
    /** Copy diagram: the diagram at twice its size on the clipboard as an image. */
    void copyDiagram();
    /** Save diagram...: asks for a file, then saveDiagramTo(). */
    void saveDiagram();
    /** Export data...: asks for a file, then exportDataTo(). */
    void exportData();
    /** Print...: the print dialog, then printDiagram(). */
    void print();

private:
    QAction* command(const QString& text, const QKeySequence& keys,
                     void (DiagramCommands::*handler)());
    void rememberFolder(const QString& path);
    /** Writes through the drawing; a failure is one message, `failure` with the path and reason. */
    bool write(const QString& path, encode::ExportFormat format, int scale, const QString& failure);

    QWidget& m_window;
    const DrawingSource& m_drawing;
    QString m_lastFolder;
    QAction* m_copyAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_exportAction = nullptr;
    QAction* m_printAction = nullptr;
};

} // namespace velmora::ui
