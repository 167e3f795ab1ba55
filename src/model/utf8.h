// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace velmora::model {

/**
 * The length of the valid UTF-8 sequence that starts at `at` of `bytes` and its code point, or 0
 * where the bytes there are no valid UTF-8 (a stray continuation byte, a sequence cut short, an
 * overlong form, a surrogate, a value past U+10FFFF).
 */
[[nodiscard]] int utf8Sequence(std::string_view bytes, std::size_t at, char32_t& codePoint);

/**
 * True for the characters that are no visible part of a text, Unicode's categories Cc (the C0 and
 * C1 controls and DEL, with U+0085 next line), Cf (format characters such as the soft hyphen, the
 * zero-width space and joiners, the byte-order mark, the marks and overrides of writing direction
 * U+200E, U+202E and U+2066 to U+2069, tags) and Zl, Zp (U+2028, U+2029), as of Unicode 15.
 */
[[nodiscard]] bool isControlOrFormat(char32_t codePoint);

} // namespace velmora::model
