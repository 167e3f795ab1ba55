// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagramcommands.h"

#include "ui/common/desktop.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QKeySequence>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRectF>
#include <QStandardPaths>
#include <QWidget>

#include <optional>

namespace velmora::ui {

namespace {

/** The clipboard gets the diagram at twice its size, sharp in documents and slides. */
constexpr int kClipboardScale = 2;
/** A saved PNG is drawn at the same size as the clipboard's. */
constexpr int kSavedImageScale = 2;

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

/** A file name without a suffix gets the one of the filter chosen in the dialog. */
QString withSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + u'.' + suffix : path;
}

} // namespace

DiagramCommands::DiagramCommands(QWidget& window, const DrawingSource& drawing)
    : QObject(&window), m_window(window), m_drawing(drawing) {
    m_copyAction = command(tr("&Copy diagram"), QKeySequence::Copy, &DiagramCommands::copyDiagram);
    m_saveAction = command(tr("&Save diagram…"), QKeySequence::Save, &DiagramCommands::saveDiagram);
    m_exportAction = command(tr("&Export data…"), QKeySequence(), &DiagramCommands::exportData);
    m_printAction = command(tr("&Print…"), QKeySequence::Print, &DiagramCommands::print);
}

QAction* DiagramCommands::command(const QString& text, const QKeySequence& keys,
                                  void (DiagramCommands::*handler)()) {
    auto* action = new QAction(text, &m_window);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, handler);
    m_window.addAction(action);
    return action;
}

void DiagramCommands::addTo(QMenu& menu) const {
    menu.addAction(m_copyAction);
    menu.addAction(m_saveAction);
    menu.addAction(m_exportAction);
    menu.addSeparator();
    menu.addAction(m_printAction);
}

void DiagramCommands::copyDiagram() {
    QImage image;
    const QString problem = encode::withinMemory([&] {
        image = m_drawing.image(kClipboardScale);
        return QString();
    });
    if (!problem.isEmpty()) {
        showProblem(&m_window, tr("The diagram could not be copied.\n\n%1").arg(problem));
        return;
    }
    QGuiApplication::clipboard()->setImage(image);
}

QString DiagramCommands::suggestedPath(const QString& suffix) const {
    QString folder = m_lastFolder;
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QFileInfo(folder).isDir()) {
            folder = QDir::homePath();
        }
    }
    return QDir(folder).filePath(m_drawing.fileName() + u'.' + suffix);
}

void DiagramCommands::rememberFolder(const QString& path) {
    m_lastFolder = QFileInfo(path).absolutePath();
}

void DiagramCommands::saveDiagram() {
    const QString png = tr("PNG image (*.png)");
    const QString svg = tr("SVG drawing (*.svg)");
    const QString pdf = tr("PDF document (*.pdf)");
    QString filter = png;
    QString path = QFileDialog::getSaveFileName(
        &m_window, tr("Save diagram"), suggestedPath(QStringLiteral("png")),
        QStringList{png, svg, pdf}.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty()) {
        return;
    }
    const QString suffix = filter == svg   ? QStringLiteral("svg")
                           : filter == pdf ? QStringLiteral("pdf")
                                           : QStringLiteral("png");
    path = withSuffix(path, suffix);
    rememberFolder(path);
    saveDiagramTo(path);
}

bool DiagramCommands::saveDiagramTo(const QString& path) {
    const std::optional<encode::ExportFormat> format = encode::formatForFile(path);
    if (!format || *format == encode::ExportFormat::Csv) {
        showProblem(&m_window,
                    tr("The diagram was not saved to %1.\n\nThe file name must end in .png, .svg "
                       "or .pdf, which decides the kind of file.")
                        .arg(nativePath(path)));
        return false;
    }
    return write(path, *format, kSavedImageScale,
                 tr("The diagram could not be saved to %1.\n\n%2"));
}

void DiagramCommands::exportData() {
    QString path =
        QFileDialog::getSaveFileName(&m_window, tr("Export data"),
                                     suggestedPath(QStringLiteral("csv")), tr("CSV table (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    path = withSuffix(path, QStringLiteral("csv"));
    rememberFolder(path);
    exportDataTo(path);
}

bool DiagramCommands::exportDataTo(const QString& path) {
    return write(path, encode::ExportFormat::Csv, 1,
                 tr("The data could not be exported to %1.\n\n%2"));
}

bool DiagramCommands::write(const QString& path, encode::ExportFormat format, int scale,
                            const QString& failure) {
    const QString reason =
        encode::withinMemory([&] { return m_drawing.write(path, format, scale); });
    if (reason.isEmpty()) {
        return true;
    }
    showProblem(&m_window, failure.arg(nativePath(path), reason));
    return false;
}

void DiagramCommands::print() {
    QPrinter printer(QPrinter::HighResolution);
    // The diagram is wider than high: it fills a landscape page best.
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(m_drawing.title());
    QPrintDialog dialog(&printer, &m_window);
    dialog.setWindowTitle(tr("Print diagram"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    printDiagram(printer);
}

bool DiagramCommands::printDiagram(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        QString where = printer.outputFileName().isEmpty() ? printer.printerName()
                                                           : nativePath(printer.outputFileName());
        if (where.isEmpty()) {
            //: Takes the place of %1 in "The diagram could not be printed on %1." when the
            //: printer has no name.
            where = tr("the printer");
        }
        showProblem(&m_window, tr("The diagram could not be printed on %1.\n\nThe printer or its "
                                  "file could not be opened.")
                                   .arg(where));
        return false;
    }
    // The painter's origin is the top-left corner of the printable area.
    const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    const QString problem = encode::withinMemory([&] {
        m_drawing.paint(painter, page);
        return QString();
    });
    const bool ended = painter.end();
    if (!problem.isEmpty()) {
        showProblem(&m_window, tr("The diagram could not be printed.\n\n%1").arg(problem));
        return false;
    }
    return ended;
}

} // namespace velmora::ui
