// SPDX-License-Identifier: GPL-3.0-or-later
#include "samplegrid.h"

#include <cmath>

namespace velmora::model {

std::vector<double> inclusiveGrid(double first, double last, double step) {
    std::vector<double> values;
    if (!(step > 0.0) || !std::isfinite(step)) {
        if (first < last) {
            values.push_back(first);
        }
        values.push_back(last);
        return values;
    }
    constexpr double kGrain = 1e9;
    for (long i = 0;; ++i) {
        const double value = std::round((first + static_cast<double>(i) * step) * kGrain) / kGrain;
        if (value >= last - step * 1e-6) {
            break;
        }
        values.push_back(value);
    }
    values.push_back(last);
    return values;
}

} // namespace velmora::model
