// SPDX-License-Identifier: GPL-3.0-or-later
#include "message.h"

namespace velmora::model {

std::string filled(std::string_view pattern, const std::vector<std::string>& arguments) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9') {
            const auto index = static_cast<std::size_t>(next - '1');
            if (index < arguments.size()) {
                text += arguments[index];
                ++i;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}

std::string Problem::english() const {
    return text == nullptr ? std::string() : filled(text, arguments);
}

} // namespace velmora::model
