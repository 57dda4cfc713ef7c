// The floor for "vestrona-cli next": sqlite3's own API and nothing else. One
// select reads what the choice needs, the earliest start after now wins
// (wall-clock time, no daylight-saving rules), one more select reads its
// message.
#include <sqlite3.h>

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

// Days since 1970-01-01 of a civil date.
long daysFrom(int y, int m, int d)
{
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400, doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
}

} // namespace

int main(int argc, char **argv)
{
    sqlite3 *db = nullptr;
    sqlite3_stmt *rows = nullptr;
    if (argc != 2 || sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK
        || sqlite3_prepare_v2(db, "select ID, Option, StartDate, StartTime, Weekdays from tblReminders", -1, &rows, nullptr))
        return 3;
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    const long today = daysFrom(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    const long long now = today * 86400LL + local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    static const char *const names[7] = {"Thu", "Fri", "Sat", "Sun", "Mon", "Tue", "Wed"}; // day 0 was a Thursday
    long long best = -1, bestId = 0;
    while (sqlite3_step(rows) == SQLITE_ROW) {
        int y, mo, d, h, mi, s;
        if (std::sscanf(reinterpret_cast<const char *>(sqlite3_column_text(rows, 2)), "%d-%d-%d", &y, &mo, &d) != 3
            || std::sscanf(reinterpret_cast<const char *>(sqlite3_column_text(rows, 3)), "%d:%d:%d", &h, &mi, &s) != 3)
            continue;
        const long start = daysFrom(y, mo, d), option = sqlite3_column_int(rows, 1);
        const long long time = h * 3600 + mi * 60 + s;
        // A weekly reminder is due only on its listed days, the first one included.
        long long due = option == 3 ? -1 : start * 86400LL + time;
        for (long day = start > today ? start : today; option != 1 && due <= now && day < today + 8; ++day) {
            const char *weekdays = reinterpret_cast<const char *>(sqlite3_column_text(rows, 4));
            if (option == 2 || std::strstr(weekdays, names[day % 7]))
                due = day * 86400LL + time;
        }
        if (due > now && (best < 0 || due < best)) {
            best = due;
            bestId = sqlite3_column_int64(rows, 0);
        }
    }
    sqlite3_finalize(rows);
    if (best < 0)
        return 1;
    sqlite3_stmt *message = nullptr;
    sqlite3_prepare_v2(db, "select Reminder from tblReminders where ID = ?", -1, &message, nullptr);
    sqlite3_bind_int64(message, 1, bestId);
    if (sqlite3_step(message) != SQLITE_ROW)
        return 3;
    const std::time_t at = std::time_t(best); // a wall-clock position, printed as such
    char when[32];
    std::strftime(when, sizeof when, "%m/%d/%Y %H:%M:%S", std::gmtime(&at));
    std::printf("%s\t%s\n", when, reinterpret_cast<const char *>(sqlite3_column_text(message, 0)));
    sqlite3_finalize(message);
    sqlite3_close(db);
    return 0;
}
