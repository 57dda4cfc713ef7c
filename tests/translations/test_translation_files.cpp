#include "tests/support/Process.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

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

    // A literal handed straight to a window, a box, an error or the terminal
    // would stay English in every language.
    void noUserTextBypassesTranslation()
    {
        static const QRegularExpression handedOver(
            QStringLiteral("\\b(setText|setWindowTitle|setTitle|setToolTip|setPlaceholderText|setAccessibleName|"
                           "setAccessibleDescription|showMessage|askYesNo|addAction|setHeaderLabels|addRow|notify|"
                           "AppError|UsageError|Refusal|new QLabel|new QPushButton|new QCheckBox|new QRadioButton|"
                           "new QGroupBox|addButton|addFrame)\\s*[({]\\s*\\{?\\s*(?:QStringLiteral\\(|QLatin1String\\(|"
                           "QString::from\\w+\\()?\\s*\"([^\"]*)\""));
        // What vestrona-cli prints to standard output is for scripts and stays
        // as it is; its error stream speaks to people.
        static const QRegularExpression printed(QStringLiteral("\\b(?:mErr|err)\\s*<<\\s*\"([^\"]*)\""));
        static const QRegularExpression words(QStringLiteral("[A-Za-z]{3,}"));
        QStringList offenders;
        for (const char *folder :
             {"core", "recurrence", "config", "sync", "ui", "control", "shell", "notify", "scheduler", "cli", "app"}) {
            QDirIterator files(kSourceDir + QLatin1Char('/') + QLatin1String(folder), {QStringLiteral("*.cpp")},
                               QDir::Files);
            while (files.hasNext()) {
                const QString path = files.next();
                QFile file(path);
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QString text = QString::fromUtf8(file.readAll());
                for (const QRegularExpressionMatch &m : handedOver.globalMatch(text))
                    if (m.captured(2).contains(words) && !m.captured(2).contains(QLatin1String("://")))
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
