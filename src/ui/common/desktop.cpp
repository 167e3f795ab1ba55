// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop.h"

#include "version.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

#include <utility>

namespace velmora::ui {

namespace {

QString address(const QUrl& url) {
    return url.isLocalFile() ? url.toLocalFile() : url.toString();
}

/** The one message of a failed hand-over: what could not be opened, its address, and why. */
QString problemText(const QString& what, const QUrl& url, const QString& reason) {
    //: %1 names what was to be opened ("the theory document"), %2 is its address.
    QString text =
        QCoreApplication::translate("velmora::ui::Desktop", "The desktop could not open %1.\n\n%2")
            .arg(what, address(url));
    if (!reason.isEmpty()) {
        text += QStringLiteral("\n\n") + reason;
    }
    return text;
}

/** Why the opener failed, from how it ended (its exit statuses are those of xdg-open). */
QString openerEnded(int code, QProcess::ExitStatus status) {
    if (status != QProcess::NormalExit) {
        return QCoreApplication::translate("velmora::ui::Desktop",
                                           "The opener xdg-open stopped unexpectedly.");
    }
    switch (code) {
    case 2:
        return QCoreApplication::translate(
            "velmora::ui::Desktop", "The file does not exist (xdg-open ended with status 2).");
    case 3:
        return QCoreApplication::translate("velmora::ui::Desktop",
                                           "No program to open it was found; is one "
                                           "installed? (xdg-open ended with "
                                           "status 3.)");
    case 4:
        return QCoreApplication::translate(
            "velmora::ui::Desktop", "The program for it failed (xdg-open ended with status 4).");
    default:
        return QCoreApplication::translate("velmora::ui::Desktop",
                                           "The opener xdg-open ended with status %1.")
            .arg(code);
    }
}

/**
 * Hands documents (file addresses) to the desktop's opener, xdg-open, and watches how it ends.
 *
 * Qt starts the opener detached and counts the hand-over a success as soon as the opener runs,
 * so a document that no program can open would fail without a word. This opener waits for the
 * exit status instead and shows one message naming the document when it is not 0.
 *
 * It is QDesktopServices' handler of file addresses, registered when the application starts;
 * a handler registered after it for the same scheme (a test's stand-in) takes its place. It
 * never blocks in the handler: QDesktopServices holds a lock while it runs, so every message
 * comes later from the event loop, except a missing opener, which openWithDesktop() reports.
 */
class DocumentOpener : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    /** The opener registered for this application, or null (in a sandbox, on other systems). */
    static DocumentOpener* registered() {
        QObject* app = QCoreApplication::instance();
        return app != nullptr
                   ? app->findChild<DocumentOpener*>(QString(), Qt::FindDirectChildrenOnly)
                   : nullptr;
    }

    /** Names the next hand-over for its messages. */
    void expect(QWidget* parent, const QString& what) {
        m_parent = parent;
        m_what = what;
        m_problem.clear();
        m_expecting = true;
    }

    /** Ends the named hand-over; returns the problem found at once, or "" (none, or not asked). */
    QString finish() {
        m_expecting = false;
        m_parent = nullptr;
        m_what.clear();
        return std::exchange(m_problem, QString());
    }

public slots:
    void open(const QUrl& url) {
        const QPointer<QWidget> parent = m_expecting ? m_parent : nullptr;
        const QString what = m_expecting ? m_what : address(url);
        const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (program.isEmpty()) {
            const QString reason = QCoreApplication::translate(
                "velmora::ui::Desktop",
                "The opener xdg-open, which hands documents to their programs, is not installed.");
            if (m_expecting) {
                m_problem = reason;
            } else {
                report(parent, what, url, reason);
            }
            return;
        }
        auto* process = new QProcess(this);
        // The opener may run the document's program in its place: it shares our output, so
        // nothing waits on a pipe that no one reads.
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->setStandardInputFile(QProcess::nullDevice());
        connect(process, &QProcess::finished, this,
                [this, process, parent, what, url](int code, QProcess::ExitStatus status) {
                    process->deleteLater();
                    if (status != QProcess::NormalExit || code != 0) {
                        report(parent, what, url, openerEnded(code, status));
                    }
                });
        connect(process, &QProcess::errorOccurred, this,
                [this, process, parent, what, url](QProcess::ProcessError error) {
                    if (error == QProcess::FailedToStart) {
                        process->deleteLater();
                        report(parent, what, url,
                               QCoreApplication::translate("velmora::ui::Desktop",
                                                           "The opener xdg-open could not be "
                                                           "started: %1")
                                   .arg(process->errorString()));
                    }
                });
        // A local file goes by its absolute path, which xdg-open cannot take for an option.
        process->start(program, {url.isLocalFile() ? QFileInfo(url.toLocalFile()).absoluteFilePath()
                                                   : url.toString(QUrl::FullyEncoded)});
    }

private:
    /** Shows the message from the event loop, outside the hand-over. */
    void report(const QPointer<QWidget>& parent, const QString& what, const QUrl& url,
                const QString& reason) {
        QMetaObject::invokeMethod(
            this, [parent, text = problemText(what, url, reason)] { showProblem(parent, text); },
            Qt::QueuedConnection);
    }

    QPointer<QWidget> m_parent;
    QString m_what;
    QString m_problem;
    bool m_expecting = false;
};

/** Registers the document opener as the application starts (see DocumentOpener). */
void registerDocumentOpener() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    // In a Flatpak or Snap sandbox documents go through the desktop portal, as Qt does it.
    if (QFileInfo::exists(QStringLiteral("/.flatpak-info")) || qEnvironmentVariableIsSet("SNAP")) {
        return;
    }
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return;
    }
    auto* opener = new DocumentOpener(QCoreApplication::instance());
    QDesktopServices::setUrlHandler(QStringLiteral("file"), opener, "open");
#endif
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(registerDocumentOpener)

void showProblem(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kName), text, QMessageBox::Ok,
                    parent);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

bool openWithDesktop(const QUrl& url, QWidget* parent, const QString& what) {
    DocumentOpener* opener = DocumentOpener::registered();
    if (opener != nullptr) {
        opener->expect(parent, what);
    }
    const bool handed = QDesktopServices::openUrl(url);
    const QString problem = opener != nullptr ? opener->finish() : QString();
    if (handed && problem.isEmpty()) {
        return true;
    }
    showProblem(parent, problemText(what, url, problem));
    return false;
}

} // namespace velmora::ui

#include "desktop.moc"
