#include "tests/support/TempFolder.h"
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <cstdio>

using namespace vestrona;

namespace {

// The test program doubles as a second copy of the program: with
// "--instance <program folder> <runtime folder>" it does what the start-up
// does and ends with 0 when another copy runs, or stays as the running copy.
constexpr auto kInstanceMode = "--instance";

int runAsInstance(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    SingleInstance instance(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (!instance.tryToBecomeFirst())
        return 0;
    std::puts("running");
    std::fflush(stdout);
    return app.exec();
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

private:
    test::TempFolder mRuntime;
    test::TempFolder mPrograms;

    QString programFolder(const QString &name)
    {
        QDir(mPrograms.path()).mkpath(name);
        return mPrograms.file(name);
    }

    static constexpr int kSignalWaitMs = 5000;

    // A copy of the program in its own process; waits until it runs or ended.
    std::unique_ptr<QProcess> startCopy(const QString &folder)
    {
        auto process = std::make_unique<QProcess>();
        process->start(QCoreApplication::applicationFilePath(),
                       {QString::fromLatin1(kInstanceMode), folder, mRuntime.path()});
        process->waitForStarted();
        return process;
    }

private slots:
    void secondStartAsksTheRunningCopyToShow()
    {
        const QString folder = programFolder(QStringLiteral("a"));
        SingleInstance first(folder, mRuntime.path());
        QSignalSpy shown(&first, &SingleInstance::showRequested);
        QVERIFY(first.tryToBecomeFirst());

        SingleInstance second(folder, mRuntime.path());
        QVERIFY(!second.tryToBecomeFirst());
        QVERIFY(shown.wait(kSignalWaitMs));
        QCOMPARE(shown.count(), 1);

        // Every later start asks again.
        SingleInstance third(folder, mRuntime.path());
        QVERIFY(!third.tryToBecomeFirst());
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 2, kSignalWaitMs);
    }

    void copiesInOtherFoldersRunSideBySide()
    {
        SingleInstance a(programFolder(QStringLiteral("one")), mRuntime.path());
        SingleInstance b(programFolder(QStringLiteral("two")), mRuntime.path());
        QVERIFY(a.tryToBecomeFirst());
        QVERIFY(b.tryToBecomeFirst());
        QVERIFY(a.serverName() != b.serverName());
    }

    void theSameFolderSpelledOtherwiseIsTheSameProgram()
    {
        const QString folder = programFolder(QStringLiteral("same"));
        const QString link = mPrograms.file(QStringLiteral("link-to-same"));
        QVERIFY(QFile::link(folder, link));
        SingleInstance first(folder, mRuntime.path());
        QVERIFY(first.tryToBecomeFirst());
        SingleInstance viaLink(link, mRuntime.path());
        QVERIFY(!viaLink.tryToBecomeFirst());
        SingleInstance viaDots(folder + QStringLiteral("/../same/"), mRuntime.path());
        QVERIFY(!viaDots.tryToBecomeFirst());
    }

    void foldersSharingOneDatabaseThroughALinkAreOneProgram()
    {
        const QString database = programFolder(QStringLiteral("owner")) + QStringLiteral("/dbReminders.mdb");
        QVERIFY(QFile(database).open(QIODevice::WriteOnly));
        const QString linked = programFolder(QStringLiteral("sharer")) + QStringLiteral("/dbReminders.mdb");
        QVERIFY(QFile::link(database, linked));
        SingleInstance first(database, mRuntime.path());
        QVERIFY(first.tryToBecomeFirst());
        SingleInstance viaLink(linked, mRuntime.path());
        QVERIFY(!viaLink.tryToBecomeFirst());
    }

    void aStartAfterTheRunningCopyEndedRuns()
    {
        const QString folder = programFolder(QStringLiteral("after"));
        {
            SingleInstance first(folder, mRuntime.path());
            QVERIFY(first.tryToBecomeFirst());
        }
        SingleInstance next(folder, mRuntime.path());
        QVERIFY(next.tryToBecomeFirst());
    }

    void secondCopyInAnotherProcessEndsWithZero()
    {
        const QString folder = programFolder(QStringLiteral("process"));
        SingleInstance first(folder, mRuntime.path());
        QSignalSpy shown(&first, &SingleInstance::showRequested);
        QVERIFY(first.tryToBecomeFirst());

        auto copy = startCopy(folder);
        QVERIFY(shown.wait(kSignalWaitMs));
        // The copy may already have ended while the signal was awaited;
        // waitForFinished() says false for a process that is over.
        QVERIFY(copy->state() == QProcess::NotRunning || copy->waitForFinished(kSignalWaitMs));
        QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy->exitCode(), 0);
    }

    // A copy that crashed leaves its lock file and its socket behind; the
    // next start must run, clear the dead socket and be reachable itself.
    void leftoversOfACrashedCopyDoNotBlock()
    {
        const QString folder = programFolder(QStringLiteral("crashed"));
        auto crashed = startCopy(folder);
        QVERIFY(crashed->waitForReadyRead(kSignalWaitMs));
        QCOMPARE(crashed->readAllStandardOutput().trimmed(), QByteArray("running"));
        crashed->kill();
        QVERIFY(crashed->waitForFinished(kSignalWaitMs));

        SingleInstance next(folder, mRuntime.path());
        QVERIFY(QFile::exists(next.lockFilePath()));
        QVERIFY(QFile::exists(next.serverName()));
        QSignalSpy shown(&next, &SingleInstance::showRequested);
        QVERIFY(next.tryToBecomeFirst());

        SingleInstance later(folder, mRuntime.path());
        QVERIFY(!later.tryToBecomeFirst());
        QVERIFY(shown.wait(kSignalWaitMs));
    }
};

int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], kInstanceMode) == 0)
        return runAsInstance(argc, argv);
    QCoreApplication app(argc, argv);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_single_instance.moc"
