// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace velmora::model {

namespace {

/**
 * The species' terms as straight lines in pH: log10 T_j = -(pKa1 + ... + pKaj) - (4 - j) pH.
 * All fractions share one denominator, so the most abundant species is the largest line, found
 * without a single power of ten.
 */
struct Lines {
    std::array<double, kMaxSpecies> offset{};
    int species = 1;

    explicit Lines(const Acid& acid) : species(acid.protonCount() + 1) {
        const auto pKa = acid.exponents();
        for (std::size_t j = 1; j < offset.size(); ++j) {
            offset[j] = offset[j - 1] - pKa[j - 1];
        }
    }

    [[nodiscard]] int leader(double pH) const {
        int best = 0;
        double top = offset[0] - kMaxProtons * pH;
        for (int j = 1; j < species; ++j) {
            const double v = offset[static_cast<std::size_t>(j)] - (kMaxProtons - j) * pH;
            if (v > top) {
                top = v;
                best = j;
            }
        }
        return best;
    }
};

/** 1 or 2: the places a boundary is rounded to and written with. */
int placesOf(int decimals) {
    return decimals >= 2 ? 2 : 1;
}

double rounded(double pH, int places) {
    const double scale = places == 2 ? 100.0 : 10.0;
    return std::round(pH * scale) / scale;
}

std::string formatPh(double pH, int places) {
    char text[16];
    std::snprintf(text, sizeof text, "%.*f", places, pH);
    return text;
}

} // namespace

std::vector<Predominance> predominance(const Acid& acid, int decimals) {
    const int places = placesOf(decimals);
    // A fine scan finds each change of leader; bisection pins the boundary far below 0.01 pH.
    constexpr double step = 0.01;
    const Lines lines(acid);
    std::vector<Predominance> ranges;
    int current = lines.leader(0.0);
    ranges.push_back({current, 0.0, 14.0});
    for (int i = 1; i <= 1400; ++i) {
        const double pH = i * step;
        const int next = lines.leader(pH);
        if (next == current) {
            continue;
        }
        double lo = pH - step;
        double hi = pH;
        for (int k = 0; k < 30; ++k) {
            const double mid = (lo + hi) / 2.0;
            (lines.leader(mid) == current ? lo : hi) = mid;
        }
        const double boundary = rounded(hi, places);
        ranges.back().to = boundary;
        ranges.push_back({next, boundary, 14.0});
        current = next;
    }
    // Ranges that shrink to nothing at the rounding do not predominate visibly.
    std::erase_if(ranges, [](const Predominance& r) { return r.to <= r.from; });
    return ranges;
}

std::string describe(const Acid& acid, const SpeciesNames& names, int decimals) {
    const int places = placesOf(decimals);
    static const char* const kinds[] = {"Monoprotic", "Diprotic", "Triprotic", "Tetraprotic"};
    const int protons = acid.protonCount();
    std::string text = std::string(kinds[protons - 1]) + " acid.";
    const std::vector<Predominance> ranges = predominance(acid, places);
    const auto name = [&](const Predominance& r) -> const std::string& {
        return names[static_cast<std::size_t>(r.species)];
    };
    if (ranges.size() == 1) {
        return text + " " + name(ranges.front()) +
               " predominates over the whole range from pH 0 to 14.";
    }
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        const Predominance& r = ranges[i];
        if (i == 0) {
            text += " " + name(r) + " predominates below pH " + formatPh(r.to, places);
        } else if (i + 1 == ranges.size()) {
            text += ", " + name(r) + " above " + formatPh(r.from, places) + ".";
        } else {
            text += ", " + name(r) + " from " + formatPh(r.from, places) + " to " +
                    formatPh(r.to, places);
        }
    }
    return text;
}

} // namespace velmora::model
