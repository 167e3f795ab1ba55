// SPDX-License-Identifier: GPL-3.0-or-later
// The window module. The program loads it only when it opens its window, so that command-line
// work starts without the widget and printing libraries (every library costs start-up time).

#include "windowentry.h"

#include "pictures.h"
#include "ui/main/phh.h"
#include "version.h"

#include <QApplication>
#include <QIcon>

#include <string_view>

// The program resolves the entry point by the name kWindowEntry.
static_assert(std::string_view(velmora::app::kWindowEntry) == "velmoraRunWindow");

extern "C" Q_DECL_EXPORT int velmoraRunWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(velmora::kName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(velmora::kVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(velmora::resources::mainIcon)));
    // The start window: its construction is its load; Exit and its close box end the program.
    velmora::ui::pHH window;
    window.show();
    return QApplication::exec();
}
