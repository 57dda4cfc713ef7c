#include "core/AppError.h"
#include "database/StatementParser.h"

#include <QTest>

using namespace vestrona;
using Column = ParsedStatement::Column;
using Kind = ParsedStatement::Kind;

namespace {

const QString kInsertHead = QStringLiteral(
    "insert into tblReminders ([Option],[StartDate],[StartTime],[Reminder],[Weekdays]) values (");

ParsedStatement parse(const QString &text)
{
    return parseStatement(text, RegionalSettings::usEnglish());
}

QVariant valueOf(const ParsedStatement &statement, Column column)
{
    for (const ParsedStatement::Assignment &assignment : statement.values) {
        if (assignment.column == column)
            return assignment.value;
    }
    return {};
}

} // namespace

class TestStatements : public QObject {
    Q_OBJECT

private slots:
    void orderedSelect_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("as issued") << "select * from tblReminders order by startdate,starttime";
        QTest::newRow("other case and blanks") << "SELECT *\tFROM [TBLREMINDERS] order  by [StartDate] , StartTime  ";
    }
    void orderedSelect()
    {
        QFETCH(QString, text);
        const ParsedStatement statement = parse(text);
        QCOMPARE(statement.kind, Kind::OrderedSelect);
        QVERIFY(statement.values.empty());
    }

    void sampleInsert()
    {
        const ParsedStatement statement = parse(kInsertHead + "1,#10/23/2012#,#3:03:00 PM#,'Sample Reminder','')");
        QCOMPARE(statement.kind, Kind::Insert);
        QCOMPARE(statement.values.size(), std::size_t(5));
        QCOMPARE(valueOf(statement, Column::Option).toInt(), 1);
        QCOMPARE(valueOf(statement, Column::StartDate).toDate(), QDate(2012, 10, 23));
        QCOMPARE(valueOf(statement, Column::StartTime).toTime(), QTime(15, 3, 0));
        QCOMPARE(valueOf(statement, Column::Reminder).toString(), QStringLiteral("Sample Reminder"));
        QCOMPARE(valueOf(statement, Column::Weekdays).toString(), QString());
    }

    // The editor and the restore build their texts differently; each must read back the values put in.
    void insertValues_data()
    {
        QTest::addColumn<QString>("values");
        QTest::addColumn<int>("option");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("weekdays");
        QTest::newRow("editor, weekly") << "3,#04/03/2022#,#3:03:00 PM#,'Water the plants','Mon, Wed,Fri')" << 3
                                        << QDate(2022, 4, 3) << QTime(15, 3) << "Water the plants" << "Mon, Wed,Fri";
        QTest::newRow("apostrophes doubled") << "1,#1/2/2030#,#12:00:05 AM#,'It''s Bob''s','')" << 1 << QDate(2030, 1, 2)
                                             << QTime(0, 0, 5) << "It's Bob's" << "";
        QTest::newRow("24-hour time") << "2,#12/31/1999#,#23:59:59#,'x',' Wed')" << 2 << QDate(1999, 12, 31)
                                      << QTime(23, 59, 59) << "x" << " Wed";
        QTest::newRow("noon") << "2,#02/29/2024#,#12:30:00 PM#,'leap','')" << 2 << QDate(2024, 2, 29) << QTime(12, 30)
                              << "leap" << "";
        QTest::newRow("line breaks and tabs kept") << "1,#10/23/2012#,#3:03:00 PM#,'a\r\nb\tc\n','')" << 1
                                                   << QDate(2012, 10, 23) << QTime(15, 3) << "a\r\nb\tc\n" << "";
        QTest::newRow("non-ASCII kept") << QString::fromUtf8("1,#10/23/2012#,#3:03:00 PM#,'Grüße – 日本','')") << 1
                                        << QDate(2012, 10, 23) << QTime(15, 3) << QString::fromUtf8("Grüße – 日本") << "";
        QTest::newRow("hostile text inside quotes is only text")
            << "1,#10/23/2012#,#3:03:00 PM#,'''); drop table tblReminders; --','')" << 1 << QDate(2012, 10, 23)
            << QTime(15, 3) << "'); drop table tblReminders; --" << "";
        QTest::newRow("comment marks inside quotes") << "1,#10/23/2012#,#3:03:00 PM#,'/* not a comment */','--')" << 1
                                                     << QDate(2012, 10, 23) << QTime(15, 3) << "/* not a comment */"
                                                     << "--";
        QTest::newRow("blanks between tokens") << " 1 , #10/23/2012# , # 3:03:00 PM # , 'm' , '' ) " << 1
                                               << QDate(2012, 10, 23) << QTime(15, 3) << "m" << "";
    }
    void insertValues()
    {
        QFETCH(QString, values);
        QFETCH(int, option);
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QFETCH(QString, message);
        QFETCH(QString, weekdays);
        const ParsedStatement statement = parse(kInsertHead + values);
        QCOMPARE(statement.kind, Kind::Insert);
        QCOMPARE(valueOf(statement, Column::Option).toInt(), option);
        QCOMPARE(valueOf(statement, Column::StartDate).toDate(), date);
        QCOMPARE(valueOf(statement, Column::StartTime).toTime(), time);
        QCOMPARE(valueOf(statement, Column::Reminder).toString(), message);
        QCOMPARE(valueOf(statement, Column::Weekdays).toString(), weekdays);
    }

    void insertWithoutWeekdaysStoresEmptyText()
    {
        const ParsedStatement statement =
            parse("insert into tblReminders (Option, StartDate, StartTime, Reminder) values (2,#5/6/2025#,#08:00:00#,'m')");
        QVERIFY(valueOf(statement, Column::Weekdays).isValid());
        QCOMPARE(valueOf(statement, Column::Weekdays).toString(), QString());
        QCOMPARE(valueOf(statement, Column::StartDate).toDate(), QDate(2025, 5, 6));
    }

    void editorUpdate()
    {
        const ParsedStatement statement =
            parse("update tblReminders set [Option]=2,[StartDate]=#11/05/2026#,[StartTime]=#9:15:30 AM#,"
                  "[Reminder]='Call ''Ann''',[Weekdays]='Mon,Tue' where id=42");
        QCOMPARE(statement.kind, Kind::Update);
        QCOMPARE(statement.id, qint64(42));
        QCOMPARE(valueOf(statement, Column::Option).toInt(), 2);
        QCOMPARE(valueOf(statement, Column::StartDate).toDate(), QDate(2026, 11, 5));
        QCOMPARE(valueOf(statement, Column::StartTime).toTime(), QTime(9, 15, 30));
        QCOMPARE(valueOf(statement, Column::Reminder).toString(), QStringLiteral("Call 'Ann'"));
        QCOMPARE(valueOf(statement, Column::Weekdays).toString(), QStringLiteral("Mon,Tue"));
    }

    void deleteById()
    {
        const ParsedStatement statement = parse("delete from tblReminders where id=7");
        QCOMPARE(statement.kind, Kind::Delete);
        QCOMPARE(statement.id, qint64(7));
    }

    // Each malformed text is refused, and the description names what is wrong.
    void rejected_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("mentions");
        const QString ok = "1,#10/23/2012#,#3:03:00 PM#,'m','')";
        QTest::newRow("empty") << "" << "empty";
        QTest::newRow("unknown verb") << "drop table tblReminders" << "must begin with";
        QTest::newRow("second statement") << kInsertHead + ok + "; drop table tblReminders" << "one statement";
        QTest::newRow("trailing semicolon") << "delete from tblReminders where id=1;" << "one statement";
        QTest::newRow("trailing words") << "delete from tblReminders where id=1 or 1=1" << "after the end";
        QTest::newRow("line comment") << "delete from tblReminders where id=1 -- x" << "comment";
        QTest::newRow("block comment") << "delete /* x */ from tblReminders where id=1" << "comment";
        QTest::newRow("unknown table") << "delete from tblOther where id=1" << "tblOther";
        QTest::newRow("unknown column") << "update tblReminders set [Colour]='red' where id=1" << "Colour";
        QTest::newRow("writing ID") << "update tblReminders set ID=5 where id=1" << "ID";
        QTest::newRow("column given twice") << "update tblReminders set Option=1,[option]=2 where id=1" << "twice";
        QTest::newRow("update without where") << "update tblReminders set Option=1" << "where id=";
        QTest::newRow("delete without where") << "delete from tblReminders" << "where id=";
        QTest::newRow("where other column") << "delete from tblReminders where Option=1" << "where id=";
        QTest::newRow("id missing") << "delete from tblReminders where id=" << "whole number";
        QTest::newRow("id not a number") << "delete from tblReminders where id=abc" << "whole number";
        QTest::newRow("id fraction") << "delete from tblReminders where id=1.5" << "whole number";
        QTest::newRow("value not a literal") << kInsertHead + "1,#10/23/2012#,#3:03:00 PM#,m,'')" << "not \"m";
        QTest::newRow("hostile text unquoted")
            << kInsertHead + "1,#10/23/2012#,#3:03:00 PM#,'x'); drop table tblReminders; --','')" << "gives 4 values";
        QTest::newRow("text for Option") << kInsertHead + "'1',#10/23/2012#,#3:03:00 PM#,'m','')" << "Option";
        QTest::newRow("Option fraction") << kInsertHead + "1.5,#10/23/2012#,#3:03:00 PM#,'m','')" << "Option";
        QTest::newRow("Option too large") << kInsertHead + "99999,#10/23/2012#,#3:03:00 PM#,'m','')" << "Option";
        QTest::newRow("number for Reminder") << kInsertHead + "1,#10/23/2012#,#3:03:00 PM#,5,'')" << "Reminder";
        QTest::newRow("time for StartDate") << kInsertHead + "1,#3:03:00 PM#,#3:03:00 PM#,'m','')" << "StartDate";
        QTest::newRow("date for StartTime") << kInsertHead + "1,#10/23/2012#,#10/23/2012#,'m','')" << "StartTime";
        QTest::newRow("text for StartDate") << kInsertHead + "1,'10/23/2012',#3:03:00 PM#,'m','')" << "StartDate";
        QTest::newRow("February 30") << kInsertHead + "1,#02/30/2026#,#3:03:00 PM#,'m','')" << "02/30/2026";
        QTest::newRow("month 13") << kInsertHead + "1,#13/01/2026#,#3:03:00 PM#,'m','')" << "13/01/2026";
        QTest::newRow("year 0") << kInsertHead + "1,#01/01/0#,#3:03:00 PM#,'m','')" << "no valid date";
        QTest::newRow("date with words") << kInsertHead + "1,#Oct 23 2012#,#3:03:00 PM#,'m','')" << "no valid date";
        QTest::newRow("hour 25") << kInsertHead + "1,#10/23/2012#,#25:00:00#,'m','')" << "25:00:00";
        QTest::newRow("minute 60") << kInsertHead + "1,#10/23/2012#,#3:60:00 PM#,'m','')" << "no valid time";
        QTest::newRow("fewer values") << kInsertHead + "1,#10/23/2012#,#3:03:00 PM#,'m')" << "5 columns but gives 4";
        QTest::newRow("empty value list") << kInsertHead + ")" << "empty";
        QTest::newRow("trailing comma") << kInsertHead + "1,#10/23/2012#,#3:03:00 PM#,'m',)" << "after the last comma";
        QTest::newRow("trailing comma in columns") << "insert into tblReminders (Option,) values (1)" << "after the last comma";
        QTest::newRow("unterminated quote") << kInsertHead + "1,#10/23/2012#,#3:03:00 PM#,'m,'')" << "no closing quote";
        QTest::newRow("unterminated hash") << kInsertHead + "1,#10/23/2012,'m','')" << "no closing \"#\"";
        QTest::newRow("unclosed bracket") << "delete from [tblReminders where id=1" << "\"]\"";
        QTest::newRow("missing close paren") << kInsertHead + "1,#10/23/2012#,#3:03:00 PM#,'m',''" << "\")\"";
        QTest::newRow("insert without time") << "insert into tblReminders (Option,StartDate,Reminder) values (1,#1/1/2020#,'m')"
                                             << "StartTime";
        QTest::newRow("other select") << "select * from tblReminders order by reminder" << "only read";
        QTest::newRow("select with where") << "select * from tblReminders where id=1" << "\"order\"";
    }
    void rejected()
    {
        QFETCH(QString, text);
        QFETCH(QString, mentions);
        try {
            parse(text);
            QFAIL("the text was accepted");
        } catch (const AppError &error) {
            QVERIFY2(error.description().contains(mentions, Qt::CaseInsensitive), qPrintable(error.description()));
        }
    }
};

QTEST_GUILESS_MAIN(TestStatements)
#include "test_statements.moc"
