// The program's message boxes show their whole text: long paths and long
// questions wrap inside the box, and the box stays on the screen. Run on the
// offscreen platform and, as an end-to-end test, on the virtual desktop with
// its window manager, where it also saves a picture of each box.
#include "ui/MessageBoxReporter.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace vestrona;

namespace {

enum class Kind { Message, Question, Error };

const QString kLongFolder = QStringLiteral(
    "/home/margaret.oyelaran-whitford/Documents/Programs/Reminder-tools/vestrona-2021-08-31-portable/bin/linux-x86_64");

// Why the open box does not show its whole text, or "" when it does.
QString textProblem(QMessageBox &box, const QString &expected)
{
    const auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    if (!label)
        return QStringLiteral("the box has no text label");
    QString shown = label->text();
    shown.remove(QChar(0x200B));
    if (shown != expected)
        return QStringLiteral("the box shows \"%1\"").arg(shown);

    const QRect room = label->contentsRect();
    const QRect needed =
        label->fontMetrics().boundingRect(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text());
    if (needed.width() > room.width() || needed.height() > room.height())
        return QStringLiteral("the text needs %1x%2 but the label has %3x%4")
            .arg(needed.width()).arg(needed.height()).arg(room.width()).arg(room.height());
    if (!box.rect().contains(label->geometry()))
        return QStringLiteral("the label reaches out of the box");
    const QRect screen = box.screen()->availableGeometry();
    if (box.frameGeometry().width() > screen.width() || box.frameGeometry().height() > screen.height())
        return QStringLiteral("the box is %1x%2 on a screen of %3x%4")
            .arg(box.frameGeometry().width()).arg(box.frameGeometry().height())
            .arg(screen.width()).arg(screen.height());
    return {};
}

void saveScreenshot(QMessageBox &box, const QString &name)
{
    const QRect frame = box.frameGeometry();
    const QPixmap picture = box.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    picture.save(QStringLiteral(VESTRONA_BUILD_DIR "/screenshot-messagebox-%1.png").arg(name));
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestMessageBox : public QObject {
    Q_OBJECT

private slots:
    void wholeTextShown_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        const QString missing = kLongFolder + QStringLiteral("/dbReminders.mdb not found");
        QTest::newRow("missing-database") << Kind::Message << missing << missing;
        const QString remove = QStringLiteral("Are you sure you want to delete Take the blue folder with the tax "
                                              "papers to the office before noon on Friday, and ask for a receipt?");
        QTest::newRow("delete") << Kind::Question << remove << remove;
        const QString overwrite = QStringLiteral("Are you sure you wish to overwrite ") + kLongFolder
            + QStringLiteral("/backups/reminders-2021-08-31.txt ?");
        QTest::newRow("overwrite") << Kind::Question << overwrite << overwrite;
        QTest::newRow("skipped")
            << Kind::Message
            << QStringLiteral("These reminders were not written to reminders-2021-08-31.txt, because their message "
                              "contains \"|;|\", which the backup file uses between its fields:\r\nPay the rent |;| "
                              "landlord\r\nCall the garage")
            << QStringLiteral("These reminders were not written to reminders-2021-08-31.txt, because their message "
                              "contains \"|;|\", which the backup file uses between its fields:\nPay the rent |;| "
                              "landlord\nCall the garage");
        const QString unreadable = QStringLiteral("The file %1/reminders.txt cannot be read: Permission denied.")
                                       .arg(kLongFolder);
        QTest::newRow("error") << Kind::Error << unreadable
                               << unreadable + QStringLiteral("\nin Vestrona2021/08/31.modReminder.LoadRemFromFile "
                                                              "at line 102\n\nPlease email screenshot of this "
                                                              "message to support@tolvane.example");
        // Too tall for the screen at the usual width: the box widens instead.
        QString many = QStringLiteral("These reminders were not written to reminders.txt, because their message "
                                      "contains \"|;|\", which the backup file uses between its fields:");
        for (int i = 1; i <= 30; ++i)
            many += QStringLiteral("\nReminder %1 |;| take the papers for the quarterly tax return to the office").arg(i);
        QTest::newRow("many-long-lines") << Kind::Message << many << many;
        const QString word = QString(60, QLatin1Char('x')) + QString(60, QLatin1Char('y')) + QString(60, QLatin1Char('z'));
        QTest::newRow("word-without-breaks") << Kind::Message << word << word;
    }

    void wholeTextShown()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        const bool onDesktop = QGuiApplication::platformName() != QLatin1String("offscreen");
        const QString name = QString::fromLatin1(QTest::currentDataTag());

        QString problem = QStringLiteral("no box was shown");
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            // With a window manager the box is measured once it is on the screen.
            if (onDesktop && QTest::qWaitForWindowExposed(box))
                QTest::qWait(300);
            problem = textProblem(*box, shown);
            if (onDesktop)
                saveScreenshot(*box, name);
            box->done(0);
        });
        MessageBoxReporter reporter;
        switch (kind) {
        case Kind::Message:
            reporter.showMessage(text, {});
            break;
        case Kind::Question:
            reporter.askYesNo(text, {});
            break;
        case Kind::Error:
            reporter.showError({text, QStringLiteral("modReminder.LoadRemFromFile"), 102});
            break;
        }
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
};

QTEST_MAIN(TestMessageBox)
#include "test_message_box.moc"
