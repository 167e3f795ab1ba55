// SPDX-License-Identifier: GPL-3.0-or-later
#include "abouttexts.h"

#include "version.h"

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

QString title() {
    return QString::fromLatin1(kName) + u' ';
}

QString version() {
    return QStringLiteral("Version ") + QString::fromLatin1(kVersion);
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
