// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

/**
 * Marks one of the model's English texts for the translators: lupdate collects every text in this
 * marker with its context, and the layers above translate it there (QCoreApplication::translate).
 * In the model the marker is the text itself; Qt's own definition is the same, so either may be
 * seen first.
 */
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace velmora::model {

/** The contexts of the model's texts for the translators. */
inline constexpr char kProblemContext[] = "velmora::model::Problem";
inline constexpr char kPresetContext[] = "velmora::model::Preset";
inline constexpr char kSourceContext[] = "velmora::model::Source";
inline constexpr char kSummaryContext[] = "velmora::model::Summary";

/**
 * Gives one of the model's marked texts (its context and its English text) in the user's
 * language; an empty function keeps the English.
 */
using Translate = std::function<std::string(const char* context, const char* text)>;

/**
 * `pattern` with %1, %2, ... %9 replaced by the arguments in that order; a place without an
 * argument stays as it is. A translation may put the places in any order.
 */
[[nodiscard]] std::string filled(std::string_view pattern,
                                 const std::vector<std::string>& arguments);

/**
 * What is wrong with an input, or nothing. The text is English, marked in the context
 * kProblemContext, with %1, %2 ... where its arguments go ("needs %1 names, one per species"), so
 * that a translation can move the numbers.
 */
struct Problem {
    const char* text = nullptr; ///< null when the input is fine
    std::vector<std::string> arguments{};

    [[nodiscard]] bool empty() const { return text == nullptr; }
    /** The English text with its arguments in place; empty when there is no problem. */
    [[nodiscard]] std::string english() const;
};

} // namespace velmora::model
