// The real program on the virtual desktop: its main window comes up with the
// reminders of its folder, on the screen whatever the scale and font, and
// closing it ends the program cleanly.
#include "config/Translations.h"
#include "tests/e2e/Desktop.h"

#include "tests/support/TempFolder.h"

#include <QFile>
#include <QKeySequence>
#include <QRegularExpression>
#include <QTest>

using namespace vestrona::e2e;
using vestrona::test::TempFolder;

namespace {

// The system's fonts, with DejaVu Sans, a wide one, wherever Arial is asked for.
const QByteArray kWideFontConfig = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <match target="pattern">
    <test name="family"><string>Arial</string></test>
    <edit name="family" mode="assign" binding="strong"><string>DejaVu Sans</string></edit>
  </match>
</fontconfig>
)";

} // namespace

class MainWindowEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(missingDesktop().isEmpty(), qPrintable(missingDesktop()));
    }

    void showsTheMainWindowAndEndsWhenItIsClosed()
    {
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        const QDateTime tomorrow = QDateTime::currentDateTime().addDays(1);
        QVERIFY(!folder.addOnce(tomorrow, QStringLiteral("Dentist at nine")).isEmpty());
        QCOMPARE(folder.cli({"add", "--option", "daily", "--date", "2025-03-01", "--time", "07:30", "Take the pills"}).exitCode, 0);
        QCOMPARE(folder.cli({"add", "--option", "weekly", "--date", "2025-03-03", "--time", "18:00", "--days", "Mon,Wed",
                             "Choir practice"}).exitCode, 0);

        RunningProgram program(folder);
        QVERIFY(program.isRunning());
        const QString window = waitForWindow(program.pid(), QStringLiteral("^Vestrona$"), 20000);
        QVERIFY2(!window.isEmpty(), qPrintable(QStringLiteral("no main window; stderr: ") + program.errorOutput()));
        const WindowInfo info = windowInfo(window);
        QVERIFY(info.viewable);
        QCOMPARE(info.geometry.size(), QSize(536, 607));
        QTRY_COMPARE_WITH_TIMEOUT(trayIconsOf(program.pid()).size(), 1, 10000);
        QVERIFY(saveScreenshot(window, screenshotPath(QStringLiteral("screenshot-main-window.png"))));

        // Through the window manager, as the title bar's close button does.
        QVERIFY2(program.closeThroughWindowManager(window), "the program did not end after its main window was closed");
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(trayIconsOf(program.pid()).isEmpty());
        QVERIFY(!windowInfo(window).exists);
    }

    // On the virtual desktop's 1280x800 screen at the scale factors and with
    // the wide font a desktop may set: the window comes up whole on the
    // screen, title bar and all (at a scale of 2 its controls scroll). The
    // screenshots are for a person to look at.
    void placedOnTheScreen_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("screenshot");
        QTest::newRow("scale 1") << QString() << QString() << QString() << QStringLiteral("screenshot-fit-scale-1.png");
        QTest::newRow("scale 2") << QStringLiteral("QT_SCALE_FACTOR") << QStringLiteral("2") << QString()
                                 << QStringLiteral("screenshot-fit-scale-2.png");
        QTest::newRow("wide font") << QStringLiteral("FONTCONFIG_FILE") << QStringLiteral("<wide>") << QString()
                                   << QStringLiteral("screenshot-fit-wide-font.png");
        // Every language where room is scarcest, Polish with the wide font too.
        for (const QString &language : QStringLiteral(VESTRONA_LANGUAGES).split(QLatin1Char(',')))
            QTest::newRow(qPrintable(language + QStringLiteral(" at scale 2")))
                << QStringLiteral("QT_SCALE_FACTOR") << QStringLiteral("2") << language
                << QStringLiteral("screenshot-fit-scale-2-%1.png").arg(language);
        QTest::newRow("Polish with the wide font") << QStringLiteral("FONTCONFIG_FILE") << QStringLiteral("<wide>")
                                                   << QStringLiteral("pl")
                                                   << QStringLiteral("screenshot-fit-wide-font-pl.png");
    }

    void placedOnTheScreen()
    {
        QFETCH(QString, variable);
        QFETCH(QString, value);
        QFETCH(QString, language);
        QFETCH(QString, screenshot);
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        QProcessEnvironment environment;
        TempFolder fonts;
        if (value == QLatin1String("<wide>")) {
            // The desktop's font in place of the narrow Arial the windows ask for.
            value = fonts.file(QStringLiteral("fonts.conf"));
            QFile conf(value);
            QVERIFY(conf.open(QIODevice::WriteOnly));
            conf.write(kWideFontConfig);
        }
        if (!variable.isEmpty())
            environment.insert(variable, value);
        // The keys and titles to look for are the language's own.
        vestrona::Translations translations;
        if (!language.isEmpty()) {
            environment.insert(QStringLiteral("LANGUAGE"), language);
            QVERIFY(!translations.install(QLocale(language), {QStringLiteral(VESTRONA_BUILD_TRANSLATIONS)}, QString())
                         .isEmpty());
        }
        RunningProgram program(folder, environment);
        const QString window = waitForWindow(program.pid(), QStringLiteral("^Vestrona$"), 20000);
        QVERIFY2(!window.isEmpty(), qPrintable(program.errorOutput()));
        QTest::qWait(500);
        QVERIFY2(wholeOnTheScreen(window), qPrintable(placement(window)));
        QVERIFY(saveScreenshot(QStringLiteral("root"), screenshotPath(screenshot)));

        // The windows it opens, over it, each closed again with Escape.
        const struct {
            QString keys;
            QString title;
            const char *name;
        } opened[] = {{QStringLiteral("ctrl+n"), translated("Form3", "Reminder"), "editor-"},
                      {altKey(translated("Form1", "Calendar s&ync…")), translated("SyncDialog", "Calendar sync"), "sync-"},
                      {altKey(translated("Form1", "Set Date &Format")), translated("Form4", "Set Date Format"), "date-format-"}};
        for (const auto &dialog : opened) {
            QVERIFY(pressKey(window, dialog.keys));
            const QString id = waitForWindow(program.pid(), QLatin1Char('^') + QRegularExpression::escape(dialog.title) + QLatin1Char('$'), 10000);
            QVERIFY2(!id.isEmpty(), qPrintable(dialog.title));
            QTest::qWait(500);
            QVERIFY2(wholeOnTheScreen(id), qPrintable(placement(id)));
            QVERIFY(saveScreenshot(QStringLiteral("root"), screenshotPath(QString::fromLatin1(dialog.name) + screenshot)));
            QVERIFY(pressKey(id, QStringLiteral("Escape")));
            QVERIFY(waitUntilHidden(id));
        }
    }

private:
    static QString translated(const char *context, const char *text) { return QCoreApplication::translate(context, text); }
    // xdotool's name for Alt and the caption's underlined letter.
    static QString altKey(const QString &caption)
    {
        return QStringLiteral("alt+") + QKeySequence::mnemonic(caption).toString().section(QLatin1Char('+'), -1).toLower();
    }
    static bool wholeOnTheScreen(const QString &window)
    {
        return QRect(0, 0, 1280, 800).contains(windowInfo(window).frame);
    }
    static QString placement(const QString &window)
    {
        const QRect frame = windowInfo(window).frame;
        return QStringLiteral("%1x%2 at %3,%4 leaves the screen")
            .arg(frame.width())
            .arg(frame.height())
            .arg(frame.left())
            .arg(frame.top());
    }
};

QTEST_GUILESS_MAIN(MainWindowEndToEnd)
#include "test_e2e_main_window.moc"
