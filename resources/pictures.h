// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

#include <span>

/** Resource paths of the window pictures, and their designed pixel sizes. */
namespace velmora::resources {

// Main window: command buttons (90 x 36), acid-type faces (110 x 30), window icon (32 x 32).
inline constexpr char theoryButton[] = ":/theory.svg";
inline constexpr char aboutButton[] = ":/about.svg";
inline constexpr char exitButton[] = ":/exit.svg";
inline constexpr char acidHA[] = ":/acid_ha.svg";
inline constexpr char acidH2A[] = ":/acid_h2a.svg";
inline constexpr char acidH3A[] = ":/acid_h3a.svg";
inline constexpr char acidH4A[] = ":/acid_h4a.svg";
inline constexpr char mainIcon[] = ":/velmora.svg";

// About window: Cancel button (65 x 28), portrait (110 x 111), window icon (32 x 32).
inline constexpr char cancelButton[] = ":/cancel.svg";
inline constexpr char portrait[] = ":/portrait.svg";
inline constexpr char aboutIcon[] = ":/about_icon.svg";

/**
 * One picture compiled into the program. Pictures are shown at exactly this size. A button face
 * that shows a word names it in its title and marks it (id "word", its box "wordbox"), so that
 * the word can be drawn in the user's language (ui/common's svgIcon()).
 */
struct Picture {
    const char* path;
    QSize size;
    const char* word = nullptr; ///< the English word on the face, or null
};

/** Every picture of the program, for code and tests that walk them all. */
std::span<const Picture> pictures();

} // namespace velmora::resources
