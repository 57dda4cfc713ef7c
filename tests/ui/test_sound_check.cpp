// The check made when the user chooses or tests an alarm sound: whether the
// file plays, and if not why, in words that finish "… cannot be played as a
// sound: ". Never blocks on what is no regular file.
#include "ui/MediaSoundPlayer.h"
#include "tests/support/TempFolder.h"
#include "tests/support/Watchdog.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

#include <optional>

using namespace vestrona;
using namespace vestrona::test;

namespace {

const QString kBuiltIn = QStringLiteral(VESTRONA_ALARM_SOUND);

// The check's answer for `path`, waited for with the event loop running.
std::optional<QString> checked(MediaSoundPlayer &player, const QString &path)
{
    QObject context;
    std::optional<QString> answer;
    player.check(path, &context, [&](const QString &problem) { answer = problem; });
    return QTest::qWaitFor([&] { return answer.has_value(); }, 15000) ? answer : std::nullopt;
}

} // namespace

class TestSoundCheck : public QObject {
    Q_OBJECT

private slots:
    void check_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // written to `name` unless it is the built-in sound
        QTest::addColumn<QString>("problem");
        QTest::newRow("the built-in sound") << QString() << QByteArray() << QString();
        QTest::newRow("empty") << QStringLiteral("empty.wav") << QByteArray() << QStringLiteral("the file is empty");
        QTest::newRow("a word") << QStringLiteral("word.wav") << QByteArray("hello")
                                << QStringLiteral("it is not in a sound format the player knows");
        QTest::newRow("text") << QStringLiteral("notes.wav") << QByteArray("Shopping list\n").repeated(200)
                              << QStringLiteral("it is not in a sound format the player knows");
        QTest::newRow("a wave header and nothing more")
            << QStringLiteral("cut.wav") << QByteArray("RIFF\x24\x00\x01\x00WAVEfmt ", 16)
            << QStringLiteral("it is not in a sound format the player knows");
        QTest::newRow("missing") << QStringLiteral("missing.wav") << QByteArray("-") << QStringLiteral("the file does not exist");
        QTest::newRow("a folder") << QStringLiteral("folder.wav") << QByteArray("/") << QStringLiteral("it is not a regular file");
        QTest::newRow("a FIFO") << QStringLiteral("fifo.wav") << QByteArray("|") << QStringLiteral("it is not a regular file");
    }

    void check()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        TempFolder folder;
        QString path = kBuiltIn;
        if (!name.isEmpty()) {
            path = folder.file(name);
            if (bytes == "/") {
                QVERIFY(QDir(folder.path()).mkdir(name));
            } else if (bytes == "|") {
                QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            } else if (bytes != "-") {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
                QCOMPARE(file.write(bytes), bytes.size());
            }
        }
        const Watchdog watchdog("checking " + name.toStdString(), 30);
        MediaSoundPlayer player(kBuiltIn);
        const std::optional<QString> found = checked(player, path);
        QVERIFY2(found.has_value(), "no answer");
        // The player's own words may follow in brackets.
        QVERIFY2(problem.isEmpty() ? found->isEmpty() : found->startsWith(problem), qPrintable(*found));
    }

    // A file that failed leaves no player behind that could hang the next check.
    void goodFileAfterBadOnes()
    {
        TempFolder folder;
        const QString broken = folder.file(QStringLiteral("broken.wav"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("RIFF\x24\x00\x01\x00WAVE", 12) == 12);
        file.close();
        const Watchdog watchdog("a check after a failed one", 60);
        MediaSoundPlayer player(kBuiltIn);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!checked(player, broken).value_or(QString()).isEmpty());
            QCOMPARE(checked(player, kBuiltIn), std::optional<QString>(QString()));
        }
    }

    // A window closed before the answer came hears nothing.
    void noAnswerAfterTheAskerIsGone()
    {
        MediaSoundPlayer player(kBuiltIn);
        bool answered = false;
        {
            QObject context;
            player.check(kBuiltIn, &context, [&](const QString &) { answered = true; });
        }
        QTest::qWait(500);
        QVERIFY(!answered);
    }
};

QTEST_GUILESS_MAIN(TestSoundCheck)
#include "test_sound_check.moc"
