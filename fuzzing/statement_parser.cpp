// Statement texts reach the parser from the editor, the restore (one line of
// a backup file becomes the value list of an insert) and vestrona-cli, so any
// text must give either a statement or an AppError, never anything worse.

#include "fuzzing/FuzzEntry.h"

#include "core/AppError.h"
#include "database/Statements.h"
#include "database/StatementParser.h"

#include <QString>

#include <optional>

namespace {

using namespace vestrona;
using Column = ParsedStatement::Column;

const QVariant *valueOf(const ParsedStatement &statement, Column column)
{
    const QVariant *found = nullptr;
    for (const ParsedStatement::Assignment &assignment : statement.values) {
        if (assignment.column == column) {
            fuzzCheck(found == nullptr, "a column is assigned twice");
            found = &assignment.value;
        }
    }
    return found;
}

void checkValues(const ParsedStatement &statement)
{
    for (const ParsedStatement::Assignment &assignment : statement.values) {
        const QVariant &value = assignment.value;
        switch (assignment.column) {
        case Column::Option:
            fuzzCheck(value.typeId() == QMetaType::Int && value.toInt() >= -32768 && value.toInt() <= 32767,
                      "Option is no small whole number");
            break;
        case Column::StartDate:
            fuzzCheck(value.typeId() == QMetaType::QDate && value.toDate().isValid(), "StartDate is no valid date");
            break;
        case Column::StartTime:
            fuzzCheck(value.typeId() == QMetaType::QTime && value.toTime().isValid(), "StartTime is no valid time");
            break;
        case Column::Reminder:
        case Column::Weekdays:
            fuzzCheck(value.typeId() == QMetaType::QString, "a text column holds no text");
            break;
        }
    }
}

// The values as the editor would hold them, when every column is given.
std::optional<ReminderValues> editorValues(const ParsedStatement &statement)
{
    const QVariant *option = valueOf(statement, Column::Option);
    const QVariant *date = valueOf(statement, Column::StartDate);
    const QVariant *time = valueOf(statement, Column::StartTime);
    const QVariant *message = valueOf(statement, Column::Reminder);
    const QVariant *weekdays = valueOf(statement, Column::Weekdays);
    if (!option || !date || !time || !message || !weekdays)
        return std::nullopt;
    // The editor's weekday texts come from check box captions and are never
    // quoted, so a weekday text with a quote cannot come back through it.
    if (weekdays->toString().contains(QLatin1Char('\'')))
        return std::nullopt;
    return ReminderValues{option->toInt(), date->toDate(), time->toTime(), message->toString(), weekdays->toString()};
}

bool sameValues(const ReminderValues &a, const ReminderValues &b)
{
    return a.option == b.option && a.date == b.date && a.time == b.time && a.message == b.message
        && a.weekdays == b.weekdays;
}

// What the program writes for a parsed statement must parse to the same values.
void checkRoundTrip(const ParsedStatement &statement, const RegionalSettings &regional)
{
    if (statement.kind == ParsedStatement::Kind::Delete) {
        const ParsedStatement again = parseStatement(deleteStatement(statement.id), regional);
        fuzzCheck(again.kind == statement.kind && again.id == statement.id, "a delete does not survive rewriting");
        return;
    }
    const std::optional<ReminderValues> values = editorValues(statement);
    if (!values)
        return;
    const QString rewritten = statement.kind == ParsedStatement::Kind::Insert
        ? editorInsertStatement(*values, regional)
        : editorUpdateStatement(*values, statement.id, regional);
    const ParsedStatement again = parseStatement(rewritten, regional);
    const std::optional<ReminderValues> valuesAgain = editorValues(again);
    fuzzCheck(again.kind == statement.kind && again.id == statement.id && valuesAgain
                  && sameValues(*values, *valuesAgain),
              "a statement does not survive rewriting by the editor");
}

void parseUnder(const QString &text, const RegionalSettings &regional)
{
    ParsedStatement statement;
    try {
        statement = parseStatement(text, regional);
    } catch (const AppError &error) {
        fuzzCheck(!error.description().isEmpty(), "a refusal without words");
        return;
    }
    checkValues(statement);
    if (statement.kind == ParsedStatement::Kind::Insert) {
        for (const Column column : {Column::Option, Column::StartDate, Column::StartTime, Column::Reminder,
                                    Column::Weekdays})
            fuzzCheck(valueOf(statement, column) != nullptr, "an insert lacks a column");
    }
    if (statement.kind == ParsedStatement::Kind::Update)
        fuzzCheck(!statement.values.empty(), "an update changes nothing");
    if (statement.kind == ParsedStatement::Kind::OrderedSelect)
        fuzzCheck(statement.values.empty(), "the select carries values");
    checkRoundTrip(statement, regional);
}

} // namespace

int fuzzOne(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    static const RegionalSettings unitedStates = RegionalSettings::usEnglish();
    static const RegionalSettings dayFirst(RegionalSettings::DateOrder::DayFirst, QLatin1Char('.'), QLatin1Char(':'),
                                           true);
    parseUnder(text, unitedStates);
    parseUnder(text, dayFirst);
    return 0;
}
