// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/**
 * Every text of the About window in one place. The description and acknowledgement are ours and
 * fixed here; the title and version line are made of the program's name and version
 * (version.h); the copyright line, the author's e-mail address and the web page come from the
 * build (CMake cache variables VELMORA_COPYRIGHT, VELMORA_AUTHOR_EMAIL, VELMORA_WEB_PAGE), so a
 * distributor can change them without touching the code.
 */
namespace velmora::ui::abouttexts {

inline constexpr char16_t caption[] = u" About";
inline constexpr char16_t description[] = u"The program calculates the concentration fractions of "
                                          u"polyprotic acids species as functions of pH";
inline constexpr char16_t acknowledgementCaption[] = u"Acknowledgement";
inline constexpr char16_t acknowledgement[] =
    u"Our thanks go to the chemistry teachers and students who tried the first drafts in their "
    u"lessons, told us where the diagrams were hard to read and helped us make them clearer.";
inline constexpr char16_t authorPrefix[] = u"Author: ";
inline constexpr char16_t portraitToolTip[] = u"Author";
inline constexpr char16_t moreProgrammes[] = u"Find more chemical programs here:";

/** The title: the program's name. */
[[nodiscard]] QString title();
/** The version line, "Version 1.0". */
[[nodiscard]] QString version();
/** The copyright line shown under the version. */
[[nodiscard]] QString copyright();
/** The address a click on the author's line writes to. */
[[nodiscard]] QString authorEmail();
/** The page of further chemistry programs. */
[[nodiscard]] QString webPage();

} // namespace velmora::ui::abouttexts
