// SPDX-License-Identifier: GPL-3.0-or-later
/**
 * velmora_make_theory - typesets the theory document that Velmora ships beside the program
 * (explain_multiproticacids.pdf) from its rich-text source.
 *
 * Usage: velmora_make_theory [--program "Velmora 1.0"] [--language en|de|es|fr]
 *                            [--translations DIR] [--measured FILE] SOURCE.html OUTPUT.pdf
 *
 * The source is Qt rich text, the HTML subset that QTextDocument reads, with marked places that
 * are filled in from the program's own data first (theorysource.h) and pictures drawn here
 * (theoryfigures.h). It is laid out on A4 pages in CSS pixels (96 per inch, Qt::AA_Use96Dpi),
 * so that the pixel lengths of the source (margins, padding, picture sizes) and its point sizes
 * keep their usual meaning, with unhinted glyph advances so that lines break as they are
 * printed; every page is then painted into the PDF writer, scaled to its resolution, with a
 * running header and a "Page N of M" footer. The program needs a Qt platform plugin but no
 * display: the build runs it with QT_QPA_PLATFORM=offscreen.
 *
 * An edition in another language than English loads the program's translation of it
 * (velmora_<language>.qm from --translations, by default the translations folder beside the
 * generator), so that the program's words in the document (the example acids' names, the charts'
 * axes) are those the program shows in that language; the generator's own words (footer, the
 * title where the source has none) follow the language too. --measured names the sample
 * measurement that the charts of a measured titration draw.
 *
 * The output is reproducible: the same source gives the same bytes. The hash seed is fixed
 * (the writer emits fonts in the order of a hash table), and the creation date is the time in
 * SOURCE_DATE_EPOCH or, without it, left out (pdfdate.h).
 */

#include "pdfdate.h"
#include "theoryfigures.h"
#include "theorypages.h"
#include "theorysource.h"
#include "theorystyle.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHashSeed>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTranslator>

#include <ctime>
#include <optional>

namespace {

using namespace velmora::theory;

constexpr double kMmPerInch = 25.4;
constexpr double kLayoutDpi = 96.0; // CSS pixels; guaranteed by Qt::AA_Use96Dpi
constexpr int kPdfResolution = 1200;

/** Page geometry in millimetres from the top-left corner of an A4 sheet (210 x 297 mm). */
struct PageGeometry {
    double bodyLeft = 20.0;
    double bodyTop = 24.0;
    double bodyWidth = 170.0;
    double bodyHeight = 250.0;
    double headerBaseline = 14.0;
    double headerRule = 16.0;
    double footerBaseline = 286.0;
};

void drawHeaderAndFooter(QPainter& painter, const PageGeometry& page, double unitsPerMm,
                         const SourceInputs& inputs, const QString& title, int pageNumber,
                         int pageCount) {
    QFont font(kSansFamily);
    font.setPointSizeF(8.5);
    const QFontMetricsF metrics(font, painter.device());
    const double left = page.bodyLeft * unitsPerMm;
    const double right = (page.bodyLeft + page.bodyWidth) * unitsPerMm;

    painter.save();
    painter.setFont(font);
    painter.setPen(QColor(90, 90, 90));
    const double headerY = page.headerBaseline * unitsPerMm;
    painter.drawText(QPointF(left, headerY), inputs.program);
    painter.drawText(QPointF(right - metrics.horizontalAdvance(title), headerY), title);
    painter.setPen(QPen(QColor(150, 150, 150), 0.4 * unitsPerPoint(painter.device())));
    painter.drawLine(QPointF(left, page.headerRule * unitsPerMm),
                     QPointF(right, page.headerRule * unitsPerMm));

    painter.setPen(QColor(90, 90, 90));
    const QString footer = pageFooter(inputs.language, pageNumber, pageCount);
    painter.drawText(QPointF((left + right - metrics.horizontalAdvance(footer)) / 2,
                             page.footerBaseline * unitsPerMm),
                     footer);
    painter.restore();
}

/** Typesets the filled-in source into PDF bytes; on failure, says why and returns nothing. */
std::optional<QByteArray> typeset(const QString& html, const SourceInputs& inputs) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    writer.setCreator(inputs.program);

    const PageGeometry page;
    const double unitsPerMm = writer.logicalDpiY() / kMmPerInch;
    const double pixelsPerMm = kLayoutDpi / kMmPerInch;
    const double deviceUnitsPerPixel = writer.logicalDpiY() / kLayoutDpi;

    QTextDocument doc;
    doc.setUseDesignMetrics(true);
    doc.documentLayout()->registerHandler(QTextFormat::ImageObject,
                                          new FigureHandler(inputs, &doc));
    QFont body(kBodyFamily);
    body.setPointSizeF(kBodyPointSize);
    doc.setDefaultFont(body);
    doc.setDocumentMargin(0);
    doc.setPageSize(QSizeF(page.bodyWidth * pixelsPerMm, page.bodyHeight * pixelsPerMm));
    doc.setHtml(html);
    if (!checkFigures(doc, inputs)) {
        return std::nullopt;
    }
    if (!keepPagesWhole(doc)) {
        fail(QStringLiteral("the pages did not settle"));
        return std::nullopt;
    }

    QString title = doc.metaInformation(QTextDocument::DocumentTitle).trimmed();
    if (title.isEmpty()) {
        title = fallbackTitle(inputs.language);
    }
    writer.setTitle(title);

    const int pageCount = doc.pageCount();
    QPainter painter;
    if (!painter.begin(&writer)) {
        fail(QStringLiteral("cannot start the PDF output"));
        return std::nullopt;
    }
    for (int index = 0; index < pageCount; ++index) {
        if (index > 0 && !writer.newPage()) {
            fail(QStringLiteral("cannot start page %1").arg(index + 1));
            return std::nullopt;
        }
        painter.save();
        painter.translate(page.bodyLeft * unitsPerMm, page.bodyTop * unitsPerMm);
        painter.scale(deviceUnitsPerPixel, deviceUnitsPerPixel);
        drawPage(painter, doc, index);
        painter.restore();
        drawHeaderAndFooter(painter, page, unitsPerMm, inputs, title, index + 1, pageCount);
    }
    if (!painter.end()) {
        fail(QStringLiteral("cannot finish the PDF output"));
        return std::nullopt;
    }
    return buffer.data();
}

/**
 * Installs the program's translation into `language` from `folder`; English needs none. Returns
 * whether the edition can speak its language.
 */
bool loadTranslation(const QString& language, const QString& folder, QTranslator& translator) {
    if (language == QLatin1String("en")) {
        return true;
    }
    const QString file = QDir(folder).filePath(QStringLiteral("velmora_%1.qm").arg(language));
    if (!QFileInfo(file).isFile()) {
        fail(QStringLiteral("no translation for the language \"%1\": %2 does not exist")
                 .arg(language, file));
        return false;
    }
    if (!translator.load(file) || !QCoreApplication::installTranslator(&translator)) {
        fail(QStringLiteral("cannot load the translation %1").arg(file));
        return false;
    }
    return true;
}

int run(const QString& sourcePath, const QString& outputPath, SourceInputs inputs,
        const QString& measuredPath) {
    QString problem;
    const std::optional<qint64> epoch = sourceDateEpoch(&problem);
    if (!problem.isEmpty()) {
        fail(problem);
        return 1;
    }

    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read %1: %2").arg(sourcePath, source.errorString()));
        return 1;
    }
    if (!measuredPath.isEmpty()) {
        QFile measured(measuredPath);
        if (!measured.open(QIODevice::ReadOnly)) {
            fail(QStringLiteral("cannot read %1: %2").arg(measuredPath, measured.errorString()));
            return 1;
        }
        inputs.measuredCsv = measured.readAll();
    }
    const QString html = fillSource(QString::fromUtf8(source.readAll()), inputs, &problem);
    if (!problem.isEmpty()) {
        fail(QStringLiteral("%1: %2").arg(sourcePath, problem));
        return 1;
    }

    for (const QString& family : {kBodyFamily, kSansFamily}) {
        if (!QFontDatabase::hasFamily(family)) {
            fail(QStringLiteral("warning: font \"%1\" is not installed, a substitute is used")
                     .arg(family));
        }
    }

    std::optional<QByteArray> pdf = typeset(html, inputs);
    if (!pdf) {
        return 1;
    }
    if (!setCreationDate(*pdf, epoch)) {
        fail(QStringLiteral("the PDF writer wrote no creation date to replace"));
        return 1;
    }

    QSaveFile output(outputPath);
    if (!output.open(QIODevice::WriteOnly) || output.write(*pdf) != pdf->size() ||
        !output.commit()) {
        fail(QStringLiteral("cannot write %1: %2").arg(outputPath, output.errorString()));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    // The PDF writer writes its creation date in local time, whose text is longer or shorter
    // with the zone; in UTC it has one length everywhere (the date itself is replaced later).
    qputenv("TZ", "UTC");
    tzset();
    // The PDF writer puts out its fonts in the order of a hash table: a fixed seed gives the
    // same order in every run.
    QHashSeed::setDeterministicGlobalSeed();
    // Pixel lengths of the source and point sizes must not depend on the machine that builds.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("velmora_make_theory"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Typesets Velmora's theory document as PDF."));
    parser.addHelpOption();
    const QCommandLineOption programOption(
        QStringLiteral("program"),
        QStringLiteral("Name and version of the program, for the title page and the header."),
        QStringLiteral("text"), QStringLiteral("Velmora"));
    parser.addOption(programOption);
    const QCommandLineOption languageOption(
        QStringLiteral("language"),
        QStringLiteral("Language of the edition: %1.").arg(editionLanguages().join(u'|')),
        QStringLiteral("code"), QStringLiteral("en"));
    parser.addOption(languageOption);
    const QCommandLineOption translationsOption(
        QStringLiteral("translations"),
        QStringLiteral("Folder of the program's translations velmora_<language>.qm."),
        QStringLiteral("folder"),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations")));
    parser.addOption(translationsOption);
    const QCommandLineOption measuredOption(
        QStringLiteral("measured"),
        QStringLiteral("Sample measurement (CSV) that the charts of a measured titration draw."),
        QStringLiteral("file"));
    parser.addOption(measuredOption);
    parser.addPositionalArgument(QStringLiteral("source"),
                                 QStringLiteral("Rich-text (HTML) source of the document."));
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("PDF file to write."));
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    if (args.size() != 2) {
        fail(QStringLiteral("expected a source file and an output file"));
        parser.showHelp(2);
    }
    SourceInputs inputs;
    inputs.program = parser.value(programOption);
    inputs.language = parser.value(languageOption);
    if (!editionLanguages().contains(inputs.language)) {
        fail(QStringLiteral("--language: \"%1\" is not one of %2")
                 .arg(inputs.language, editionLanguages().join(QStringLiteral(", "))));
        return 2;
    }
    QTranslator translator;
    if (!loadTranslation(inputs.language, parser.value(translationsOption), translator)) {
        return 1;
    }
    return run(args.at(0), args.at(1), inputs, parser.value(measuredOption));
}
