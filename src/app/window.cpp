// SPDX-License-Identifier: GPL-3.0-or-later
// The window module. The program loads it only when it opens its window, so that command-line
// work starts without the widget and printing libraries (every library costs start-up time).

#include "windowentry.h"

#include "encode/encode.h"

#include "language/language.h"
#include "pictures.h"
#include "ui/common/svgicon.h"
#include "ui/main/mainwindow.h"
#include "ui/solution/solutioncompanion.h"
#include "version.h"

#include <QApplication>
#include <QIcon>

#include <fontconfig/fontconfig.h>

#include <string_view>
#include <thread>

#include <unistd.h>

// The program resolves the entry point by the name kWindowEntry.
static_assert(std::string_view(velmora::app::kWindowEntry) == "velmoraRunWindow");

namespace {

/** A message held back while the window system starts. */
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
QList<HeldMessage>* heldMessages = nullptr;
/** The translators of the run, loaded before the window system starts. */
velmora::language::Translators* translators = nullptr;

/**
 * While the window system starts, Qt's complaints are held back. If it cannot start at all, Qt
 * would abort; instead one line says so, with the platform's own reason, and the program ends
 * with status 1.
 */
void startingHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        heldMessages->append({type, QByteArray(context.category), text});
        return;
    }
    QString reason;
    for (const HeldMessage& held : *heldMessages) {
        // The first complaint of the platform names the cause ("could not connect to display").
        if (reason.isEmpty() && held.category.startsWith("qt.qpa")) {
            reason = held.text.section(u'\n', 0, 0).simplified();
        }
    }
    // No application runs yet: the line is translated without one.
    const char* const source =
        reason.isEmpty()
            ? QT_TRANSLATE_NOOP("velmora::app::CommandLine",
                                "cannot open a window: no display could be opened (set DISPLAY "
                                "or WAYLAND_DISPLAY, or use --export)")
            //: %1 is the window system's own reason, in English.
            : QT_TRANSLATE_NOOP("velmora::app::CommandLine",
                                "cannot open a window: no display could be opened: %1 (set "
                                "DISPLAY or WAYLAND_DISPLAY, or use --export)");
    QString translated = translators->text("velmora::app::CommandLine", source);
    if (!reason.isEmpty()) {
        translated = translated.arg(reason);
    }
    const QByteArray line = (QStringLiteral("velmora: ") + translated + u'\n').toUtf8();
    [[maybe_unused]] const ssize_t written =
        ::write(STDERR_FILENO, line.constData(), static_cast<std::size_t>(line.size()));
    ::_exit(1);
}

} // namespace

extern "C" Q_DECL_EXPORT int velmoraRunWindow(int argc, char** argv) {
    // Reading the font configuration (dozens of files) is the largest single cost before the
    // first text can be drawn; it runs beside the connection to the display, which the window
    // system needs first anyway. The toolkit's own font set-up then finds it done.
    std::thread fontConfiguration([] { FcInit(); });
    // The window speaks the user's language from its first text on; nothing loads for English.
    velmora::language::Translators languages;
    translators = &languages;
    QList<HeldMessage> held;
    heldMessages = &held;
    previousHandler = qInstallMessageHandler(startingHandler);
    QApplication app(argc, argv);
    fontConfiguration.join();
    qInstallMessageHandler(previousHandler);
    heldMessages = nullptr;
    translators->install();
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        if (previousHandler != nullptr) {
            previousHandler(message.type, context, message.text);
        }
    }

    // What the commands cannot catch of a lack of memory (deep in Qt's PDF engine) ends the
    // program with one line rather than an abort.
    velmora::encode::sayOnLackOfMemory(
        (QStringLiteral("velmora: ") + velmora::encode::outOfMemory()).toUtf8());

    QCoreApplication::setApplicationName(QString::fromLatin1(velmora::kName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(velmora::kVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
    QApplication::setWindowIcon(velmora::ui::svgWindowIcon(
        QString::fromLatin1(velmora::resources::mainIcon), QSize(32, 32)));
    // The start window: its construction is its load; Exit and its close box end the program.
    velmora::ui::MainWindow window;
    window.show();
    if (QCoreApplication::arguments().contains(
            QString::fromLatin1(velmora::app::kSolutionOption))) {
        window.solution().open();
    }
    return QApplication::exec();
}
