// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "windowentry.h"

#include "version.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibrary>

#include <cstdio>
#include <memory>

namespace {

using velmora::kName;
using velmora::kVersion;

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

    const velmora::app::CommandLine line =
        velmora::app::parseCommandLine(QCoreApplication::arguments());
    using Action = velmora::app::CommandLine::Action;
    switch (line.action) {
    case Action::Help:
        printLine(stdout, line.helpText.trimmed());
        return 0;
    case Action::Version:
        printLine(stdout, QStringLiteral("%1 %2").arg(QString::fromLatin1(kName),
                                                      QString::fromLatin1(kVersion)));
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
            printLine(stderr,
                      QStringLiteral("velmora: cannot write %1: %2").arg(line.file, problem));
            return 1;
        }
        return 0;
    }
    case Action::Window:
        break;
    }
    return 0;
}

/**
 * Loads the window module (beside the program in the build tree, else where it is installed
 * relative to the program) and hands over.
 * A module that cannot be loaded is reported in one line.
 */
int runWindow(int argc, char** argv) {
    const QString programDir =
        QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
    const QStringList candidates{
        programDir + QStringLiteral("/libvelmora_window.so"),
        programDir + QStringLiteral("/" VELMORA_MODULE_RELDIR "/libvelmora_window.so")};
    QString problem;
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path)) {
            continue;
        }
        QLibrary module(path);
        const auto entry =
            reinterpret_cast<velmora::app::WindowEntry>(module.resolve(velmora::app::kWindowEntry));
        if (entry != nullptr) {
            return entry(argc, argv);
        }
        problem = module.errorString();
    }
    if (problem.isEmpty()) {
        problem = QStringLiteral("not found in %1").arg(candidates.join(QStringLiteral(" or ")));
    }
    printLine(stderr, QStringLiteral("velmora: cannot load the window: ") + problem);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (velmora::app::wantsCommandLine(argc, argv)) {
        return runCommandLine(argc, argv);
    }
    return runWindow(argc, argv);
}
