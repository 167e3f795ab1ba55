// SPDX-License-Identifier: GPL-3.0-or-later
// The translation sources as a translator leaves them: every language the program ships has its
// .ts file, the languages that must be complete have no unfinished or empty entry, and every
// translation keeps its source's placeholders, mnemonic, blanks at either end, line breaks and
// closing mark, so that no message loses a number or a key when it is translated.

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

/** One message of a .ts file as lrelease reads it. */
struct Message {
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
    bool gone = false; ///< vanished or obsolete: not compiled
};

QStringList listFromBuild(const char* list) {
    return QString::fromUtf8(list).split(u',', Qt::SkipEmptyParts);
}

QString tsFile(const QString& language) {
    return QStringLiteral(VELMORA_TS_DIR "/velmora_%1.ts").arg(language);
}

/** The messages of a .ts file and its language attribute; `error` says why it could not be read. */
QList<Message> readTs(const QString& path, QString& language, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return {};
    }
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == u"TS") {
            language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (xml.name() == u"context") {
            context.clear();
        } else if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            message = Message{context, {}, {}, false, false};
        } else if (xml.name() == u"source") {
            message.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QStringView type = xml.attributes().value(QLatin1String("type"));
            message.unfinished = type == u"unfinished";
            message.gone = type == u"vanished" || type == u"obsolete";
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages << message;
        }
    }
    if (xml.hasError()) {
        error = xml.errorString();
    }
    return messages;
}

/** The placeholders %1 ... %99 of a text, each once. */
QSet<QString> placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%(\\d{1,2})"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : pattern.globalMatch(text)) {
        found << match.captured(0);
    }
    return found;
}

/** The number of mnemonic marks: single ampersands ("&&" is a drawn ampersand). */
int mnemonics(const QString& text) {
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&') {
                ++i;
            } else {
                ++count;
            }
        }
    }
    return count;
}

QString closingMark(const QString& text) {
    for (const QString& mark : {QStringLiteral("…"), QStringLiteral(":"), QStringLiteral(".")}) {
        if (text.endsWith(mark)) {
            return mark;
        }
    }
    return {};
}

} // namespace

class TestTsFiles : public QObject {
    Q_OBJECT
private slots:
    void everyLanguageHasItsFile_data();
    void everyLanguageHasItsFile();
    void translationsKeepTheirSource_data();
    void translationsKeepTheirSource();
    void completeLanguagesLeaveNothingOpen_data();
    void completeLanguagesLeaveNothingOpen();
};

void TestTsFiles::everyLanguageHasItsFile_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : listFromBuild(VELMORA_LANGUAGES)) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

void TestTsFiles::everyLanguageHasItsFile() {
    QFETCH(QString, language);
    QString declared;
    QString error;
    const QList<Message> messages = readTs(tsFile(language), declared, error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!messages.isEmpty());
    // lrelease and Linguist read the language from the file: "de" or "de_DE".
    QVERIFY2(declared == language || declared.startsWith(language + u'_'), qPrintable(declared));
    QSet<QPair<QString, QString>> seen;
    for (const Message& message : messages) {
        const QPair<QString, QString> key{message.context, message.source};
        QVERIFY2(!seen.contains(key), qPrintable(message.context + u' ' + message.source));
        seen << key;
    }
}

void TestTsFiles::translationsKeepTheirSource_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    for (const QString& language : listFromBuild(VELMORA_LANGUAGES)) {
        QString declared;
        QString error;
        for (const Message& message : readTs(tsFile(language), declared, error)) {
            if (message.gone || message.translation.isEmpty()) {
                continue;
            }
            QTest::addRow("%s %s: %s", qPrintable(language), qPrintable(message.context),
                          qPrintable(message.source.left(40)))
                << message.source << message.translation;
        }
    }
}

void TestTsFiles::translationsKeepTheirSource() {
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QCOMPARE(placeholders(translation), placeholders(source));
    QCOMPARE(mnemonics(translation), mnemonics(source));
    // Tooltips drawn with a blank at either end keep them; messages keep their paragraphs.
    QCOMPARE(translation.startsWith(u' '), source.startsWith(u' '));
    QCOMPARE(translation.endsWith(u' '), source.endsWith(u' '));
    QCOMPARE(translation.count(u'\n'), source.count(u'\n'));
    QCOMPARE(closingMark(translation), closingMark(source));
}

void TestTsFiles::completeLanguagesLeaveNothingOpen_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : listFromBuild(VELMORA_COMPLETE_TRANSLATIONS)) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

void TestTsFiles::completeLanguagesLeaveNothingOpen() {
    QFETCH(QString, language);
    QString declared;
    QString error;
    QStringList open;
    for (const Message& message : readTs(tsFile(language), declared, error)) {
        if (!message.gone && (message.unfinished || message.translation.isEmpty())) {
            open << message.context + QStringLiteral(": ") + message.source;
        }
    }
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY2(
        open.isEmpty(),
        qPrintable(
            QStringLiteral("%1 unfinished in velmora_%2.ts:\n").arg(open.size()).arg(language) +
            open.join(u'\n')));
}

QTEST_APPLESS_MAIN(TestTsFiles)
#include "test_tsfiles.moc"
