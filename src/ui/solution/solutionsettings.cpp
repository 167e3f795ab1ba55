// SPDX-License-Identifier: GPL-3.0-or-later
#include "solutionsettings.h"

#include "model/numbertext.h"

#include <QLocale>
#include <QSettings>
#include <QStringList>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace velmora::ui {

namespace {

// One organisation and application name for the file, whatever the program calls itself.
constexpr auto kOrganisation = "velmora";
constexpr auto kApplication = "velmora";
constexpr auto kGroup = "solution";

constexpr std::array kViews{diagram::ChartKind::Fractions, diagram::ChartKind::LogC,
                            diagram::ChartKind::Titration};

QSettings openSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
}

std::optional<double> number(const QSettings& settings, const QString& key) {
    bool ok = false;
    const double value = QLocale::c().toDouble(settings.value(key).toString(), &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> whole(const QSettings& settings, const QString& key) {
    bool ok = false;
    const int value = settings.value(key).toString().toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

/** The own acid, when all its parts are there and fit together. */
std::optional<model::PolyproticAcid> loadAcid(const QSettings& settings) {
    std::vector<double> pKa;
    for (const QString& text : settings.value(QStringLiteral("pKa")).toString().split(u',')) {
        bool ok = false;
        pKa.push_back(QLocale::c().toDouble(text.trimmed(), &ok));
        if (!ok) {
            return std::nullopt;
        }
    }
    const std::optional<int> charge = whole(settings, QStringLiteral("charge"));
    std::vector<std::string> names;
    for (const QString& name : settings.value(QStringLiteral("names")).toStringList()) {
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

} // namespace

QString viewKey(diagram::ChartKind kind) {
    switch (kind) {
    case diagram::ChartKind::LogC:
        return QStringLiteral("logc");
    case diagram::ChartKind::Titration:
        return QStringLiteral("titration");
    case diagram::ChartKind::Fractions:
        break;
    }
    return QStringLiteral("fractions");
}

QString solutionSettingsFile() {
    return openSettings().fileName();
}

SolutionWindowState loadSolutionState() {
    SolutionWindowState state;
    QSettings settings = openSettings();
    settings.beginGroup(QString::fromLatin1(kGroup));

    const QSize size = settings.value(QStringLiteral("size")).toSize();
    if (size.isValid() && !size.isEmpty()) {
        state.size = size;
    }
    if (settings.contains(QStringLiteral("position"))) {
        state.position = settings.value(QStringLiteral("position")).toPoint();
    }
    state.maximized = settings.value(QStringLiteral("maximized"), false).toBool();
    const QString view = settings.value(QStringLiteral("view")).toString();
    for (const diagram::ChartKind kind : kViews) {
        if (view == viewKey(kind)) {
            state.view = kind;
        }
    }

    state.follow = settings.value(QStringLiteral("follow"), true).toBool();
    if (!state.follow) {
        if (const std::optional<model::PolyproticAcid> acid = loadAcid(settings)) {
            state.inputs.acid = *acid;
        } else {
            state.follow = true;
        }
    }

    model::Solution& solution = state.inputs.solution;
    if (const auto c = number(settings, QStringLiteral("concentration"));
        c && model::problemWithConcentration(*c).empty()) {
        solution.concentration = *c;
    }
    if (const auto k = whole(settings, QStringLiteral("dissolvedAs"));
        k && *k >= 0 && *k <= model::kMaxConstants) {
        // Checked against the acid once it is known: the main window's may have fewer species.
        solution.dissolvedAs = *k;
    }
    model::Titration& titration = state.inputs.titration;
    titration.titrant = settings.value(QStringLiteral("titrant")).toString() == u"acid"
                            ? model::Titrant::Acid
                            : model::Titrant::Base;
    if (const auto c = number(settings, QStringLiteral("titrantConcentration"));
        c && model::problemWithTitrantConcentration(*c).empty()) {
        titration.titrantConcentration = *c;
    }
    if (const auto v = number(settings, QStringLiteral("volume"));
        v && model::problemWithSampleVolume(*v).empty()) {
        titration.sampleVolume = *v;
    }
    return state;
}

bool saveSolutionState(const SolutionWindowState& state) {
    QSettings settings = openSettings();
    settings.beginGroup(QString::fromLatin1(kGroup));
    if (state.size) {
        settings.setValue(QStringLiteral("size"), *state.size);
    }
    if (state.position) {
        settings.setValue(QStringLiteral("position"), *state.position);
    }
    settings.setValue(QStringLiteral("maximized"), state.maximized);
    settings.setValue(QStringLiteral("view"), viewKey(state.view));
    settings.setValue(QStringLiteral("follow"), state.follow);

    const SolutionInputs& inputs = state.inputs;
    if (state.follow) {
        for (const char* key : {"pKa", "charge", "names"}) {
            settings.remove(QString::fromLatin1(key));
        }
    } else {
        QStringList pKa;
        for (const double value : inputs.acid.exponents()) {
            pKa << numberText(value);
        }
        settings.setValue(QStringLiteral("pKa"), pKa.join(u','));
        settings.setValue(QStringLiteral("charge"), inputs.acid.charge());
        QStringList names;
        if (!inputs.acid.hasGenericNames()) {
            for (const std::string& name : inputs.acid.speciesNames()) {
                names << QString::fromStdString(name);
            }
        }
        settings.setValue(QStringLiteral("names"), names);
    }
    settings.setValue(QStringLiteral("concentration"), numberText(inputs.solution.concentration));
    settings.setValue(QStringLiteral("dissolvedAs"), inputs.solution.dissolvedAs);
    settings.setValue(QStringLiteral("titrant"), inputs.titration.titrant == model::Titrant::Acid
                                                     ? QStringLiteral("acid")
                                                     : QStringLiteral("base"));
    settings.setValue(QStringLiteral("titrantConcentration"),
                      numberText(inputs.titration.titrantConcentration));
    settings.setValue(QStringLiteral("volume"), numberText(inputs.titration.sampleVolume));
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace velmora::ui
