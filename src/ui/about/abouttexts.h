// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/**
 * Every text of the About window in one place. The caption, description, acknowledgement and the
 * other words are ours and fixed here, in the user's language; the title and version line are
 * made of the program's name and version (version.h); the copyright line, the author's e-mail
 * address and the web page come from the build (CMake cache variables VELMORA_COPYRIGHT,
 * VELMORA_AUTHOR_EMAIL, VELMORA_WEB_PAGE), so a distributor can change them without touching the
 * code.
 */
namespace velmora::ui::abouttexts {

/** The window's caption, " About". */
[[nodiscard]] QString caption();
/** What the program does, under the title. */
[[nodiscard]] QString description();
/** The caption of the acknowledgement's frame and its paragraph. */
[[nodiscard]] QString acknowledgementCaption();
[[nodiscard]] QString acknowledgement();
/** The author's line: "Author: " and the e-mail address. */
[[nodiscard]] QString authorLine();
/** The portrait's tooltip. */
[[nodiscard]] QString portraitToolTip();
/** The line above the web page. */
[[nodiscard]] QString moreProgrammes();

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
