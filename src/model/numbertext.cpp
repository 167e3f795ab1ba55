// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbertext.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace velmora::model {

namespace {

std::string printed(const char* format, int precision, double value) {
    std::array<char, 512> buffer{};
    std::snprintf(buffer.data(), buffer.size(), format, precision, value);
    std::string text(buffer.data());
    dropSignOfZero(text);
    return text;
}

} // namespace

std::string shortestText(double value) {
    // 32 characters hold any double in its shortest round-trip form ("-2.2250738585072014e-308").
    std::array<char, 32> buffer{};
    // Adding zero turns a negative zero into zero and leaves every other value as it is.
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value + 0.0);
    return {buffer.data(), result.ptr};
}

std::string fixedText(double value, int decimals) {
    return printed("%.*f", decimals, value);
}

std::string significantText(double value, int digits) {
    return printed("%#.*g", digits, value);
}

void dropSignOfZero(std::string& text) {
    // Only zeros and a decimal point or comma (some locales write one) after the minus: a zero.
    if (!text.empty() && text.front() == '-' &&
        text.find_first_not_of("0.,", 1) == std::string::npos) {
        text.erase(0, 1);
    }
}

} // namespace velmora::model
