// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "acid.h"
#include "message.h"

#include <string>
#include <vector>

namespace velmora::model {

/** A pH range over which one species is the most abundant. */
struct Predominance {
    int species = 0;
    double from = 0.0; ///< pH, rounded to the decimals asked for
    double to = 14.0;
};

/**
 * Where each species predominates between pH 0 and 14, in order of rising pH, boundaries rounded
 * to `decimals` places (1 or 2: 0.1 pH for constants in tenths, 0.01 pH for literature values
 * such as 2.15). A species that is never the most abundant (when constants lie close together)
 * is left out.
 */
[[nodiscard]] std::vector<Predominance> predominance(const Acid& acid, int decimals = 1);

/**
 * One sentence per diagram for a screen reader, e.g. "Triprotic acid. H3A predominates below
 * pH 2.1, H2A- from 2.1 to 5.4, HA2- from 5.4 to 9.7, A3- above 9.7." The species are called by
 * `names` exactly as given: the caller passes them as they are to be read aloud. The pH
 * boundaries are written with `decimals` places (1 or 2), as the constants themselves are. The
 * sentence is made of marked pieces in the context kSummaryContext, each given by `translate`
 * (English without it), so that a translation can order each clause's name and numbers.
 */
[[nodiscard]] std::string describe(const Acid& acid, const SpeciesNames& names, int decimals = 1,
                                   const Translate& translate = {});

} // namespace velmora::model
