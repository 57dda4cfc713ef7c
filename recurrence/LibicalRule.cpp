#include "recurrence/LibicalRule.h"


namespace vestrona::recurrence {

qint64 keyOf(const icaltimetype &t)
{
    const QDate date(t.year, t.month, t.day);
    return date.toJulianDay() * kMsPerDay + ((t.hour * 60 + t.minute) * 60 + t.second) * 1000LL;
}

icaltimetype floatingTime(const QDate &date, const QTime &time)
{
    icaltimetype t = icaltime_null_time();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    t.hour = time.hour();
    t.minute = time.minute();
    t.second = time.second();
    return t;
}

std::optional<icalrecurrencetype> parseRecurrence(QStringView text)
{
    const QByteArray bytes = text.toUtf8();
    // libical's errno is sticky: an earlier failure must not count here.
    icalerror_clear_errno();
    icalrecurrencetype rule = icalrecurrencetype_from_string(bytes.constData());
    if (icalerrno != ICAL_NO_ERROR || rule.freq == ICAL_NO_RECURRENCE) {
        icalerror_clear_errno();
        return std::nullopt;
    }
    return rule;
}

QString recurrenceText(icalrecurrencetype rule)
{
    char *text = icalrecurrencetype_as_string_r(&rule);
    const QString result = QString::fromUtf8(text);
    icalmemory_free_buffer(text);
    return result;
}

int byCount(const short *values, int size)
{
    int n = 0;
    while (n < size && values[n] != ICAL_RECURRENCE_ARRAY_MAX)
        ++n;
    return n;
}

} // namespace vestrona::recurrence
