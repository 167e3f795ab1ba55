#include "acid.h"

#include <cmath>

namespace velmora::model {

double powerOfTen(double exponent) {
    return std::pow(10.0, exponent);
}

void Acid::computeConstants() {
    // Ka1 has no zero test: pKa1 = 0 is a real constant of strength 1.
    Ka1 = powerOfTen(-pKa1);
    const auto derived = [](double exponent) {
        return exponent == 0.0 ? 0.0 : powerOfTen(-exponent);
    };
    Ka2 = derived(pKa2);
    Ka3 = derived(pKa3);
    Ka4 = derived(pKa4);
}

int Acid::protonCount() const {
    if (Ka2 == 0.0) {
        return 1;
    }
    if (Ka3 == 0.0) {
        return 2;
    }
    if (Ka4 == 0.0) {
        return 3;
    }
    return 4;
}

Acid Acid::startAcid() {
    Acid acid;
    acid.computeConstants();
    return acid;
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
