// The main window's additions around the plot: the example acids, the readout's content, the
// spoken summary, and taking the diagram out of the window (clipboard, files, printer).

#include "examples.h"
#include "phh.h"

#include "controlindex.h"

#include "diagram/formula.h"
#include "model/summary.h"
#include "ui/common/desktop.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QStandardPaths>

namespace velmora::ui {

namespace {

/** The clipboard gets the diagram at twice its size, sharp in documents and slides. */
constexpr int kClipboardScale = 2;
/** A saved PNG is drawn at the same size as the clipboard's. */
constexpr int kSavedImageScale = 2;

const QString& title() {
    static const QString text = QStringLiteral("Velmora");
    return text;
}

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

/** A file name without a suffix gets the one of the filter chosen in the dialog. */
QString withSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + u'.' + suffix : path;
}

} // namespace

void pHH::setUpPlotMenu() {
    m_plotMenu = new QMenu(this);
    m_plotMenu->setObjectName(QStringLiteral("plotMenu"));
    m_examplesMenu = m_plotMenu->addMenu(QStringLiteral("Example acids"));
    m_examplesMenu->setObjectName(QStringLiteral("examplesMenu"));
    int lastProtons = 0;
    for (const model::Preset& preset : model::presets()) {
        // One group per acid type.
        if (lastProtons != 0 && preset.protons() != lastProtons) {
            m_examplesMenu->addSeparator();
        }
        lastProtons = preset.protons();
        QAction* action = m_examplesMenu->addAction(presetMenuText(preset));
        action->setData(QString::fromStdString(preset.key));
        action->setToolTip(QString::fromStdString(preset.source));
        connect(action, &QAction::triggered, this, [this, &preset] { chooseExample(preset); });
    }
    // The entry of the example the diagram shows is ticked; the others carry no empty boxes.
    connect(m_examplesMenu, &QMenu::aboutToShow, this, [this] {
        for (QAction* action : m_examplesMenu->actions()) {
            const bool shown = m_example != nullptr && !action->isSeparator() &&
                               action->data().toString() == QString::fromStdString(m_example->key);
            action->setCheckable(shown);
            action->setChecked(shown);
        }
    });
    m_plotMenu->addSeparator();

    // The commands are the window's too, so their shortcuts work wherever the focus is.
    const auto command = [this](const QString& text, const QKeySequence& keys,
                                void (pHH::*handler)()) {
        auto* action = new QAction(text, this);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
        m_plotMenu->addAction(action);
        return action;
    };
    m_copyAction = command(QStringLiteral("Copy diagram"), QKeySequence::Copy, &pHH::copyDiagram);
    m_saveAction = command(QStringLiteral("Save diagram…"), QKeySequence::Save, &pHH::saveDiagram);
    m_exportAction = command(QStringLiteral("Export data…"), QKeySequence(), &pHH::exportData);
    m_plotMenu->addSeparator();
    m_printAction = command(QStringLiteral("Print…"), QKeySequence::Print, &pHH::print);

    m_Pict_pole->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_Pict_pole, &QWidget::customContextMenuRequested, this, &pHH::showPlotMenu);
}

void pHH::showPlotMenu(const QPoint& at) {
    // The menu covers the plot; a readout left standing under it would only be in the way.
    m_Pict_pole->hideReadout();
    m_plotMenu->popup(m_Pict_pole->mapToGlobal(at));
}

bool pHH::holds(const model::Preset& preset) const {
    const int n = preset.protons();
    if (m_acidTypes->checkedId() != n) {
        return false;
    }
    const auto tenths = preset.tenths();
    for (int k = 1; k <= n; ++k) {
        if (value(k) != tenths[static_cast<std::size_t>(k - 1)]) {
            return false;
        }
    }
    return true;
}

void pHH::markShownExample() {
    // While the bars are on their way the example stays chosen; once they are there, any
    // departure from its values or its type ends it for good.
    if (m_example != nullptr && !m_choosingExample && !holds(*m_example)) {
        m_example = nullptr;
    }
}

diagram::LabelTexts pHH::labelTexts() const {
    if (m_example == nullptr || !holds(*m_example)) {
        return {};
    }
    return presetLabels(*m_example);
}

diagram::Readout pHH::readoutAt(double pH) const {
    diagram::Readout readout = diagram::readoutAt(m_acid, pH, labelTexts());
    if (m_example != nullptr && holds(*m_example)) {
        readout.heading = presetHeading(*m_example);
    }
    return readout;
}

diagram::ExportRequest pHH::exportRequest() const {
    diagram::ExportRequest request;
    request.acid = m_acid;
    request.acid.computeConstants();
    request.labels = labelTexts();
    return request;
}

void pHH::describeDiagram() {
    const diagram::LabelTexts labels = labelTexts();
    model::SpeciesNames names = model::speciesNames(m_acid.protonCount());
    for (std::size_t j = 0; j < names.size(); ++j) {
        if (!labels[j].isEmpty()) {
            names[j] = diagram::spokenFormula(labels[j]).toStdString();
        }
    }
    QString summary = QString::fromStdString(model::describe(m_acid, names));
    if (m_example != nullptr && holds(*m_example)) {
        summary.prepend(QString::fromStdString(m_example->name) + QStringLiteral(". "));
    }
    m_Pict_pole->setAccessibleDescription(summary);
}

void pHH::chooseExample(const model::Preset& preset) {
    const int n = preset.protons();
    if (!validIndex(n)) {
        return;
    }
    m_example = &preset;
    m_choosingExample = true;
    // The same path as the user's clicks: the type's button, then each bar's Value in turn.
    m_Option1[slot(n)]->click();
    const auto tenths = preset.tenths();
    for (int k = 1; k <= n; ++k) {
        m_VScroll1[slot(k)]->setValue(tenths[slot(k - 1)]);
    }
    m_choosingExample = false;
    // The last redraw above already showed the formulas; one more only if the bars could not
    // hold the values, so that the diagram returns to the generic names.
    if (!holds(preset)) {
        grafik();
    }
}

void pHH::copyDiagram() {
    QGuiApplication::clipboard()->setImage(diagram::renderImage(exportRequest(), kClipboardScale));
}

QString pHH::suggestedPath(const QString& suffix) const {
    QString folder = m_lastFolder;
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QFileInfo(folder).isDir()) {
            folder = QDir::homePath();
        }
    }
    const QString name =
        m_example != nullptr ? QString::fromStdString(m_example->key) : QStringLiteral("diagram");
    return QDir(folder).filePath(name + u'.' + suffix);
}

void pHH::rememberFolder(const QString& path) {
    m_lastFolder = QFileInfo(path).absolutePath();
}

void pHH::saveDiagram() {
    const QString png = QStringLiteral("PNG image (*.png)");
    const QString svg = QStringLiteral("SVG drawing (*.svg)");
    const QString pdf = QStringLiteral("PDF document (*.pdf)");
    QString filter = png;
    QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Save diagram"), suggestedPath(QStringLiteral("png")),
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

bool pHH::saveDiagramTo(const QString& path) {
    const std::optional<diagram::ExportFormat> format = diagram::formatForFile(path);
    if (!format || *format == diagram::ExportFormat::Csv) {
        showProblem(this, title(),
                    QStringLiteral("The diagram was not saved to %1.\n\nThe file name must end in "
                                   ".png, .svg or .pdf, which decides the kind of file.")
                        .arg(nativePath(path)));
        return false;
    }
    diagram::ExportRequest request = exportRequest();
    request.scale = kSavedImageScale;
    const QString reason = diagram::writeExport(path, *format, request);
    if (!reason.isEmpty()) {
        showProblem(this, title(),
                    QStringLiteral("The diagram could not be saved to %1.\n\n%2")
                        .arg(nativePath(path), reason));
        return false;
    }
    return true;
}

void pHH::exportData() {
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export data"),
                                                suggestedPath(QStringLiteral("csv")),
                                                QStringLiteral("CSV table (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    path = withSuffix(path, QStringLiteral("csv"));
    rememberFolder(path);
    exportDataTo(path);
}

bool pHH::exportDataTo(const QString& path) {
    const QString reason = diagram::writeExport(path, diagram::ExportFormat::Csv, exportRequest());
    if (!reason.isEmpty()) {
        showProblem(this, title(),
                    QStringLiteral("The data could not be exported to %1.\n\n%2")
                        .arg(nativePath(path), reason));
        return false;
    }
    return true;
}

void pHH::print() {
    QPrinter printer(QPrinter::HighResolution);
    // The diagram is wider than high: it fills a landscape page best.
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(m_example != nullptr ? QString::fromStdString(m_example->name)
                                            : QStringLiteral("Distribution diagram"));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Print diagram"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    printDiagram(printer);
}

bool pHH::printDiagram(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString where = printer.outputFileName().isEmpty()
                                  ? printer.printerName()
                                  : nativePath(printer.outputFileName());
        showProblem(this, title(),
                    QStringLiteral("The diagram could not be printed on %1.\n\nThe printer "
                                   "or its file could not be opened.")
                        .arg(where.isEmpty() ? QStringLiteral("the printer") : where));
        return false;
    }
    // The painter's origin is the top-left corner of the printable area.
    const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    diagram::paintDiagram(painter, page, exportRequest());
    return painter.end();
}

} // namespace velmora::ui
