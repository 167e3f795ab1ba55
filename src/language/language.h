// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QTranslator;

namespace velmora::language {

/** The user's language settings as the environment gives them. */
struct Environment {
    QString language{};   ///< LANGUAGE: languages in order of preference, colon-separated
    QString lcAll{};      ///< LC_ALL
    QString lcMessages{}; ///< LC_MESSAGES
    QString lang{};       ///< LANG

    /** The settings of this process. */
    [[nodiscard]] static Environment current();
};

/**
 * The languages the user asks for, most wanted first, in gettext's order: the entries of
 * LANGUAGE, then the locale of messages (the first of LC_ALL, LC_MESSAGES and LANG that is set).
 * A locale of exactly "C" or "POSIX" asks for the program's own texts and makes LANGUAGE count
 * for nothing, so `LC_ALL=C velmora ...` always speaks English; "C.UTF-8" is a locale like any
 * other. The list ends before the first English entry ("en", "en_GB", "C"): English is the
 * program's own language, so nothing after it can be wanted more. Empty entries are left out.
 */
[[nodiscard]] QStringList wantedLanguages(const Environment& environment);

/**
 * The names a translation of a language entry may be filed under, most specific first:
 * "de_AT.UTF-8@euro" gives "de_AT" and "de".
 */
[[nodiscard]] QStringList translationNames(const QString& entry);

/**
 * The folders the program's translations are looked for in, from the program's own folder:
 * beside the program in the build tree, then where an installed tree keeps them relative to the
 * program, wherever the tree was installed.
 */
[[nodiscard]] QStringList translationFolders(const QString& programFolder);

/** A translation of the program's texts: the name it is filed under and its compiled file. */
struct Translation {
    QString name; ///< "de", "pt_BR"
    QString file; ///< .../velmora_de.qm
};

/**
 * The translation of the first wanted language that the folders hold (velmora_<name>.qm), or
 * nothing: the program then speaks English. Looks at the file system only when a language other
 * than English is wanted.
 */
[[nodiscard]] std::optional<Translation> findTranslation(const QStringList& wanted,
                                                         const QStringList& folders);

/**
 * The translators of a run of the program: its own texts and Qt's (the file and print dialogs,
 * the command-line parser's messages, qtbase_<name>.qm from Qt's translations folder when it is
 * installed). Loaded without an application, so that messages given before it exists can be
 * translated through text(); install() hands them to the application once it is there.
 * For English nothing is loaded or installed.
 */
class Translators {
public:
    /**
     * The translators of the language the environment asks for, looked for from the folder of
     * the running program (programFolder(), found only when a language other than English is
     * wanted) or from `programFolder`; none for English.
     */
    explicit Translators(const Environment& environment = Environment::current(),
                         const QString& programFolder = {});
    Translators(const Translators&) = delete;
    Translators& operator=(const Translators&) = delete;
    ~Translators();

    /** The name of the translation loaded ("de"), or empty for English. */
    [[nodiscard]] QString name() const { return m_name; }
    /** Whether the program's texts are translated. */
    [[nodiscard]] bool active() const { return m_program != nullptr; }

    /**
     * Installs the translators in the running application (which must exist); they stay installed
     * while this object lives. Returns active().
     */
    bool install();

    /** A text of the program in the loaded language, without the application's help. */
    [[nodiscard]] QString text(const char* context, const char* source) const;

private:
    QString m_name;
    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_qt;
};

/** The folder of the running program, found without an application (Linux: /proc/self/exe). */
[[nodiscard]] QString programFolder();

} // namespace velmora::language
