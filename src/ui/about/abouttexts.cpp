// SPDX-License-Identifier: GPL-3.0-or-later
#include "abouttexts.h"

#include "version.h"

#include <QCoreApplication>

#ifndef VELMORA_COPYRIGHT
#error "VELMORA_COPYRIGHT is set by the build"
#endif
#ifndef VELMORA_AUTHOR_EMAIL
#error "VELMORA_AUTHOR_EMAIL is set by the build"
#endif
#ifndef VELMORA_WEB_PAGE
#error "VELMORA_WEB_PAGE is set by the build"
#endif

namespace velmora::ui::abouttexts {

// The texts share the About window's context for the translators.

QString caption() {
    return QCoreApplication::translate("velmora::ui::About", " About");
}

QString description() {
    return QCoreApplication::translate("velmora::ui::About",
                                       "The program calculates the concentration fractions of "
                                       "polyprotic acids species as functions of pH");
}

QString acknowledgementCaption() {
    return QCoreApplication::translate("velmora::ui::About", "Acknowledgement");
}

QString acknowledgement() {
    return QCoreApplication::translate(
        "velmora::ui::About",
        "Our thanks go to the chemistry teachers and students who tried the first drafts in their "
        "lessons, told us where the diagrams were hard to read and helped us make them clearer.");
}

QString authorLine() {
    return QCoreApplication::translate("velmora::ui::About", "Author: %1").arg(authorEmail());
}

QString portraitToolTip() {
    return QCoreApplication::translate("velmora::ui::About", "Author");
}

QString moreProgrammes() {
    return QCoreApplication::translate("velmora::ui::About", "Find more chemical programs here:");
}

QString title() {
    return QString::fromLatin1(kName) + u' ';
}

QString version() {
    //: %1 is the version number.
    return QCoreApplication::translate("velmora::ui::About", "Version %1")
        .arg(QString::fromLatin1(kVersion));
}

QString copyright() {
    return QString::fromUtf8(VELMORA_COPYRIGHT);
}

QString authorEmail() {
    return QString::fromUtf8(VELMORA_AUTHOR_EMAIL);
}

QString webPage() {
    return QString::fromUtf8(VELMORA_WEB_PAGE);
}

} // namespace velmora::ui::abouttexts
