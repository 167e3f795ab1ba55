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

QTEST_MAIN(TestTheoryDocument)
#include "test_theorydocument.moc"
