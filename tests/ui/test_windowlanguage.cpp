// SPDX-License-Identifier: GPL-3.0-or-later
// The windows in the user's language, as the window module starts them: run once in English and
// once in every language that must be complete (LANGUAGE set by the test's entry). The texts the
// user meets are those of the language, none is left in English, the texts fit the fixed-size
// windows, and the solution window's keys stay unique.

#include "testsupport.h"

#include "charts/solutionchart.h"
#include "encode/encode.h"
#include "language/language.h"
#include "model/acid.h"
#include "pictures.h"
#include "ui/about/about.h"
#include "ui/common/diagramcommands.h"
#include "ui/common/form.h"
#include "ui/common/svgicon.h"
#include "ui/common/theorydocument.h"
#include "ui/main/exampleacids.h"
#include "ui/main/mainwindow.h"
#include "ui/main/plotbox.h"
#include "ui/solution/chartdrawing.h"
#include "ui/solution/numberfield.h"
#include "ui/solution/solutioncompanion.h"
#include "ui/solution/solutionpanel.h"
#include "ui/solution/solutionwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

using namespace velmora;
using namespace velmora::ui;

namespace {

constexpr ScreenDensity kDensity{15.0f, 15.0f};

/**
 * The English texts of a language's .ts file that it translates differently, without those with
 * places for numbers (they never show as they are).
 */
QSet<QString> translatedSources(const QString& language) {
    QFile file(QStringLiteral(VELMORA_TS_DIR "/velmora_%1.ts").arg(language));
    QSet<QString> sources;
    if (!file.open(QIODevice::ReadOnly)) {
        return sources;
    }
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QString translation = xml.readElementText();
            if (!translation.isEmpty() && translation != source && !source.contains(u'%')) {
                sources << source;
            }
        }
    }
    return sources;
}

/** Every text a window shows or gives a screen reader, its menus' too. */
QStringList textsOf(QWidget& window) {
    QStringList texts{window.windowTitle()};
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets << &window;
    for (QWidget* widget : widgets) {
        texts << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            texts << label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            texts << button->text();
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            texts << group->title();
        } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                texts << tabs->tabText(i);
            }
        } else if (auto* box = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < box->count(); ++i) {
                texts << box->itemText(i);
            }
        } else if (auto* menu = qobject_cast<QMenu*>(widget)) {
            texts << menu->title();
        }
        for (const QAction* action : widget->actions()) {
            texts << action->text() << action->toolTip();
        }
    }
    texts.removeAll(QString());
    return texts;
}

/** The mnemonics of a window: its menus' and those of its labels' buddies and buttons. */
QStringList mnemonicsOf(QWidget& window, QStringList& withoutBuddy) {
    QStringList keys;
    const auto add = [&keys](const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty()) {
            keys << key.toString();
        }
    };
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>()) {
        for (const QAction* action : bar->actions()) {
            add(action->text());
        }
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (QKeySequence::mnemonic(label->text()).isEmpty()) {
            continue;
        }
        if (label->buddy() == nullptr) {
            withoutBuddy << label->text();
        }
        add(label->text());
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        add(button->text());
    }
    return keys;
}

} // namespace

class TestWindowLanguage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void textsInTheLanguage_data();
    void textsInTheLanguage();
    void nothingLeftInEnglish();
    void textsFitTheFixedWindows();
    void buttonFacesFit_data();
    void buttonFacesFit();
    void keysUniqueInTheSolutionWindow();
    void chartsInTheLanguage_data();
    void chartsInTheLanguage();

private:
    [[nodiscard]] QString shown(const QString& what);

    QTemporaryDir m_config;
    std::unique_ptr<language::Translators> m_translators;
    QString m_language; ///< "en" or the translation's name
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<About> m_about;
};

void TestWindowLanguage::initTestCase() {
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    // As the window module does: the translators first, then the windows.
    m_translators = std::make_unique<language::Translators>();
    m_translators->install();
    m_language = m_translators->active() ? m_translators->name() : QStringLiteral("en");
    const QString asked = qEnvironmentVariable("LANGUAGE");
    QVERIFY2(asked.isEmpty() || asked == m_language,
             qPrintable(QStringLiteral("LANGUAGE=%1 gave %2").arg(asked, m_language)));
    m_main = std::make_unique<MainWindow>(kDensity);
    m_main->solution().open();
    m_about = std::make_unique<About>(kDensity);
    QVERIFY(m_main->solution().window() != nullptr);
}

void TestWindowLanguage::cleanupTestCase() {
    m_about.reset();
    m_main.reset();
}

QString TestWindowLanguage::shown(const QString& what) {
    MainWindow& main = *m_main;
    SolutionWindow& solution = *main.solution().window();
    if (what == u"frame caption") {
        return main.form().widgetAs<QGroupBox>(u"Frame1")->title();
    }
    if (what == u"exit tooltip") {
        return main.form().widget(u"Comm_exit")->toolTip();
    }
    if (what == u"value tooltip") {
        return main.pKaLabel(2)->toolTip();
    }
    if (what == u"plot menu") {
        return main.plotMenu()->actions().constFirst()->text();
    }
    if (what == u"copy command") {
        return main.commands().copyAction()->text();
    }
    if (what == u"example acid") {
        return main.examples().menu()->actions().constFirst()->text();
    }
    if (what == u"spoken summary") {
        return main.plotBox()->accessibleDescription().section(u'.', 0, 0);
    }
    if (what == u"theory face") {
        return faceWord(QString::fromLatin1(resources::theoryButton)).text;
    }
    if (what == u"cancel face") {
        return faceWord(QString::fromLatin1(resources::cancelButton)).text;
    }
    if (what == u"solution title") {
        return solution.windowTitle();
    }
    if (what == u"solution tab") {
        return solution.tabs()->tabText(0);
    }
    if (what == u"solution menu") {
        return solution.menuBar()->actions().constFirst()->text();
    }
    if (what == u"problem beside a field") {
        NumberField& field = *solution.panel().concentrationField();
        const QString before = field.text();
        field.showText(QStringLiteral("20"));
        const QString problem = field.problemLabel()->text();
        field.showText(before);
        return problem;
    }
    if (what == u"dissolved") {
        return solution.panel().dissolvedBox()->itemText(0);
    }
    if (what == u"solution line") {
        return solution.solutionLine()->text().section(u':', 0, 0);
    }
    if (what == u"fractions axis") {
        return solution.request().texts.fractionAxis;
    }
    if (what == u"log c title") {
        return solution.request().texts.logCTitle;
    }
    if (what == u"fractions title") {
        return solution.request().texts.fractionsTitle;
    }
    if (what == u"about caption") {
        return m_about->windowTitle();
    }
    if (what == u"about description") {
        return m_about->form().widgetAs<QLabel>(u"Label2", 2)->text();
    }
    if (what == u"message") {
        QTemporaryDir empty;
        const QStringList messages =
            test::messagesDuring([&] { openTheoryDocument({empty.path()}, m_main.get()); });
        return messages.value(0).section(u'\n', 0, 0);
    }
    return QStringLiteral("(nothing called %1)").arg(what);
}

void TestWindowLanguage::textsInTheLanguage_data() {
    QTest::addColumn<QString>("what");
    QTest::addColumn<QStringList>("texts"); ///< en, de, es, fr
    const auto row = [](const char* what, const char* en, const char* de, const char* es,
                        const char* fr) {
        QTest::newRow(what) << QString::fromUtf8(what)
                            << QStringList{QString::fromUtf8(en), QString::fromUtf8(de),
                                           QString::fromUtf8(es), QString::fromUtf8(fr)};
    };
    row("frame caption", "Type of acid", "Säuretyp", "Tipo de ácido", "Type d’acide");
    row("exit tooltip", " Do you really want to exit? ",
        " Wollen Sie das Programm wirklich beenden? ", " ¿Realmente desea salir del programa? ",
        " Voulez-vous vraiment quitter\u00a0? ");
    row("value tooltip", " Value of pKa(3) ", " Wert von pKs(3) ", " Valor de pKa(3) ",
        " Valeur du pKa(3) ");
    row("plot menu", "Example acids", "Beispielsäuren", "Ácidos de ejemplo", "Exemples d’acides");
    row("copy command", "&Copy diagram", "Diagramm &kopieren", "&Copiar diagrama",
        "&Copier le diagramme");
    row("example acid", "Acetic acid (4.76)", "Essigsäure (4.76)", "Ácido acético (4.76)",
        "Acide acétique (4.76)");
    row("spoken summary", "Tetraprotic acid", "Vierprotonige Säure", "Ácido tetraprótico",
        "Tétraacide");
    row("theory face", "Theory", "Theorie", "Teoría", "Théorie");
    // The About window's button says the same in every language: back to the main window.
    row("cancel face", "Cancel", "Zurück", "Volver", "Retour");
    row("solution title", "Velmora – Solution", "Velmora – Lösung", "Velmora – Disolución",
        "Velmora – Solution");
    row("solution tab", "Fractions", "Anteile", "Fracciones", "Fractions");
    row("solution menu", "&File", "&Datei", "Arc&hivo", "&Fichier");
    row("problem beside a field", "must be from 1e-10 to 10 mol/L",
        "muss zwischen 1e-10 und 10 mol/L liegen", "debe estar entre 1e-10 y 10 mol/L",
        "doit se situer entre 1e-10 et 10 mol/L");
    row("dissolved", "as H₄A", "als H₄A", "como H₄A", "H₄A");
    row("solution line", "0.1 mol/L as H₄A", "0.1 mol/L als H₄A", "0.1 mol/L como H₄A",
        "H₄A à 0.1 mol/L\u00a0");
    row("fractions axis", "fraction α", "Anteil α", "fracción α", "proportion α");
    row("fractions title", "Species fractions vs pH", "Speziesanteile in Abhängigkeit vom pH-Wert",
        "Fracciones de las especies frente al pH", "Proportions des espèces en fonction du pH");
    row("log c title", "Log concentrations vs pH", "log-c-pH-Diagramm",
        "Diagrama log c frente al pH", "Diagramme log c en fonction du pH");
    row("about caption", " About", " Über", " Acerca de", " À propos");
    row("about description",
        "The program calculates the concentration fractions of polyprotic acids species as "
        "functions of pH",
        "Das Programm berechnet die Anteile der Spezies mehrprotoniger Säuren in Abhängigkeit "
        "vom pH-Wert",
        "El programa calcula la fracción de cada especie de los ácidos polipróticos en función "
        "del pH",
        "Le programme calcule la proportion de chaque espèce des polyacides en fonction du pH");
    row("message", "The theory document explain_multiproticacids.pdf was not found.",
        "Das Theoriedokument explain_multiproticacids.pdf wurde nicht gefunden.",
        "No se encontró el documento de teoría explain_multiproticacids.pdf.",
        "Le document de théorie explain_multiproticacids.pdf est introuvable.");
}

void TestWindowLanguage::textsInTheLanguage() {
    QFETCH(QString, what);
    QFETCH(QStringList, texts);
    static const QStringList languages{QStringLiteral("en"), QStringLiteral("de"),
                                       QStringLiteral("es"), QStringLiteral("fr")};
    const qsizetype column = languages.indexOf(m_language);
    if (column < 0) {
        QSKIP("no expected texts of this language in the table");
    }
    QCOMPARE(shown(what), texts.at(column));
}

void TestWindowLanguage::nothingLeftInEnglish() {
    if (m_language == u"en") {
        QSKIP("English is the program's own language");
    }
    const QSet<QString> english = translatedSources(m_language);
    QVERIFY(!english.isEmpty());
    QStringList left;
    for (QWidget* window :
         std::initializer_list<QWidget*>{m_main.get(), m_main->solution().window(), m_about.get(),
                                         m_main->plotMenu(), m_main->examples().menu()}) {
        for (const QString& text : textsOf(*window)) {
            if (english.contains(text)) {
                left << text;
            }
        }
    }
    left.removeDuplicates();
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u'\n')));
}

void TestWindowLanguage::textsFitTheFixedWindows() {
    // The main window: the acid types' caption in its frame, beside the outline's corners.
    const auto* frame = m_main->form().widgetAs<QGroupBox>(u"Frame1");
    QVERIFY2(frame->fontMetrics().horizontalAdvance(frame->title()) + 16 <= frame->width(),
             qPrintable(frame->title()));
    // The About window: every text inside the window, the paragraph within its fixed box, the
    // description above the acknowledgement's frame and the line above the address clear of the
    // Cancel button.
    const Form& about = m_about->form();
    for (const Control& control : about.controls()) {
        auto* label = qobject_cast<QLabel*>(control.widget.data());
        if (label == nullptr) {
            continue;
        }
        const QRect inParent(QPoint(0, 0), label->parentWidget()->size());
        QVERIFY2(inParent.contains(label->geometry()), qPrintable(label->text()));
        if (label->wordWrap()) {
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(label->text()));
        } else {
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
        }
    }
    const QWidget* description = about.widget(u"Label2", 2);
    QVERIFY(description->geometry().bottom() < about.widget(u"Frame2")->geometry().top());
    QVERIFY(about.widget(u"Label5", 1)->geometry().right() <
            about.widget(u"Clear")->geometry().left());
}

void TestWindowLanguage::buttonFacesFit_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("english");
    for (const resources::Picture& picture : resources::pictures()) {
        if (picture.word != nullptr) {
            QTest::newRow(picture.path)
                << QString::fromLatin1(picture.path) << QString::fromLatin1(picture.word);
        }
    }
}

void TestWindowLanguage::buttonFacesFit() {
    QFETCH(QString, path);
    QFETCH(QString, english);
    const FaceWord word = faceWord(path);
    // The face names the word marked for the translators, and draws its translation.
    QCOMPARE(word.drawn, m_language != u"en");
    QCOMPARE(word.text, QCoreApplication::translate("velmora::resources::Picture",
                                                    english.toUtf8().constData()));
    // A word set much smaller than the others would be hard to read: translations stay short.
    QVERIFY2(word.scale >= 0.9,
             qPrintable(QStringLiteral("%1 at %2").arg(word.text).arg(word.scale)));
}

void TestWindowLanguage::keysUniqueInTheSolutionWindow() {
    QStringList withoutBuddy;
    const QStringList keys = mnemonicsOf(*m_main->solution().window(), withoutBuddy);
    QVERIFY2(withoutBuddy.isEmpty(), qPrintable(withoutBuddy.join(u'\n')));
    QVERIFY(keys.size() >= 10);
    QStringList twice;
    for (const QString& key : keys) {
        if (keys.count(key) > 1) {
            twice << key;
        }
    }
    twice.removeDuplicates();
    QVERIFY2(twice.isEmpty(), qPrintable(twice.join(u' ')));
}

void TestWindowLanguage::chartsInTheLanguage_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("axis"); ///< an axis title, in English
    QTest::addColumn<QString>("title");
    QTest::newRow("fractions") << 0 << "fraction α"
                               << "Species fractions vs pH";
    QTest::newRow("log c") << 1 << "log c / (mol/L)"
                           << "Log concentrations vs pH";
    QTest::newRow("titration") << 2 << "V / mL"
                               << "Titration curve";
}

void TestWindowLanguage::chartsInTheLanguage() {
    QFETCH(int, tab);
    QFETCH(QString, axis);
    QFETCH(QString, title);
    // The user's locale is that of the language (de_DE for German), whatever the test runs in.
    const QLocale before;
    QLocale::setDefault(QLocale(m_language == u"en" ? QStringLiteral("en_US") : m_language));
    SolutionWindow solution;
    QLocale::setDefault(before);
    solution.tabs()->setCurrentIndex(tab);
    const auto tr = [](const QString& english) {
        return QCoreApplication::translate("velmora::ui::ChartTexts", english.toUtf8().constData());
    };
    const charts::ChartRequest request = solution.drawing().request();
    // What Save takes out: the SVG's title and texts in the language, its numbers with the
    // language's separator.
    const std::optional<QByteArray> svg = encode::encodeSvg(charts::chartDrawing(request));
    QVERIFY(svg.has_value());
    const QString text = QString::fromUtf8(*svg);
    QVERIFY2(text.contains(QStringLiteral("<title>%1</title>").arg(tr(title).toHtmlEscaped())),
             qPrintable(text.left(400)));
    QCOMPARE(solution.drawing().title(), tr(title));
    // The texts in the order drawn, joined: a title comes in pieces where a letter (α) is drawn
    // in another font.
    QString drawn;
    const QRegularExpression piece(QStringLiteral(">([^<]*)</text>"));
    for (const QRegularExpressionMatch& match : piece.globalMatch(text)) {
        drawn += match.captured(1);
    }
    QVERIFY2(drawn.contains(tr(axis).toHtmlEscaped()), qPrintable(tr(axis) + u' ' + drawn));
    const QChar point = m_language == u"en" ? u'.' : u',';
    const QChar other = m_language == u"en" ? u',' : u'.';
    // A marker's or a titration mark's pH, the last number of its text.
    const QRegularExpression pH(QStringLiteral("pH (\\d+)(.)(\\d\\d)</text>"));
    const QRegularExpressionMatch marker = pH.match(text);
    QVERIFY2(marker.hasMatch(), qPrintable(text));
    QCOMPARE(marker.captured(2), QString(point));
    QVERIFY(!text.contains(QRegularExpression(QStringLiteral(">[\u2212]?\\d+\\") + other +
                                              QStringLiteral("\\d+</text>"))));
    if (m_language != u"en") {
        QVERIFY(tr(axis) != axis || axis == u"V / mL" || axis == u"log c / (mol/L)");
    }
}

QTEST_MAIN(TestWindowLanguage)
#include "test_windowlanguage.moc"
