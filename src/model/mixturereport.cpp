// SPDX-License-Identifier: GPL-3.0-or-later
#include "mixturereport.h"

#include "numbertext.h"
#include "polyprotic.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>

namespace velmora::model {

namespace {

/**
 * The systems as the report lists them: systems with the same species and constants (acetic acid
 * and sodium acetate) are one, their concentrations added.
 */
struct ListedSystem {
    std::vector<std::string> names;
    std::vector<double> pKa;
    int charge = 0;
    std::size_t first = 0; ///< the first system of the mixture it stands for
    std::vector<double> concentration;
};

std::vector<ListedSystem> listedSystems(const Mixture& mixture, const MixtureState& state) {
    std::vector<ListedSystem> listed;
    for (std::size_t s = 0; s < mixture.systems.size() && s < state.concentration.size(); ++s) {
        const WeakSystem& system = mixture.systems[s];
        const int count = static_cast<int>(system.pK.size());
        ListedSystem one{system.formulas.size() == system.pK.size() + 1
                             ? system.formulas
                             : genericSpeciesNames(count, system.charge),
                         s < state.pKa.size() ? state.pKa[s] : system.pK,
                         system.charge,
                         s,
                         {}};
        one.concentration.assign(state.concentration[s].begin(),
                                 state.concentration[s].begin() + count + 1);
        const auto same = std::find_if(listed.begin(), listed.end(), [&one](const auto& other) {
            return other.names == one.names && other.pKa == one.pKa && other.charge == one.charge;
        });
        if (same == listed.end()) {
            listed.push_back(std::move(one));
        } else {
            for (std::size_t j = 0; j < one.concentration.size(); ++j) {
                same->concentration[j] += one.concentration[j];
            }
        }
    }
    // A name that two different systems give has its system's number after it.
    std::vector<ListedSystem> unique = listed;
    for (std::size_t s = 0; s < listed.size(); ++s) {
        for (std::size_t j = 0; j < listed[s].names.size(); ++j) {
            const std::string& name = listed[s].names[j];
            const bool elsewhere = std::any_of(listed.begin(), listed.end(), [&](const auto& o) {
                return &o != &listed[s] && std::count(o.names.begin(), o.names.end(), name) > 0;
            });
            if (elsewhere) {
                unique[s].names[j] += " [" + std::to_string(listed[s].first + 1) + "]";
            }
        }
    }
    return unique;
}

std::string joinedValues(const std::vector<double>& values) {
    std::string text;
    for (const double value : values) {
        text += (text.empty() ? "" : ",") + shortestText(value);
    }
    return text;
}

} // namespace

std::string systemLabel(const WeakSystem& system) {
    if (!system.substance.empty()) {
        return system.substance;
    }
    return (system.givenAsBase ? "pKb " : "pKa ") + joinedValues(system.pK);
}

std::vector<std::string> mixtureReport(const Mixture& mixture, const MixtureState& state) {
    std::vector<std::string> lines;
    lines.push_back("pH " + fixedText(state.pH, 4));
    const bool activities = mixture.activity == Activity::Davies;
    if (activities) {
        lines.push_back("I " + significantText(state.ionicStrength, 4) + " mol/L");
        if (state.beyondDavies) {
            lines.push_back("note: I is above " + shortestText(kDaviesLimit) +
                            " mol/L, where the Davies equation no longer holds well");
        }
        if (!state.activitiesSettled) {
            lines.push_back("note: the ionic strength did not settle; the values are "
                            "approximate");
        }
    }
    for (const ListedSystem& system : listedSystems(mixture, state)) {
        for (std::size_t j = 0; j < system.names.size(); ++j) {
            const double c = system.concentration[j];
            std::string line = system.names[j] + ' ' + significantText(c, 4) + " mol/L";
            if (activities) {
                const auto magnitude =
                    static_cast<std::size_t>(std::abs(system.charge - static_cast<int>(j)));
                const double gamma = magnitude < state.gamma.size() ? state.gamma[magnitude] : 1.0;
                line += " activity " + significantText(c * gamma, 4);
            }
            lines.push_back(std::move(line));
        }
    }
    if (!state.constantsNotShifted.empty()) {
        std::string line = "constants not shifted from 25 °C to " +
                           shortestText(mixture.temperature) + " °C (no enthalpy known): ";
        for (std::size_t i = 0; i < state.constantsNotShifted.size(); ++i) {
            const auto s = static_cast<std::size_t>(state.constantsNotShifted[i]);
            line += (i == 0 ? "" : "; ") + systemLabel(mixture.systems[s]);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace velmora::model
