#pragma once

#include <QString>

namespace velmora::diagram {

class Surface;

/** Size of a raised or lowered part, and of normal text once such a part has been printed. */
inline constexpr double kSmallTextSize = 8.0;
inline constexpr double kNormalTextSize = 10.0;
/** How far a raised or lowered part stands from the base row, in pixels. */
inline constexpr int kScriptOffset = 5;

/**
 * Prints a species name such as "H2A2-" at the pen as a chemical formula: atom counts lowered
 * and small, charges raised and small.
 *
 * The first character is printed as it is, at whatever size is current. After it, a digit 2..5
 * directly followed by a sign is a charge with magnitude (raised, one piece); a lone digit 2..5
 * is an atom count (lowered); a lone "+" or "-" is a charge (raised); everything after a "^" is a
 * charge written out in full (raised, one piece). Any other character returns to the base row at
 * the current size. Small parts are printed at 8 pt, and the size is set to 10 pt after each, so
 * the size a label leaves behind carries over into the next one. The pen's X is never set here.
 */
void forma(Surface& surface, const QString& name);

} // namespace velmora::diagram
