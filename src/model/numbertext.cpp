// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbertext.h"

#include <array>
#include <charconv>

namespace velmora::model {

std::string shortestText(double value) {
    // 32 characters hold any double in its shortest round-trip form ("-2.2250738585072014e-308").
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

} // namespace velmora::model
