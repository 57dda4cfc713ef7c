// The installed program, run as a new user with an empty home: the first
// start makes the user's database, the window shows what vestrona-cli added,
// later starts leave the database alone, and a portable copy keeps its own.
#include "tests/e2e/Desktop.h"
#include "tests/support/Files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace vestrona::e2e;
using vestrona::test::readFile;
using vestrona::test::TempFolder;

namespace {

QString installed(const QString &relative)
{
    return QStringLiteral(VESTRONA_INSTALL_ROOT "/usr/") + relative;
}

// A user who never ran Vestrona: an empty home and no XDG folders of their own.
class NewUser {
public:
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), mHome.path());
        env.remove(QStringLiteral("XDG_DATA_HOME"));
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        return env;
    }
    QString home() const { return mHome.path(); }
    QString database() const { return mHome.file(QStringLiteral(".local/share/vestrona/dbReminders.mdb")); }

    ProcessResult cli(const QStringList &arguments, const QString &program = installed(QStringLiteral("bin/vestrona-cli"))) const
    {
        return runProcess(program, arguments, environment());
    }

private:
    TempFolder mHome;
};

struct FileState {
    QByteArray hash;
    QDateTime modified;
    bool operator==(const FileState &) const = default;
};

FileState stateOf(const QString &path)
{
    return {QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha256), QFileInfo(path).lastModified()};
}

} // namespace

class InstalledProgram : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(installed(QStringLiteral("bin/vestrona"))).isExecutable(), "nothing installed");
        QVERIFY2(missingDesktop().isEmpty(), qPrintable(missingDesktop()));
    }

    void firstStartMakesTheDatabaseTheWindowShowsItAndLaterStartsLeaveItAlone()
    {
        NewUser user;
        const ProcessResult help = user.cli({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.out.contains(user.database()), qPrintable(help.out));
        QVERIFY(!QFileInfo::exists(user.database()));

        const ProcessResult first = user.cli({QStringLiteral("list")});
        QVERIFY2(first.exitCode == 0, qPrintable(first.err));
        QCOMPARE(readFile(user.database()), readFile(installed(QStringLiteral("share/vestrona/dbReminders.mdb"))));

        // Far enough ahead that start-up is over before it rings.
        const QDateTime due = wholeSecondsFromNow(8);
        const ProcessResult added = user.cli({QStringLiteral("add"), QStringLiteral("--option"), QStringLiteral("once"),
                                             QStringLiteral("--date"), due.date().toString(Qt::ISODate),
                                             QStringLiteral("--time"), due.time().toString(QStringLiteral("HH:mm:ss")),
                                             QStringLiteral("Feed the cat")});
        QVERIFY2(added.exitCode == 0, qPrintable(added.err));
        {
            RunningProgram program(installed(QStringLiteral("bin/vestrona")), user.environment());
            const QString window = waitForWindow(program.pid(), QStringLiteral("^Vestrona$"), 20000);
            QVERIFY2(!window.isEmpty(), qPrintable(QStringLiteral("no main window; stderr: ") + program.errorOutput()));
            QVERIFY2(QDateTime::currentDateTime() < due, "the installed program took longer to start than 8 s");
            const QString popup = waitForWindow(program.pid(), QStringLiteral("^ Reminder$"), 20000);
            QVERIFY2(!popup.isEmpty(), qPrintable(QStringLiteral("the reminder never rang; stderr: ") + program.errorOutput()));
            // Answered, or the next start would ring it again.
            QVERIFY(answerPopup(popup, PopupButton::Stop));
            QVERIFY(program.closeThroughWindowManager(window));
        }

        const FileState before = stateOf(user.database());
        QTest::qWait(1100); // a rewrite within the same second could hide behind an equal time stamp
        const ProcessResult again = user.cli({QStringLiteral("list")});
        QVERIFY2(again.exitCode == 0 && again.out.contains(QLatin1String("Feed the cat")), qPrintable(again.out + again.err));
        {
            RunningProgram program(installed(QStringLiteral("bin/vestrona")), user.environment());
            const QString window = waitForWindow(program.pid(), QStringLiteral("^Vestrona$"), 20000);
            QVERIFY2(!window.isEmpty(), qPrintable(QStringLiteral("no main window; stderr: ") + program.errorOutput()));
            QVERIFY(program.closeThroughWindowManager(window));
        }
        QVERIFY(stateOf(user.database()) == before);
    }

    // The installed catalogues are found from the installed program: words
    // for people in the user's language, the list for scripts as it was.
    void speaksTheUsersLanguageFromTheInstalledCatalogues()
    {
        NewUser user;
        QProcessEnvironment env = user.environment();
        env.remove(QStringLiteral("LC_ALL"));
        env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("nl"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("nl_NL.UTF-8"));
        const ProcessResult wrong = runProcess(installed(QStringLiteral("bin/vestrona-cli")), {"frobnicate"}, env);
        QCOMPARE(wrong.exitCode, 2);
        QVERIFY2(wrong.err.contains(QStringLiteral("Onbekende opdracht ‘frobnicate’.")), qPrintable(wrong.err));
        QVERIFY(QFileInfo::exists(installed(QStringLiteral("share/vestrona/translations/vestrona_nl.qm"))));
    }

    void lostDatabaseIsReportedNotMadeAgain()
    {
        NewUser user;
        QCOMPARE(user.cli({QStringLiteral("list")}).exitCode, 0);
        QVERIFY(QFile::remove(user.database()));
        const ProcessResult r = user.cli({QStringLiteral("list")});
        QCOMPARE(r.exitCode, 3);
        QVERIFY2(r.err.contains(user.database()), qPrintable(r.err));
        QVERIFY(!QFileInfo::exists(user.database()));
    }

    void unusableDataHomeIsNamedOnce()
    {
        NewUser user;
        const QString blocker = QDir(user.home()).filePath(QStringLiteral(".local"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const ProcessResult r = user.cli({QStringLiteral("list")});
        QCOMPARE(r.exitCode, 3);
        QCOMPARE(r.err.count(blocker), 1);
        QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
        QVERIFY(QFileInfo(blocker).isFile());
    }

    void portableCopyKeepsItsOwnDatabase()
    {
        NewUser user;
        TempFolder portable;
        const QString cli = portable.file(QStringLiteral("vestrona-cli"));
        QVERIFY(QFile::copy(installed(QStringLiteral("bin/vestrona-cli")), cli));
        QVERIFY(QFile::copy(installed(QStringLiteral("share/vestrona/dbReminders.mdb")), portable.file(QStringLiteral("dbReminders.mdb"))));
        QVERIFY(QFile::setPermissions(portable.file(QStringLiteral("dbReminders.mdb")), QFile::ReadOwner | QFile::WriteOwner));

        const ProcessResult added = user.cli({QStringLiteral("add"), QStringLiteral("--option"), QStringLiteral("daily"),
                                             QStringLiteral("--date"), QStringLiteral("2030-01-01"), QStringLiteral("--time"),
                                             QStringLiteral("09:00"), QStringLiteral("Stretch")}, cli);
        QVERIFY2(added.exitCode == 0, qPrintable(added.err));
        QVERIFY(user.cli({QStringLiteral("list"), QStringLiteral("--database"), portable.file(QStringLiteral("dbReminders.mdb"))})
                    .out.contains(QLatin1String("Stretch")));
        QVERIFY(!QFileInfo::exists(QDir(user.home()).filePath(QStringLiteral(".local/share/vestrona"))));
    }
};

QTEST_GUILESS_MAIN(InstalledProgram)
#include "test_installed.moc"
