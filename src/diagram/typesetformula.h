// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace velmora::diagram {

class Surface;

/**
 * Prints a species name such as "H2A2-" at the pen as a chemical formula: atom counts lowered
 * and small, charges raised and small.
 *
 * The pieces and their rows come from formulaPieces() (formula.h). The first character is
 * printed as it is, at whatever size is current; a raised or lowered piece stands 5 pixels above
 * or below the base row; any other character returns to the base row at the current size. Small
 * parts are printed at 8 pt, and the size is set to 10 pt after each, so the size a label leaves
 * behind carries over into the next one. The pen's X is never set here.
 */
void typesetFormula(Surface& surface, const QString& name);

} // namespace velmora::diagram
