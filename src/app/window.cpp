// The window module. The program loads it only when it opens its window, so that command-line
// work starts without the widget and printing libraries (every library costs start-up time).

#include "version.h"

#include "pictures.h"
#include "ui/main/phh.h"

#include <QApplication>
#include <QIcon>

extern "C" Q_DECL_EXPORT int velmoraRunWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(velmora::app::kName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(velmora::app::kVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(velmora::resources::mainIcon)));
    // The start window: its construction is its load; Exit and its close box end the program.
    velmora::ui::pHH window;
    window.show();
    return QApplication::exec();
}
