// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary.h"

#include "numbertext.h"

#include <algorithm>
#include <array>
#include <cmath>

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

std::string describe(const Acid& acid, const SpeciesNames& names, int decimals,
                     const Translate& translate) {
    const auto text = [&translate](const char* english) {
        return translate ? translate(kSummaryContext, english) : std::string(english);
    };
    const int places = placesOf(decimals);
    // The sentence is read to screen-reader users: the acid's kind, then where each species
    // predominates: "Triprotic acid. H3A predominates below pH 2.1, H2A- from 2.1 to 5.4, HA2- from
    // 5.4 to 9.7, A3- above 9.7."
    static const char* const kinds[] = {
        //: The spoken description of the diagram starts with the acid's kind.
        QT_TRANSLATE_NOOP("velmora::model::Summary", "Monoprotic acid."),
        QT_TRANSLATE_NOOP("velmora::model::Summary", "Diprotic acid."),
        QT_TRANSLATE_NOOP("velmora::model::Summary", "Triprotic acid."),
        QT_TRANSLATE_NOOP("velmora::model::Summary", "Tetraprotic acid.")};
    const int protons = acid.protonCount();
    std::string sentence = text(kinds[protons - 1]) + ' ';
    const std::vector<Predominance> ranges = predominance(acid, places);
    const auto name = [&](const Predominance& r) -> const std::string& {
        return names[static_cast<std::size_t>(r.species)];
    };
    if (ranges.size() == 1) {
        return sentence +
               //: %1 is a species' formula.
               filled(text(QT_TRANSLATE_NOOP("velmora::model::Summary",
                                             "%1 predominates over the whole range from pH 0 to "
                                             "14.")),
                      {name(ranges.front())});
    }
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        const Predominance& r = ranges[i];
        const std::string from = fixedText(r.from, places);
        const std::string to = fixedText(r.to, places);
        if (i == 0) {
            sentence += filled(
                //: The first species of the spoken description: %1 its formula, %2 a pH.
                text(QT_TRANSLATE_NOOP("velmora::model::Summary", "%1 predominates below pH %2")),
                {name(r), to});
        } else if (i + 1 == ranges.size()) {
            //: The last species of the spoken description: %1 its formula, %2 a pH.
            sentence += filled(text(QT_TRANSLATE_NOOP("velmora::model::Summary", ", %1 above %2.")),
                               {name(r), from});
        } else {
            //: A species in the middle of the spoken description: %1 its formula, %2 and %3 pH.
            sentence +=
                filled(text(QT_TRANSLATE_NOOP("velmora::model::Summary", ", %1 from %2 to %3")),
                       {name(r), from, to});
        }
    }
    return sentence;
}

} // namespace velmora::model
