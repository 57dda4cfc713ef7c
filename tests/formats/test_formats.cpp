#include "formats/DateFormats.h"
#include "formats/RegionalSettings.h"
#include "core/ReminderRecord.h"
#include "formats/StoredDateTime.h"

#include <QRandomGenerator>
#include <QTest>

#include <limits>

using namespace vestrona;

namespace {
using Order = RegionalSettings::DateOrder;

const RegionalSettings kUs = RegionalSettings::usEnglish();
const RegionalSettings kGerman(Order::DayFirst, QLatin1Char('.'), QLatin1Char(':'), true);
const RegionalSettings kBritish(Order::DayFirst, QLatin1Char('/'), QLatin1Char(':'), true);
const RegionalSettings kFinnish(Order::DayFirst, QLatin1Char('.'), QLatin1Char('.'), true);
const RegionalSettings kJapanese(Order::YearFirst, QLatin1Char('/'), QLatin1Char(':'), true);
} // namespace

Q_DECLARE_METATYPE(vestrona::RegionalSettings::DateOrder)
Q_DECLARE_METATYPE(vestrona::RegionalSettings)

class TestFormats : public QObject {
    Q_OBJECT

private slots:
    void optionTexts()
    {
        QCOMPARE(optionText(OptionOnce), QStringLiteral("Remind just this one time"));
        QCOMPARE(optionText(OptionDaily), QStringLiteral("Remind every day"));
        QCOMPARE(optionText(OptionWeekly), QStringLiteral("Remind weekly"));
        QCOMPARE(optionText(0), QString());
        QCOMPARE(optionText(4), QString());
    }

    // The stored codes match as written; what a user types may differ in case.
    void weekdayNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("ignoreCase");
        QTest::addColumn<int>("index");
        QTest::newRow("stored Monday") << "Mon" << false << 0;
        QTest::newRow("stored Wednesday keeps its blank") << " Wed" << false << 2;
        QTest::newRow("Wednesday without the blank") << "Wed" << false << 2;
        QTest::newRow("blanks around") << "  Sun " << false << 6;
        QTest::newRow("case matters in the store") << "fri" << false << -1;
        QTest::newRow("typed in any case") << "fRI" << true << 4;
        QTest::newRow("full name is no code") << "Monday" << true << -1;
        QTest::newRow("prefix is no code") << "Tu" << true << -1;
        QTest::newRow("empty") << "" << true << -1;
    }
    void weekdayNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, ignoreCase);
        QFETCH(int, index);
        QCOMPARE(weekdayIndex(name, ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive), index);
    }

    // The stored bytes give the mask the decoded text gives.
    void weekdayMaskOfStoredBytes_data()
    {
        QTest::addColumn<QString>("weekdays");
        QTest::newRow("as the editor writes them") << "Mon,Tue, Wed,Thu,Fri,Sat,Sun";
        QTest::newRow("tabs and blanks around") << "\tSat ,\r\n Sun\v";
        QTest::newRow("empty pieces") << ",,Fri,";
        QTest::newRow("case matters") << "mon,SUN,Tue";
        QTest::newRow("longer pieces") << "Mond,Tu,Wed ay";
        QTest::newRow("no-break space trimmed as QChar knows it") << QString::fromUtf8("\u00a0Thu,Fri\u2003");
        QTest::newRow("letters beyond ASCII") << QString::fromUtf8("M\u00f6n,Sat");
        QTest::newRow("empty") << "";
    }
    void weekdayMaskOfStoredBytes()
    {
        QFETCH(QString, weekdays);
        const QByteArray stored = weekdays.toUtf8();
        QCOMPARE(weekdayMask(QUtf8StringView(stored)), weekdayMask(QStringView(weekdays)));
    }

    // The readers that skip QDate and QTime must accept exactly what the
    // QDate and QTime readers accept, or a row would ring that the list
    // calls damaged.
    void storedNumbersAgreeWithStoredDateAndTime_data()
    {
        QTest::addColumn<QByteArray>("text");
        for (const char *text : {"2026-12-07", "0001-01-01", "9999-12-31", "2024-02-29", "2000-02-29", "1900-02-29",
                                 "2023-02-29", "2026-04-31", "2026-13-01", "2026-00-10", "2026-01-00", "0000-06-15",
                                 "2026-1-07", "2026/12/07", "2026-12-07 ", "+026-12-07", "00:00:00", "23:59:59",
                                 "24:00:00", "12:60:00", "12:00:60", "9:00:00", "09:00", "09-00-00", ""})
            QTest::newRow(text) << QByteArray(text);
    }
    void storedNumbersAgreeWithStoredDateAndTime()
    {
        QFETCH(QByteArray, text);
        const QDate date = storedDate(text);
        QCOMPARE(storedJulianDay(text), date.isValid() ? std::optional<qint64>(date.toJulianDay()) : std::nullopt);
        const QTime time = storedTime(text);
        QCOMPARE(storedMsecsOfDay(text), time.isValid() ? std::optional<int>(time.msecsSinceStartOfDay()) : std::nullopt);
    }

    void storedJulianDayOfEveryDay()
    {
        for (QDate date(1583, 1, 1); date <= QDate(2500, 12, 31); date = date.addDays(1)) {
            const QByteArray text = isoDate(date);
            QVERIFY2(storedJulianDay(text) == date.toJulianDay(), text.constData());
            QCOMPARE(storedDate(text), date);
        }
    }

    void sqlDate_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("wrap");
        QTest::addColumn<QString>("expected");
        QTest::newRow("5 March wrapped") << QDate(2026, 3, 5) << true << "#03/05/2026#";
        QTest::newRow("23 October wrapped") << QDate(2012, 10, 23) << true << "#10/23/2012#";
        QTest::newRow("unwrapped") << QDate(2012, 10, 23) << false << "10/23/2012";
        QTest::newRow("short year keeps its digits") << QDate(987, 1, 2) << true << "#01/02/987#";
        QTest::newRow("invalid date") << QDate() << true << "";
    }
    void sqlDate()
    {
        QFETCH(QDate, date);
        QFETCH(bool, wrap);
        QFETCH(QString, expected);
        QCOMPARE(FormatSqlDate(date, wrap), expected);
    }

    void countdown_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << qint64(0) << "00:00:00";
        QTest::newRow("59 s") << qint64(59) << "00:00:59";
        QTest::newRow("5 min") << qint64(300) << "00:05:00";
        QTest::newRow("1 h") << qint64(3600) << "01:00:00";
        QTest::newRow("4 h") << qint64(14400) << "04:00:00";
        QTest::newRow("last second of a day") << qint64(86399) << "23:59:59";
        QTest::newRow("one day") << qint64(86400) << "1 day 00:00:00";
        QTest::newRow("one day 1:01:01") << qint64(90061) << "1 day 01:01:01";
        QTest::newRow("two days") << qint64(2 * 86400 + 3 * 3600 + 4 * 60 + 5) << "2 days 03:04:05";
        QTest::newRow("negative") << qint64(-5) << "00:00:05";
        QTest::newRow("negative day") << qint64(-90061) << "1 day 01:01:01";
        QTest::newRow("most negative") << std::numeric_limits<qint64>::min() << "106751991167300 days 15:30:08";
    }
    void countdown()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, expected);
        QCOMPARE(FormatCountdown(seconds), expected);
    }

    void alarmTimeText_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("usText");
        QTest::addColumn<QString>("germanText");
        QTest::newRow("month first") << QString(kMonthFirstPattern) << QTime(9, 5, 7) << "03/05/2026 09:05:07"
                                     << "03.05.2026 09:05:07";
        QTest::newRow("day first") << QString(kDayFirstPattern) << QTime(9, 5, 7) << "05/03/2026 09:05:07"
                                   << "05.03.2026 09:05:07";
        QTest::newRow("midnight") << QString(kMonthFirstPattern) << QTime(0, 0) << "03/05/2026 00:00:00"
                                  << "03.05.2026 00:00:00";
        QTest::newRow("afternoon stays 24-hour") << QString(kDayFirstPattern) << QTime(15, 3) << "05/03/2026 15:03:00"
                                                 << "05.03.2026 15:03:00";
        QTest::newRow("unknown pattern is month first") << QStringLiteral("yyyy-mm-dd") << QTime(9, 5, 7)
                                                        << "03/05/2026 09:05:07" << "03.05.2026 09:05:07";
    }
    void alarmTimeText()
    {
        QFETCH(QString, pattern);
        QFETCH(QTime, time);
        QFETCH(QString, usText);
        QFETCH(QString, germanText);
        const QDate date(2026, 3, 5);
        QCOMPARE(composeAlarmTimeText(date, time, pattern, kUs), usText);
        QCOMPARE(composeAlarmTimeText(date, time, pattern, kGerman), germanText);
        QCOMPARE(readAlarmTimeText(usText, pattern, kUs), QDateTime(date, time));
        QCOMPARE(readAlarmTimeText(germanText, pattern, kGerman), QDateTime(date, time));
    }

    void timeOfDayUsesRegionalSeparator()
    {
        QCOMPARE(formatTimeOfDay(QTime(9, 5, 7), kFinnish), QStringLiteral("09.05.07"));
        QCOMPARE(readTimeOfDay(QStringLiteral("09.05.07"), kFinnish), QTime(9, 5, 7));
        QCOMPARE(formatTimeOfDay(QTime(), kUs), QString());
    }

    // A day-first DateFormat on a month-first system: the pattern that wrote
    // the text reads it back, so no date moves.
    void dayFirstPatternOnMonthFirstSystem_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("6 December") << QDate(2026, 12, 6) << "06/12/2026 09:05:07";
        QTest::newRow("25 December") << QDate(2026, 12, 25) << "25/12/2026 09:05:07";
        QTest::newRow("1 February") << QDate(2027, 2, 1) << "01/02/2027 09:05:07";
    }
    void dayFirstPatternOnMonthFirstSystem()
    {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        const QString pattern = QString::fromLatin1(kDayFirstPattern);
        QCOMPARE(composeAlarmTimeText(date, QTime(9, 5, 7), pattern, kUs), text);
        QCOMPARE(readAlarmTimeText(text, pattern, kUs), QDateTime(date, QTime(9, 5, 7)));
        // The same holds the other way round on a day-first system.
        const QString monthFirst = QString::fromLatin1(kMonthFirstPattern);
        const QString written = composeAlarmTimeText(date, QTime(9, 5, 7), monthFirst, kBritish);
        QCOMPARE(readAlarmTimeText(written, monthFirst, kBritish), QDateTime(date, QTime(9, 5, 7)));
    }

    void readDateWithPatternNeverSwaps()
    {
        // "13" cannot be a month: under a known order that is no date at all.
        QVERIFY(!readDateWithPattern(QStringLiteral("13/12/2026"), QString(kMonthFirstPattern), kUs));
        QVERIFY(!readDateWithPattern(QStringLiteral("12/13/2026"), QString(kDayFirstPattern), kUs));
        QVERIFY(!readAlarmTimeText(QStringLiteral("03/05/2026"), QString(kMonthFirstPattern), kUs));
        QVERIFY(!readAlarmTimeText(QStringLiteral("03/05/2026 25:00:00"), QString(kMonthFirstPattern), kUs));
        QVERIFY(!readAlarmTimeText(QString(), QString(kMonthFirstPattern), kUs));
    }

    void everyDayRoundTrips_data()
    {
        QTest::addColumn<RegionalSettings>("regional");
        QTest::newRow("U.S.") << kUs;
        QTest::newRow("German") << kGerman;
        QTest::newRow("British") << kBritish;
        QTest::newRow("Finnish") << kFinnish;
        QTest::newRow("Japanese") << kJapanese;
    }
    void everyDayRoundTrips()
    {
        QFETCH(RegionalSettings, regional);
        const QTime times[] = {QTime(0, 0), QTime(9, 5, 7), QTime(12, 0), QTime(23, 59, 59)};
        for (const char *patternText : {kMonthFirstPattern, kDayFirstPattern}) {
            const QString pattern = QString::fromLatin1(patternText);
            int n = 0;
            for (QDate date(2023, 1, 1); date <= QDate(2024, 12, 31); date = date.addDays(1), ++n) {
                const QTime time = times[n % 4];
                const QString text = composeAlarmTimeText(date, time, pattern, regional);
                const std::optional<QDateTime> back = readAlarmTimeText(text, pattern, regional);
                QVERIFY2(back && *back == QDateTime(date, time), qPrintable(pattern + QLatin1String(": ") + text));
            }
            QCOMPARE(n, 731); // 2024 has its leap day
        }
    }

    void fromLocale_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Order>("order");
        QTest::addColumn<QChar>("dateSeparator");
        QTest::addColumn<QChar>("timeSeparator");
        QTest::addColumn<bool>("twentyFourHour");
        QTest::addColumn<QString>("shortDate");
        QTest::addColumn<QString>("longTime");
        QTest::newRow("C") << "C" << Order::MonthFirst << QChar('/') << QChar(':') << false << "10/23/2012"
                           << "3:03:00 PM";
        QTest::newRow("en_US") << "en_US" << Order::MonthFirst << QChar('/') << QChar(':') << false << "10/23/2012"
                               << "3:03:00 PM";
        QTest::newRow("en_GB") << "en_GB" << Order::DayFirst << QChar('/') << QChar(':') << true << "23/10/2012"
                               << "15:03:00";
        QTest::newRow("de_DE") << "de_DE" << Order::DayFirst << QChar('.') << QChar(':') << true << "23.10.2012"
                               << "15:03:00";
        QTest::newRow("ja_JP") << "ja_JP" << Order::YearFirst << QChar('/') << QChar(':') << true << "2012/10/23"
                               << "15:03:00";
    }
    void fromLocale()
    {
        QFETCH(QString, name);
        QFETCH(Order, order);
        QFETCH(QChar, dateSeparator);
        QFETCH(QChar, timeSeparator);
        QFETCH(bool, twentyFourHour);
        QFETCH(QString, shortDate);
        QFETCH(QString, longTime);
        const RegionalSettings regional = RegionalSettings::fromLocale(QLocale(name));
        QCOMPARE(regional.dateOrder(), order);
        QCOMPARE(regional.dateSeparator(), dateSeparator);
        QCOMPARE(regional.timeSeparator(), timeSeparator);
        QCOMPARE(regional.twentyFourHour(), twentyFourHour);
        QCOMPARE(regional.shortDate(QDate(2012, 10, 23)), shortDate);
        QCOMPARE(regional.longTime(QTime(15, 3)), longTime);
        QCOMPARE(regional.parseDate(shortDate), QDate(2012, 10, 23));
        QCOMPARE(regional.parseTime(longTime), QTime(15, 3));
    }

    void usShortDateAndLongTimeHaveNoLeadingZeros()
    {
        QCOMPARE(kUs.shortDate(QDate(2026, 3, 5)), QStringLiteral("3/5/2026"));
        QCOMPARE(kUs.longTime(QTime(0, 5, 9)), QStringLiteral("12:05:09 AM"));
        QCOMPARE(kUs.longTime(QTime(12, 0)), QStringLiteral("12:00:00 PM"));
        QCOMPARE(kGerman.longTime(QTime(9, 5, 7)), QStringLiteral("09:05:07"));
    }

    // The texts built in place pad and sign numbers as Qt's own do.
    void numbersPadAsQtDoes_data()
    {
        QTest::addColumn<qint64>("value");
        for (const qint64 value : {qint64(0), qint64(7), qint64(42), qint64(999), qint64(2026), qint64(123456), qint64(-5),
                                   qint64(-123), std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()})
            QTest::addRow("%lld", static_cast<long long>(value)) << value;
    }

    void numbersPadAsQtDoes()
    {
        QFETCH(qint64, value);
        for (const int width : {1, 2, 4}) {
            ShortText text;
            QCOMPARE(text.number(value, width).toString(), QString::number(value).rightJustified(width, QLatin1Char('0')));
        }
    }

    void yearsBeforeOneThousand_data()
    {
        QTest::addColumn<RegionalSettings>("regional");
        QTest::addColumn<QString>("shortDate");
        QTest::addColumn<QString>("dayFirst");
        QTest::newRow("U.S.") << kUs << "1/2/0999" << "02/01/0999";
        QTest::newRow("German") << kGerman << "02.01.0999" << "02.01.0999";
        QTest::newRow("Japanese") << kJapanese << "0999/01/02" << "02/01/0999";
    }

    void yearsBeforeOneThousand()
    {
        QFETCH(RegionalSettings, regional);
        QFETCH(QString, shortDate);
        QFETCH(QString, dayFirst);
        const QDate date(999, 1, 2);
        QCOMPARE(regional.shortDate(date), shortDate);
        QCOMPARE(regional.parseDate(shortDate), date);
        QCOMPARE(formatDateWithPattern(date, QString::fromLatin1(kDayFirstPattern), regional), dayFirst);
        QCOMPARE(readDateWithPattern(dayFirst, QString::fromLatin1(kDayFirstPattern), regional), date);
    }

    void parseDate_data()
    {
        QTest::addColumn<RegionalSettings>("regional");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("month first") << kUs << "06/12/2026" << QDate(2026, 6, 12);
        QTest::newRow("day first") << kGerman << "06.12.2026" << QDate(2026, 12, 6);
        QTest::newRow("day first accepts slash") << kGerman << "06/12/2026" << QDate(2026, 12, 6);
        QTest::newRow("month-first swap") << kUs << "25/12/2026" << QDate(2026, 12, 25);
        QTest::newRow("day-first swap") << kBritish << "12/25/2026" << QDate(2026, 12, 25);
        QTest::newRow("year-first swap") << kJapanese << "2026/25/12" << QDate(2026, 12, 25);
        QTest::newRow("no leading zeros, blanks around") << kUs << "  3/5/2026 " << QDate(2026, 3, 5);
        QTest::newRow("leap day") << kUs << "02/29/2024" << QDate(2024, 2, 29);
        QTest::newRow("no leap day") << kUs << "02/29/2023" << QDate();
        QTest::newRow("31 April") << kUs << "04/31/2026" << QDate();
        QTest::newRow("neither order") << kUs << "13/13/2026" << QDate();
        QTest::newRow("swap to impossible") << kUs << "31/02/2026" << QDate();
        QTest::newRow("zero month") << kUs << "00/12/2026" << QDate();
        QTest::newRow("two-digit year") << kUs << "06/12/26" << QDate();
        QTest::newRow("five-digit year") << kUs << "06/12/20261" << QDate();
        QTest::newRow("three-digit day") << kUs << "06/012/2026" << QDate();
        QTest::newRow("foreign separator") << kUs << "06.12.2026" << QDate();
        QTest::newRow("trailing text") << kUs << "06/12/2026x" << QDate();
        QTest::newRow("empty") << kUs << "" << QDate();
        QTest::newRow("separators only") << kUs << "//" << QDate();
        QTest::newRow("non-ASCII digits") << kUs << QString::fromUtf8("٠٦/١٢/٢٠٢٦") << QDate();
    }
    void parseDate()
    {
        QFETCH(RegionalSettings, regional);
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        const std::optional<QDate> parsed = regional.parseDate(text);
        QCOMPARE(parsed.value_or(QDate()), expected);
    }

    void parseTime_data()
    {
        QTest::addColumn<RegionalSettings>("regional");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QTime>("expected");
        QTest::newRow("long time PM") << kUs << "3:03:00 PM" << QTime(15, 3);
        QTest::newRow("lower-case pm") << kUs << "3:03:00 pm" << QTime(15, 3);
        QTest::newRow("midnight") << kUs << "12:00:00 AM" << QTime(0, 0);
        QTest::newRow("noon") << kUs << "12:00:00 PM" << QTime(12, 0);
        QTest::newRow("24-hour on a 12-hour system") << kUs << "15:03:00" << QTime(15, 3);
        QTest::newRow("no seconds") << kUs << "9:05" << QTime(9, 5);
        QTest::newRow("no seconds with AM") << kUs << " 9:05 AM " << QTime(9, 5);
        QTest::newRow("24-hour system") << kGerman << "15:03:00" << QTime(15, 3);
        QTest::newRow("regional separator") << kFinnish << "15.03.00" << QTime(15, 3);
        QTest::newRow("hour 13 with PM") << kUs << "13:00:00 PM" << QTime();
        QTest::newRow("hour 0 with AM") << kUs << "0:00:00 AM" << QTime();
        QTest::newRow("hour 24") << kUs << "24:00:00" << QTime();
        QTest::newRow("minute 60") << kUs << "10:60" << QTime();
        QTest::newRow("second 60") << kUs << "10:00:60" << QTime();
        QTest::newRow("one-digit minute") << kUs << "10:5" << QTime();
        QTest::newRow("marker only") << kUs << "PM" << QTime();
        QTest::newRow("other marker") << kUs << "3:03:00 XM" << QTime();
        QTest::newRow("garbage") << kUs << "garbage" << QTime();
        QTest::newRow("huge hour") << kUs << "99999999999999999999:00" << QTime();
        QTest::newRow("empty") << kUs << "" << QTime();
    }
    void parseTime()
    {
        QFETCH(RegionalSettings, regional);
        QFETCH(QString, text);
        QFETCH(QTime, expected);
        const std::optional<QTime> parsed = regional.parseTime(text);
        QCOMPARE(parsed.value_or(QTime()), expected);
    }

    // Random texts from the characters the readers look at never crash and
    // whatever they accept is a valid value.
    void readersSurviveRandomText()
    {
        const QString alphabet = QStringLiteral("0123456789/.: APMapm\t-");
        QRandomGenerator random(20260305);
        for (int i = 0; i < 20000; ++i) {
            QString text;
            const int length = random.bounded(24);
            for (int k = 0; k < length; ++k)
                text.append(alphabet[random.bounded(int(alphabet.size()))]);
            for (const RegionalSettings &regional : {kUs, kGerman, kJapanese}) {
                if (const auto date = regional.parseDate(text))
                    QVERIFY2(date->isValid(), qPrintable(text));
                if (const auto time = regional.parseTime(text))
                    QVERIFY2(time->isValid(), qPrintable(text));
                if (const auto when = readAlarmTimeText(text, QString(kDayFirstPattern), regional))
                    QVERIFY2(when->isValid(), qPrintable(text));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestFormats)
#include "test_formats.moc"
