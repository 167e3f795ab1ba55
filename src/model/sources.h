// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "message.h"

namespace velmora::model {

/*
 * Where the constants of the example acids and of the library of substances come from: book or
 * paper, edition, table, temperature and ionic strength, one wording for both. Translated in
 * kSourceContext.
 */

//: Where an acid's constants come from, shown in the example acids' menu and readout, in
//: --list-presets and --list-substances. Keep book titles, authors and journal names as they are
//: published; "ed." is the edition, "I" the ionic strength.
inline constexpr const char* kCrcInorganic =
    QT_TRANSLATE_NOOP("velmora::model::Source",
                      "CRC Handbook of Chemistry and Physics, 97th ed., dissociation constants "
                      "of inorganic acids and bases; 25 °C, I = 0");
inline constexpr const char* kCrcOrganic =
    QT_TRANSLATE_NOOP("velmora::model::Source",
                      "CRC Handbook of Chemistry and Physics, 97th ed., dissociation constants "
                      "of organic acids and bases; 25 °C, I = 0");
inline constexpr const char* kCrcAminoAcids =
    QT_TRANSLATE_NOOP("velmora::model::Source",
                      "CRC Handbook of Chemistry and Physics, 97th ed., properties of amino "
                      "acids; 25 °C");
inline constexpr const char* kHarris =
    QT_TRANSLATE_NOOP("velmora::model::Source",
                      "Harris, Quantitative Chemical Analysis, 9th ed., appendix G; 25 °C, I = 0");
inline constexpr const char* kHarrisTenthMolar = QT_TRANSLATE_NOOP(
    "velmora::model::Source", "Harris, Quantitative Chemical Analysis, 9th ed., appendix G; 25 °C, "
                              "I = 0.1 M");
inline constexpr const char* kSkoog =
    QT_TRANSLATE_NOOP("velmora::model::Source",
                      "Skoog, West, Holler and Crouch, Fundamentals of Analytical Chemistry, "
                      "9th ed., appendix 3; 25 °C, I = 0");
inline constexpr const char* kGoldberg =
    QT_TRANSLATE_NOOP("velmora::model::Source",
                      "Goldberg, Kishore and Lennen, J. Phys. Chem. Ref. Data 31, 231 (2002); "
                      "25 °C, I = 0");

} // namespace velmora::model
