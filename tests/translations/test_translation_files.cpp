#include "core/Reporter.h"
#include "database/Connection.h"
#include "filecommands/Backup.h"
#include "filecommands/ICalendar.h"
#include "tests/support/Files.h"
#include "tests/support/Process.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDatabase.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace vestrona;
using namespace vestrona::test;

namespace {

const QString kSourceDir = QStringLiteral(VESTRONA_SOURCE_DIR);
// The folders whose words reach the user, as translations/CMakeLists.txt lists them.
const QStringList kTranslatedFolders = {"core",  "recurrence", "formats", "database", "config", "filecommands", "scheduler",
                                        "sync",  "notify",     "control", "shell",    "ui",     "app",          "cli"};

QString tsFile(const QString &language)
{
    return kSourceDir + QStringLiteral("/translations/vestrona_") + language + QStringLiteral(".ts");
}

struct Message {
    QString context;
    QString source;
    QStringList forms; // one unless numerus
    bool numerus = false;
    QString type; // "unfinished", "obsolete", "vanished" or empty
};

QList<Message> readCatalogue(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message"))
            messages << current;
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            current = Message{
                context, {}, {}, xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes"), {}};
        } else if (xml.name() == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            current.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!current.numerus)
                current.forms << xml.readElementText();
        } else if (xml.name() == QLatin1String("numerusform")) {
            current.forms << xml.readElementText();
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return messages;
}

QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(\\d|n)"));
    QSet<QString> found;
    for (const QRegularExpressionMatch &m : marker.globalMatch(text))
        found << m.captured();
    return found;
}

// How many keys a caption offers: "&x" marks one, "&&" is a plain ampersand.
int mnemonicCount(const QString &text)
{
    int count = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        if (!text[i + 1].isSpace())
            ++count;
    }
    return count;
}

int pluralForms(const QString &language)
{
    // Polish tells one, a few (2–4, 22–24, …) and many apart.
    return language == QLatin1String("pl") ? 3 : 2;
}

QString lupdateInto(const QString &tsPath)
{
    QStringList arguments = {QStringLiteral("-silent"),      QStringLiteral("-locations"), QStringLiteral("none"),
                             QStringLiteral("-no-obsolete"), QStringLiteral("-I"),         kSourceDir};
    for (const QString &folder : kTranslatedFolders)
        arguments << kSourceDir + QLatin1Char('/') + folder;
    arguments << QStringLiteral("-ts") << tsPath;
    const ProcessResult result = runProcess(QStringLiteral(VESTRONA_LUPDATE), arguments);
    return result.exitCode == 0 ? QString() : result.err;
}

// Answers every text the catalogue holds under the context asked for with
// the text in brackets, and nothing else: a bracketed piece reached the user
// through a translator, found under the name the translators see.
class BracketingTranslator final : public QTranslator {
public:
    explicit BracketingTranslator(const QList<Message> &catalogue)
    {
        for (const Message &m : catalogue)
            mKnown.insert(m.context + QLatin1Char('\n') + m.source);
    }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        const QString text = QString::fromUtf8(source);
        return mKnown.contains(QString::fromUtf8(context) + QLatin1Char('\n') + text) ? u'[' + text + u']' : QString();
    }

private:
    QSet<QString> mKnown;
};

// The progress bar's texts and the boxes' in the order the user sees them.
class ShownTexts final : public ProgressSink, public Reporter {
public:
    void setProgress(int, const QString &text) override { texts << text; }
    void processEvents() override {}
    void showMessage(const QString &text, const QString &) override { texts << text; }
    Answer askYesNo(const QString &text, const QString &) override
    {
        texts << text;
        return Answer::Yes;
    }
    void showError(const ErrorReport &error) override { texts << error.description; }
    QStringList texts;
};

} // namespace

class TestTranslationFiles : public QObject {
    Q_OBJECT

private slots:
    void languages_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : QStringLiteral(VESTRONA_LANGUAGES).split(QLatin1Char(',')))
            QTest::newRow(qPrintable(language)) << language;
    }

    // Every entry translated, with the source's placeholders, one key where
    // the source has one, the language's plural forms and the line breaks
    // that start a text; lrelease agrees that nothing is left unfinished.
    void catalogueIsComplete_data() { languages_data(); }
    void catalogueIsComplete()
    {
        QFETCH(QString, language);
        const QList<Message> messages = readCatalogue(tsFile(language));
        QVERIFY(messages.size() > 100);
        QStringList problems;
        for (const Message &m : messages) {
            const QString where = m.context + QStringLiteral(" \"") + m.source + QStringLiteral("\": ");
            if (!m.type.isEmpty())
                problems << where + m.type;
            if (m.numerus && m.forms.size() != pluralForms(language))
                problems << where + QStringLiteral("%1 plural forms").arg(m.forms.size());
            for (const QString &form : m.forms) {
                if (form.trimmed().isEmpty())
                    problems << where + QStringLiteral("empty");
                QSet<QString> wanted = placeholders(m.source);
                QSet<QString> given = placeholders(form);
                // A plural form may spell the number out ("one calendar") only for one.
                if (m.numerus && !given.contains(QStringLiteral("%n")))
                    wanted.remove(QStringLiteral("%n"));
                if (given != wanted)
                    problems << where + QStringLiteral("placeholders differ in \"%1\"").arg(form);
                if (mnemonicCount(form) != mnemonicCount(m.source))
                    problems << where + QStringLiteral("keys differ in \"%1\"").arg(form);
                if (m.source.startsWith(QLatin1Char('\n')) != form.startsWith(QLatin1Char('\n')))
                    problems << where + QStringLiteral("line break differs in \"%1\"").arg(form);
            }
        }
        QCOMPARE(problems, QStringList());

        TempFolder folder;
        const ProcessResult released
            = runProcess(QStringLiteral(VESTRONA_LRELEASE),
                         {tsFile(language), QStringLiteral("-qm"), folder.file(QStringLiteral("x.qm"))});
        QCOMPARE(released.exitCode, 0);
        const QString summary
            = QStringLiteral("Generated %1 translation(s) (%1 finished and 0 unfinished)").arg(messages.size());
        QVERIFY2(released.out.contains(summary), qPrintable(released.out + released.err));
    }

    // lupdate run over today's sources finds no text that the catalogue
    // lacks and none it holds in vain: the catalogue is the sources' own.
    void catalogueFollowsTheSources_data() { languages_data(); }
    void catalogueFollowsTheSources()
    {
        QFETCH(QString, language);
        TempFolder folder;
        const QString copy = folder.file(QStringLiteral("vestrona_") + language + QStringLiteral(".ts"));
        QVERIFY(QFile::copy(tsFile(language), copy));
        QCOMPARE(lupdateInto(copy), QString());
        QFile original(tsFile(language));
        QFile updated(copy);
        QVERIFY(original.open(QIODevice::ReadOnly) && updated.open(QIODevice::ReadOnly));
        QVERIFY2(original.readAll() == updated.readAll(),
                 "the sources hold texts the catalogue lacks or lost some it holds: "
                 "cmake --build build --target update_translations");
    }

    // The menu entry and the software centre's summary speak each language
    // the program does.
    void desktopEntriesSpeakEveryLanguage_data() { languages_data(); }
    void desktopEntriesSpeakEveryLanguage()
    {
        QFETCH(QString, language);
        QFile entry(QStringLiteral(VESTRONA_SOURCE_DIR "/packaging/vestrona.desktop.in"));
        QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
        QMap<QString, QString> keys;
        for (const QByteArray &line : entry.readAll().split('\n')) {
            const qsizetype equals = line.indexOf('=');
            if (equals > 0)
                keys.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)));
        }
        for (const char *key : {"GenericName", "Comment", "Keywords"}) {
            const QString english = keys.value(QLatin1String(key));
            const QString translated = keys.value(QStringLiteral("%1[%2]").arg(QLatin1String(key), language));
            QVERIFY2(!translated.trimmed().isEmpty() && translated != english, key);
        }
        QFile metainfo(QStringLiteral(VESTRONA_SOURCE_DIR "/packaging/vestrona.metainfo.xml.in"));
        QVERIFY(metainfo.open(QIODevice::ReadOnly));
        const QRegularExpression summary(QStringLiteral("<summary xml:lang=\"%1\">([^<]+)</summary>").arg(language));
        QVERIFY(summary.match(QString::fromUtf8(metainfo.readAll())).hasMatch());
    }

    // What the file commands tell the user, the progress bar's words, the
    // summaries and their reasons, the errors, comes whole through the
    // catalogue, numbers in the language's plural forms.
    void fileCommandsSpeakThroughTheCatalogue_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("restore")
            << "restore" << QByteArray("1|;|10/23/2012|;|3:03:00 PM|;|good|;||;|\r\n1|;|13/45/2012|;|3:03:00 PM|;|x|;||;|\r\nx\r\n")
            << QString()
            << QStringList{"[Reading file: FILE]",
                           "[Added [1 reminder] from FILE. 2 lines were left out:]\r\n"
                           "[line 2: [its start date \"13/45/2012\" is not a date.]]\r\n"
                           "[line 3: [it has 1 of the 5 fields of a reminder.]]",
                           "[Done.]", "[Added [1 reminder] from FILE.]"};
        QTest::newRow("import")
            << "import"
            << QByteArray("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:20300101T080000\r\nSUMMARY:good\r\nEND:VEVENT\r\n"
                          "BEGIN:VEVENT\r\nDTSTART:20300101T080000\r\nSUMMARY:gone\r\nSTATUS:CANCELLED\r\nEND:VEVENT\r\n"
                          "END:VCALENDAR\r\n")
            << QString()
            << QStringList{"[Reading file: FILE]",
                           "[Added [1 reminder] from FILE. 1 entry was left out:]\r\n"
                           "\"gone\": [it is cancelled (STATUS:CANCELLED)].",
                           "[Done.]", "[Added [1 reminder] from FILE.]"};
        QTest::newRow("import of no calendar")
            << "import" << QByteArray("hello\r\n") << QString()
            << QStringList{"[Reading file: FILE]",
                           "[The file PATH cannot be imported: "
                           "[it is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)].]",
                           "[Done.]"};
        QTest::newRow("backup")
            << "backup" << QByteArray() << "a|;|b"
            << QStringList{"[Writing file: FILE]", "[Done.]", "[Saved [0 reminders] to FILE.]",
                           "[These reminders were not written to FILE, because [their message contains \"|;|\", "
                           "which the backup file uses between its fields]:]\r\na|;|b"};
        QTest::newRow("export")
            << "export" << QByteArray() << "never"
            << QStringList{"[Writing file: FILE]", "[Done.]", "[Exported [0 reminders] to FILE.]",
                           "[These reminders were not written to FILE, because "
                           "[they are weekly on no weekday and so never ring]:]\r\nnever"};
    }
    void fileCommandsSpeakThroughTheCatalogue()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        QFETCH(QStringList, shown);
        BracketingTranslator translator(readCatalogue(tsFile(QStringLiteral("de"))));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const auto removed = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
        TempFolder folder;
        QVERIFY(makeDatabase(folder.file(QStringLiteral("db"))));
        const RegionalSettings us = RegionalSettings::usEnglish();
        Connection conn(us);
        conn.Open(folder.file(QStringLiteral("db")));
        if (!message.isEmpty())
            conn.Execute(reminderInsert(OptionWeekly, QDate(2030, 1, 1), QTime(8, 0), message));
        const QString path = folder.file(QStringLiteral("f.txt"));
        if (!file.isEmpty())
            writeFile(path, file);
        ShownTexts user;
        if (command == QLatin1String("restore"))
            LoadRemFromFile(conn, us, user, path, &user);
        else if (command == QLatin1String("import"))
            LoadRemFromICalendar(conn, user, path, &user);
        else if (command == QLatin1String("backup"))
            SaveRemToFile(conn, us, user, path, &user);
        else
            SaveRemToICalendar(conn, user, path, &user);
        // The bar rests on its idle text after a failure.
        user.texts.removeAll(QCoreApplication::translate("Progress", "Progress Bar"));
        QCOMPARE(user.texts.replaceInStrings(path, QStringLiteral("PATH"))
                     .replaceInStrings(QStringLiteral("f.txt"), QStringLiteral("FILE")),
                 shown);
    }

    // A literal handed straight to a window, a box, an error or the terminal
    // would stay English in every language.
    void noUserTextBypassesTranslation()
    {
        static const QRegularExpression handedOver(
            QStringLiteral("\\b(?:(?:setText|setWindowTitle|setTitle|setToolTip|setPlaceholderText|setAccessibleName|"
                           "setAccessibleDescription|showMessage|askYesNo|addAction|setHeaderLabels|addRow|notify|"
                           "AppError|UsageError|Refusal|new QLabel|new QPushButton|new QCheckBox|new QRadioButton|"
                           "new QGroupBox|addButton|addFrame|LeftOut|fail)\\s*[({]"
                           // A reason or a text after a line number, a path or a progress bar.
                           "|(?:reject|failNotBackup|failReading|setProgress|finishProgress)\\s*\\(\\s*[\\w.>-]+\\s*,)"
                           "\\s*\\{?\\s*(?:QStringLiteral\\(|QLatin1String\\(|QString::from\\w+\\()?\\s*\"([^\"]*)\""));
        // What vestrona-cli prints to standard output is for scripts and stays
        // as it is; its error stream speaks to people.
        static const QRegularExpression printed(QStringLiteral("\\b(?:mErr|err)\\s*<<\\s*\"([^\"]*)\""));
        static const QRegularExpression words(QStringLiteral("[A-Za-z]{3,}"));
        QStringList offenders;
        for (const QString &folder : kTranslatedFolders) {
            QDirIterator files(kSourceDir + QLatin1Char('/') + folder, {QStringLiteral("*.cpp")}, QDir::Files);
            while (files.hasNext()) {
                const QString path = files.next();
                QFile file(path);
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QString text = QString::fromUtf8(file.readAll());
                for (const QRegularExpressionMatch &m : handedOver.globalMatch(text))
                    if (m.captured(1).contains(words) && !m.captured(1).contains(QLatin1String("://")))
                        offenders << QDir(kSourceDir).relativeFilePath(path) + QStringLiteral(": ") + m.captured();
                for (const QRegularExpressionMatch &m : printed.globalMatch(text)) {
                    const QString literal = m.captured(1).trimmed();
                    // The program's name and commands to type are the same in every language.
                    if (literal.contains(words) && !literal.startsWith(QLatin1String("vestrona-cli")))
                        offenders << QDir(kSourceDir).relativeFilePath(path) + QStringLiteral(": ") + m.captured();
                }
            }
        }
        QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestTranslationFiles)
#include "test_translation_files.moc"
