// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets.h"

#include "message.h"
#include "sources.h"

#include <cmath>
#include <cstddef>

namespace velmora::model {

namespace {

// The names and notes are marked for the translators, the sources in sources.h; the windows and
// the command line show them translated (the keys and formulas are the same in every language).
const std::vector<Preset>& table() {
    static const std::vector<Preset> acids{
        {"acetic",
         //: The example acids' names and notes show in the plot's menu and readout and in the
         //: help of --list-presets. Keep formulas as written.
         QT_TRANSLATE_NOOP("velmora::model::Preset", "Acetic acid"),
         {"HAc", "Ac^-"},
         {4.76},
         kCrcOrganic,
         ""},
        {"oxalic",
         QT_TRANSLATE_NOOP("velmora::model::Preset", "Oxalic acid"),
         {"H2C2O4", "HC2O4^-", "C2O4^2-"},
         {1.25, 4.27},
         kHarris,
         QT_TRANSLATE_NOOP("velmora::model::Preset",
                           "The second value is the source's 4.266, rounded.")},
        {"carbonic",
         QT_TRANSLATE_NOOP("velmora::model::Preset", "Carbonic acid"),
         {"H2CO3", "HCO3^-", "CO3^2-"},
         {6.35, 10.33},
         kCrcInorganic,
         QT_TRANSLATE_NOOP("velmora::model::Preset",
                           "The first value is the apparent one that counts dissolved CO2 as "
                           "H2CO3; the true H2CO3 value is about 3.6.")},
        {"sulfurous",
         QT_TRANSLATE_NOOP("velmora::model::Preset", "Sulfurous acid"),
         {"H2SO3", "HSO3^-", "SO3^2-"},
         {1.86, 7.17},
         kHarris,
         QT_TRANSLATE_NOOP("velmora::model::Preset",
                           "The first value is the apparent one that counts dissolved SO2 as "
                           "H2SO3; the source gives 1.857 and 7.172.")},
        {"glycine",
         QT_TRANSLATE_NOOP("velmora::model::Preset", "Glycine"),
         {"H2Gly^+", "HGly", "Gly^-"},
         {2.34, 9.60},
         kCrcAminoAcids,
         QT_TRANSLATE_NOOP("velmora::model::Preset",
                           "HGly is the zwitterion H3N+ CH2 COO-, with no net charge.")},
        {"phosphoric",
         QT_TRANSLATE_NOOP("velmora::model::Preset", "Phosphoric acid"),
         {"H3PO4", "H2PO4^-", "HPO4^2-", "PO4^3-"},
         {2.15, 7.20, 12.35},
         kSkoog,
         ""},
        {"citric",
         QT_TRANSLATE_NOOP("velmora::model::Preset", "Citric acid"),
         {"H3Cit", "H2Cit^-", "HCit^2-", "Cit^3-"},
         {3.13, 4.76, 6.40},
         kCrcOrganic,
         ""},
        {"arsenic",
         QT_TRANSLATE_NOOP("velmora::model::Preset", "Arsenic acid"),
         {"H3AsO4", "H2AsO4^-", "HAsO4^2-", "AsO4^3-"},
         {2.26, 6.76, 11.29},
         kCrcInorganic,
         ""},
        {"edta",
         QT_TRANSLATE_NOOP("velmora::model::Preset", "EDTA"),
         {"H4Y", "H3Y^-", "H2Y^2-", "HY^3-", "Y^4-"},
         {2.00, 2.69, 6.13, 10.37},
         kHarrisTenthMolar,
         QT_TRANSLATE_NOOP(
             "velmora::model::Preset",
             "The two further constants of H6Y2+ (about 0.0 and 1.5) are not shown.")},
    };
    return acids;
}

} // namespace

Acid Preset::acid() const {
    Exponents exponents{};
    for (std::size_t i = 0; i < pKa.size() && i < exponents.size(); ++i) {
        exponents[i] = pKa[i];
    }
    return Acid(exponents);
}

std::array<int, kMaxProtons> Preset::tenths() const {
    std::array<int, kMaxProtons> values{};
    for (std::size_t i = 0; i < pKa.size() && i < values.size(); ++i) {
        values[i] = static_cast<int>(std::lround(pKa[i] * 10.0));
    }
    return values;
}

int Preset::decimals() const {
    int most = 1;
    for (double v : pKa) {
        const double tenths = v * 10.0;
        if (std::abs(tenths - std::round(tenths)) >= 1e-6) {
            most = 2;
        }
    }
    return most;
}

std::span<const Preset> presets() {
    return table();
}

const Preset* findPreset(const std::string& key) {
    for (const Preset& p : table()) {
        if (p.key == key) {
            return &p;
        }
    }
    return nullptr;
}

} // namespace velmora::model
