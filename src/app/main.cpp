#include "commandline.h"

#include "pictures.h"
#include "ui/main/phh.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>

#include <cstdio>
#include <memory>

namespace {

constexpr auto kName = "Velmora";
constexpr auto kVersion = "1.0";

void printLine(std::FILE* stream, const QString& text) {
    std::fputs(qPrintable(text + u'\n'), stream);
    std::fflush(stream);
}

/** Command-line work: no display, no chatter from the toolkit, nothing but our own lines. */
int runCommandLine(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(kName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));

    const velmora::app::CommandLine line = velmora::app::parseCommandLine(QCoreApplication::arguments());
    using Action = velmora::app::CommandLine::Action;
    switch (line.action) {
    case Action::Help:
        printLine(stdout, line.helpText.trimmed());
        return 0;
    case Action::Version:
        printLine(stdout, QStringLiteral("%1 %2").arg(QString::fromLatin1(kName), QString::fromLatin1(kVersion)));
        return 0;
    case Action::ListPresets:
        printLine(stdout, velmora::app::presetListing());
        return 0;
    case Action::Refused:
        printLine(stderr, QStringLiteral("velmora: ") + line.problem);
        return 2;
    case Action::Export: {
        const QString problem = velmora::diagram::writeExport(line.file, line.format, line.request);
        if (!problem.isEmpty()) {
            printLine(stderr, QStringLiteral("velmora: cannot write %1: %2").arg(line.file, problem));
            return 1;
        }
        return 0;
    }
    case Action::Window:
        break;
    }
    return 0;
}

int runWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(kName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(velmora::resources::mainIcon)));
    // The start window: its construction is its load; Exit and its close box end the program.
    velmora::ui::pHH window;
    window.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    if (velmora::app::wantsCommandLine(argc, argv)) {
        return runCommandLine(argc, argv);
    }
    return runWindow(argc, argv);
}
