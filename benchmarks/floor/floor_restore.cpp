// The floor for "vestrona-cli restore": sqlite3's own API and nothing else.
// The backup file (U.S. English dates and times) is streamed line by line,
// each line's five fields bound to one prepared insert, all in one
// transaction.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char **argv)
{
    sqlite3 *db = nullptr;
    sqlite3_stmt *insert = nullptr;
    std::ifstream file(argc == 3 ? argv[2] : "");
    if (!file || sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK
        || sqlite3_exec(db, "begin", nullptr, nullptr, nullptr) != SQLITE_OK
        || sqlite3_prepare_v2(db, "insert into tblReminders (Option, StartDate, StartTime, Reminder, Weekdays) values (?, ?, ?, ?, ?)",
                              -1, &insert, nullptr) != SQLITE_OK)
        return 3;
    std::string line;
    long rejected = 0;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::string field[5];
        size_t from = 0, n = 0;
        for (size_t at; n < 5 && (at = line.find("|;|", from)) != std::string::npos; from = at + 3)
            field[n++] = line.substr(from, at - from);
        if (n < 5 && from < line.size())
            field[n++] = line.substr(from);
        int month, day, year, hour, minute, second;
        char half[3] = "";
        if (n != 5 || std::sscanf(field[1].c_str(), "%d/%d/%d", &month, &day, &year) != 3
            || std::sscanf(field[2].c_str(), "%d:%d:%d %2s", &hour, &minute, &second, half) < 3) {
            ++rejected;
            continue;
        }
        hour = hour % 12 + (half[0] == 'P' ? 12 : half[0] == 'A' ? 0 : hour / 12 * 12);
        char date[16], time[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, day);
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", hour, minute, second);
        sqlite3_bind_int(insert, 1, std::stoi(field[0]));
        sqlite3_bind_text(insert, 2, date, -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 3, time, -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 4, field[3].c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 5, field[4].c_str(), -1, SQLITE_STATIC);
        if (sqlite3_step(insert) != SQLITE_DONE)
            ++rejected;
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    const bool committed = sqlite3_exec(db, "commit", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    if (rejected)
        std::fprintf(stderr, "floor_restore: %ld lines rejected\n", rejected);
    return committed ? (rejected ? 1 : 0) : 3;
}
