#include "summary.h"

#include "fractions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace velmora::model {

namespace {

int leader(const Acid& acid, double pH) {
    const auto alpha = fractionsAt(acid, pH);
    return static_cast<int>(std::max_element(alpha.begin(), alpha.end()) - alpha.begin());
}

double tenth(double pH) { return std::round(pH * 10.0) / 10.0; }

std::string formatPh(double pH) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", pH);
    return text;
}

} // namespace

std::vector<Predominance> predominance(const Acid& acid) {
    // A fine scan finds each change of leader; bisection pins the boundary well below 0.1 pH.
    constexpr double step = 0.01;
    std::vector<Predominance> ranges;
    int current = leader(acid, 0.0);
    ranges.push_back({current, 0.0, 14.0});
    for (int i = 1; i <= 1400; ++i) {
        const double pH = i * step;
        const int next = leader(acid, pH);
        if (next == current) {
            continue;
        }
        double lo = pH - step;
        double hi = pH;
        for (int k = 0; k < 30; ++k) {
            const double mid = (lo + hi) / 2.0;
            (leader(acid, mid) == current ? lo : hi) = mid;
        }
        const double boundary = tenth(hi);
        ranges.back().to = boundary;
        ranges.push_back({next, boundary, 14.0});
        current = next;
    }
    // Ranges that shrink to nothing at 0.1 pH do not predominate visibly.
    std::erase_if(ranges, [](const Predominance& r) { return r.to <= r.from; });
    return ranges;
}

std::string describe(const Acid& acid, const SpeciesNames& names) {
    static const char* const kinds[] = {"Monoprotic", "Diprotic", "Triprotic", "Tetraprotic"};
    const int protons = acid.protonCount();
    std::string text = std::string(kinds[protons - 1]) + " acid.";
    const std::vector<Predominance> ranges = predominance(acid);
    // A caret only marks where a written-out charge starts; it is not read aloud.
    const auto name = [&](const Predominance& r) {
        std::string n = names[static_cast<std::size_t>(r.species)];
        std::erase(n, '^');
        return n;
    };
    if (ranges.size() == 1) {
        return text + " " + name(ranges.front()) + " predominates over the whole range from pH 0 to 14.";
    }
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        const Predominance& r = ranges[i];
        if (i == 0) {
            text += " " + name(r) + " predominates below pH " + formatPh(r.to);
        } else if (i + 1 == ranges.size()) {
            text += ", " + name(r) + " above " + formatPh(r.from) + ".";
        } else {
            text += ", " + name(r) + " from " + formatPh(r.from) + " to " + formatPh(r.to);
        }
    }
    return text;
}

} // namespace velmora::model
