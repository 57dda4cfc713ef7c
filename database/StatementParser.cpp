#include "database/StatementParser.h"

#include "core/AppError.h"
#include "formats/DigitReader.h"

#include <QCoreApplication>

#include <array>
#include <optional>

namespace vestrona {

namespace {

using Column = ParsedStatement::Column;

// The parser's words, under the context translators see.
class Words {
    Q_DECLARE_TR_FUNCTIONS(StatementParser)
};

// What a name names, each with sentences of its own.
enum class Named { Table, Column };

constexpr std::array<const char *, 5> kColumnNames = {"Option", "StartDate", "StartTime", "Reminder", "Weekdays"};

// A value as written in the text, before it is matched with its column.
struct Literal {
    enum class Kind { Number, Hash, Text } kind;
    QString text; // the digits, the part between the # signs, or the unquoted text
    qsizetype position;
};

// Shows the user where a text goes wrong without flooding the message box.
QString excerpt(QStringView rest)
{
    constexpr qsizetype kMax = 40;
    QString shown = rest.left(kMax).toString();
    shown.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (rest.size() > kMax)
        shown += QStringLiteral("...");
    return shown;
}

class Parser {
public:
    Parser(const QString &text, const RegionalSettings &regional) : mText(text), mRegional(regional) {}

    ParsedStatement parse()
    {
        const QString verb = word();
        ParsedStatement statement;
        if (verb.compare(QLatin1String("select"), Qt::CaseInsensitive) == 0)
            statement = select();
        else if (verb.compare(QLatin1String("insert"), Qt::CaseInsensitive) == 0)
            statement = insert();
        else if (verb.compare(QLatin1String("update"), Qt::CaseInsensitive) == 0)
            statement = update();
        else if (verb.compare(QLatin1String("delete"), Qt::CaseInsensitive) == 0)
            statement = remove();
        else if (verb.isEmpty() && atEnd())
            fail(Words::tr("The statement is empty."));
        else
            fail(Words::tr("The statement must begin with select, insert, update or delete, not \"%1\".")
                     .arg(verb.isEmpty() ? excerpt(rest()) : verb));
        expectEnd();
        return statement;
    }

private:
    [[noreturn]] void fail(const QString &description) const { throw AppError(description); }

    QStringView rest() const { return QStringView(mText).mid(mPos); }
    bool atEnd() const { return mPos >= mText.size(); }

    void skipBlanks()
    {
        while (!atEnd() && mText.at(mPos).isSpace())
            ++mPos;
        if (rest().startsWith(QLatin1String("--")) || rest().startsWith(QLatin1String("/*")))
            fail(Words::tr("The statement holds a comment (\"%1\"); comments are not allowed.").arg(excerpt(rest())));
    }

    // A bare word, or an empty text when the next thing is no word.
    QString word()
    {
        skipBlanks();
        const qsizetype start = mPos;
        while (!atEnd() && (mText.at(mPos).isLetterOrNumber() || mText.at(mPos) == QLatin1Char('_')))
            ++mPos;
        return mText.mid(start, mPos - start);
    }

    // A bare or [bracketed] name.
    QString name(Named what)
    {
        skipBlanks();
        if (!atEnd() && mText.at(mPos) == QLatin1Char('[')) {
            const qsizetype close = mText.indexOf(QLatin1Char(']'), mPos + 1);
            if (close < 0)
                fail((what == Named::Table ? Words::tr("The table name \"%1\" has no closing \"]\".")
                                           : Words::tr("The column name \"%1\" has no closing \"]\"."))
                         .arg(excerpt(rest())));
            const QString inside = mText.mid(mPos + 1, close - mPos - 1);
            mPos = close + 1;
            return inside;
        }
        const QString bare = word();
        if (bare.isEmpty())
            fail((what == Named::Table ? Words::tr("A table name is missing before \"%1\".")
                                       : Words::tr("A column name is missing before \"%1\"."))
                     .arg(excerpt(rest())));
        return bare;
    }

    void keyword(const char *expected)
    {
        const qsizetype start = mPos;
        const QString found = word();
        if (found.compare(QLatin1String(expected), Qt::CaseInsensitive) != 0) {
            mPos = start;
            skipBlanks();
            fail(Words::tr("\"%1\" was expected before \"%2\".").arg(QLatin1String(expected), excerpt(rest())));
        }
    }

    bool peek(QChar symbol)
    {
        skipBlanks();
        return !atEnd() && mText.at(mPos) == symbol;
    }

    void symbol(char expected)
    {
        if (!peek(QLatin1Char(expected)))
            fail(Words::tr("\"%1\" was expected before \"%2\".").arg(QLatin1Char(expected)).arg(excerpt(rest())));
        ++mPos;
    }

    void table()
    {
        const QString found = name(Named::Table);
        if (found.compare(QLatin1String("tblReminders"), Qt::CaseInsensitive) != 0)
            fail(Words::tr("There is no table \"%1\"; the only table is tblReminders.").arg(found));
    }

    // A column that may be written; ID is the database's own.
    Column writableColumn()
    {
        const QString found = name(Named::Column);
        for (std::size_t i = 0; i < kColumnNames.size(); ++i) {
            if (found.compare(QLatin1String(kColumnNames[i]), Qt::CaseInsensitive) == 0)
                return static_cast<Column>(i);
        }
        if (found.compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0)
            fail(Words::tr("The column ID is assigned by the database and cannot be written."));
        fail(Words::tr("tblReminders has no column \"%1\".").arg(found));
    }

    void expectEnd()
    {
        skipBlanks();
        if (atEnd())
            return;
        if (mText.at(mPos) == QLatin1Char(';'))
            fail(Words::tr("Only one statement may be run at a time; found more after it: \"%1\".").arg(excerpt(rest())));
        fail(Words::tr("Unexpected text after the end of the statement: \"%1\".").arg(excerpt(rest())));
    }

    ParsedStatement select()
    {
        const qsizetype start = mPos;
        const auto expectWhole = [&](bool ok) {
            if (!ok)
                fail(Words::tr("The only read supported is \"select * from tblReminders order by startdate,starttime\"; "
                                    "this text differs at \"%1\".")
                         .arg(excerpt(QStringView(mText).mid(start).trimmed())));
        };
        expectWhole(peek(QLatin1Char('*')));
        ++mPos;
        keyword("from");
        table();
        keyword("order");
        keyword("by");
        expectWhole(name(Named::Column).compare(QLatin1String("StartDate"), Qt::CaseInsensitive) == 0);
        symbol(',');
        expectWhole(name(Named::Column).compare(QLatin1String("StartTime"), Qt::CaseInsensitive) == 0);
        return ParsedStatement{ParsedStatement::Kind::OrderedSelect, {}, 0};
    }

    ParsedStatement insert()
    {
        keyword("into");
        table();
        symbol('(');
        std::vector<Column> columns;
        if (peek(QLatin1Char(')')))
            fail(Words::tr("The insert names no columns."));
        do {
            if (peek(QLatin1Char(')')))
                fail(Words::tr("A column name is missing after the last comma of the column list."));
            columns.push_back(writableColumn());
        } while (comma());
        symbol(')');
        keyword("values");
        symbol('(');
        std::vector<Literal> literals;
        if (peek(QLatin1Char(')')))
            fail(Words::tr("The insert gives no values: the value list \"()\" is empty."));
        do {
            if (peek(QLatin1Char(')')))
                fail(Words::tr("A value is missing after the last comma of the value list."));
            literals.push_back(literal());
        } while (comma());
        symbol(')');
        if (columns.size() != literals.size())
            fail(Words::tr("The insert names %1 columns but gives %2 values.").arg(columns.size()).arg(literals.size()));

        ParsedStatement statement{ParsedStatement::Kind::Insert, {}, 0};
        for (std::size_t i = 0; i < columns.size(); ++i)
            add(statement, columns[i], literals[i]);
        for (const Column required : {Column::Option, Column::StartDate, Column::StartTime, Column::Reminder}) {
            if (!has(statement, required))
                fail(Words::tr("The insert gives no value for %1.").arg(QLatin1String(columnName(required))));
        }
        if (!has(statement, Column::Weekdays))
            statement.values.push_back({Column::Weekdays, QString()});
        return statement;
    }

    ParsedStatement update()
    {
        table();
        keyword("set");
        ParsedStatement statement{ParsedStatement::Kind::Update, {}, 0};
        do {
            const Column column = writableColumn();
            symbol('=');
            add(statement, column, literal());
        } while (comma());
        skipBlanks();
        if (atEnd())
            fail(Words::tr("The update has no \"where id=\" part, so it would change every reminder."));
        whereId(statement);
        return statement;
    }

    ParsedStatement remove()
    {
        keyword("from");
        table();
        ParsedStatement statement{ParsedStatement::Kind::Delete, {}, 0};
        skipBlanks();
        if (atEnd())
            fail(Words::tr("The delete has no \"where id=\" part, so it would remove every reminder."));
        whereId(statement);
        return statement;
    }

    void whereId(ParsedStatement &statement)
    {
        keyword("where");
        const QString column = name(Named::Column);
        if (column.compare(QLatin1String("ID"), Qt::CaseInsensitive) != 0)
            fail(Words::tr("Rows can only be chosen by \"where id=\", not by \"%1\".").arg(column));
        symbol('=');
        skipBlanks();
        const qsizetype start = mPos;
        const std::optional<QString> digits = number();
        bool ok = false;
        if (digits)
            statement.id = digits->toLongLong(&ok);
        if (!ok) {
            mPos = start;
            fail(Words::tr("The reminder ID after \"where id=\" must be a whole number, not \"%1\".").arg(excerpt(rest())));
        }
    }

    bool comma()
    {
        if (!peek(QLatin1Char(',')))
            return false;
        ++mPos;
        return true;
    }

    // An optionally signed run of digits, possibly with a fraction (which the
    // caller rejects where a whole number is wanted).
    std::optional<QString> number()
    {
        const qsizetype start = mPos;
        if (!atEnd() && (mText.at(mPos) == QLatin1Char('-') || mText.at(mPos) == QLatin1Char('+')))
            ++mPos;
        const qsizetype digitsStart = mPos;
        while (!atEnd() && (mText.at(mPos).isDigit() || mText.at(mPos) == QLatin1Char('.')))
            ++mPos;
        if (mPos == digitsStart || (!atEnd() && (mText.at(mPos).isLetter() || mText.at(mPos) == QLatin1Char('_')))) {
            mPos = start;
            return std::nullopt;
        }
        return mText.mid(start, mPos - start);
    }

    Literal literal()
    {
        skipBlanks();
        const qsizetype start = mPos;
        if (atEnd())
            fail(Words::tr("The statement ends where a value was expected."));
        const QChar first = mText.at(mPos);
        if (first == QLatin1Char('\'')) {
            QString value;
            ++mPos;
            for (;;) {
                const qsizetype quote = mText.indexOf(QLatin1Char('\''), mPos);
                if (quote < 0) {
                    mPos = start;
                    fail(Words::tr("The text value \"%1\" has no closing quote.").arg(excerpt(rest())));
                }
                value += QStringView(mText).mid(mPos, quote - mPos);
                mPos = quote + 1;
                if (atEnd() || mText.at(mPos) != QLatin1Char('\''))
                    break;
                value += QLatin1Char('\'');
                ++mPos;
            }
            return {Literal::Kind::Text, value, start};
        }
        if (first == QLatin1Char('#')) {
            const qsizetype close = mText.indexOf(QLatin1Char('#'), mPos + 1);
            if (close < 0)
                fail(Words::tr("The date or time value \"%1\" has no closing \"#\".").arg(excerpt(rest())));
            mPos = close + 1;
            return {Literal::Kind::Hash, mText.mid(start + 1, close - start - 1), start};
        }
        if (const std::optional<QString> digits = number())
            return {Literal::Kind::Number, *digits, start};
        fail(Words::tr("A value must be a number, a #date#, a #time# or a 'quoted text', not \"%1\".").arg(excerpt(rest())));
    }

    static bool has(const ParsedStatement &statement, Column column)
    {
        for (const ParsedStatement::Assignment &assignment : statement.values) {
            if (assignment.column == column)
                return true;
        }
        return false;
    }

    void add(ParsedStatement &statement, Column column, const Literal &literal)
    {
        if (has(statement, column))
            fail(Words::tr("The column %1 is given twice.").arg(QLatin1String(columnName(column))));
        statement.values.push_back({column, convert(column, literal)});
    }

    QVariant convert(Column column, const Literal &literal) const
    {
        const QString name = QLatin1String(columnName(column));
        const QString written = QStringView(mText).mid(literal.position, 40).toString();
        switch (column) {
        case Column::Option: {
            if (literal.kind != Literal::Kind::Number)
                fail(Words::tr("Option takes a whole number, not \"%1\".").arg(excerpt(written)));
            bool ok = false;
            const int value = literal.text.toInt(&ok);
            if (!ok || value < -32768 || value > 32767)
                fail(Words::tr("Option takes a whole number from -32768 to 32767, not %1.").arg(literal.text));
            return value;
        }
        case Column::StartDate: {
            if (literal.kind != Literal::Kind::Hash)
                fail(Words::tr("StartDate takes a date such as #10/23/2012#, not \"%1\".").arg(excerpt(written)));
            const QDate date = monthFirstDate(literal.text);
            if (!date.isValid())
                fail(Words::tr("#%1# is no valid date for StartDate (month/day/year).").arg(literal.text));
            return date;
        }
        case Column::StartTime: {
            if (literal.kind != Literal::Kind::Hash)
                fail(Words::tr("StartTime takes a time such as #3:03:00 PM#, not \"%1\".").arg(excerpt(written)));
            const std::optional<QTime> time = mRegional.parseTime(literal.text);
            if (!time || !time->isValid())
                fail(Words::tr("#%1# is no valid time of day for StartTime.").arg(literal.text));
            return *time;
        }
        case Column::Reminder:
        case Column::Weekdays:
            if (literal.kind != Literal::Kind::Text)
                fail(Words::tr("%1 takes a 'quoted text', not \"%2\".").arg(name, excerpt(written)));
            return literal.text;
        }
        return {};
    }

    // The month-first form of the # literals: m/d/yyyy, one or two digits
    // for month and day, one to four for the year; an invalid date otherwise.
    static QDate monthFirstDate(const QString &text)
    {
        const QStringView view = QStringView(text).trimmed();
        int parts[3] = {0, 0, 0};
        const int maxDigits[3] = {2, 2, 4};
        qsizetype pos = 0;
        for (int part = 0; part < 3; ++part) {
            if (part > 0 && (pos >= view.size() || view.at(pos++) != QLatin1Char('/')))
                return {};
            const std::optional<int> number = readNumber(view, pos, 1, maxDigits[part]);
            if (!number)
                return {};
            parts[part] = *number;
        }
        if (pos != view.size() || parts[2] < 1)
            return {};
        return QDate(parts[2], parts[0], parts[1]);
    }

    const QString &mText;
    const RegionalSettings &mRegional;
    qsizetype mPos = 0;
};

} // namespace

const char *columnName(ParsedStatement::Column column)
{
    return kColumnNames[static_cast<std::size_t>(column)];
}

ParsedStatement parseStatement(const QString &text, const RegionalSettings &regional)
{
    return Parser(text, regional).parse();
}

} // namespace vestrona
