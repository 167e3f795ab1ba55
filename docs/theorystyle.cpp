// SPDX-License-Identifier: GPL-3.0-or-later
#include "theorystyle.h"

#include <cstdio>

namespace velmora::theory {

void fail(const QString& message) {
    std::fprintf(stderr, "velmora_make_theory: %s\n", qPrintable(message));
}

} // namespace velmora::theory
