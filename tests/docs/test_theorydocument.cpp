// SPDX-License-Identifier: GPL-3.0-or-later
// The Theory button's document: the edition in the reader's language where the folder holds it,
// else the English one, looked for in the folders in order.

#include "ui/common/theorydocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora::ui;

class TestTheoryDocument : public QObject {
    Q_OBJECT

private slots:
    void editionName_data();
    void editionName();
    void editionChosen_data();
    void editionChosen();
    void interfaceLanguage_data();
    void interfaceLanguage();
};

void TestTheoryDocument::editionName_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name");
    QTest::newRow("English") << "en"
                             << "explain_multiproticacids.pdf";
    QTest::newRow("no language") << ""
                                 << "explain_multiproticacids.pdf";
    QTest::newRow("German") << "de"
                            << "explain_multiproticacids.de.pdf";
    QTest::newRow("French") << "fr"
                            << "explain_multiproticacids.fr.pdf";
    QTest::newRow("with a country") << "pt_BR"
                                    << "explain_multiproticacids.pt_BR.pdf";
}

void TestTheoryDocument::editionName() {
    QFETCH(QString, language);
    QFETCH(QString, name);
    QCOMPARE(theoryDocumentName(language), name);
}

void TestTheoryDocument::editionChosen_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("files"); ///< in the folders "first" and "second"
    QTest::addColumn<QString>("opened");    ///< "" for none
    const QString en = QStringLiteral("explain_multiproticacids.pdf");
    const QString de = QStringLiteral("explain_multiproticacids.de.pdf");
    const QString fr = QStringLiteral("explain_multiproticacids.fr.pdf");
    QTest::newRow("German reader, both")
        << "de" << QStringList{"first/" + en, "first/" + de} << "first/" + de;
    QTest::newRow("German reader, English only")
        << "de" << QStringList{"first/" + en} << "first/" + en;
    QTest::newRow("German reader, other edition")
        << "de" << QStringList{"first/" + en, "first/" + fr} << "first/" + en;
    QTest::newRow("German reader, edition alone")
        << "de" << QStringList{"first/" + de} << "first/" + de;
    QTest::newRow("English reader, both")
        << "en" << QStringList{"first/" + de, "first/" + en} << "first/" + en;
    QTest::newRow("English reader, edition only") << "en" << QStringList{"first/" + de} << "";
    QTest::newRow("first folder's English before second's edition")
        << "de" << QStringList{"first/" + en, "second/" + de} << "first/" + en;
    QTest::newRow("second folder's edition")
        << "fr" << QStringList{"second/" + en, "second/" + fr} << "second/" + fr;
    QTest::newRow("French reader, German edition only") << "fr" << QStringList{"first/" + de} << "";
    QTest::newRow("nothing") << "de" << QStringList{} << "";
    QTest::newRow("folder of the name") << "de" << QStringList{"first/" + de + "/x"} << "";
}

void TestTheoryDocument::editionChosen() {
    QFETCH(QString, language);
    QFETCH(QStringList, files);
    QFETCH(QString, opened);
    QTemporaryDir dir;
    const QDir root(dir.path());
    QVERIFY(root.mkpath(QStringLiteral("first")) && root.mkpath(QStringLiteral("second")));
    for (const QString& file : std::as_const(files)) {
        QVERIFY(root.mkpath(QFileInfo(root.filePath(file)).path()));
        QFile made(root.filePath(file));
        QVERIFY(made.open(QIODevice::WriteOnly));
    }
    const QString found = findTheoryDocument(
        {root.filePath(QStringLiteral("first")), root.filePath(QStringLiteral("second"))},
        language);
    QCOMPARE(found, opened.isEmpty() ? QString() : root.filePath(opened));
}

void TestTheoryDocument::interfaceLanguage_data() {
    QTest::addColumn<QByteArray>("languages"); ///< LANGUAGE
    QTest::addColumn<QByteArray>("locale");    ///< LC_ALL
    QTest::addColumn<QString>("spoken");
    // The program's translations are German, Spanish and French, beside this test as beside the
    // program.
    QTest::newRow("German") << QByteArray("de") << QByteArray("de_DE.UTF-8") << "de";
    QTest::newRow("first that is translated") << QByteArray("it:fr:de") << QByteArray() << "fr";
    QTest::newRow("locale alone") << QByteArray() << QByteArray("es_ES.UTF-8") << "es";
    QTest::newRow("untranslated") << QByteArray("it") << QByteArray("it_IT.UTF-8") << "en";
    QTest::newRow("the C locale") << QByteArray("de") << QByteArray("C") << "en";
    QTest::newRow("English before German") << QByteArray("en:de") << QByteArray() << "en";
}

void TestTheoryDocument::interfaceLanguage() {
    QFETCH(QByteArray, languages);
    QFETCH(QByteArray, locale);
    QFETCH(QString, spoken);
    const QByteArray previousLanguages = qgetenv("LANGUAGE");
    const QByteArray previousLocale = qgetenv("LC_ALL");
    auto restore = qScopeGuard([&] {
        qputenv("LANGUAGE", previousLanguages);
        qputenv("LC_ALL", previousLocale);
    });
    qputenv("LANGUAGE", languages);
    qputenv("LC_ALL", locale);
    QCOMPARE(velmora::ui::interfaceLanguage(), spoken);
}

QTEST_MAIN(TestTheoryDocument)
#include "test_theorydocument.moc"
