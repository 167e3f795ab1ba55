#include "abouttexts.h"

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
