// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/recipe.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace velmora::io {

/** The largest recipe file read: a recipe of eight substances takes about a kilobyte. */
inline constexpr qint64 kMaxRecipeFileSize = 1024 * 1024;

/**
 * A solution's recipe as a JSON file, the one format the command line and the windows share:
 *
 *     {"format": "velmora-recipe", "version": 1, "temperature": 25, "activity": "ideal",
 *      "substances": [{"conc": 0.1, "pka": [4.76], "charge": 0, "as": 0},
 *                     {"conc": 0.05, "substance": "sodium-hydroxide"}],
 *      "titration": {"volume": 25, "end": 40,
 *                    "titrant": {"conc": 0.1, "substance": "sodium-hydroxide"}}}
 *
 * A substance is a library key (or formula, "NaOH"; a weak acid or base of the library with "as",
 * the species it is dissolved as, by default its uncharged one) or typed constants: "pka" (with
 * "as", default 0) or "pkb" (a base, dissolved as the base), each with "charge", the charge of the
 * fully protonated form (default 0 for "pka"; for "pkb" the number of constants, so that the base
 * itself is uncharged), and optionally "names", the formulas of its species, one for each.
 * "temperature" (default 25 °C), "activity"
 * ("ideal" or "davies", default ideal), "substances" (default none) and "titration" may be left
 * out, and so may everything inside "titration" (volume 25 mL, titrant 0.1 mol/L sodium
 * hydroxide, the end by the titration's own rule).
 *
 * Every problem is one line in the user's language, with the line and column of a JSON error
 * ("line 3, column 7: missing value separator") or the path to a field that is wrong
 * ("substances[2].conc: must be a number from 0 to 10 mol/L"). RecipeFile::tr() is its texts'
 * context.
 */
class RecipeFile {
    Q_DECLARE_TR_FUNCTIONS(velmora::io::RecipeFile)

public:
    /** Reads a recipe from a file's bytes; the problem, or "" with `recipe` set. */
    [[nodiscard]] static QString parse(const QByteArray& bytes, model::Recipe& recipe);

    /**
     * Reads the file `path` (its name's bytes): refused when it is not a regular file, cannot be
     * read or is larger than kMaxRecipeFileSize; otherwise as parse().
     */
    [[nodiscard]] static QString read(const QByteArray& path, model::Recipe& recipe);

    /**
     * The recipe as the file holds it, pretty-printed, every number written so that it reads back
     * as the same double.
     */
    [[nodiscard]] static QByteArray json(const model::Recipe& recipe);

    /** Writes the recipe to `path` whole or not at all; the system's reason, or "". */
    [[nodiscard]] static QString write(const QByteArray& path, const model::Recipe& recipe);
};

} // namespace velmora::io
