// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the readers of substances as the user gives them: the first line as a
// substance (--add, --titrant), the whole as a recipe file. What is accepted must make a mixture,
// and a recipe read must be written and read back as the same recipe.
#include "io/recipefile.h"

#include "model/recipe.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    velmora::model::Ingredient ingredient;
    const std::string written = bytes.left(bytes.indexOf('\n')).toStdString();
    if (velmora::model::readIngredient(written, ingredient).empty()) {
        velmora::model::Mixture mixture;
        if (!velmora::model::mixtureOf({ingredient}, 25.0, velmora::model::Activity::Ideal, mixture)
                 .empty()) {
            __builtin_trap();
        }
    }
    velmora::model::Recipe recipe;
    const QString problem = velmora::io::RecipeFile::parse(bytes, recipe);
    if (problem.contains(u'\n')) {
        __builtin_trap();
    }
    if (problem.isEmpty()) {
        velmora::model::Recipe back;
        if (!velmora::io::RecipeFile::parse(velmora::io::RecipeFile::json(recipe), back)
                 .isEmpty() ||
            !(back == recipe)) {
            __builtin_trap();
        }
    }
    return 0;
}
