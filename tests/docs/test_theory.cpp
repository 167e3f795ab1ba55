// SPDX-License-Identifier: GPL-3.0-or-later
// The theory document: its marked places filled from the program's data, its reproducible
// bytes, and the built PDF read back with pdftotext (no hidden text of a neighbouring page, the
// example acids' values as the program has them).

#include "pdfdate.h"
#include "theorysource.h"

#include "model/presets.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace velmora::theory;

namespace {

/** A word of the PDF as pdftotext finds it, in points from the page's top-left corner. */
struct Word {
    int page = 0;
    QRectF box;
    QString text;
};

/** Every word of a PDF with its place (pdftotext -bbox); empty if pdftotext failed. */
QList<Word> wordsOf(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0) {
        return {};
    }
    QList<Word> words;
    int page = 0;
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"page") {
            ++page;
        } else if (xml.name() == u"word") {
            const QXmlStreamAttributes a = xml.attributes();
            const QPointF topLeft(a.value(QStringLiteral("xMin")).toDouble(),
                                  a.value(QStringLiteral("yMin")).toDouble());
            const QPointF bottomRight(a.value(QStringLiteral("xMax")).toDouble(),
                                      a.value(QStringLiteral("yMax")).toDouble());
            words.append({page, QRectF(topLeft, bottomRight), xml.readElementText()});
        }
    }
    return words;
}

/**
 * The source of the document's edition in `language`: its translated source where it has one,
 * else the English source, typeset in that language all the same.
 */
QString editionSource(const QString& language) {
    const QFileInfo english(QStringLiteral(VELMORA_THEORY_SOURCE));
    const QFileInfo translated(
        english.dir().filePath(QStringLiteral("theory.%1.html").arg(language)));
    return language != u"en" && translated.isFile() ? translated.filePath() : english.filePath();
}

/** Runs the generator on the document's source; returns the PDF's bytes, empty on failure. */
QByteArray generate(const QTemporaryDir& dir, const QString& name, const QStringList& environment,
                    const QString& language = QStringLiteral("en")) {
    const QString output = dir.filePath(name);
    QProcess generator;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("SOURCE_DATE_EPOCH"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const QString& setting : environment) {
        env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    }
    generator.setProcessEnvironment(env);
    generator.start(QStringLiteral(VELMORA_MAKE_THEORY),
                    {QStringLiteral("--program"), QStringLiteral(VELMORA_PROGRAM_LINE),
                     QStringLiteral("--language"), language, QStringLiteral("--translations"),
                     QStringLiteral(VELMORA_TRANSLATIONS_DIR), QStringLiteral("--measured"),
                     QStringLiteral(VELMORA_MEASURED_CSV), editionSource(language), output});
    if (!generator.waitForFinished(120000) || generator.exitCode() != 0) {
        qWarning() << generator.readAllStandardError();
        return {};
    }
    QFile pdf(output);
    return pdf.open(QIODevice::ReadOnly) ? pdf.readAll() : QByteArray();
}

// The page's areas in points (A4, 1 mm = 72 / 25.4 pt): the header above its rule at 16 mm,
// the body from 24 mm to 274 mm, the footer about its base line at 286 mm.
constexpr double kPtPerMm = 72.0 / 25.4;
constexpr double kHeaderRule = 16 * kPtPerMm;
constexpr double kBodyTop = 24 * kPtPerMm;
constexpr double kBodyBottom = 274 * kPtPerMm;
constexpr double kFooterTop = 282 * kPtPerMm;
constexpr double kSlack = 2.0; // glyph boxes may stand out of their line a little

bool onVisiblePart(const QRectF& box) {
    const bool header = box.bottom() <= kHeaderRule;
    const bool body = box.top() >= kBodyTop - kSlack && box.bottom() <= kBodyBottom + kSlack;
    const bool footer = box.top() >= kFooterTop;
    return header || body || footer;
}

} // namespace

class TestTheory : public QObject {
    Q_OBJECT

private slots:
    void formulaHtml_data();
    void formulaHtml();
    void everyPlaceIsFilledOnce_data();
    void everyPlaceIsFilledOnce();
    void creationDate_data();
    void creationDate();
    void sourceDateEpoch_data();
    void sourceDateEpoch();
    void sameSourceSameBytes_data();
    void sameSourceSameBytes();
    void noBuildTimeWithoutSourceDateEpoch();
    void noTextOutsideThePagesBodies();
    void exampleAcidsInTheEditionsLanguage_data();
    void exampleAcidsInTheEditionsLanguage();
    void exampleAcidsAsTheProgramHasThem_data();
    void exampleAcidsAsTheProgramHasThem();

private:
    /** The words of the built document, read once; empty where pdftotext is missing. */
    const QList<Word>& builtWords() {
        if (m_builtWords.isEmpty()) {
            m_builtWords = wordsOf(QStringLiteral(VELMORA_THEORY_PDF));
        }
        return m_builtWords;
    }

    QList<Word> m_builtWords;
};

void TestTheory::formulaHtml_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("html");
    QTest::newRow("count and written-out charge") << "HPO4^2-"
                                                  << "HPO<sub>4</sub><sup>2−</sup>";
    QTest::newRow("species name with charge") << "H2A2-"
                                              << "H<sub>2</sub>A<sup>2−</sup>";
    QTest::newRow("cation") << "H2Gly^+"
                            << "H<sub>2</sub>Gly<sup>+</sup>";
    QTest::newRow("lone minus") << "HA-"
                                << "HA<sup>−</sup>";
    QTest::newRow("two counts") << "H2C2O4"
                                << "H<sub>2</sub>C<sub>2</sub>O<sub>4</sub>";
    QTest::newRow("no digits") << "HAc"
                               << "HAc";
    QTest::newRow("markup characters escaped") << "A<b>&"
                                               << "A&lt;b&gt;&amp;";
}

void TestTheory::formulaHtml() {
    QFETCH(QString, formula);
    QFETCH(QString, html);
    QCOMPARE(velmora::theory::formulaHtml(formula), html);
}

void TestTheory::everyPlaceIsFilledOnce_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("accepted");
    const QString both = QStringLiteral("<p><!-- program --></p><table><!-- example-acids -->"
                                        "</table><p><!-- example-sources --></p>");
    QTest::newRow("every place") << both << true;
    QTest::newRow("no table place")
        << "<p><!-- program --></p><p><!-- example-sources --></p>" << false;
    QTest::newRow("no program place")
        << "<table><!-- example-acids --></table><p><!-- example-sources --></p>" << false;
    QTest::newRow("no sources place")
        << "<p><!-- program --></p><table><!-- example-acids --></table>" << false;
    QTest::newRow("table place twice") << both + "<!-- example-acids -->" << false;
    QTest::newRow("misspelt place") << "<!-- program --><!-- example-acid -->" << false;
}

void TestTheory::everyPlaceIsFilledOnce() {
    QFETCH(QString, source);
    QFETCH(bool, accepted);
    QString problem;
    SourceInputs inputs;
    inputs.program = QStringLiteral("Velmora 9.9");
    const QString filled = fillSource(source, inputs, &problem);
    QCOMPARE(problem.isEmpty(), accepted);
    if (!accepted) {
        QCOMPARE(filled, source);
        return;
    }
    QVERIFY(!filled.contains(QStringLiteral("<!--")));
    QVERIFY(filled.contains(QStringLiteral("<p>Velmora 9.9</p>")));
    QCOMPARE(filled.count(QStringLiteral("<tr>")),
             static_cast<qsizetype>(velmora::model::presets().size()));
}

void TestTheory::creationDate_data() {
    QTest::addColumn<QByteArray>("pdf");
    QTest::addColumn<qint64>("epoch"); // -1: none
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray head = "1 0 obj\n<<\n/Producer (Qt)\n";
    const QByteArray tail = "\n>>\nendobj\n";
    QTest::newRow("UTC date") << head + "/CreationDate (D:20261207101223Z)" + tail
                              << qint64(1700000000) << true
                              << head + "/CreationDate (D:20231114221320Z)" + tail;
    QTest::newRow("local date, padded")
        << head + "/CreationDate (D:20261207111223+01'00')" + tail << qint64(0) << true
        << head + "/CreationDate (D:19700101000000Z)      " + tail;
    QTest::newRow("no time: entry removed")
        << head + "/CreationDate (D:20261207101223Z)" + tail << qint64(-1) << true
        << head + QByteArray(33, ' ') + tail;
    QTest::newRow("no date to replace") << head + tail << qint64(0) << false << head + tail;
    const QByteArray twice = head + "/CreationDate (D:20261207101223Z)/CreationDate (D:1)" + tail;
    QTest::newRow("two dates") << twice << qint64(0) << false << twice;
}

void TestTheory::creationDate() {
    QFETCH(QByteArray, pdf);
    QFETCH(qint64, epoch);
    QFETCH(bool, replaced);
    QFETCH(QByteArray, expected);
    const qsizetype size = pdf.size();
    QCOMPARE(setCreationDate(pdf, epoch < 0 ? std::nullopt : std::optional<qint64>(epoch)),
             replaced);
    QCOMPARE(pdf, expected);
    QCOMPARE(pdf.size(), size); // the cross-reference offsets stay right
}

void TestTheory::sourceDateEpoch_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<qint64>("seconds"); // -1: none
    QTest::addColumn<bool>("refused");
    QTest::newRow("unset") << QByteArray() << qint64(-1) << false;
    QTest::newRow("seconds") << QByteArray("1700000000") << qint64(1700000000) << false;
    QTest::newRow("the epoch itself") << QByteArray("0") << qint64(0) << false;
    QTest::newRow("not a number") << QByteArray("yesterday") << qint64(-1) << true;
    QTest::newRow("negative") << QByteArray("-5") << qint64(-1) << true;
    QTest::newRow("with a blank") << QByteArray(" 17") << qint64(-1) << true;
    QTest::newRow("beyond year 9999") << QByteArray("253402300800") << qint64(-1) << true;
}

void TestTheory::sourceDateEpoch() {
    QFETCH(QByteArray, value);
    QFETCH(qint64, seconds);
    QFETCH(bool, refused);
    const QByteArray previous = qgetenv("SOURCE_DATE_EPOCH");
    auto restore = qScopeGuard([&] { qputenv("SOURCE_DATE_EPOCH", previous); });
    qputenv("SOURCE_DATE_EPOCH", value);
    QString problem;
    const std::optional<qint64> epoch = velmora::theory::sourceDateEpoch(&problem);
    QCOMPARE(!problem.isEmpty(), refused);
    QCOMPARE(epoch.value_or(-1), seconds);
}

void TestTheory::sameSourceSameBytes_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en";
    QTest::newRow("German") << "de";
}

void TestTheory::sameSourceSameBytes() {
    QFETCH(QString, language);
    QTemporaryDir dir;
    // Two builds in different time zones at different moments give the same document.
    const QByteArray first = generate(
        dir, QStringLiteral("first.pdf"),
        {QStringLiteral("SOURCE_DATE_EPOCH=1700000000"), QStringLiteral("TZ=UTC")}, language);
    QTest::qWait(1100); // a clock's second apart
    const QByteArray second = generate(
        dir, QStringLiteral("second.pdf"),
        {QStringLiteral("SOURCE_DATE_EPOCH=1700000000"), QStringLiteral("TZ=America/New_York")},
        language);
    QVERIFY(!first.isEmpty());
    QVERIFY(first == second);
    QVERIFY(first.contains("/CreationDate (D:20231114221320Z)"));
}

void TestTheory::noBuildTimeWithoutSourceDateEpoch() {
    QTemporaryDir dir;
    const QByteArray pdf = generate(dir, QStringLiteral("undated.pdf"), {});
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(!pdf.contains("/CreationDate"));
    QVERIFY(!pdf.contains("/ModDate"));
}

void TestTheory::noTextOutsideThePagesBodies() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is not installed");
    }
    QVERIFY(!builtWords().isEmpty());
    int pages = 0;
    QStringList outside;
    for (const Word& word : builtWords()) {
        pages = std::max(pages, word.page);
        if (!onVisiblePart(word.box)) {
            outside << QStringLiteral("page %1 at %2 pt: %3")
                           .arg(word.page)
                           .arg(word.box.top(), 0, 'f', 1)
                           .arg(word.text);
        }
    }
    QVERIFY(pages >= 2);
    QVERIFY2(outside.isEmpty(), qPrintable(outside.mid(0, 10).join(u'\n')));
}

void TestTheory::exampleAcidsInTheEditionsLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("rowWords");
    QTest::addColumn<QStringList>("sourceWords");
    QTest::newRow("en") << "en" << QStringList{"Acetic acid", "monoprotic", "2.00, 2.69"}
                        << QStringList{"Acetic acid: CRC", "97th ed.", "I = 0.1 M"};
    QTest::newRow("de") << "de" << QStringList{"Essigsäure", "einprotonig", "2,00; 2,69"}
                        << QStringList{"Essigsäure: CRC", "97. Aufl.", "I = 0,1 M"};
    QTest::newRow("fr") << "fr" << QStringList{"monoacide", "tétraacide", "2,00; 2,69"}
                        << QStringList{"I = 0,1 M"};
}

void TestTheory::exampleAcidsInTheEditionsLanguage() {
    QFETCH(QString, language);
    QFETCH(QStringList, rowWords);
    QFETCH(QStringList, sourceWords);
    QTranslator translator;
    if (language != QLatin1String("en")) {
        QVERIFY(translator.load(
            QStringLiteral(VELMORA_TRANSLATIONS_DIR "/velmora_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&translator);
    }
    const QString rows = exampleAcidRows(language);
    const QString sources = exampleSources();
    QCoreApplication::removeTranslator(&translator);
    for (const QString& word : rowWords) {
        QVERIFY2(rows.contains(word), qPrintable(word));
    }
    for (const QString& word : sourceWords) {
        QVERIFY2(sources.contains(word), qPrintable(word + QStringLiteral(" in ") + sources));
    }
}

void TestTheory::exampleAcidsAsTheProgramHasThem_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("values");
    for (const velmora::model::Preset& preset : velmora::model::presets()) {
        QStringList values;
        for (double value : preset.pKa) {
            values << QString::number(value, 'f', 2);
        }
        QTest::newRow(preset.key.c_str())
            << QString::fromStdString(preset.name) << values.join(QStringLiteral(", "));
    }
}

void TestTheory::exampleAcidsAsTheProgramHasThem() {
    QFETCH(QString, name);
    QFETCH(QString, values);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is not installed");
    }
    // The table row: the words on the line of the name's first word, after it.
    const QString first = name.section(u' ', 0, 0);
    for (const Word& start : builtWords()) {
        if (start.text != first) {
            continue;
        }
        QList<Word> row;
        for (const Word& word : builtWords()) {
            if (word.page == start.page && std::abs(word.box.top() - start.box.top()) < 1.0 &&
                word.box.left() >= start.box.left()) {
                row << word;
            }
        }
        std::sort(row.begin(), row.end(),
                  [](const Word& a, const Word& b) { return a.box.left() < b.box.left(); });
        QStringList texts;
        for (const Word& word : std::as_const(row)) {
            texts << word.text;
        }
        const QString line = texts.join(u' ');
        if (line.startsWith(name + u' ') && line.endsWith(u' ' + values)) {
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no table row \"%1 ... %2\"").arg(name, values)));
}

QTEST_MAIN(TestTheory)
#include "test_theory.moc"
