// SPDX-License-Identifier: GPL-3.0-or-later
// Running the real program (VELMORA_BINARY) as a user would: its status, what it prints, and the
// files it leaves, for the command-line tests.
#pragma once

#include <QFile>
#include <QList>
#include <QPair>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <csignal>
#include <optional>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace velmora::test {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

/** How to start the program: environment changes, a shell prefix, a working folder. */
struct Launch {
    QStringList unset{};                  ///< environment variables to remove
    QList<QPair<QString, QString>> set{}; ///< environment variables to set
    QString shellPrefix{};                ///< shell commands run first (limits, umask)
    QStringList wrapper{};                ///< a command that runs the program (setpriv ...)
};

/** Runs the program with `arguments` as `launch` says. */
inline Run runProgram(const QStringList& arguments, const Launch& launch = {}) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : launch.unset) {
        env.remove(name);
    }
    for (const auto& [name, value] : launch.set) {
        env.insert(name, value);
    }
    process.setProcessEnvironment(env);
    QStringList command = launch.wrapper + QStringList{QStringLiteral(VELMORA_BINARY)} + arguments;
    if (!launch.shellPrefix.isEmpty()) {
        // The shell sets limits, then runs the command as "$@".
        command = QStringList{QStringLiteral("/bin/sh"), QStringLiteral("-c"),
                              launch.shellPrefix + QStringLiteral("; exec \"$@\""),
                              QStringLiteral("sh")} +
                  command;
    }
    process.start(command.first(), command.mid(1));
    if (!process.waitForFinished(60000)) {
        process.kill();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

/**
 * Runs the program with arguments written as printf formats ("1\\377", "H\\342\\200\\250A"), so
 * that an argument can hold any byte, UTF-8 or not, as the shell hands it over.
 */
inline Run runWithBytes(const QStringList& formats) {
    // Each format (the program's path first) is replaced by its bytes in turn.
    return runProgram(formats,
                      {.shellPrefix = QStringLiteral("for a; do set -- \"$@\" "
                                                     "\"$(printf -- \"$a\")\"; shift; done")});
}

/** Runs the program with its standard output on `fd` (a full device, a pipe nobody reads). */
inline Run runWithOutputTo(int fd, const QStringList& arguments) {
    int err[2];
    if (::pipe(err) != 0) {
        return {};
    }
    QByteArrayList bytes{QByteArray(VELMORA_BINARY)};
    for (const QString& argument : arguments) {
        bytes << argument.toUtf8();
    }
    std::vector<char*> argv;
    for (QByteArray& b : bytes) {
        argv.push_back(b.data());
    }
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fd, STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        ::close(err[0]);
        // The test framework's handlers are not the program's: start from the defaults.
        std::signal(SIGPIPE, SIG_DFL);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(err[1]);
    Run run;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(err[0], buffer, sizeof buffer)) > 0) {
        run.err.append(buffer, static_cast<qsizetype>(n));
    }
    ::close(err[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    return run;
}

/** One line on stderr that starts as `start` says and contains `reason`. */
inline bool oneLine(const Run& run, const QByteArray& start, const QByteArray& reason) {
    return run.err.count('\n') == 1 && run.err.endsWith('\n') && run.err.startsWith(start) &&
           run.err.contains(reason);
}

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QList<QByteArray> csvLines(const QByteArray& data) {
    QList<QByteArray> lines = data.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

/**
 * A German locale (with its decimal comma) made in `folder`, since the machine may have none
 * installed: the launch that runs the program in it, or nothing where none can be made.
 */
inline std::optional<Launch> germanLocale(const QTemporaryDir& folder) {
    QProcess localedef;
    localedef.start(QStringLiteral("localedef"),
                    {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                     QStringLiteral("UTF-8"), folder.filePath(QStringLiteral("de_DE.UTF-8"))});
    if (!localedef.waitForFinished(60000) || localedef.exitStatus() != QProcess::NormalExit ||
        localedef.exitCode() != 0) {
        return std::nullopt;
    }
    return Launch{.set = {{QStringLiteral("LOCPATH"), folder.path()},
                          {QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8")}}};
}

} // namespace velmora::test
