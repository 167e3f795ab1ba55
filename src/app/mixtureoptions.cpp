// SPDX-License-Identifier: GPL-3.0-or-later
// The options of a mixture (--add, --activity, --temperature, --recipe, a substance as --titrant):
// SolutionOptions reads them here, beside the options of one acid in solutionoptions.cpp.
#include "optionvalue.h"
#include "solutionoptions.h"

#include "io/recipefile.h"
#include "io/shownname.h"

#include "language/modeltexts.h"

#include "model/titration.h"

#include <QCommandLineParser>

#include <algorithm>
#include <string>

namespace velmora::app {

namespace {

QString optionName(const QCommandLineOption& option) {
    return QStringLiteral("--") + option.names().constFirst();
}

/** A titrant written as base:CT or acid:CT: its kind, lower case, or "" for anything else. */
QString strongTitrantKind(const QByteArray& value) {
    const QByteArray bytes = trimmedValue(value);
    const qsizetype colon = bytes.indexOf(':');
    const QString kind = QString::fromUtf8(bytes.left(colon)).trimmed().toLower();
    return colon >= 0 && (kind == u"base" || kind == u"acid") ? kind : QString();
}

} // namespace

namespace {

/** A number written with a decimal comma ("0,1"): the number with a point, or "". */
QString withDecimalPoint(const model::IngredientTextProblem& problem) {
    std::string point = problem.piece;
    std::replace(point.begin(), point.end(), ',', '.');
    double value = 0.0;
    const bool comma = point != problem.piece && point.find('.') == point.rfind('.');
    return comma && problem.problem.english() == "is not a number" &&
                   model::readPlainNumber(point, value)
               ? QString::fromStdString(point)
               : QString();
}

} // namespace

QString ingredientRefusal(const QString& option, const QByteArray& written,
                          const model::IngredientTextProblem& problem) {
    if (problem.empty()) {
        return {};
    }
    const QString shown = io::shownName(trimmedValue(written));
    if (const QString point = withDecimalPoint(problem); !point.isEmpty()) {
        //: %1 is the option, %2 the substance as given, %3 a number written with a decimal
        //: comma, %4 the same with a point. Keep the point.
        return SolutionOptions::tr("%1: '%2': %3 is not a number; write decimals with a point: %4")
            .arg(option, shown, QString::fromStdString(problem.piece), point);
    }
    const QString text = language::problemText(problem.problem);
    if (problem.piece.empty()) {
        //: %1 is the option, %2 the substance as given, %3 what is wrong with it.
        return SolutionOptions::tr("%1: '%2' %3").arg(option, shown, text);
    }
    //: %1 is the option, %2 the substance as given, %3 the part of it that is wrong, %4 why.
    return SolutionOptions::tr("%1: '%2': %3 %4")
        .arg(option, shown, io::shownName(QByteArray::fromStdString(problem.piece)), text);
}

QList<TypedConstants> SolutionOptions::typedConstants(const QCommandLineParser& parser) const {
    QList<TypedConstants> found;
    QList<std::pair<QString, QByteArray>> writtenSubstances;
    for (const QString& written : parser.values(m_add)) {
        writtenSubstances.append({optionName(m_add), written.toLatin1()});
    }
    if (parser.isSet(m_titrant)) {
        writtenSubstances.append({optionName(m_titrant), OptionValue(parser, m_titrant).bytes()});
    }
    for (const auto& [option, written] : writtenSubstances) {
        model::Ingredient ingredient;
        const QList<QByteArray> pieces = written.split(':');
        if (pieces.size() >= 2 &&
            model::readIngredient(written.toStdString(), ingredient).empty() &&
            ingredient.substance.empty()) {
            QByteArray constants = pieces[1].trimmed();
            const qsizetype equals = constants.indexOf('=');
            found.append({option, written, constants.mid(equals + 1)});
        }
    }
    return found;
}

bool SolutionOptions::mixes(const QCommandLineParser& parser) const {
    for (const QCommandLineOption* option : {&m_add, &m_activity, &m_temperature, &m_recipe}) {
        if (parser.isSet(*option)) {
            return true;
        }
    }
    return parser.isSet(m_titrant) &&
           strongTitrantKind(OptionValue(parser, m_titrant).bytes()).isEmpty();
}

QString SolutionOptions::readMixture(const QCommandLineParser& parser,
                                     const QCommandLineOption& pka, bool titration,
                                     charts::ChartRequest& request) const {
    model::Recipe recipe;
    if (parser.isSet(m_recipe)) {
        const OptionValue file(parser, m_recipe);
        if (QString problem = io::RecipeFile::read(file.bytes(), recipe); !problem.isEmpty()) {
            //: %1 is the option, %2 the file's name, %3 what is wrong with it.
            return tr("%1: '%2': %3").arg(file.name(), io::shownName(file.bytes()), problem);
        }
    }
    if (parser.isSet(m_temperature)) {
        if (QString problem = OptionValue(parser, m_temperature)
                                  .readChecked(recipe.temperature, model::problemWithTemperature);
            !problem.isEmpty()) {
            return problem;
        }
    }
    if (parser.isSet(m_activity)) {
        const OptionValue value(parser, m_activity);
        const QString activity = QString::fromUtf8(trimmedValue(value.bytes())).toLower();
        if (activity != u"ideal" && activity != u"davies") {
            return tr("--activity: '%1' is not ideal or davies").arg(value.shown());
        }
        recipe.activity = activity == u"davies" ? model::Activity::Davies : model::Activity::Ideal;
    }

    // The acid of --pka with its solution's options is the mixture's first substance.
    std::vector<model::Ingredient> ingredients;
    if (parser.isSet(pka)) {
        if (QString problem = readAcid(parser, pka, request); !problem.isEmpty()) {
            return problem;
        }
    } else {
        for (const QCommandLineOption* option : {&m_charge, &m_conc, &m_as, &m_names}) {
            if (parser.isSet(*option)) {
                return tr("%1 applies to the acid of --pka; give the mixture's substances with "
                          "--add")
                    .arg(optionName(*option));
            }
        }
    }
    if (QString problem = readSolution(parser, request); !problem.isEmpty()) {
        return problem;
    }
    if (parser.isSet(pka)) {
        model::Ingredient acid;
        acid.concentration = request.solution.concentration;
        acid.typed.pK = request.acid.exponents();
        acid.typed.charge = request.acid.charge();
        acid.typed.dissolvedAs = request.solution.dissolvedAs;
        ingredients.push_back(std::move(acid));
    }
    const std::size_t fromRecipe = ingredients.size();
    ingredients.insert(ingredients.end(), recipe.substances.begin(), recipe.substances.end());
    const std::size_t fromAdd = ingredients.size();
    const QStringList added = parser.values(m_add);
    for (const QString& written : added) {
        const QByteArray bytes = written.toLatin1();
        model::Ingredient ingredient;
        if (QString problem = ingredientRefusal(
                optionName(m_add), bytes, model::readIngredient(bytes.toStdString(), ingredient));
            !problem.isEmpty()) {
            return problem;
        }
        ingredients.push_back(std::move(ingredient));
    }

    model::Mixture mixture;
    if (const model::IngredientProblem problem =
            model::mixtureOf(ingredients, recipe.temperature, recipe.activity, mixture);
        !problem.empty()) {
        const QString text = language::problemText(problem.problem);
        if (problem.index < 0) {
            //: %1 is the option, %2 what is wrong with the sum ("must be from 0 to 10 mol/L").
            return tr("%1: the strong acids or bases in all %2").arg(optionName(m_add), text);
        }
        const auto index = static_cast<std::size_t>(problem.index);
        if (index >= fromAdd) {
            //: %1 is the option, %2 the substance as given, %3 what is wrong with the solution.
            return tr("%1: '%2': the solution %3")
                .arg(optionName(m_add),
                     io::shownName(added[static_cast<qsizetype>(index - fromAdd)].toLatin1()),
                     text);
        }
        return (index >= fromRecipe ? optionName(m_recipe) : optionName(pka)) +
               QStringLiteral(": ") + tr("the solution %1").arg(text);
    }
    if (parser.isSet(pka)) {
        if (!request.acid.hasGenericNames()) {
            mixture.systems.front().formulas = request.acid.speciesNames();
        }
    }
    mixture.strongBase += request.solution.strongBase;
    mixture.strongAcid += request.solution.strongAcid;
    for (auto [option, value] :
         {std::pair{&m_base, mixture.strongBase}, std::pair{&m_acid, mixture.strongAcid}}) {
        if (QString problem = OptionValue::refusal(optionName(*option),
                                                   model::problemWithStrongConcentration(value));
            !problem.isEmpty()) {
            return problem;
        }
    }
    request.mixture = std::move(mixture);
    // Every substance of a mixture is given with its concentration: its pH is marked.
    request.showSolution = true;
    return titration ? readMixtureTitration(parser, recipe, request) : QString();
}

QString SolutionOptions::readTitrant(const QCommandLineParser& parser,
                                     model::Ingredient& titrant) const {
    const OptionValue value(parser, m_titrant);
    const QByteArray bytes = trimmedValue(value.bytes());
    if (const QString kind = strongTitrantKind(bytes); !kind.isEmpty()) {
        titrant = {0.0, kind == u"base" ? "sodium-hydroxide" : "hydrochloric", {}};
        return OptionValue(value.name(), bytes.mid(bytes.indexOf(':') + 1))
            .readChecked(titrant.concentration, model::problemWithTitrantConcentration);
    }
    model::Ingredient read;
    const model::IngredientTextProblem problem = model::readIngredient(bytes.toStdString(), read);
    // What has no concentration first may have been meant as base:CT or acid:CT.
    const QByteArray first = bytes.left(bytes.indexOf(':'));
    const bool unreadableFirst = QByteArray::fromStdString(problem.piece) == first &&
                                 problem.problem.english() == "is not a number" &&
                                 withDecimalPoint(problem).isEmpty();
    if (!problem.empty() && (problem.piece.empty() || unreadableFirst)) {
        //: Keep base:CT, acid:CT and C:WHAT as they are.
        return tr("--titrant: '%1' is not base:CT or acid:CT, nor a substance as --add takes it "
                  "(C:WHAT, such as 0.1:ammonia)")
            .arg(io::shownName(bytes));
    }
    if (QString refusal = ingredientRefusal(value.name(), bytes, problem); !refusal.isEmpty()) {
        return refusal;
    }
    // A titrant that adds nothing would never reach an end.
    if (QString refusal = OptionValue(value.name(), first)
                              .refusal(model::problemWithTitrantConcentration(read.concentration));
        !refusal.isEmpty()) {
        return refusal;
    }
    titrant = std::move(read);
    return {};
}

QString SolutionOptions::readMixtureTitration(const QCommandLineParser& parser,
                                              model::Recipe& recipe,
                                              charts::ChartRequest& request) const {
    if (parser.isSet(m_volume)) {
        if (QString problem = OptionValue(parser, m_volume)
                                  .readChecked(recipe.sampleVolume, model::problemWithSampleVolume);
            !problem.isEmpty()) {
            return problem;
        }
    }
    if (parser.isSet(m_titrant)) {
        if (QString problem = readTitrant(parser, recipe.titrant); !problem.isEmpty()) {
            return problem;
        }
    }
    if (parser.isSet(m_to)) {
        if (QString problem = OptionValue(parser, m_to)
                                  .readChecked(recipe.endVolume, model::problemWithEndVolume);
            !problem.isEmpty()) {
            return problem;
        }
    }
    recipe.titrated = true;
    if (const model::IngredientProblem problem =
            model::titrationOf(recipe, request.mixtureTitration);
        !problem.empty()) {
        return OptionValue::refusal(optionName(m_titrant), problem.problem);
    }
    if (recipe.endVolume == 0.0) {
        // The default end follows from the mixture and the titrant; it has the same limits.
        const double end =
            model::MixtureTitrator(*request.mixture, request.mixtureTitration).endVolume();
        if (const model::Problem problem = model::problemWithEndVolume(end); !problem.empty()) {
            return tr("--to: the default end volume %1 mL %2; give --to")
                .arg(QString::number(end, 'g', 6), language::problemText(problem));
        }
    }
    return {};
}

QString SolutionOptions::readMeasuredSample(const QCommandLineParser& parser,
                                            const QCommandLineOption& pka, const QString& option,
                                            charts::ChartRequest& request) const {
    if (!parser.isSet(pka) && !parser.isSet(m_add) && !parser.isSet(m_recipe)) {
        //: %1 is --fit or --data. Keep the options as they are.
        return tr("%1 needs the sample the data were measured on: --pka LIST, --add SUBSTANCE or "
                  "--recipe FILE")
            .arg(option);
    }
    return readMixture(parser, pka, true, request);
}

QString SolutionOptions::readEndPointVolume(const QCommandLineParser& parser,
                                            const QCommandLineOption& pka,
                                            double& sampleVolume) const {
    for (const QCommandLineOption* option :
         {&pka, &m_plot, &m_charge, &m_conc, &m_as, &m_base, &m_acid, &m_names, &m_size, &m_titrant,
          &m_to, &m_add, &m_activity, &m_temperature, &m_recipe}) {
        if (parser.isSet(*option)) {
            //: %1 is an option that --endpoints does not take.
            return tr("%1 does not apply to --endpoints (only --volume, --columns)")
                .arg(optionName(*option));
        }
    }
    sampleVolume = model::MixtureTitration{}.sampleVolume;
    if (!parser.isSet(m_volume)) {
        return {};
    }
    return OptionValue(parser, m_volume).readChecked(sampleVolume, model::problemWithSampleVolume);
}

} // namespace velmora::app
