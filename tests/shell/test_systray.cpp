#include "shell/TrayMinimizer.h"
#include "shell/cSysTray.h"
#include "tests/support/RecordingTrayBackend.h"

#include <QPixmap>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace vestrona;
using vestrona::test::RecordingTrayBackend;

namespace {

QIcon blueIcon()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::blue);
    return QIcon(pm);
}

// A tray control with a recording backend and a waiter that returns at once
// unless the test tells it to do something.
struct Fixture {
    RecordingTrayBackend *backend = new RecordingTrayBackend;
    cSysTray tray{std::unique_ptr<TrayBackend>(backend)};
    QList<int> waits;
    std::function<void()> duringWait;

    Fixture()
    {
        tray.setBalloonWaiter([this](int ms, const std::function<bool()> &stillShown) {
            waits.append(ms);
            if (duringWait && stillShown())
                duringWait();
        });
    }
};

} // namespace

class TestSysTray : public QObject {
    Q_OBJECT
private slots:
    void addUsesStoredTipAndIcon();
    void emptyTipAddsWithoutTooltip();
    void sameInTrayValueDoesNothing();
    void removingSendsDeleteAndStopsNotifications();
    void nullIconChangesNothing();
    void iconAndTipModifyWhileShown();
    void textFieldsAreCut_data();
    void textFieldsAreCut();
    void cutKeepsSurrogatePairsWhole();
    void showOnceBalloonOnlyOnce();
    void zeroTimerReturnsAtOnce_data();
    void zeroTimerReturnsAtOnce();
    void balloonClickEndsWait();
    void fullTimeTakesBalloonDown();
    void eventLoopWaitEndsOnClose();
    void destroyedDuringWait();
    void mouseEvents_data();
    void mouseEvents();
    void doubleClickOrder();
    void destructorRemovesIcon();
    void minimizeRule_data();
    void minimizeRule();
    void minimizedBalloon();
};

void TestSysTray::addUsesStoredTipAndIcon()
{
    Fixture f;
    QSignalSpy changed(&f.tray, &cSysTray::propertyChanged);
    f.tray.setTrayTip(QStringLiteral("Vestrona"));
    f.tray.setTrayIcon(blueIcon());
    QVERIFY(f.backend->calls.isEmpty());
    QCOMPARE(changed.count(), 2);

    f.tray.setInTray(true);
    QCOMPARE(f.backend->calls.size(), 1);
    const auto &add = f.backend->calls.first();
    QCOMPARE(add.message, NIM_ADD);
    QCOMPARE(add.data.uFlags, NIF_ICON | NIF_TIP);
    QCOMPARE(add.data.szTip, QStringLiteral("Vestrona"));
    QVERIFY(!add.data.hIcon.isNull());
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.last().first().toString(), QStringLiteral("InTray"));
}

void TestSysTray::emptyTipAddsWithoutTooltip()
{
    Fixture f;
    QCOMPARE(f.tray.TrayTip(), QStringLiteral("Telnet Server"));
    f.tray.setTrayTip(QString());
    f.tray.setInTray(true);
    QCOMPARE(f.backend->calls.size(), 1);
    QCOMPARE(f.backend->calls.first().data.uFlags, 0u);
    QVERIFY(f.backend->calls.first().data.szTip.isEmpty());
}

void TestSysTray::sameInTrayValueDoesNothing()
{
    Fixture f;
    QSignalSpy changed(&f.tray, &cSysTray::propertyChanged);
    f.tray.setInTray(false);
    QVERIFY(f.backend->calls.isEmpty());
    QCOMPARE(changed.count(), 0);

    f.tray.setInTray(true);
    f.tray.setInTray(true);
    QCOMPARE(f.backend->calls.size(), 1);
    QCOMPARE(changed.count(), 1);
}

void TestSysTray::removingSendsDeleteAndStopsNotifications()
{
    Fixture f;
    QSignalSpy ups(&f.tray, &cSysTray::MouseUp);
    f.tray.setInTray(true);
    f.tray.setInTray(false);
    QCOMPARE(f.backend->calls.size(), 2);
    QCOMPARE(f.backend->calls.last().message, NIM_DELETE);
    QCOMPARE(f.backend->calls.last().data.uFlags, 0u);
    QVERIFY(!f.tray.InTray());

    f.backend->activate(QSystemTrayIcon::Trigger);
    QCOMPARE(ups.count(), 0);

    // Taken out and put back: notifications flow again.
    f.tray.setInTray(true);
    f.backend->activate(QSystemTrayIcon::Trigger);
    QCOMPARE(ups.count(), 1);
}

void TestSysTray::nullIconChangesNothing()
{
    Fixture f;
    const QIcon icon = blueIcon();
    f.tray.setTrayIcon(icon);
    f.tray.setInTray(true);
    const auto before = f.backend->calls.size();
    QSignalSpy changed(&f.tray, &cSysTray::propertyChanged);

    f.tray.setTrayIcon(QIcon());
    QCOMPARE(f.backend->calls.size(), before);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(f.tray.TrayIcon().cacheKey(), icon.cacheKey());
}

void TestSysTray::iconAndTipModifyWhileShown()
{
    Fixture f;
    f.tray.setInTray(true);
    f.tray.setTrayIcon(blueIcon());
    f.tray.setTrayTip(QString());
    QCOMPARE(f.backend->calls.size(), 3);
    const auto &icon = f.backend->calls.at(1);
    QCOMPARE(icon.message, NIM_MODIFY);
    QCOMPARE(icon.data.uFlags, NIF_ICON);
    QVERIFY(!icon.data.hIcon.isNull());
    const auto &tip = f.backend->calls.at(2);
    QCOMPARE(tip.message, NIM_MODIFY);
    QCOMPARE(tip.data.uFlags, NIF_TIP);
    QVERIFY(tip.data.szTip.isEmpty());
}

void TestSysTray::textFieldsAreCut_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("fits") << 50;
    QTest::newRow("exactly full") << 127;
    QTest::newRow("one over the tip") << 128;
    QTest::newRow("over all fields") << 400;
}

void TestSysTray::textFieldsAreCut()
{
    QFETCH(int, length);
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(u'a' + i % 26);

    Fixture f;
    f.tray.setTrayTip(text);
    f.tray.setInTray(true);
    f.tray.setTrayTip(text);
    f.tray.ShowBalloon(text, text, 0, false);
    QCOMPARE(f.backend->calls.size(), 3);
    QCOMPARE(f.backend->calls.at(0).data.szTip, text.left(127));
    QCOMPARE(f.backend->calls.at(1).data.szTip, text.left(127));
    QCOMPARE(f.backend->calls.at(2).data.szInfo, text.left(255));
    QCOMPARE(f.backend->calls.at(2).data.szInfoTitle, text.left(63));
    // The control keeps the whole text; only the record is cut.
    QCOMPARE(f.tray.TrayTip(), text);
}

void TestSysTray::cutKeepsSurrogatePairsWhole()
{
    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E");
    const QString text = QString(62, QLatin1Char('x')) + clef;
    QCOMPARE(cutToField(text, 63), QString(62, QLatin1Char('x')));
    QCOMPARE(cutToField(text, 64), text);
}

void TestSysTray::showOnceBalloonOnlyOnce()
{
    Fixture f;
    f.tray.setInTray(true);
    f.tray.ShowBalloon(QStringLiteral("free"), QStringLiteral("t"), 0, false);
    QCOMPARE(f.tray.BalloonCount(), 0);
    f.tray.ShowBalloon(QStringLiteral("first"), QStringLiteral("t"), 0, true);
    f.tray.ShowBalloon(QStringLiteral("second"), QStringLiteral("t"), 0, true);
    QCOMPARE(f.tray.BalloonCount(), 1);
    // Balloons that are not show-once still show after it.
    f.tray.ShowBalloon(QStringLiteral("again"), QStringLiteral("t"), 0, false);

    QStringList shown;
    for (const auto &c : f.backend->calls)
        if (c.data.uFlags & NIF_INFO)
            shown << c.data.szInfo;
    QCOMPARE(shown, (QStringList{"free", "first", "again"}));
}

void TestSysTray::zeroTimerReturnsAtOnce_data()
{
    QTest::addColumn<int>("timer");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -3;
}

void TestSysTray::zeroTimerReturnsAtOnce()
{
    QFETCH(int, timer);
    Fixture f;
    f.tray.setInTray(true);
    f.tray.ShowBalloon(QStringLiteral("tip"), QStringLiteral("title"), timer, false);
    QVERIFY(f.waits.isEmpty());
    QCOMPARE(f.backend->calls.size(), 2);
    const auto &balloon = f.backend->calls.last();
    QCOMPARE(balloon.message, NIM_MODIFY);
    QCOMPARE(balloon.data.uFlags, NIF_INFO);
    QCOMPARE(balloon.data.uTimeout, 0u);
    QVERIFY(f.tray.BalloonShown());
}

void TestSysTray::balloonClickEndsWait()
{
    Fixture f;
    f.tray.setInTray(true);
    f.duringWait = [&] { f.backend->clickBalloon(); };
    f.tray.ShowBalloon(QStringLiteral("tip"), QStringLiteral("title"), 5, false);
    QCOMPARE(f.waits, QList<int>{5000});
    QCOMPARE(f.backend->calls.last().data.uTimeout, 5000u);
    QCOMPARE(f.backend->calls.last().data.szInfo, QStringLiteral("tip"));
    QVERIFY(!f.tray.BalloonShown());
}

void TestSysTray::fullTimeTakesBalloonDown()
{
    Fixture f;
    f.tray.setInTray(true);
    f.tray.ShowBalloon(QStringLiteral("tip"), QStringLiteral("title"), 2, false);
    QCOMPARE(f.waits, QList<int>{2000});
    QCOMPARE(f.backend->calls.size(), 3);
    const auto &clear = f.backend->calls.last();
    QCOMPARE(clear.message, NIM_MODIFY);
    QCOMPARE(clear.data.uFlags, NIF_INFO);
    QVERIFY(clear.data.szInfo.isEmpty());
    QVERIFY(clear.data.szInfoTitle.isEmpty());
    QVERIFY(f.tray.BalloonShown());
}

void TestSysTray::eventLoopWaitEndsOnClose()
{
    // The real wait: other events run during it, and a click on the balloon
    // releases the caller long before the five seconds.
    auto *backend = new RecordingTrayBackend;
    cSysTray tray{std::unique_ptr<TrayBackend>(backend)};
    tray.setInTray(true);
    bool timerRan = false;
    QTimer::singleShot(0, &tray, [&] {
        timerRan = true;
        backend->clickBalloon();
    });
    tray.ShowBalloon(QStringLiteral("tip"), QStringLiteral("title"), 5, false);
    QVERIFY(timerRan);
    QCOMPARE(backend->calls.size(), 2);
    QVERIFY(!tray.BalloonShown());
}

void TestSysTray::destroyedDuringWait()
{
    auto *backend = new RecordingTrayBackend;
    auto *tray = new cSysTray{std::unique_ptr<TrayBackend>(backend)};
    QPointer<cSysTray> watch(tray);
    tray->setInTray(true);
    tray->setBalloonWaiter([tray](int, const std::function<bool()> &stillShown) {
        delete tray;
        QVERIFY(!stillShown());
    });
    tray->ShowBalloon(QStringLiteral("tip"), QStringLiteral("title"), 5, false);
    QVERIFY(watch.isNull());
}

void TestSysTray::mouseEvents_data()
{
    QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("left click") << QSystemTrayIcon::Trigger << QStringList{"down 1 0", "up 1 0"};
    QTest::newRow("right click") << QSystemTrayIcon::Context << QStringList{"down 2 0", "up 2 0"};
    QTest::newRow("double click") << QSystemTrayIcon::DoubleClick << QStringList{"dbl 1 0", "up 1 0"};
    QTest::newRow("middle click") << QSystemTrayIcon::MiddleClick << QStringList{};
    QTest::newRow("unknown") << QSystemTrayIcon::Unknown << QStringList{};
}

void TestSysTray::mouseEvents()
{
    QFETCH(QSystemTrayIcon::ActivationReason, reason);
    QFETCH(QStringList, events);

    Fixture f;
    QStringList seen;
    QObject::connect(&f.tray, &cSysTray::MouseMove, [&](int id) { seen << QStringLiteral("move %1").arg(id); });
    QObject::connect(&f.tray, &cSysTray::MouseDown, [&](int b, int id) { seen << QStringLiteral("down %1 %2").arg(b).arg(id); });
    QObject::connect(&f.tray, &cSysTray::MouseUp, [&](int b, int id) { seen << QStringLiteral("up %1 %2").arg(b).arg(id); });
    QObject::connect(&f.tray, &cSysTray::MouseDblClick, [&](int b, int id) { seen << QStringLiteral("dbl %1 %2").arg(b).arg(id); });
    f.tray.setInTray(true);
    f.backend->activate(reason);
    QCOMPARE(seen, events);
}

void TestSysTray::doubleClickOrder()
{
    Fixture f;
    QStringList seen;
    QObject::connect(&f.tray, &cSysTray::MouseDown, [&](int b, int) { seen << QStringLiteral("down %1").arg(b); });
    QObject::connect(&f.tray, &cSysTray::MouseUp, [&](int b, int) { seen << QStringLiteral("up %1").arg(b); });
    QObject::connect(&f.tray, &cSysTray::MouseDblClick, [&](int b, int) { seen << QStringLiteral("dbl %1").arg(b); });
    f.tray.setInTray(true);
    // Qt reports the first click of a double click as a click of its own.
    f.backend->activate(QSystemTrayIcon::Trigger);
    f.backend->activate(QSystemTrayIcon::DoubleClick);
    QCOMPARE(seen, (QStringList{"down 1", "up 1", "dbl 1", "up 1"}));
}

void TestSysTray::destructorRemovesIcon()
{
    QList<RecordingTrayBackend::Call> shown;
    QList<RecordingTrayBackend::Call> neverShown;
    {
        auto *backend = new RecordingTrayBackend;
        backend->log = &shown;
        cSysTray tray{std::unique_ptr<TrayBackend>(backend)};
        tray.setInTray(true);
    }
    {
        auto *backend = new RecordingTrayBackend;
        backend->log = &neverShown;
        cSysTray tray{std::unique_ptr<TrayBackend>(backend)};
    }
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.last().message, NIM_DELETE);
    QVERIFY(neverShown.isEmpty());
}

void TestSysTray::minimizeRule_data()
{
    QTest::addColumn<bool>("minimized");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<bool>("available");
    QTest::addColumn<bool>("expected");
    QTest::newRow("minimized, visible, tray") << true << false << true << true;
    QTest::newRow("already hidden") << true << true << true << false;
    QTest::newRow("not minimized") << false << false << true << false;
    QTest::newRow("no tray on this desktop") << true << false << false << false;
}

void TestSysTray::minimizeRule()
{
    QFETCH(bool, minimized);
    QFETCH(bool, hidden);
    QFETCH(bool, available);
    QFETCH(bool, expected);
    QCOMPARE(shouldHideIntoTray(minimized, hidden, available), expected);
}

void TestSysTray::minimizedBalloon()
{
    Fixture f;
    f.tray.setInTray(true);
    showMinimizedBalloon(f.tray);
    showMinimizedBalloon(f.tray);
    QCOMPARE(f.waits, QList<int>{5000});
    QCOMPARE(f.backend->calls.size(), 3); // add, balloon, take-down
    const auto &balloon = f.backend->calls.at(1).data;
    QCOMPARE(balloon.szInfoTitle, QStringLiteral("Vestrona"));
    QVERIFY(balloon.szInfo.startsWith(QStringLiteral("has been minimized to the system tray.\r\n")));
    QVERIFY(balloon.szInfo.contains(QStringLiteral("blue icon")));
    QCOMPARE(balloon.uTimeout, 5000u);
    QCOMPARE(f.tray.BalloonCount(), 1);
}

QTEST_MAIN(TestSysTray)
#include "test_systray.moc"
