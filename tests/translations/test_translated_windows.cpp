// Every window in every language the program ships: each text shown whole,
// a key of its own for each control, Tab in reading order, and a picture of
// it under build/.
#include "config/Translations.h"
#include "formats/DateFormats.h"
#include "scheduler/MissedReport.h"
#include "tests/support/AppFixture.h"
#include "tests/support/Mnemonics.h"
#include "tests/support/WholeText.h"
#include "ui/Form2.h"
#include "ui/MissedWindow.h"
#include "ui/PasswordQuestion.h"
#include "ui/RepeatDialog.h"
#include "ui/SyncDialog.h"
#include "ui/WindowLook.h"

#include <QAction>
#include <QDialog>
#include <QInputDialog>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

using namespace vestrona;
using namespace vestrona::test;

namespace {

void saveShot(QWidget &window, const QString &name, const QString &language)
{
    const QString path = QStringLiteral(VESTRONA_BUILD_DIR "/screenshot-%1-%2.png").arg(name, language);
    if (!window.grab().save(path))
        qWarning("cannot save %s", qPrintable(path));
}

// Where Tab leads against the reading order: each control Tab reaches must
// lie below the one before it, or on its row to the right.
QStringList focusOrderProblems(QWidget &window)
{
    QStringList problems;
    QRect previous;
    QString previousName;
    QWidget *w = &window;
    do {
        w = w->nextInFocusChain();
        if (w == &window || !(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(&window) || !w->isEnabled()
            || w->window() != &window)
            continue;
        const QRect r(w->mapTo(&window, QPoint(0, 0)), w->size());
        const bool sameRow
            = std::abs(r.center().y() - previous.center().y()) < std::min(r.height(), previous.height()) / 2;
        if (previous.isValid() && (sameRow ? r.left() < previous.left() : r.top() < previous.top()))
            problems << QStringLiteral("Tab leads from %1 back to %2").arg(previousName, w->objectName());
        previous = r;
        previousName = w->objectName();
    } while (w != &window);
    return problems;
}

// What keeps a window from showing all of its words with a key for each.
QStringList windowProblems(QWidget &window, const QString &name, const QString &language)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return {name + QStringLiteral(" was never shown")};
    QTest::qWait(20);
    saveShot(window, name, language);
    QStringList problems = wholeTextProblems(window) + mnemonicProblems(window) + focusOrderProblems(window);
    for (QString &problem : problems)
        problem.prepend(name + QStringLiteral(": "));
    return problems;
}

} // namespace

class TestTranslatedWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyProgramLook(); }

    void everyWindowShowsItsWholeText_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << "en";
        for (const QString &language : QStringLiteral(VESTRONA_LANGUAGES).split(QLatin1Char(',')))
            QTest::newRow(qPrintable(language)) << language;
    }
    void everyWindowShowsItsWholeText()
    {
        QFETCH(QString, language);
        Translations translations;
        const QString used = translations.install(QLocale(language), {QStringLiteral(VESTRONA_BUILD_TRANSLATIONS)},
                                                  Translations::qtFolder());
        QCOMPARE(used.isEmpty(), language == QLatin1String("en"));

        AppFixture h;
        h.makeProgramFolder();
        QStringList problems;
        h.user = [&](QDialog &dialog) {
            problems << windowProblems(dialog, dialog.objectName(), language);
            dialog.reject();
        };
        QVERIFY(h.start());
        Form1 &f = *h.form;
        problems << windowProblems(f, QStringLiteral("main"), language);
        // The interval rows whole, without a scroll bar.
        const auto *intervals = f.findChild<QTreeWidget *>(QStringLiteral("ListView2"));
        QVERIFY(!intervals->verticalScrollBar()->isVisible());
        for (int row = 0; row < intervals->topLevelItemCount(); ++row) {
            const QString text = intervals->topLevelItem(row)->text(0);
            if (intervals->fontMetrics().horizontalAdvance(text) + 8 > intervals->viewport()->width())
                problems << QStringLiteral("main: \"%1\" is cut").arg(text);
        }
        // The countdown with days in it.
        f.setFrameCaption(QCoreApplication::translate("AlarmScheduler", "Next alarm will play in ")
                          + FormatCountdown(12 * 86400 + 3599));
        problems << wholeTextProblems(f);

        h.click("PushButton1"); // the editor
        h.click("PushButton7"); // the date format

        f.reportMissed({{QStringLiteral("Dentist"), snoozedRuleText(), 3, QDate(2026, 12, 7), QTime(8, 0)}}, 4);
        problems << windowProblems(*f.missedWindow(), QStringLiteral("missed"), language);

        f.findChild<QPushButton *>(QStringLiteral("PushButton10"))->click();
        problems << windowProblems(*f.syncDialog(), QStringLiteral("sync"), language);

        Form2 popup(h.program.path(), h.reporter);
        popup.setAlarm({QStringLiteral("Tea"),
                        QCoreApplication::translate("AlarmScheduler", "Snoozed until")
                            + QStringLiteral(" Wednesday, 29 December 2027 12:59:59 PM"),
                        11});
        problems << windowProblems(popup, QStringLiteral("popup"), language);

        // The longest of the repeat dialog's choices: the last weekday of
        // every second month, ending on a date.
        RepeatDialog repeat(nullptr);
        RuleParts parts;
        parts.interval = 2;
        parts.ordinal = -1;
        parts.weekday = RuleParts::kAnyWeekday;
        parts.end = RuleParts::End::OnDate;
        parts.until = QDate(2027, 12, 31);
        repeat.setParts(parts);
        problems << windowProblems(repeat, QStringLiteral("repeat"), language);

        PasswordQuestion password;
        password.askPassword({QUrl(QStringLiteral("https://dav.example.org/alice/reminders/")), QStringLiteral("alice"), {}},
                             PasswordPrompt::Reason::Refused, [](const QString &) {});
        problems << windowProblems(*password.openQuestion(), QStringLiteral("password"), language);
        password.openQuestion()->reject();

        for (const QString &problem : mnemonicProblems(*h.tray->contextMenu))
            problems << QStringLiteral("tray menu: ") + problem;
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTranslatedWindows)
#include "test_translated_windows.moc"
