#include "ui/Form2.h"
#include "tests/support/Mnemonics.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vestrona;
using namespace vestrona::test;
using Outcome = AlarmPopup::Outcome;

namespace {

// Acts on the pop-up once it is shown modally.
void whenShown(const std::function<void(Form2 &)> &act)
{
    QTimer::singleShot(0, [act] {
        auto *form = qobject_cast<Form2 *>(QApplication::activeModalWidget());
        QVERIFY(form);
        act(*form);
    });
}

} // namespace

class TestForm2 : public QObject {
    Q_OBJECT

private slots:
    void looksAsDesigned()
    {
        TempFolder folder;
        RecordingReporter reporter;
        Form2 form(folder.path(), reporter);
        form.setAlarm({QStringLiteral("Call the dentist"), QStringLiteral("Due 12/07/2026 9:00:00 AM"), 0});
        QCOMPARE(form.windowTitle(), QStringLiteral(" Reminder"));
        QCOMPARE(form.size(), QSize(536, 248));
        QVERIFY(!(form.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(form.windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(form.Text1->toPlainText(), QStringLiteral("Call the dentist"));
        QVERIFY(form.Text1->isReadOnly());
        QCOMPARE(form.Text1->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(form.PushButton1->text().remove(QLatin1Char('&')), QStringLiteral("Snooze"));
        QCOMPARE(form.PushButton2->text().remove(QLatin1Char('&')), QStringLiteral("Stop"));
        QCOMPARE(mnemonicProblems(form), QStringList());
        QCOMPARE(form.PushButton1->geometry(), QRect(8, 214, 256, 27));
        QCOMPARE(form.PushButton2->geometry(), QRect(272, 214, 256, 27));
        QCOMPARE(form.PushButton1->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(form.LabelDue->text(), QStringLiteral("Due 12/07/2026 9:00:00 AM"));
        // Nothing waits behind it: no count.
        QCOMPARE(form.LabelWaiting->text(), QString());
        QVERIFY(reporter.boxes.isEmpty());
    }

    // The due moment and the count of alarms in line show whole, under the
    // message, the longest words a due moment takes included.
    void showsWhenDueAndWhatWaits()
    {
        TempFolder folder;
        RecordingReporter reporter;
        Form2 form(folder.path(), reporter);
        const QString due = QStringLiteral("Snoozed until Wednesday, 29 December 2027 12:59:59 PM");
        form.setAlarm({QStringLiteral("Tea"), due, 11});
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.LabelWaiting->text(), QStringLiteral("1 of 12"));
        for (const QLabel *label : {form.LabelDue, form.LabelWaiting}) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->text() + QStringLiteral(" is cut")));
            QVERIFY(!label->geometry().intersects(form.Text1->geometry()));
            QVERIFY(!label->geometry().intersects(form.PushButton1->geometry()));
        }
    }

    // A window manager that minimizes it anyway gets it straight back.
    void cannotBeMinimizedWhileShown()
    {
        TempFolder folder;
        RecordingReporter reporter;
        Form2Popup popup(folder.path(), reporter);
        bool cameBack = false;
        whenShown([&](Form2 &form) {
            form.setWindowState(Qt::WindowMinimized);
            cameBack = QTest::qWaitFor([&] { return form.isVisible() && !form.isMinimized(); }, 5000);
            QTest::mouseClick(form.PushButton2, Qt::LeftButton);
        });
        QCOMPARE(popup.showModal({QStringLiteral("Tea"), QString(), 0}), Outcome::Stop);
        QVERIFY(cameBack);
    }

    void answers_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("Snooze") << 1 << Outcome::Snooze;
        QTest::newRow("Stop") << 2 << Outcome::Stop;
        QTest::newRow("Esc closes without an answer") << 0 << Outcome::Closed;
        QTest::newRow("Enter in the message answers nothing") << 3 << Outcome::Closed;
    }

    void answers()
    {
        QFETCH(int, action);
        QFETCH(Outcome, outcome);
        TempFolder folder;
        RecordingReporter reporter;
        Form2Popup popup(folder.path(), reporter);
        bool shownOnTop = false;
        whenShown([&](Form2 &form) {
            shownOnTop = form.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            QCOMPARE(form.Text1->toPlainText(), QStringLiteral("Tea"));
            switch (action) {
            case 1:
                QTest::mouseClick(form.PushButton1, Qt::LeftButton);
                break;
            case 2:
                QTest::mouseClick(form.PushButton2, Qt::LeftButton);
                break;
            case 3:
                form.Text1->setFocus();
                QTest::keyClick(form.Text1, Qt::Key_Return);
                QVERIFY(form.isVisible());
                QTest::keyClick(&form, Qt::Key_Escape);
                break;
            default:
                QTest::keyClick(&form, Qt::Key_Escape);
                break;
            }
        });
        QCOMPARE(popup.showModal({QStringLiteral("Tea"), QString(), 0}), outcome);
        QVERIFY(shownOnTop);
    }

    void handCursorFromTheProgramFolder()
    {
        TempFolder folder;
        QImage hand(32, 32, QImage::Format_ARGB32);
        hand.fill(Qt::black);
        QVERIFY(hand.save(folder.file(QStringLiteral("HAND-M.CUR")), "ICO"));
        RecordingReporter reporter;
        Form2 form(folder.path(), reporter);
        QCOMPARE(form.PushButton1->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(form.PushButton2->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(form.Text1->viewport()->cursor().shape(), Qt::IBeamCursor);
        QVERIFY(reporter.boxes.isEmpty());
    }

    void unreadableCursorIsReportedAndIgnored()
    {
        TempFolder folder;
        QFile bad(folder.file(QStringLiteral("HAND-M.CUR")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a cursor");
        bad.close();
        RecordingReporter reporter;
        Form2 form(folder.path(), reporter);
        QCOMPARE(reporter.errors().size(), 1);
        QCOMPARE(reporter.errors().first().location, QStringLiteral("Form2.Form_Load"));
        QCOMPARE(form.PushButton1->cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(TestForm2)
#include "test_form2.moc"
