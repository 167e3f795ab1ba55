// SPDX-License-Identifier: GPL-3.0-or-later
// Recipe files: what is read, what is refused with its line and column or the path of its field,
// and that what is written reads back as the same recipe.

#include "files.h"

#include "io/recipefile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace velmora;
using model::Ingredient;
using model::Recipe;

Q_DECLARE_METATYPE(model::Recipe)

namespace {

QByteArray recipeWith(const QByteArray& fields) {
    return R"({"format": "velmora-recipe", "version": 1)" +
           (fields.isEmpty() ? "" : ", " + fields) + "}";
}

Ingredient typed(double c, std::vector<double> pK, int charge, int as, bool base = false) {
    Ingredient ingredient;
    ingredient.concentration = c;
    ingredient.typed.pK = std::move(pK);
    ingredient.typed.charge = charge;
    ingredient.typed.dissolvedAs = as;
    ingredient.typed.givenAsBase = base;
    return ingredient;
}

Ingredient library(double c, const char* key, std::optional<int> as = std::nullopt) {
    return {c, key, {}, as};
}

Ingredient named(Ingredient ingredient, std::vector<std::string> names) {
    ingredient.typed.formulas = std::move(names);
    return ingredient;
}

} // namespace

class TestRecipeFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void read_data();
    void read();
    void refused_data();
    void refused();
    void roundTrip_data();
    void roundTrip();
    void filesRefused_data();
    void filesRefused();

private:
    QTemporaryDir m_dir;
};

void TestRecipeFile::read_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<Recipe>("expected");
    QTest::newRow("only format and version") << recipeWith({}) << Recipe{};
    Recipe example;
    example.substances = {typed(0.1, {4.76}, 0, 0), library(0.05, "sodium-hydroxide")};
    example.titrated = true;
    QTest::newRow("the documented example")
        << QByteArray(R"({"format": "velmora-recipe", "version": 1, "temperature": 25,
            "activity": "ideal", "substances": [{"conc": 0.1, "pka": [4.76], "charge": 0, "as": 0},
            {"conc": 0.05, "substance": "NaOH"}],
            "titration": {"volume": 25, "titrant": {"conc": 0.1, "substance": "NaOH"}}})")
        << example;
    Recipe warm;
    warm.temperature = 37.5;
    warm.activity = model::Activity::Davies;
    warm.substances = {typed(0.02, {4.75}, 1, 0, true), typed(1e-3, {2.1, 7.2}, -1, 2),
                       library(0.1, "sodium-acetate")};
    QTest::newRow("davies, a base by pKb, charges, keys in any case")
        << recipeWith(R"("temperature": 37.5, "activity": "davies", "substances": [
            {"conc": 0.02, "pkb": [4.75]}, {"conc": 1e-3, "pka": [2.1, 7.2], "charge": -1,
            "as": 2}, {"conc": 0.1, "substance": "Sodium-Acetate"}])")
        << warm;
    Recipe titrated;
    titrated.titrated = true;
    titrated.sampleVolume = 50;
    titrated.endVolume = 30;
    titrated.titrant = typed(0.2, {9.25}, 1, 1);
    QTest::newRow("titration with a typed titrant and its end")
        << recipeWith(R"("titration": {"volume": 50, "end": 30,
            "titrant": {"conc": 0.2, "pka": [9.25], "charge": 1, "as": 1}})")
        << titrated;
    Recipe species;
    species.substances = {named(typed(0.1, {1.25, 4.27}, 0, 1), {"H2C2O4", "HC2O4^-", "C2O4^2-"}),
                          library(0.05, "ammonia", 0), library(0.02, "phosphoric", 3)};
    QTest::newRow("names of typed species, the species of a weak library substance")
        << recipeWith(R"("substances": [{"conc": 0.1, "pka": [1.25, 4.27], "as": 1,
            "names": ["H2C2O4", "HC2O4^-", "C2O4^2-"]}, {"conc": 0.05, "substance": "NH3",
            "as": 0}, {"conc": 0.02, "substance": "phosphoric", "as": 3}])")
        << species;
    Recipe defaults;
    defaults.titrated = true;
    QTest::newRow("empty titration takes its defaults")
        << recipeWith(R"("titration": {})") << defaults;
    QTest::newRow("byte-order mark") << "\xef\xbb\xbf" + recipeWith({}) << Recipe{};
}

void TestRecipeFile::read() {
    QFETCH(QByteArray, json);
    QFETCH(Recipe, expected);
    Recipe recipe;
    recipe.temperature = 99; // every field is set by what is read
    const QString problem = io::RecipeFile::parse(json, recipe);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(recipe == expected);
}

void TestRecipeFile::refused_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("problem");
    // Lines and columns count from 1, columns in characters: "é" is one.
    QTest::newRow("missing comma on line 3")
        << QByteArray("{\n  \"format\": \"velmora-recipe\"\n  \"version\": 1\n}")
        << "line 3, column 3: ";
    QTest::newRow("column in characters") << QByteArray("{\"é€\": 1,, }") << "line 1, column 10: ";
    QTest::newRow("cut short") << QByteArray("{\"format\": ") << "line 1, column 12: ";
    QTest::newRow("not UTF-8") << QByteArray("{\"format\":\n \"velmora-recipe\xff\"}")
                               << "line 2, column 17: not UTF-8 text";
    QTest::newRow("a list") << QByteArray("[1, 2]")
                            << "not a recipe: the file must hold one JSON object";
    QTest::newRow("wrong format") << QByteArray(R"({"format": "recipe", "version": 1})")
                                  << "not a recipe: \"format\" must be \"velmora-recipe\"";
    QTest::newRow("newer version") << QByteArray(R"({"format": "velmora-recipe", "version": 2})")
                                   << "version 2 is not one this program reads (1)";
    QTest::newRow("no version") << QByteArray(R"({"format": "velmora-recipe"})")
                                << "version  is not one this program reads (1)";
    QTest::newRow("unknown field") << recipeWith(R"("colour": "blue")") << "colour: unknown field";
    QTest::newRow("temperature too high")
        << recipeWith(R"("temperature": 101)") << "temperature: must be a number from 0 to 100 °C";
    QTest::newRow("temperature as text")
        << recipeWith(R"("temperature": "25")") << "temperature: must be a number from 0 to 100";
    QTest::newRow("unknown activity")
        << recipeWith(R"("activity": "debye")") << "activity: must be \"ideal\" or \"davies\"";
    QTest::newRow("substances not a list")
        << recipeWith(R"("substances": {"conc": 1})") << "substances: must be a list of substances";
    QTest::newRow("concentration of the third substance")
        << recipeWith(R"("substances": [{"conc": 0.1, "substance": "acetic"},
            {"conc": 0.1, "substance": "acetic"}, {"conc": 11, "pka": [4]}])")
        << "substances[2].conc: must be a number from 0 to 10 mol/L";
    QTest::newRow("concentration as text")
        << recipeWith(R"("substances": [{"conc": "0.1", "substance": "acetic"}])")
        << "substances[0].conc: must be a number from 0 to 10 mol/L";
    QTest::newRow("no concentration") << recipeWith(R"("substances": [{"substance": "acetic"}])")
                                      << "substances[0]: needs \"conc\"";
    QTest::newRow("unknown field of a substance")
        << recipeWith(R"("substances": [{"conc": 1, "substance": "acetic", "name": "x"}])")
        << "substances[0].name: unknown field";
    QTest::newRow("key and constants")
        << recipeWith(R"("substances": [{"conc": 1, "substance": "acetic", "pka": [4]}])")
        << "substances[0]: needs one of \"substance\", \"pka\" or \"pkb\"";
    QTest::newRow("unknown key")
        << recipeWith(R"("substances": [{"conc": 1, "substance": "vinegar"}])")
        << "substances[0].substance: must be the key of a substance of the library";
    QTest::newRow("charge of a library substance")
        << recipeWith(R"("substances": [{"conc": 1, "substance": "acetic", "charge": 1}])")
        << "substances[0].charge: applies to \"pka\" and \"pkb\" only";
    QTest::newRow("names of a library substance")
        << recipeWith(R"("substances": [{"conc": 1, "substance": "acetic", "names": ["A", "B"]}])")
        << "substances[0].names: applies to \"pka\" and \"pkb\" only";
    QTest::newRow("species of a salt")
        << recipeWith(R"("substances": [{"conc": 1, "substance": "sodium-acetate", "as": 0}])")
        << "substances[0].as: applies to a weak acid or base only";
    QTest::newRow("species of a strong base")
        << recipeWith(R"("substances": [{"conc": 1, "substance": "NaOH", "as": 0}])")
        << "substances[0].as: applies to a weak acid or base only";
    QTest::newRow("species past a library acid's last")
        << recipeWith(R"("substances": [{"conc": 1, "substance": "acetic", "as": 2}])")
        << "substances[0].as: must be a species index from 0 to 1";
    QTest::newRow("species below a library acid's first")
        << recipeWith(R"("substances": [{"conc": 1, "substance": "acetic", "as": -1}])")
        << "substances[0].as: must be a species index from 0 to 1";
    QTest::newRow("one name too few")
        << recipeWith(R"("substances": [{"conc": 1, "pka": [4, 5], "names": ["H2A", "HA-"]}])")
        << "substances[0].names: needs 3 names, one per species";
    QTest::newRow("one name too many")
        << recipeWith(R"("substances": [{"conc": 1, "pka": [4], "names": ["HA", "A-", "X"]}])")
        << "substances[0].names: needs 2 names, one per species";
    QTest::newRow("names not a list")
        << recipeWith(R"("substances": [{"conc": 1, "pka": [4], "names": "HA"}])")
        << "substances[0].names: must be a list of 2 formulas, one for each species";
    QTest::newRow("a name that is a number")
        << recipeWith(R"("substances": [{"conc": 1, "pka": [4], "names": ["HA", 1]}])")
        << "substances[0].names: must be a list of 2 formulas, one for each species";
    QTest::newRow("an empty name")
        << recipeWith(R"("substances": [{"conc": 1, "pka": [4], "names": ["HA", ""]}])")
        << "substances[0].names: each name needs 1 to 49 characters";
    QTest::newRow("constants not a list")
        << recipeWith(R"("substances": [{"conc": 1, "pka": 4.76}])")
        << "substances[0].pka: must be a list of 1 to 6 numbers from -5 to 25";
    QTest::newRow("no constants") << recipeWith(R"("substances": [{"conc": 1, "pka": []}])")
                                  << "substances[0].pka: must be a list of 1 to 6 numbers";
    QTest::newRow("seven constants")
        << recipeWith(R"("substances": [{"conc": 1, "pka": [1, 2, 3, 4, 5, 6, 7]}])")
        << "substances[0].pka: must be a list of 1 to 6 numbers";
    QTest::newRow("constants decreasing")
        << recipeWith(R"("substances": [{"conc": 1, "pkb": [5, 4]}])")
        << "substances[0].pkb: values must be in non-decreasing order";
    QTest::newRow("charge not whole")
        << recipeWith(R"("substances": [{"conc": 1, "pka": [4], "charge": 0.5}])")
        << "substances[0].charge: must be a whole number from -6 to 6";
    QTest::newRow("charge 7") << recipeWith(
                                     R"("substances": [{"conc": 1, "pka": [4], "charge": 7}])")
                              << "substances[0].charge: must be a whole number from -6 to 6";
    QTest::newRow("species past the last")
        << recipeWith(R"("substances": [{"conc": 1, "pka": [4, 5], "as": 3}])")
        << "substances[0].as: must be a species index from 0 to 2";
    QTest::newRow("species of a base")
        << recipeWith(R"("substances": [{"conc": 1, "pkb": [4], "as": 0}])")
        << "substances[0].as: does not apply to a base given by \"pkb\"";
    QTest::newRow("nine systems")
        << recipeWith(R"("substances": [)" +
                      QByteArray(R"({"conc": 0.01, "substance": "acetic"}, )").repeated(8) +
                      R"({"conc": 0.01, "pka": [4]}])")
        << "substances[8]: may hold at most 8 acid-base systems";
    QTest::newRow("titration volume") << recipeWith(R"("titration": {"volume": 0})")
                                      << "titration.volume: must be a number from 0.1 to 1000 mL";
    QTest::newRow("titration end") << recipeWith(R"("titration": {"end": 0})")
                                   << "titration.end: must be a number from 0.001 to 100000 mL";
    QTest::newRow("titrant concentration")
        << recipeWith(R"("titration": {"titrant": {"conc": -1, "substance": "NaOH"}})")
        << "titration.titrant.conc: must be a number from 0 to 10 mol/L";
    QTest::newRow("unknown field of the titration")
        << recipeWith(R"("titration": {"speed": 1})") << "titration.speed: unknown field";
}

void TestRecipeFile::refused() {
    QFETCH(QByteArray, json);
    QFETCH(QString, problem);
    Recipe recipe;
    recipe.temperature = 42;
    const QString found = io::RecipeFile::parse(json, recipe);
    QVERIFY2(found.startsWith(problem), qPrintable(found));
    QVERIFY(!found.contains(u'\n'));
    QCOMPARE(recipe.temperature, 42.0); // left as it was
}

void TestRecipeFile::roundTrip_data() {
    QTest::addColumn<Recipe>("recipe");
    QTest::newRow("empty") << Recipe{};
    Recipe buffer;
    buffer.substances = {library(0.1, "acetic"), library(0.1, "sodium-acetate")};
    QTest::newRow("buffer") << buffer;
    Recipe awkward;
    awkward.temperature = 0.1 + 0.2; // no short decimal
    awkward.activity = model::Activity::Davies;
    awkward.substances = {typed(1.0 / 3.0, {2.148, 7.198, 12.319}, 0, 1),
                          typed(4.9406564584124654e-324, {-5, 25}, -6, 2),
                          typed(10, {4.75}, 1, 0, true)};
    awkward.titrated = true;
    awkward.sampleVolume = 1000;
    awkward.endVolume = 100000;
    awkward.titrant = library(1e-6, "hydrochloric");
    QTest::newRow("numbers without a short form, the ends of every range") << awkward;
    Recipe typedTitrant;
    typedTitrant.titrated = true;
    typedTitrant.titrant = typed(0.05, {4.75}, 1, 0, true);
    QTest::newRow("base by pKb as titrant") << typedTitrant;
    Recipe species;
    species.substances = {named(typed(0.1, {9.25}, 1, 1), {"NH₄⁺", "NH₃"}),
                          library(0.1, "glycine", 2)};
    species.titrated = true;
    species.titrant = library(0.1, "ammonia", 0);
    QTest::newRow("names in any script, the species of weak library substances") << species;
}

void TestRecipeFile::roundTrip() {
    QFETCH(Recipe, recipe);
    const QByteArray path = QFile::encodeName(m_dir.filePath(QStringLiteral("r.json")));
    QCOMPARE(io::RecipeFile::write(path, recipe), QString());
    Recipe back;
    back.temperature = 50;
    QCOMPARE(io::RecipeFile::read(path, back), QString());
    QVERIFY(back == recipe);
    // Pretty-printed: one field a line.
    QFile file(QFile::decodeName(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().count('\n') > 5);
}

void TestRecipeFile::filesRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("problem");
    QTest::newRow("missing") << "missing.json"
                             << "No such file or directory";
    QTest::newRow("folder") << "folder"
                            << "Is a directory";
    QTest::newRow("fifo") << "fifo"
                          << "it is a FIFO, not a regular file";
    QTest::newRow("too large") << "large.json"
                               << "it is larger than 1024 KiB";
    QTest::newRow("just below the limit") << "spaced.json"
                                          << "";
}

void TestRecipeFile::filesRefused() {
    QFETCH(QString, name);
    QFETCH(QString, problem);
    const QString path = m_dir.filePath(name);
    if (name == u"folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (name == u"fifo") {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else if (name != u"missing.json") {
        // Blanks before the recipe fill the file up to the limit, or one byte past it.
        const QByteArray recipe = recipeWith({});
        const qint64 size = io::kMaxRecipeFileSize + (name == u"large.json" ? 1 : 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(size - recipe.size(), ' ') + recipe);
    }
    Recipe recipe;
    const QString found = io::RecipeFile::read(QFile::encodeName(path), recipe);
    QVERIFY2(problem.isEmpty() ? found.isEmpty() : found.contains(problem), qPrintable(found));
}

QTEST_GUILESS_MAIN(TestRecipeFile)
#include "test_recipefile.moc"
