#include "formats/BackupText.h"
#include "formats/TextLineReader.h"
#include "tests/support/Files.h"
#include "tests/support/TempFolder.h"

#include <QBuffer>
#include <QTest>

using namespace vestrona;
using namespace vestrona::test;

namespace {

const RegionalSettings kUs = RegionalSettings::usEnglish();

// A record as one comparable text: option, date, time, message, weekdays.
QString recordText(const BackupRecord &r)
{
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(r.option)
        .arg(r.date.toString(Qt::ISODate), r.time.toString(Qt::ISODate), r.message.toString(), r.weekdays.toString());
}

// The lines of a file as "text<ending>", the ending spelt out, for comparing.
QStringList lineTexts(const QString &path)
{
    QStringList out;
    TextLineReader lines(path);
    TextLine line;
    while (lines.next(line)) {
        QString ending = line.ending;
        out << line.text + QLatin1Char('<') + ending.replace(QLatin1Char('\r'), QLatin1String("CR")).replace(QLatin1Char('\n'), QLatin1String("LF")) + QLatin1Char('>');
    }
    return out;
}

} // namespace

// The backup text as read and written, apart from any database.
class TestBackupText : public QObject {
    Q_OBJECT

private slots:
    void init() { mFolder = std::make_unique<TempFolder>(); }
    void cleanup() { mFolder.reset(); }

    void restoresLines_data();
    void restoresLines();
    void readsLineEndsAndEncodings_data();
    void readsLineEndsAndEncodings();
    void writesOneLineAReminder_data();
    void writesOneLineAReminder();
    void repeatRulesRoundTrip_data();
    void repeatRulesRoundTrip();

private:
    QString path(const char *name) const { return mFolder->file(QString::fromLatin1(name)); }

    std::unique_ptr<TempFolder> mFolder;
};

void TestBackupText::restoresLines_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expectedRows");
    QTest::addColumn<QList<int>>("rejectedLines");

    const QString sample = QStringLiteral("1|2012-10-23|15:03:00|Sample Reminder|");
    QTest::newRow("full line") << QByteArray("1|;|10/23/2012|;|3:03:00 PM|;|Sample Reminder|;||;|\r\n")
                               << QStringList{sample} << QList<int>{};
    QTest::newRow("missing final separator") << QByteArray("1|;|10/23/2012|;|3:03:00 PM|;|Sample Reminder|;|\r\n")
                                             << QStringList{sample} << QList<int>{};
    QTest::newRow("six or more separators")
        << QByteArray("3|;|4/3/2022|;|7:05:09 AM|;|Gym|;|Mon, Wed|;|extra|;|more|;|\r\n")
        << QStringList{"3|2022-04-03|07:05:09|Gym|Mon, Wed"} << QList<int>{};
    QTest::newRow("a rule no reminder can hold is named")
        << QByteArray("4|;|1/2/2030|;|9:00:00 AM|;|A|;|RRULE=FREQ=HOURLY|;|\r\n4|;|1/2/2030|;|9:00:00 AM|;|B|;|TZID=Mars/Base|;|\r\n"
                      "3|;|1/2/2030|;|9:00:00 AM|;|C|;|Mon,Thu|;|\r\n")
        << QStringList{"3|2030-01-02|09:00:00|C|Mon,Thu"} << QList<int>{1, 2};
    QTest::newRow("24-hour time") << QByteArray("2|;|1/2/2030|;|18:30:00|;|Tea|;||;|\r\n")
                                  << QStringList{"2|2030-01-02|18:30:00|Tea|"} << QList<int>{};
    QTest::newRow("apostrophes") << QByteArray("1|;|5/6/2024|;|9:00:00 AM|;|It's Bob's 'day'|;|O'Mon|;|\r\n")
                                 << QStringList{"1|2024-05-06|09:00:00|It's Bob's 'day'|O'Mon"} << QList<int>{};
    QTest::newRow("LF line ends") << QByteArray("1|;|10/23/2012|;|3:03:00 PM|;|A|;||;|\n2|;|10/24/2012|;|3:03:00 PM|;|B|;||;|")
                                  << QStringList{"1|2012-10-23|15:03:00|A|", "2|2012-10-24|15:03:00|B|"} << QList<int>{};
    QTest::newRow("multi-line message, CR LF")
        << QByteArray("1|;|1/1/2030|;|8:00:00 AM|;|before|;||;|\r\n"
                      "3|;|1/2/2030|;|8:00:00 AM|;|first\r\n\r\nthird|;|Mon,Fri|;|\r\n"
                      "1|;|1/3/2030|;|8:00:00 AM|;|after|;||;|\r\n")
        << QStringList{"1|2030-01-01|08:00:00|before|", "3|2030-01-02|08:00:00|first\r\n\r\nthird|Mon,Fri",
                       "1|2030-01-03|08:00:00|after|"}
        << QList<int>{};
    QTest::newRow("multi-line message, LF kept")
        << QByteArray("1|;|1/2/2030|;|8:00:00 AM|;|first\nsecond|;||;|\r\n")
        << QStringList{"1|2030-01-02|08:00:00|first\nsecond|"} << QList<int>{};
    QTest::newRow("multi-line message without final separator")
        << QByteArray("1|;|1/2/2030|;|8:00:00 AM|;|first\r\nsecond|;|Sun\r\n")
        << QStringList{"1|2030-01-02|08:00:00|first\r\nsecond|Sun"} << QList<int>{};
    QTest::newRow("cut-off line does not swallow the next")
        << QByteArray("1|;|1/2/2030|;|8:00:00 AM|;|cut off\r\n1|;|1/3/2030|;|8:00:00 AM|;|whole|;||;|\r\n")
        << QStringList{"1|2030-01-03|08:00:00|whole|"} << QList<int>{1};
    QTest::newRow("unfinished message at end of file")
        << QByteArray("1|;|1/2/2030|;|8:00:00 AM|;|first\r\nsecond\r\n") << QStringList{} << QList<int>{1, 2};
    QTest::newRow("unjoined lines, then a message over several lines")
        << QByteArray("1|;|1/2/2030|;|8:00:00 AM|;|cut off\r\nloose\r\n\r\n"
                      "1|;|1/3/2030|;|8:00:00 AM|;|first\r\nsecond|;||;|\r\n")
        << QStringList{"1|2030-01-03|08:00:00|first\r\nsecond|"} << QList<int>{1, 2};
    const QByteArray firstPart(70000, 'a');
    QTest::newRow("message over several lines across read chunks")
        << "2|;|1/2/2030|;|8:00:00 AM|;|" + firstPart + "\r\nb|;||;|\r\n1|;|1/3/2030|;|8:00:00 AM|;|next|;||;|"
        << QStringList{"2|2030-01-02|08:00:00|" + QString::fromLatin1(firstPart) + "\r\nb|", "1|2030-01-03|08:00:00|next|"}
        << QList<int>{};
    QTest::newRow("empty lines") << QByteArray("\r\n1|;|10/23/2012|;|3:03:00 PM|;|Sample Reminder|;||;|\r\n\r\n\n")
                                 << QStringList{sample} << QList<int>{};
    QTest::newRow("empty file") << QByteArray() << QStringList{} << QList<int>{};
    QTest::newRow("too few fields") << QByteArray("1|;|10/23/2012|;|3:03:00 PM|;|\r\nhello\r\n")
                                    << QStringList{} << QList<int>{1, 2};
    QTest::newRow("no date") << QByteArray("1|;|13/45/2012|;|3:03:00 PM|;|x|;||;|\r\n") << QStringList{}
                             << QList<int>{1};
    QTest::newRow("no time") << QByteArray("1|;|10/23/2012|;|noon|;|x|;||;|\r\n") << QStringList{} << QList<int>{1};
    QTest::newRow("no number") << QByteArray("one|;|10/23/2012|;|3:03:00 PM|;|x|;||;|\r\n") << QStringList{}
                               << QList<int>{1};
    QTest::newRow("UTF-8") << QByteArray("1|;|10/23/2012|;|3:03:00 PM|;|Caf\xc3\xa9 \xe2\x82\xac|;||;|\r\n")
                           << QStringList{QStringLiteral("1|2012-10-23|15:03:00|Caf\u00e9 \u20ac|")} << QList<int>{};
    QTest::newRow("Windows-1252") << QByteArray("1|;|10/23/2012|;|3:03:00 PM|;|Caf\xe9 \x80 \x96|;||;|\r\n")
                                  << QStringList{QStringLiteral("1|2012-10-23|15:03:00|Caf\u00e9 \u20ac \u2013|")}
                                  << QList<int>{};
    // Whatever a line holds ends up as text or is refused; nothing of it is
    // ever run as SQL.
    QTest::newRow("SQL in the message")
        << QByteArray("1|;|10/23/2012|;|3:03:00 PM|;|x'); delete from tblReminders; --|;||;|\r\n")
        << QStringList{"1|2012-10-23|15:03:00|x'); delete from tblReminders; --|"} << QList<int>{};
    QTest::newRow("SQL in the option")
        << QByteArray("1,#1/1/2000#,#1:00:00 AM#,'a','b'); delete from tblReminders; --|;|10/23/2012|;|3:03:00 PM|;|x|;||;|\r\n")
        << QStringList{} << QList<int>{1};
    QTest::newRow("SQL in the time")
        << QByteArray("1|;|10/23/2012|;|3:03:00 PM#,'a','b'); drop table tblReminders; --|;|x|;||;|\r\n")
        << QStringList{} << QList<int>{1};
}

void TestBackupText::restoresLines()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expectedRows);
    QFETCH(QList<int>, rejectedLines);

    writeFile(path("in.txt"), file);
    QStringList rows;
    QList<RejectedLine> rejected;
    TextLineReader lines(path("in.txt"));
    readBackupRecords(lines, kUs, [&](const BackupRecord &r) { rows << recordText(r); }, rejected);

    QCOMPARE(rows, expectedRows);
    QList<int> numbers;
    for (const RejectedLine &r : rejected) {
        numbers << r.lineNumber;
        QVERIFY(!r.reason.isEmpty());
    }
    QCOMPARE(numbers, rejectedLines);
}

void TestBackupText::readsLineEndsAndEncodings_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("CR only") << QByteArray("a\rb\r") << QStringList{"a<CR>", "b<CR>"};
    QTest::newRow("mixed ends") << QByteArray("a\r\nb\nc\rd") << QStringList{"a<CRLF>", "b<LF>", "c<CR>", "d<>"};
    QTest::newRow("empty lines between CRs") << QByteArray("a\r\rb") << QStringList{"a<CR>", "<CR>", "b<>"};
    QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QStringList{"a<LF>", "<CR>", "b<>"};
    QTest::newRow("one stray byte spoils only its line")
        << QByteArray("caf\xc3\xa9\r\nna\xefve\r\n\xe2\x82\xac\r\n")
        << QStringList{QStringLiteral("caf\u00e9<CRLF>"), QStringLiteral("na\u00efve<CRLF>"), QStringLiteral("\u20ac<CRLF>")};
    QTest::newRow("UTF-16 little endian")
        << QByteArray("\xff\xfe" "c\0a\0f\0\xe9\0\r\0\n\0x\0\r\0", 18)
        << QStringList{QStringLiteral("caf\u00e9<CRLF>"), "x<CR>"};
    // The file is read 2 bytes first, to find a byte order mark, then 64 KB at a time.
    const QByteArray toBoundary(64 * 1024, 'p');
    QTest::newRow("UTF-8 character across a read chunk")
        << toBoundary + "\xe2\x82\xac\r\nx" << QStringList{QString::fromLatin1(toBoundary) + QStringLiteral("\u20ac<CRLF>"), "x<>"};
    QTest::newRow("Windows-1252 line across a read chunk")
        << toBoundary + "\xe9\xe9\ny" << QStringList{QString::fromLatin1(toBoundary) + QStringLiteral("\u00e9\u00e9<LF>"), "y<>"};
    QTest::newRow("CR LF across a read chunk") << toBoundary + "p\r\nz"
                                               << QStringList{QString::fromLatin1(toBoundary) + "p<CRLF>", "z<>"};
    QByteArray utf16 = "\xff\xfe";
    for (int i = 0; i < 32 * 1024 - 1; ++i)
        utf16 += QByteArray("q\0", 2);
    // U+1F600 as a surrogate pair whose halves are read in different chunks.
    utf16 += QByteArray("\x3d\xd8\x00\xde\n\0", 6);
    QTest::newRow("UTF-16 surrogate pair across a read chunk")
        << utf16 << QStringList{QString(32 * 1024 - 1, QLatin1Char('q')) + QStringLiteral("\U0001F600<LF>")};
    QTest::newRow("line of exactly 1 MB") << QByteArray(1024 * 1024, 'm') + "\r"
                                          << QStringList{QString(1024 * 1024, QLatin1Char('m')) + "<CR>"};
    QTest::newRow("UTF-16 big endian") << QByteArray("\xfe\xff\0a\0\n\0\xe9", 8)
                                       << QStringList{"a<LF>", QStringLiteral("\u00e9<>")};
}

void TestBackupText::readsLineEndsAndEncodings()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, lines);
    writeFile(path("lines.txt"), file);
    QCOMPARE(lineTexts(path("lines.txt")), lines);
}

void TestBackupText::writesOneLineAReminder_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("weekdays");
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<bool>("german");
    // What the file holds after the row; empty when the row is left out.
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("outcome");

    const int written = int(BackupWriter::Outcome::Written);
    const int holdsSeparator = int(BackupWriter::Outcome::HoldsSeparator);
    QTest::newRow("U.S.") << "Tea, \"two\"" << "" << false << false
                          << QByteArray("3|;|1/2/2030|;|6:05:09 PM|;|Tea, \"two\"|;||;|\r\n") << written;
    QTest::newRow("German, weekdays, line break")
        << "a\r\nb" << "Mon, Wed" << false << true << QByteArray("3|;|02.01.2030|;|18:05:09|;|a\r\nb|;|Mon, Wed|;|\r\n") << written;
    QTest::newRow("UTF-8") << QStringLiteral("Gr\u00fc\u00dfe \U0001F600") << "" << false << false
                           << QByteArray("3|;|1/2/2030|;|6:05:09 PM|;|Gr\xc3\xbc\xc3\x9f" "e \xf0\x9f\x98\x80|;||;|\r\n") << written;
    QTest::newRow("a lone bar is fine") << "a|b|;c" << "" << false << false
                                        << QByteArray("3|;|1/2/2030|;|6:05:09 PM|;|a|b|;c|;||;|\r\n") << written;
    QTest::newRow("separator in the message") << "a|;|b" << "" << false << false << QByteArray() << holdsSeparator;
    // "|;" with the separator after it reads as a separator two characters early.
    QTest::newRow("message ending in |;") << "x|;" << "" << false << false << QByteArray() << holdsSeparator;
    QTest::newRow("separator in the weekdays") << "x" << "Mon|;|" << false << false << QByteArray() << holdsSeparator;
    QTest::newRow("damaged row") << "x" << "" << true << false << QByteArray() << int(BackupWriter::Outcome::Damaged);
}

// Each row is written between two others, so a left-out row leaves no trace
// and a long one crosses the writer's buffer.
void TestBackupText::writesOneLineAReminder()
{
    QFETCH(QString, message);
    QFETCH(QString, weekdays);
    QFETCH(bool, damaged);
    QFETCH(bool, german);
    QFETCH(QByteArray, line);
    QFETCH(int, outcome);

    const RegionalSettings regional = german ? RegionalSettings(RegionalSettings::DateOrder::DayFirst, QLatin1Char('.'), QLatin1Char(':'), true) : kUs;
    ReminderRecord long1;
    long1.StartDate = QDate(2030, 1, 1);
    long1.StartTime = QTime(0, 0);
    long1.Reminder = QString(70000, QLatin1Char('a'));
    ReminderRecord row;
    row.Option = OptionWeekly;
    row.StartDate = QDate(2030, 1, 2);
    row.StartTime = QTime(18, 5, 9);
    row.Reminder = message;
    row.Weekdays = weekdays;
    row.damaged = damaged;
    ReminderRecord last = long1;
    last.Reminder = QStringLiteral("last");

    QBuffer device;
    QVERIFY(device.open(QIODevice::WriteOnly));
    BackupWriter writer(device, regional);
    QCOMPARE(writer.write(long1), BackupWriter::Outcome::Written);
    QCOMPARE(int(writer.write(row)), outcome);
    QCOMPARE(writer.write(last), BackupWriter::Outcome::Written);
    const qint64 size = writer.finish();

    const QByteArray date = german ? "01.01.2030" : "1/1/2030";
    const QByteArray time = german ? "00:00:00" : "12:00:00 AM";
    const QByteArray first = "1|;|" + date + "|;|" + time + "|;|" + QByteArray(70000, 'a') + "|;||;|\r\n";
    const QByteArray expected = first + line + "1|;|" + date + "|;|" + time + "|;|last|;||;|\r\n";
    QCOMPARE(device.data(), expected);
    QCOMPARE(size, expected.size());
}

Q_DECLARE_METATYPE(vestrona::RepeatRule)

void TestBackupText::repeatRulesRoundTrip_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("weekdays");
    QTest::addColumn<RepeatRule>("repeat");
    QTest::addColumn<QByteArray>("field"); // the weekdays field as written
    QTest::newRow("rule with commas, dates left out and added")
        << int(OptionRule) << ""
        << RepeatRule{"FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,TH", "20300107T090000,20300110T090000", "20300112T100000", ""}
        << QByteArray("RRULE=FREQ=WEEKLY;INTERVAL=2;BYDAY=MO+TH,EXDATE=20300107T090000+20300110T090000,"
                      "RDATE=20300112T100000");
    QTest::newRow("weekly in a zone of its own keeps its days first")
        << int(OptionWeekly) << "Mon, Wed" << RepeatRule{"", "", "", "Etc/GMT+5"}
        << QByteArray("Mon, Wed,TZID=Etc/GMT+5");
    QTest::newRow("rule and zone") << int(OptionRule) << "" << RepeatRule{"FREQ=MONTHLY;BYDAY=-1FR", "", "", "Asia/Tokyo"}
                                   << QByteArray("RRULE=FREQ=MONTHLY;BYDAY=-1FR,TZID=Asia/Tokyo");
}

// A rule and zone go out at the end of the weekdays field and come back
// the same, the weekdays as they were.
void TestBackupText::repeatRulesRoundTrip()
{
    QFETCH(int, option);
    QFETCH(QString, weekdays);
    QFETCH(RepeatRule, repeat);
    QFETCH(QByteArray, field);
    ReminderRecord row;
    row.Option = option;
    row.StartDate = QDate(2030, 1, 3);
    row.StartTime = QTime(9, 0);
    row.Reminder = QStringLiteral("course");
    row.Weekdays = weekdays;
    row.repeat = std::make_shared<const RepeatRule>(repeat);
    QFile file(path("rules.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    BackupWriter writer(file, kUs);
    QCOMPARE(writer.write(row), BackupWriter::Outcome::Written);
    writer.finish();
    file.close();
    QCOMPARE(readFile(file.fileName()), QByteArray::number(option) + "|;|1/3/2030|;|9:00:00 AM|;|course|;|" + field + "|;|\r\n");

    TextLineReader lines(file.fileName());
    QList<RejectedLine> rejected;
    int read = 0;
    readBackupRecords(lines, kUs, [&](const BackupRecord &r) {
        ++read;
        QCOMPARE(r.weekdays.toString(), weekdays);
        QCOMPARE(r.repeat, repeat);
    }, rejected);
    QCOMPARE(read, 1);
    QVERIFY(rejected.isEmpty());
}

QTEST_GUILESS_MAIN(TestBackupText)
#include "test_backup_text.moc"
