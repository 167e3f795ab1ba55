// SPDX-License-Identifier: GPL-3.0-or-later
#include "acid.h"

#include <cmath>

namespace velmora::model {

double powerOfTen(double exponent) {
    return std::pow(10.0, exponent);
}

Acid::Acid() : Acid(kStartExponents) {}

Acid::Acid(const Exponents& pKa) {
    for (int index = 1; index <= kMaxProtons; ++index) {
        setPKa(index, pKa[slotOf(index)]);
    }
}

void Acid::setPKa(int index, double value) {
    if (index < 1 || index > kMaxProtons) {
        return;
    }
    const std::size_t slot = slotOf(index);
    m_pKa[slot] = value;
    // Ka1 has no zero test: pKa1 = 0 is a real constant of strength 1.
    m_Ka[slot] = index > 1 && value == 0.0 ? 0.0 : powerOfTen(-value);
}

int Acid::protonCount() const {
    if (Ka2() == 0.0) {
        return 1;
    }
    if (Ka3() == 0.0) {
        return 2;
    }
    if (Ka4() == 0.0) {
        return 3;
    }
    return 4;
}

const SpeciesNames& speciesNames(int protons) {
    static const std::array<SpeciesNames, kMaxProtons> table{{
        {"HA", "A-", "", "", ""},
        {"H2A", "HA-", "A2-", "", ""},
        {"H3A", "H2A-", "HA2-", "A3-", ""},
        {"H4A", "H3A-", "H2A2-", "HA3-", "A4-"},
    }};
    const int row = protons < 1 ? 1 : (protons > kMaxProtons ? kMaxProtons : protons);
    return table[static_cast<std::size_t>(row - 1)];
}

} // namespace velmora::model
