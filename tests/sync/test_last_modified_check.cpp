#include "sync/LastModifiedCheck.h"

#include <QTest>

using namespace vestrona;
using Trust = LastModifiedRecord::Trust;

Q_DECLARE_METATYPE(Trust)

namespace {

const QDateTime kNow(QDate(2026, 12, 8), QTime(10, 0), Qt::UTC);
const QByteArray kTime = "Tue, 08 Dec 2026 09:30:03 GMT";

} // namespace

class TestLastModifiedCheck : public QObject {
    Q_OBJECT

private slots:
    void timeIsKeptOnceSettled_data()
    {
        QTest::addColumn<QByteArray>("lastModified");
        QTest::addColumn<QByteArray>("answerDate");
        QTest::addColumn<bool>("kept");
        QTest::newRow("two seconds later") << kTime << QByteArray("Tue, 08 Dec 2026 09:30:05 GMT") << true;
        QTest::newRow("a day later") << kTime << QByteArray("Wed, 09 Dec 2026 09:30:00 GMT") << true;
        QTest::newRow("the next second") << kTime << QByteArray("Tue, 08 Dec 2026 09:30:04 GMT") << false;
        QTest::newRow("the same second") << kTime << kTime << false;
        QTest::newRow("a time ahead of the answer") << kTime << QByteArray("Tue, 08 Dec 2026 09:00:00 GMT") << false;
        QTest::newRow("no Date") << kTime << QByteArray() << false;
        QTest::newRow("no time") << QByteArray() << QByteArray("Tue, 08 Dec 2026 09:30:05 GMT") << false;
        // RFC 850's obsolete form: read by nothing here, so nothing is kept.
        QTest::newRow("obsolete form") << QByteArray("Tuesday, 08-Dec-26 09:30:03 GMT")
                                       << QByteArray("Tue, 08 Dec 2026 10:30:05 GMT") << false;
    }
    void timeIsKeptOnceSettled()
    {
        QFETCH(QByteArray, lastModified);
        QFETCH(QByteArray, answerDate);
        QFETCH(bool, kept);
        CalDavCollectionInfo info;
        info.lastModified = lastModified;
        info.answerDate = answerDate;
        QCOMPARE(LastModifiedCheck::settledTime(info), kept ? lastModified : QByteArray());
    }

    void timeAloneIsAskedOnlyWhenTrustedAndRecent_data()
    {
        QTest::addColumn<bool>("hasToken");
        QTest::addColumn<Trust>("trust");
        QTest::addColumn<int>("minutesSinceToken");
        QTest::addColumn<bool>("timeAlone");
        QTest::newRow("trusted, token asked 59 min ago") << true << Trust::Moves << 59 << true;
        QTest::newRow("an hour since the token") << true << Trust::Moves << 60 << false;
        QTest::newRow("clock set back past the last ask") << true << Trust::Moves << -5 << false;
        QTest::newRow("not yet seen to move") << true << Trust::Unknown << 1 << false;
        QTest::newRow("seen to stand") << true << Trust::Stays << 1 << false;
        QTest::newRow("no token saved") << false << Trust::Moves << 1 << false;
    }
    void timeAloneIsAskedOnlyWhenTrustedAndRecent()
    {
        QFETCH(bool, hasToken);
        QFETCH(Trust, trust);
        QFETCH(int, minutesSinceToken);
        QFETCH(bool, timeAlone);
        const LastModifiedCheck check({kTime, trust, kNow.addSecs(-60 * minutesSinceToken)}, kNow);
        QCOMPARE(check.mayAskTimeOnly(hasToken), timeAlone);
    }

    // Learnt only from a change the listing brought: a time that stayed
    // through one is never trusted again, even when it moves later.
    void trustIsLearntFromChanges()
    {
        CalDavCollectionInfo moved;
        moved.lastModified = "Tue, 08 Dec 2026 09:40:00 GMT";
        CalDavCollectionInfo same;
        same.lastModified = kTime;

        LastModifiedCheck check({kTime, Trust::Unknown, kNow}, kNow);
        check.learn(moved, false);
        QCOMPARE(check.learnt().trust, Trust::Unknown);
        check.learn(moved, true);
        QCOMPARE(check.learnt().trust, Trust::Moves);
        check.learn(same, true);
        QCOMPARE(check.learnt().trust, Trust::Stays);
        check.learn(moved, true);
        QCOMPARE(check.learnt().trust, Trust::Stays);
    }
};

QTEST_GUILESS_MAIN(TestLastModifiedCheck)
#include "test_last_modified_check.moc"
