#include "cli/SyncCommand.h"

#include "cli/CliCommands.h"
#include "core/AppError.h"
#include "sync/AccountSyncer.h"
#include "sync/PasswordStore.h"
#include "sync/SyncAccount.h"

#include <QEventLoop>
#include <QRegularExpression>
#include <QTextStream>

#include <termios.h>
#include <unistd.h>

#include <iostream>
#include <string>

namespace vestrona {

namespace {

// Runs the event loop until `start` has called its `done` once.
template <typename Answer, typename Start>
Answer awaitAnswer(Start start)
{
    QEventLoop loop;
    std::optional<Answer> answer;
    start([&](const Answer &given) {
        answer = given;
        loop.quit();
    });
    if (!answer)
        loop.exec();
    return *answer;
}

SyncAccount accountFor(SettingsStore &settings, const SyncCommandLine &commandLine)
{
    SyncAccount account = readSyncAccount(settings);
    if (commandLine.url || commandLine.user) {
        const QUrl url = commandLine.url ? QUrl(commandLine.url->trimmed(), QUrl::StrictMode) : account.url;
        if (const QString problem = syncUrlProblem(url); !problem.isEmpty())
            throw AppError(problem);
        account = movedTo(account, url, commandLine.user ? commandLine.user->trimmed() : account.user);
    }
    if (commandLine.acceptCertificate) {
        // As the dialog and the failure message show it: hex pairs joined by ':'.
        static const QRegularExpression sha256(QStringLiteral("^([0-9A-F]{2}:){31}[0-9A-F]{2}$"));
        const QString fingerprint = commandLine.acceptCertificate->trimmed().toUpper();
        if (!sha256.match(fingerprint).hasMatch())
            throw AppError(QStringLiteral("--accept-certificate wants the SHA-256 fingerprint as 32 hex pairs joined by "
                                         "':', as a failed sync prints it."));
        account.acceptedCertificate = fingerprint;
    }
    if (!account.isSetUp())
        throw AppError(QStringLiteral("No calendar account is set up: give --url and --user once (or set it up in "
                                     "Vestrona's \"Calendar sync…\" dialog)."));
    saveSyncAccount(settings, account);
    return account;
}

// The password typed on the terminal, not shown; none without a terminal.
std::optional<QString> promptedPassword(const SyncAccount &account, QTextStream &err)
{
    if (!isatty(STDIN_FILENO))
        return std::nullopt;
    err << "Password for " << account.user << " at " << account.url.toString() << ": " << Qt::flush;
    termios shown{};
    const bool quiet = tcgetattr(STDIN_FILENO, &shown) == 0;
    if (quiet) {
        termios hidden = shown;
        hidden.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
    }
    std::string line;
    std::getline(std::cin, line);
    if (quiet)
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &shown);
    err << '\n' << Qt::flush;
    return QString::fromStdString(line);
}

QString passwordFor(const SyncAccount &account, QTextStream &err)
{
    KeychainPasswordStore keyring;
    QString password = awaitAnswer<QString>([&](auto done) { keyring.read(account.url, account.user, done); });
    if (!password.isEmpty())
        return password;
    if (const std::optional<QString> typed = promptedPassword(account, err))
        password = *typed;
    else
        throw AppError(QStringLiteral("No password for %1 at %2: set VESTRONA_CALDAV_PASSWORD, keep it in the keyring "
                                     "through Vestrona's \"Calendar sync…\" dialog, or run this on a terminal.")
                          .arg(account.user, account.url.host()));
    if (password.isEmpty())
        throw AppError(QStringLiteral("No password given."));
    return password;
}

void printFailure(const SyncReport &report, QTextStream &err)
{
    err << "vestrona-cli: " << report.failure << '\n';
    if (report.serverEmptied)
        err << "To put this computer's reminders back on the server, run\n  vestrona-cli sync --upload-all\n"
            << "To delete them here too, run\n  vestrona-cli sync --accept-deletions\n";
    if (report.certificateFingerprint.isEmpty())
        return;
    err << "The server's certificate has the SHA-256 fingerprint\n  " << report.certificateFingerprint
        << "\nIf that is your server's certificate (ask its administrator), accept it with\n"
        << "  vestrona-cli sync --accept-certificate " << report.certificateFingerprint
        << "\nor with \"Accept this certificate\" in Vestrona's \"Calendar sync…\" dialog.\n";
}

void printReport(const SyncReport &report, QTextStream &out)
{
    out << "Up: " << report.uploaded << '\n'
        << "Down: " << report.downloaded << '\n'
        << "Deleted here: " << report.deletedHere << '\n'
        << "Deleted on the server: " << report.deletedThere << '\n';
    if (report.stillLeftOut > 0)
        out << "Still left out: " << report.stillLeftOut << '\n';
    for (const QString &line : detailLines(report))
        out << line << '\n';
}

} // namespace

int syncCommand(Connection &conn, SettingsStore &settings, const SyncCommandLine &commandLine, QTextStream &out,
                QTextStream &err)
{
    try {
        const SyncAccount account = accountFor(settings, commandLine);
        SyncSession session(account, passwordFor(account, err), conn);
        session.engine.answerEmptiedCalendar(commandLine.emptied);
        const SyncReport report = awaitAnswer<SyncReport>([&](auto done) {
            QObject::connect(&session.engine, &Syncer::finished, &session.engine, done);
            session.engine.sync();
        });
        if (report.outcome == SyncReport::Outcome::Failed) {
            printFailure(report, err);
            return ExitDatabase;
        }
        printReport(report, out);
        return report.outcome == SyncReport::Outcome::SomeLeftOut ? ExitNothing : ExitOk;
    } catch (const AppError &e) {
        err << "vestrona-cli: " << e.description() << '\n';
        return ExitDatabase;
    }
}

} // namespace vestrona
