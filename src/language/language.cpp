// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#ifndef VELMORA_TRANSLATIONS_FROM_BIN
#error "VELMORA_TRANSLATIONS_FROM_BIN is set by the build"
#endif

namespace velmora::language {

namespace {

QString variable(const char* name) {
    return qEnvironmentVariable(name);
}

/** The locale's own name without its code set and modifier: "de_AT.UTF-8@euro" is "de_AT". */
QString bareName(const QString& entry) {
    QString name = entry.trimmed();
    for (const QChar end : {u'.', u'@'}) {
        if (const qsizetype at = name.indexOf(end); at >= 0) {
            name.truncate(at);
        }
    }
    return name;
}

/** Whether an entry asks for the program's own language. */
bool isEnglish(const QString& entry) {
    const QString name = bareName(entry);
    return name == u"C" || name == u"POSIX" || name == u"en" || name.startsWith(u"en_");
}

/** The program's translation file of `name` in `folder`. */
QString programFile(const QString& folder, const QString& name) {
    return folder + QStringLiteral("/velmora_") + name + QStringLiteral(".qm");
}

} // namespace

Environment Environment::current() {
    return {variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")};
}

QStringList wantedLanguages(const Environment& environment) {
    QString locale;
    for (const QString* setting :
         {&environment.lcAll, &environment.lcMessages, &environment.lang}) {
        if (!setting->isEmpty()) {
            locale = *setting;
            break;
        }
    }
    // The plain C locale is how scripts ask for output they can read; it overrides LANGUAGE.
    const bool plain = locale == u"C" || locale == u"POSIX";
    QStringList entries;
    if (!plain) {
        entries = environment.language.split(u':', Qt::SkipEmptyParts);
    }
    if (!locale.isEmpty()) {
        entries << locale;
    }
    QStringList wanted;
    for (const QString& entry : entries) {
        if (isEnglish(entry)) {
            break;
        }
        if (!bareName(entry).isEmpty()) {
            wanted << entry;
        }
    }
    return wanted;
}

QStringList translationNames(const QString& entry) {
    const QString name = bareName(entry);
    if (name.isEmpty()) {
        return {};
    }
    QStringList names{name};
    if (const qsizetype underscore = name.indexOf(u'_'); underscore > 0) {
        names << name.left(underscore);
    }
    return names;
}

QStringList translationFolders(const QString& programFolder) {
    return {programFolder + QStringLiteral("/translations"),
            QDir::cleanPath(programFolder + QStringLiteral("/" VELMORA_TRANSLATIONS_FROM_BIN))};
}

std::optional<Translation> findTranslation(const QStringList& wanted, const QStringList& folders) {
    for (const QString& entry : wanted) {
        for (const QString& name : translationNames(entry)) {
            for (const QString& folder : folders) {
                const QString file = programFile(folder, name);
                if (QFileInfo(file).isFile()) {
                    return Translation{name, file};
                }
            }
        }
    }
    return std::nullopt;
}

QString programFolder() {
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

Translators::Translators(const Environment& environment, const QString& programFolder) {
    // English, the usual case of command-line work, asks nothing of the file system.
    const QStringList wanted = wantedLanguages(environment);
    if (wanted.isEmpty()) {
        return;
    }
    const std::optional<Translation> found = findTranslation(
        wanted,
        translationFolders(programFolder.isEmpty() ? language::programFolder() : programFolder));
    if (!found) {
        return;
    }
    auto program = std::make_unique<QTranslator>();
    if (!program->load(found->file)) {
        return;
    }
    m_program = std::move(program);
    m_name = found->name;
    // Qt's own texts in the same language, from the folder Qt keeps them in, when installed.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& name : translationNames(m_name)) {
        const QString file = qtFolder + QStringLiteral("/qtbase_") + name + QStringLiteral(".qm");
        auto qt = std::make_unique<QTranslator>();
        if (QFileInfo(file).isFile() && qt->load(file)) {
            m_qt = std::move(qt);
            break;
        }
    }
}

Translators::~Translators() = default;

bool Translators::install() {
    if (m_qt) {
        QCoreApplication::installTranslator(m_qt.get());
    }
    if (m_program) {
        QCoreApplication::installTranslator(m_program.get());
    }
    return active();
}

QString Translators::text(const char* context, const char* source) const {
    const QString translated = m_program ? m_program->translate(context, source) : QString();
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

} // namespace velmora::language
