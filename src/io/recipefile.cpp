// SPDX-License-Identifier: GPL-3.0-or-later
#include "recipefile.h"

#include "atomicfile.h"

#include "language/modeltexts.h"

#include "model/titration.h"
#include "model/utf8.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

namespace velmora::io {

namespace {

constexpr char kFormat[] = "velmora-recipe";
constexpr int kVersion = 1;

/** The line and column (from 1, in characters) of byte `offset` of UTF-8 `bytes`. */
QString placeOf(const QByteArray& bytes, qsizetype offset) {
    offset = std::clamp<qsizetype>(offset, 0, bytes.size());
    int line = 1;
    int column = 1;
    for (qsizetype i = 0; i < offset; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\n') {
            ++line;
            column = 1;
        } else if ((byte & 0xc0) != 0x80) {
            ++column; // continuation bytes belong to the character before
        }
    }
    //: Where in a recipe file a problem lies: %1 the line, %2 the column, both from 1.
    return RecipeFile::tr("line %1, column %2").arg(line).arg(column);
}

/**
 * Reads the fields of a recipe's JSON, each checked with the path that leads to it, so that a
 * problem names the field ("substances[2].conc").
 */
class FieldReader {
public:
    QString problem;

    /** Refuses every member of `object` that is not one of `known`. */
    bool onlyKnown(const QJsonObject& object, const QString& path,
                   std::initializer_list<const char*> known) {
        for (auto it = object.begin(); it != object.end(); ++it) {
            bool found = false;
            for (const char* name : known) {
                found = found || it.key() == QLatin1String(name);
            }
            if (!found) {
                //: A field of a recipe file that the program does not know.
                return fail(RecipeFile::tr("%1: unknown field").arg(member(path, it.key())));
            }
        }
        return true;
    }

    /** An optional number that `check` (a model problemWith… function) accepts. */
    template <typename Check>
    bool number(const QJsonObject& object, const QString& path, const char* name, double& value,
                const QString& must, Check check) {
        const QJsonValue field = object.value(QLatin1String(name));
        if (field.isUndefined()) {
            return true;
        }
        if (!field.isDouble() || !check(field.toDouble()).empty()) {
            return fail(member(path, name) + QStringLiteral(": ") + must);
        }
        value = field.toDouble();
        return true;
    }

    /** An optional whole number. */
    bool whole(const QJsonObject& object, const QString& path, const char* name, int& value,
               const QString& must, int low, int high) {
        const QJsonValue field = object.value(QLatin1String(name));
        if (field.isUndefined()) {
            return true;
        }
        const double read = field.toDouble(0.5);
        if (!field.isDouble() || read != std::floor(read) || read < low || read > high) {
            return fail(member(path, name) + QStringLiteral(": ") + must);
        }
        value = static_cast<int>(read);
        return true;
    }

    /** One substance: a key, or typed constants with their charge and species. */
    bool ingredient(const QJsonValue& value, const QString& path, model::Ingredient& out) {
        if (!value.isObject()) {
            return fail(RecipeFile::tr("%1: must be an object with \"conc\" and \"substance\", "
                                       "\"pka\" or \"pkb\"")
                            .arg(path));
        }
        const QJsonObject object = value.toObject();
        if (!onlyKnown(object, path,
                       {"conc", "substance", "pka", "pkb", "charge", "as", "names"})) {
            return false;
        }
        model::Ingredient read;
        if (!object.contains(QLatin1String("conc"))) {
            return fail(RecipeFile::tr("%1: needs \"conc\", the concentration in mol/L").arg(path));
        }
        if (!number(object, path, "conc", read.concentration,
                    RecipeFile::tr("must be a number from 0 to 10 mol/L"),
                    model::problemWithStrongConcentration)) {
            return false;
        }
        const int kinds = int(object.contains(QLatin1String("substance"))) +
                          int(object.contains(QLatin1String("pka"))) +
                          int(object.contains(QLatin1String("pkb")));
        if (kinds != 1) {
            return fail(
                RecipeFile::tr("%1: needs one of \"substance\", \"pka\" or \"pkb\"").arg(path));
        }
        if (object.contains(QLatin1String("substance"))) {
            return librarySubstance(object, path, read, out);
        }
        const bool base = object.contains(QLatin1String("pkb"));
        const QString listPath = member(path, base ? "pkb" : "pka");
        const QJsonValue list = object.value(base ? QLatin1String("pkb") : QLatin1String("pka"));
        read.typed.pK.clear();
        for (const QJsonValue& item : list.toArray()) {
            if (!item.isDouble()) {
                read.typed.pK.clear();
                break;
            }
            read.typed.pK.push_back(item.toDouble());
        }
        if (!list.isArray() || read.typed.pK.empty() ||
            list.toArray().size() > model::kMaxConstants) {
            return fail(listPath + QStringLiteral(": ") +
                        RecipeFile::tr("must be a list of 1 to 6 numbers from -5 to 25"));
        }
        if (const model::Problem wrong = model::problemWithConstants(read.typed.pK);
            !wrong.empty()) {
            return fail(listPath + QStringLiteral(": ") + language::problemText(wrong));
        }
        read.typed.givenAsBase = base;
        // A base given by its pKb alone is uncharged, as ammonia or an amine.
        read.typed.charge = base ? static_cast<int>(read.typed.pK.size()) : 0;
        if (!whole(object, path, "charge", read.typed.charge,
                   RecipeFile::tr("must be a whole number from -6 to 6"), model::kMinCharge,
                   model::kMaxCharge)) {
            return false;
        }
        if (base && object.contains(QLatin1String("as"))) {
            return fail(RecipeFile::tr("%1: does not apply to a base given by \"pkb\", which is "
                                       "dissolved as the base")
                            .arg(member(path, "as")));
        }
        const int count = static_cast<int>(read.typed.pK.size());
        if (!whole(object, path, "as", read.typed.dissolvedAs,
                   //: %1 is the number of constants, the last species.
                   RecipeFile::tr("must be a species index from 0 to %1").arg(count), 0, count)) {
            return false;
        }
        if (object.contains(QLatin1String("names")) &&
            !names(object.value(QLatin1String("names")), member(path, "names"), count + 1,
                   read.typed.formulas)) {
            return false;
        }
        out = std::move(read);
        return true;
    }

    bool fail(const QString& text) {
        problem = text;
        return false;
    }

    static QString member(const QString& path, const QString& name) {
        return path.isEmpty() ? name : path + u'.' + name;
    }
    static QString member(const QString& path, const char* name) {
        return member(path, QString::fromLatin1(name));
    }

private:
    /** The formulas of typed constants' species, one for each, fully protonated first. */
    bool names(const QJsonValue& value, const QString& path, int species,
               std::vector<std::string>& out) {
        std::vector<std::string> read;
        for (const QJsonValue& item : value.toArray()) {
            if (!item.isString()) {
                read.clear();
                break;
            }
            read.push_back(item.toString().toStdString());
        }
        if (!value.isArray() || read.empty()) {
            //: %1 is how many species the constants give.
            return fail(
                path + QStringLiteral(": ") +
                RecipeFile::tr("must be a list of %1 formulas, one for each species").arg(species));
        }
        if (const model::Problem wrong = model::problemWithNames(read, species); !wrong.empty()) {
            return fail(path + QStringLiteral(": ") + language::problemText(wrong));
        }
        out = std::move(read);
        return true;
    }

    bool librarySubstance(const QJsonObject& object, const QString& path, model::Ingredient& read,
                          model::Ingredient& out) {
        for (const char* typedOnly : {"charge", "names"}) {
            if (object.contains(QLatin1String(typedOnly))) {
                return fail(RecipeFile::tr("%1: applies to \"pka\" and \"pkb\" only, not to a "
                                           "substance of the library")
                                .arg(member(path, typedOnly)));
            }
        }
        const QJsonValue key = object.value(QLatin1String("substance"));
        const model::Substance* substance =
            key.isString() ? model::substanceNamed(key.toString().toStdString()) : nullptr;
        if (substance == nullptr) {
            return fail(RecipeFile::tr("%1: must be the key of a substance of the library")
                            .arg(member(path, "substance")));
        }
        read.substance = substance->key;
        if (object.contains(QLatin1String("as"))) {
            const int count = static_cast<int>(model::systemOf(*substance).pKa.size());
            int species = 0;
            if (substance->kind != model::SubstanceKind::Weak) {
                return fail(RecipeFile::tr("%1: applies to a weak acid or base only; a salt or a "
                                           "strong acid or base is dissolved as it is")
                                .arg(member(path, "as")));
            }
            if (!whole(object, path, "as", species,
                       RecipeFile::tr("must be a species index from 0 to %1").arg(count), 0,
                       count)) {
                return false;
            }
            read.dissolvedAs = species;
        }
        out = std::move(read);
        return true;
    }
};

/** The recipe's titration: its volume, titrant and end, each optional. */
bool readTitration(FieldReader& reader, const QJsonValue& value, model::Recipe& recipe) {
    const QString path = QStringLiteral("titration");
    if (!value.isObject()) {
        return reader.fail(RecipeFile::tr("%1: must be an object").arg(path));
    }
    const QJsonObject object = value.toObject();
    if (!reader.onlyKnown(object, path, {"volume", "titrant", "end"})) {
        return false;
    }
    recipe.titrated = true;
    if (!reader.number(object, path, "volume", recipe.sampleVolume,
                       RecipeFile::tr("must be a number from 0.1 to 1000 mL"),
                       model::problemWithSampleVolume) ||
        !reader.number(object, path, "end", recipe.endVolume,
                       RecipeFile::tr("must be a number from 0.001 to 100000 mL"),
                       model::problemWithEndVolume)) {
        return false;
    }
    if (object.contains(QLatin1String("titrant"))) {
        return reader.ingredient(object.value(QLatin1String("titrant")),
                                 FieldReader::member(path, "titrant"), recipe.titrant);
    }
    return true;
}

/** The recipe in a JSON object, after its format and version are known to be right. */
QString readFields(const QJsonObject& object, model::Recipe& recipe) {
    FieldReader reader;
    if (!reader.onlyKnown(
            object, {},
            {"format", "version", "temperature", "activity", "substances", "titration"}) ||
        !reader.number(object, {}, "temperature", recipe.temperature,
                       RecipeFile::tr("must be a number from 0 to 100 °C"),
                       model::problemWithTemperature)) {
        return reader.problem;
    }
    if (object.contains(QLatin1String("activity"))) {
        const QString activity = object.value(QLatin1String("activity")).toString();
        if (activity != u"ideal" && activity != u"davies") {
            return RecipeFile::tr("activity: must be \"ideal\" or \"davies\"");
        }
        recipe.activity = activity == u"davies" ? model::Activity::Davies : model::Activity::Ideal;
    }
    const QJsonValue substances = object.value(QLatin1String("substances"));
    if (!substances.isUndefined() && !substances.isArray()) {
        return RecipeFile::tr("substances: must be a list of substances");
    }
    const QJsonArray list = substances.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        model::Ingredient ingredient;
        if (!reader.ingredient(list[i], QStringLiteral("substances[%1]").arg(i), ingredient)) {
            return reader.problem;
        }
        recipe.substances.push_back(std::move(ingredient));
    }
    model::Mixture mixture;
    if (const model::IngredientProblem problem = model::mixtureOf(recipe, mixture);
        !problem.empty()) {
        const QString where = problem.index >= 0
                                  ? QStringLiteral("substances[%1]").arg(problem.index)
                                  : QStringLiteral("substances");
        return where + QStringLiteral(": ") + language::problemText(problem.problem);
    }
    if (object.contains(QLatin1String("titration")) &&
        !readTitration(reader, object.value(QLatin1String("titration")), recipe)) {
        return reader.problem;
    }
    return {};
}

QJsonValue exactNumber(double value) {
    // A whole number is written without a fraction, as people write it ("25").
    return value == std::trunc(value) && std::abs(value) < 1e15
               ? QJsonValue(static_cast<qint64>(value))
               : QJsonValue(value);
}

QJsonObject ingredientObject(const model::Ingredient& ingredient) {
    QJsonObject object;
    object.insert(QStringLiteral("conc"), exactNumber(ingredient.concentration));
    if (!ingredient.substance.empty()) {
        object.insert(QStringLiteral("substance"), QString::fromStdString(ingredient.substance));
        if (ingredient.dissolvedAs) {
            object.insert(QStringLiteral("as"), *ingredient.dissolvedAs);
        }
        return object;
    }
    QJsonArray constants;
    for (const double pK : ingredient.typed.pK) {
        constants.append(exactNumber(pK));
    }
    object.insert(ingredient.typed.givenAsBase ? QStringLiteral("pkb") : QStringLiteral("pka"),
                  constants);
    object.insert(QStringLiteral("charge"), ingredient.typed.charge);
    if (!ingredient.typed.givenAsBase) {
        object.insert(QStringLiteral("as"), ingredient.typed.dissolvedAs);
    }
    if (!ingredient.typed.formulas.empty()) {
        QJsonArray names;
        for (const std::string& name : ingredient.typed.formulas) {
            names.append(QString::fromStdString(name));
        }
        object.insert(QStringLiteral("names"), names);
    }
    return object;
}

} // namespace

QString RecipeFile::parse(const QByteArray& bytes, model::Recipe& recipe) {
    QByteArray data = bytes;
    // An editor may put a byte-order mark first; it is no part of the JSON.
    if (data.startsWith("\xef\xbb\xbf")) {
        data.remove(0, 3);
    }
    // The first byte that is no UTF-8, if any.
    const std::string_view view(data.constData(), static_cast<std::size_t>(data.size()));
    for (std::size_t at = 0; at < view.size();) {
        char32_t codePoint = 0;
        const int length = model::utf8Sequence(view, at, codePoint);
        if (length == 0) {
            //: %1 is where: "line 2, column 5".
            return tr("%1: not UTF-8 text").arg(placeOf(data, static_cast<qsizetype>(at)));
        }
        at += static_cast<std::size_t>(length);
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError) {
        //: %1 is where ("line 2, column 5"), %2 what is wrong there, in Qt's words.
        // The parser stands just past the character it could not take, unless the text ended.
        qsizetype at = error.offset;
        if (at > 0 && at <= data.size() && !QChar::isSpace(static_cast<uchar>(data[at - 1]))) {
            --at;
        }
        return tr("%1: %2").arg(placeOf(data, at), error.errorString());
    }
    if (!document.isObject()) {
        return tr("not a recipe: the file must hold one JSON object");
    }
    const QJsonObject object = document.object();
    if (object.value(QLatin1String("format")).toString() != QLatin1String(kFormat)) {
        return tr("not a recipe: \"format\" must be \"%1\"").arg(QLatin1String(kFormat));
    }
    if (object.value(QLatin1String("version")).toDouble(-1) != kVersion) {
        //: %1 is the version given, %2 the one the program reads.
        return tr("version %1 is not one this program reads (%2)")
            .arg(object.value(QLatin1String("version")).toVariant().toString())
            .arg(kVersion);
    }
    model::Recipe read;
    if (QString problem = readFields(object, read); !problem.isEmpty()) {
        return problem;
    }
    recipe = std::move(read);
    return {};
}

QString RecipeFile::read(const QByteArray& path, model::Recipe& recipe) {
    QByteArray bytes;
    if (QString reason = readRegularFile(
            path, kMaxRecipeFileSize,
            tr("it is larger than %1 KiB, too large for a recipe").arg(kMaxRecipeFileSize / 1024),
            bytes);
        !reason.isEmpty()) {
        return reason;
    }
    return parse(bytes, recipe);
}

QByteArray RecipeFile::json(const model::Recipe& recipe) {
    QJsonObject object;
    object.insert(QStringLiteral("format"), QLatin1String(kFormat));
    object.insert(QStringLiteral("version"), kVersion);
    object.insert(QStringLiteral("temperature"), exactNumber(recipe.temperature));
    object.insert(QStringLiteral("activity"), recipe.activity == model::Activity::Davies
                                                  ? QStringLiteral("davies")
                                                  : QStringLiteral("ideal"));
    QJsonArray substances;
    for (const model::Ingredient& ingredient : recipe.substances) {
        substances.append(ingredientObject(ingredient));
    }
    object.insert(QStringLiteral("substances"), substances);
    if (recipe.titrated) {
        QJsonObject titration;
        titration.insert(QStringLiteral("volume"), exactNumber(recipe.sampleVolume));
        titration.insert(QStringLiteral("titrant"), ingredientObject(recipe.titrant));
        if (recipe.endVolume != 0.0) {
            titration.insert(QStringLiteral("end"), exactNumber(recipe.endVolume));
        }
        object.insert(QStringLiteral("titration"), titration);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QString RecipeFile::write(const QByteArray& path, const model::Recipe& recipe) {
    return writeFileAtomically(path, json(recipe));
}

} // namespace velmora::io
