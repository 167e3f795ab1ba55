// SPDX-License-Identifier: GPL-3.0-or-later
#include "solutionsettings.h"

#include "substancelist.h"

#include "io/settingsfile.h"

#include "model/numbertext.h"

#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <QStringList>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace velmora::ui {

namespace {

constexpr auto kGroup = "solution";

constexpr std::array kViews{charts::ChartKind::Fractions, charts::ChartKind::LogC,
                            charts::ChartKind::Titration, charts::ChartKind::Buffer,
                            charts::ChartKind::Derivative};

// One folder and file name, whatever the program calls itself.
constexpr auto kSettingsFolder = "velmora";
constexpr auto kSettingsName = "velmora.conf";

using Values = QMap<QString, QString>;

std::optional<double> number(const Values& values, const QString& key) {
    const std::optional<QString> text = io::settingsvalue::toText(values.value(key));
    bool ok = false;
    const double value = text ? QLocale::c().toDouble(*text, &ok) : 0.0;
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> whole(const Values& values, const QString& key) {
    return io::settingsvalue::toInt(values.value(key));
}

std::optional<QString> text(const Values& values, const QString& key) {
    return values.contains(key) ? io::settingsvalue::toText(values.value(key)) : std::nullopt;
}

/** The own acid, when all its parts are there and fit together. */
std::optional<model::PolyproticAcid> loadAcid(const Values& values) {
    std::vector<double> pKa;
    const std::optional<QString> list = text(values, QStringLiteral("pKa"));
    if (!list) {
        return std::nullopt;
    }
    for (const QString& item : list->split(u',')) {
        bool ok = false;
        pKa.push_back(QLocale::c().toDouble(item.trimmed(), &ok));
        if (!ok) {
            return std::nullopt;
        }
    }
    const std::optional<int> charge = whole(values, QStringLiteral("charge"));
    const std::optional<QStringList> given =
        io::settingsvalue::toList(values.value(QStringLiteral("names")));
    if (!given) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    for (const QString& name : *given) {
        names.push_back(name.toStdString());
    }
    if (!model::problemWithConstants(pKa).empty() || !charge ||
        !model::problemWithCharge(*charge).empty() ||
        (!names.empty() &&
         !model::problemWithNames(names, static_cast<int>(pKa.size()) + 1).empty())) {
        return std::nullopt;
    }
    return model::PolyproticAcid(pKa, *charge, std::move(names));
}

QString numberText(double value) {
    return QString::fromStdString(model::shortestText(value));
}

// A listed substance is one item of the list "substances": "acetic 0.1 0" (its key, its
// concentration, the species dissolved), or "pKa:4.76/9.25 0.1 0" for typed constants ("pKb:"
// for a base's), with the charge of their fully protonated form after it where it is not the
// usual one (0 for an acid, one per constant for a base).
constexpr auto kTypedAcid = "pKa:";
constexpr auto kTypedBase = "pKb:";

int usualCharge(const model::WeakSystem& typed) {
    return typed.givenAsBase ? static_cast<int>(typed.pK.size()) : 0;
}

QString listedText(const ListedSubstance& listed) {
    if (listed.fromLibrary()) {
        return QStringLiteral("%1 %2 %3")
            .arg(QString::fromStdString(listed.substance), numberText(listed.concentration))
            .arg(listed.dissolvedAs.value_or(0));
    }
    QStringList constants;
    for (const double pK : listed.typed.pK) {
        constants << numberText(pK);
    }
    QString text = QStringLiteral("%1 %2 %3")
                       .arg(QLatin1String(listed.typed.givenAsBase ? kTypedBase : kTypedAcid) +
                                constants.join(u'/'),
                            numberText(listed.concentration))
                       .arg(listed.typed.dissolvedAs);
    if (listed.typed.charge != usualCharge(listed.typed)) {
        text += QStringLiteral(" %1").arg(listed.typed.charge);
    }
    return text;
}

/** The substance an item stands for, when it is whole, fine and its key is known. */
std::optional<ListedSubstance> listedFromText(const QString& text) {
    const QStringList fields = text.split(u' ', Qt::SkipEmptyParts);
    if (fields.size() != 3 && fields.size() != 4) {
        return std::nullopt;
    }
    ListedSubstance listed;
    const QString& first = fields[0];
    const bool base = first.startsWith(QLatin1String(kTypedBase));
    const bool typed = base || first.startsWith(QLatin1String(kTypedAcid));
    if (typed) {
        listed.typed.givenAsBase = base;
        listed.typed.pK.clear();
        for (const QString& item : first.mid(4).split(u'/')) {
            bool ok = false;
            listed.typed.pK.push_back(QLocale::c().toDouble(item, &ok));
            if (!ok) {
                return std::nullopt;
            }
        }
        listed.typed.charge = usualCharge(listed.typed);
    } else if (fields.size() == 3) {
        listed.substance = first.toStdString();
    } else {
        return std::nullopt;
    }
    bool chargeRead = true;
    if (fields.size() == 4) {
        listed.typed.charge = fields[3].toInt(&chargeRead);
    }
    bool concentrationRead = false;
    bool speciesRead = false;
    listed.concentration = QLocale::c().toDouble(fields[1], &concentrationRead);
    const int species = fields[2].toInt(&speciesRead);
    if (typed) {
        listed.typed.dissolvedAs = species;
    } else if (listedKind(listed) == ListedKind::System) {
        listed.dissolvedAs = species;
    }
    if (!concentrationRead || !speciesRead || !chargeRead || !problemWithListed(listed).empty()) {
        return std::nullopt;
    }
    return listed;
}

} // namespace

QString viewKey(charts::ChartKind kind) {
    switch (kind) {
    case charts::ChartKind::LogC:
        return QStringLiteral("logc");
    case charts::ChartKind::Titration:
        return QStringLiteral("titration");
    case charts::ChartKind::Buffer:
        return QStringLiteral("buffer");
    case charts::ChartKind::Derivative:
        return QStringLiteral("derivative");
    case charts::ChartKind::Gran:
        return QStringLiteral("gran");
    case charts::ChartKind::Fractions:
        break;
    }
    return QStringLiteral("fractions");
}

QString solutionSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           QLatin1String(kSettingsFolder) + u'/' + QLatin1String(kSettingsName);
}

SolutionWindowState stateFromSettings(const QMap<QString, QString>& values) {
    using namespace io::settingsvalue;
    SolutionWindowState state;
    if (const std::optional<QSize> size = toSize(values.value(QStringLiteral("size")));
        size && size->isValid() && !size->isEmpty()) {
        state.size = *size;
    }
    state.position = toPoint(values.value(QStringLiteral("position")));
    state.maximized = toBool(values.value(QStringLiteral("maximized"))).value_or(false);
    state.inputsShown = toBool(values.value(QStringLiteral("inputs"))).value_or(true);
    const std::optional<QString> view = text(values, QStringLiteral("view"));
    for (const charts::ChartKind kind : kViews) {
        if (view == viewKey(kind)) {
            state.view = kind;
        }
    }

    if (const std::optional<int> step = whole(values, QStringLiteral("textSize"));
        step && *step >= charts::kSmallestTextStep && *step <= charts::kLargestTextStep) {
        state.textStep = *step;
    }

    state.follow = toBool(values.value(QStringLiteral("follow"))).value_or(true);
    if (!state.follow) {
        if (const std::optional<model::PolyproticAcid> acid = loadAcid(values)) {
            state.inputs.acid = *acid;
        } else {
            state.follow = true;
        }
    }

    model::Solution& solution = state.inputs.solution;
    if (const auto c = number(values, QStringLiteral("concentration"));
        c && model::problemWithConcentration(*c).empty()) {
        solution.concentration = *c;
    }
    if (const auto k = whole(values, QStringLiteral("dissolvedAs"));
        k && *k >= 0 && *k <= model::kMaxConstants) {
        // Checked against the acid once it is known: the main window's may have fewer species.
        solution.dissolvedAs = *k;
    }
    // Keys a file from before the strong acid and base and the end volume lacks: their defaults.
    if (const auto c = number(values, QStringLiteral("strongAcid"));
        c && model::problemWithStrongConcentration(*c).empty()) {
        solution.strongAcid = *c;
    }
    if (const auto c = number(values, QStringLiteral("strongBase"));
        c && model::problemWithStrongConcentration(*c).empty()) {
        solution.strongBase = *c;
    }
    model::Titration& titration = state.inputs.titration;
    // The titrant is "base", "acid" or the key of a library substance that titrates.
    const std::optional<QString> titrant = text(values, QStringLiteral("titrant"));
    titration.titrant = titrant == u"acid" ? model::Titrant::Acid : model::Titrant::Base;
    if (titrant && isTitrantSubstance(titrant->toStdString())) {
        state.inputs.titrantSubstance = titrant->toStdString();
    }
    if (const auto c = number(values, QStringLiteral("titrantConcentration"));
        c && model::problemWithTitrantConcentration(*c).empty()) {
        titration.titrantConcentration = *c;
    }
    if (const auto v = number(values, QStringLiteral("volume"));
        v && model::problemWithSampleVolume(*v).empty()) {
        titration.sampleVolume = *v;
    }
    // 0 is the automatic end.
    if (const auto v = number(values, QStringLiteral("endVolume"));
        v && (*v == 0.0 || model::problemWithEndVolume(*v).empty())) {
        titration.endVolume = *v;
    }
    // A file from before the list, the activities and the temperature has none of their keys.
    if (const std::optional<QStringList> listed =
            toList(values.value(QStringLiteral("substances")))) {
        for (const QString& item : *listed) {
            // A substance the library does not know (any more) is left out; the others stay.
            if (const std::optional<ListedSubstance> substance = listedFromText(item)) {
                state.inputs.substances.push_back(*substance);
            }
        }
    }
    state.inputs.activity = text(values, QStringLiteral("activity")) == u"davies"
                                ? model::Activity::Davies
                                : model::Activity::Ideal;
    if (const auto t = number(values, QStringLiteral("temperature"));
        t && model::problemWithTemperature(*t).empty()) {
        state.inputs.temperature = *t;
    }
    state.lastRecipe = text(values, QStringLiteral("lastRecipe")).value_or(QString());
    return state;
}

QMap<QString, QString> settingsValues(const SolutionWindowState& state) {
    using namespace io::settingsvalue;
    Values values;
    if (state.size) {
        values.insert(QStringLiteral("size"), fromSize(*state.size));
    }
    if (state.position) {
        values.insert(QStringLiteral("position"), fromPoint(*state.position));
    }
    values.insert(QStringLiteral("maximized"), fromBool(state.maximized));
    values.insert(QStringLiteral("view"), fromText(viewKey(state.view)));
    values.insert(QStringLiteral("inputs"), fromBool(state.inputsShown));
    values.insert(QStringLiteral("follow"), fromBool(state.follow));
    values.insert(QStringLiteral("textSize"), fromInt(state.textStep));

    const SolutionInputs& inputs = state.inputs;
    // A following window has no acid of its own: it leaves the one in the file as it is, for
    // the instance (or the next run) that has one.
    if (!state.follow) {
        QStringList pKa;
        for (const double value : inputs.acid.exponents()) {
            pKa << numberText(value);
        }
        values.insert(QStringLiteral("pKa"), fromText(pKa.join(u',')));
        values.insert(QStringLiteral("charge"), fromInt(inputs.acid.charge()));
        QStringList names;
        if (!inputs.acid.hasGenericNames()) {
            for (const std::string& name : inputs.acid.speciesNames()) {
                names << QString::fromStdString(name);
            }
        }
        values.insert(QStringLiteral("names"), fromList(names));
    }
    values.insert(QStringLiteral("concentration"),
                  fromText(numberText(inputs.solution.concentration)));
    values.insert(QStringLiteral("dissolvedAs"), fromInt(inputs.solution.dissolvedAs));
    values.insert(
        QStringLiteral("titrant"),
        fromText(!inputs.titrantSubstance.empty() ? QString::fromStdString(inputs.titrantSubstance)
                 : inputs.titration.titrant == model::Titrant::Acid ? QStringLiteral("acid")
                                                                    : QStringLiteral("base")));
    values.insert(QStringLiteral("titrantConcentration"),
                  fromText(numberText(inputs.titration.titrantConcentration)));
    values.insert(QStringLiteral("volume"), fromText(numberText(inputs.titration.sampleVolume)));
    values.insert(QStringLiteral("strongAcid"), fromText(numberText(inputs.solution.strongAcid)));
    values.insert(QStringLiteral("strongBase"), fromText(numberText(inputs.solution.strongBase)));
    values.insert(QStringLiteral("endVolume"), fromText(numberText(inputs.titration.endVolume)));
    QStringList listed;
    for (const ListedSubstance& substance : inputs.substances) {
        listed << listedText(substance);
    }
    values.insert(QStringLiteral("substances"), fromList(listed));
    values.insert(QStringLiteral("activity"),
                  fromText(inputs.activity == model::Activity::Davies ? QStringLiteral("davies")
                                                                      : QStringLiteral("ideal")));
    values.insert(QStringLiteral("temperature"), fromText(numberText(inputs.temperature)));
    values.insert(QStringLiteral("lastRecipe"), fromText(state.lastRecipe));
    return values;
}

SolutionWindowState SolutionSettings::load() {
    const io::SettingsRead read =
        io::readSettings(QFile::encodeName(solutionSettingsFile()), QString::fromLatin1(kGroup));
    m_problem = read.problem;
    return m_problem.isEmpty() ? stateFromSettings(read.values) : SolutionWindowState();
}

void SolutionSettings::settle(const SolutionWindowState& state) {
    m_written = settingsValues(state);
}

QString SolutionSettings::save(const SolutionWindowState& state, Scope scope) {
    if (!m_problem.isEmpty()) {
        return {};
    }
    const Values now = settingsValues(state);
    Values changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        const bool geometry =
            it.key() == u"size" || it.key() == u"position" || it.key() == u"maximized";
        if (scope == Scope::WithoutGeometry && geometry) {
            continue;
        }
        if (m_written.value(it.key()) != it.value()) {
            changed.insert(it.key(), it.value());
        }
    }
    const QString problem = io::writeSettings(QFile::encodeName(solutionSettingsFile()),
                                              QString::fromLatin1(kGroup), changed);
    if (problem.isEmpty()) {
        m_written.insert(changed);
    }
    return problem;
}

} // namespace velmora::ui
