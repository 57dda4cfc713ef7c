#include "cli/SyncCommand.h"

#include "cli/CliCommands.h"
#include "core/AppError.h"
#include "sync/AccountSyncer.h"
#include "sync/CalendarDiscovery.h"
#include "sync/PasswordStore.h"
#include "sync/SyncAccount.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QRegularExpression>
#include <QTextStream>

#include <termios.h>
#include <unistd.h>

#include <iostream>
#include <string>

namespace vestrona {

namespace {

// Words that end the command before the sync, with the exit they end it with.
class Refusal final : public AppError {
public:
    explicit Refusal(const QString &why, int exit = ExitDatabase, QString fingerprint = QString())
        : AppError(why), exitCode(exit), certificateFingerprint(std::move(fingerprint))
    {
    }

    int exitCode;
    // Of a server certificate that no authority vouches for, to be offered.
    QString certificateFingerprint;
};

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

// The account to sync with; `addressPassword` gets a password given inside
// --url, which goes to the keyring, never to the settings.
SyncAccount accountFor(SettingsStore &settings, const SyncCommandLine &commandLine, QString &addressPassword)
{
    SyncAccount account = readSyncAccount(settings);
    if (commandLine.url || commandLine.user) {
        AddressCredentials given{account.url, {}, {}};
        if (commandLine.url)
            given = splitCredentials(QUrl(commandLine.url->trimmed(), QUrl::StrictMode));
        if (const QString problem = syncUrlProblem(given.url); !problem.isEmpty())
            throw Refusal{problem};
        QString user = commandLine.user ? commandLine.user->trimmed() : account.user;
        if (!given.user.isEmpty() && !commandLine.user)
            user = given.user;
        account = movedTo(account, given.url, user);
        addressPassword = given.password;
    }
    if (commandLine.acceptCertificate) {
        // As the dialog and the failure message show it: hex pairs joined by ':'.
        static const QRegularExpression sha256(QStringLiteral("^([0-9A-F]{2}:){31}[0-9A-F]{2}$"));
        const QString fingerprint = commandLine.acceptCertificate->trimmed().toUpper();
        if (!sha256.match(fingerprint).hasMatch())
            throw AppError(QCoreApplication::translate(
                "Cli",
                "--accept-certificate wants the SHA-256 fingerprint as 32 hex pairs joined by "
                "':', as a failed sync prints it."));
        account.acceptedCertificate = fingerprint;
    }
    if (!account.isSetUp())
        throw AppError(
            QCoreApplication::translate("Cli",
                                        "No calendar account is set up: give --url and --user once (or set it up in "
                                        "Vestrona's \"Calendar sync…\" dialog)."));
    saveSyncAccount(settings, account);
    return account;
}

// The password typed on the terminal, not shown; none without a terminal.
std::optional<QString> promptedPassword(const SyncAccount &account, QTextStream &err)
{
    if (!isatty(STDIN_FILENO))
        return std::nullopt;
    err << QCoreApplication::translate("Cli", "Password for %1 at %2: ").arg(account.user, account.url.toString())
        << Qt::flush;
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
        throw AppError(QCoreApplication::translate(
                           "Cli",
                           "No password for %1 at %2: set VESTRONA_CALDAV_PASSWORD, keep it in the keyring "
                           "through Vestrona's \"Calendar sync…\" dialog, or run this on a terminal.")
                           .arg(account.user, account.url.host()));
    if (password.isEmpty())
        throw AppError(QCoreApplication::translate("Cli", "No password given."));
    return password;
}

// A password given inside --url is kept in the keyring under the calendar
// it led to, where the next sync looks for it.
void keepPassword(const SyncAccount &account, const QString &password, QTextStream &err)
{
    KeychainPasswordStore keyring;
    if (!awaitAnswer<bool>([&](auto done) { keyring.write(account.url, account.user, password, done); }))
        err << "vestrona-cli: "
            << QCoreApplication::translate(
                   "Cli", "the password could not be stored in the keyring; it is used for this sync only.")
            << '\n';
}

// The calendar a newly given address leads to: the address itself when it
// is one, the only calendar behind it otherwise; several are listed on
// `out` for the user to choose one with --url.
SyncAccount calendarOf(const SyncAccount &account, const QString &password, QTextStream &out)
{
    using Found = std::pair<CalDavFailure, std::vector<DiscoveredCalendar>>;
    CalendarDiscovery discovery(account, password);
    const auto [failed, calendars] = awaitAnswer<Found>([&](auto done) {
        discovery.discover([done](CalDavFailure failure, std::vector<DiscoveredCalendar> found) {
            done(Found{std::move(failure), std::move(found)});
        });
    });
    if (failed.failed())
        throw Refusal{failed.words, ExitDatabase, failed.certificateFingerprint};
    if (calendars.size() > 1) {
        for (const DiscoveredCalendar &calendar : calendars)
            out << calendar.displayName << '\t' << calendar.url.toString() << '\n';
        throw Refusal{QCoreApplication::translate(
                          "Cli", "%1 leads to %n calendars (listed above); choose one with --url ADDRESS.", nullptr,
                          int(calendars.size()))
                          .arg(account.url.toString()),
                      ExitUsage};
    }
    return movedTo(account, calendars.front().url, account.user);
}

void printFailure(const QString &words, const QString &fingerprint, QTextStream &err, bool serverEmptied = false)
{
    err << "vestrona-cli: " << words << '\n';
    if (serverEmptied)
        err << QCoreApplication::translate("Cli", "To put this computer's reminders back on the server, run")
            << "\n  vestrona-cli sync --upload-all\n"
            << QCoreApplication::translate("Cli", "To delete them here too, run")
            << "\n  vestrona-cli sync --accept-deletions\n";
    if (fingerprint.isEmpty())
        return;
    err << QCoreApplication::translate("Cli", "The server's certificate has the SHA-256 fingerprint") << "\n  "
        << fingerprint << '\n'
        << QCoreApplication::translate("Cli",
                                       "If that is your server's certificate (ask its administrator), accept it with")
        << "\n  vestrona-cli sync --accept-certificate " << fingerprint << '\n'
        << QCoreApplication::translate("Cli",
                                       "or with \"Accept this certificate\" in Vestrona's \"Calendar sync…\" dialog.")
        << '\n';
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
        QString addressPassword;
        SyncAccount account = accountFor(settings, commandLine, addressPassword);
        const QString password = addressPassword.isEmpty() ? passwordFor(account, err) : addressPassword;
        if (commandLine.url) {
            account = calendarOf(account, password, out);
            saveSyncAccount(settings, account);
        }
        if (!addressPassword.isEmpty())
            keepPassword(account, addressPassword, err);
        SyncSession session(account, password, conn);
        session.engine.answerEmptiedCalendar(commandLine.emptied);
        const SyncReport report = awaitAnswer<SyncReport>([&](auto done) {
            QObject::connect(&session.engine, &Syncer::finished, &session.engine, done);
            session.engine.sync();
        });
        if (report.outcome == SyncReport::Outcome::Failed) {
            printFailure(report.failure, report.certificateFingerprint, err, report.serverEmptied);
            return ExitDatabase;
        }
        printReport(report, out);
        return report.outcome == SyncReport::Outcome::SomeLeftOut ? ExitNothing : ExitOk;
    } catch (const Refusal &refusal) {
        printFailure(refusal.description(), refusal.certificateFingerprint, err);
        return refusal.exitCode;
    } catch (const AppError &e) {
        err << "vestrona-cli: " << e.description() << '\n';
        return ExitDatabase;
    }
}

} // namespace vestrona
