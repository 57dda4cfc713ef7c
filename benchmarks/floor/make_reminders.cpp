// Writes COUNT reminders three ways, without the program: the reminder
// database (the shipped schema, filled through one prepared insert), a
// remind file and a calcurse data folder holding the same reminders, so the
// program and its peers answer the same question on the same data.
//
//   make_reminders COUNT SCHEMA DATABASE REMIND_FILE CALCURSE_FOLDER
//
// A CALCURSE_FOLDER of "-" leaves calcurse out.
// The reminders are those of the benchmarks' FilledDatabase: one third each
// once, daily and weekly on two days, spread over three years from 2025.
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct CalcurseItem {
    std::time_t start;
    std::string line;
};

// One calcurse appointment of one minute: calcurse refuses repeated items
// that start and end at midnight.
CalcurseItem calcurseItem(std::tm day, int hour, int minute, const char *rule, const std::string &message)
{
    day.tm_hour = hour;
    day.tm_min = minute;
    day.tm_sec = 0;
    day.tm_isdst = -1;
    const std::time_t start = std::mktime(&day);
    std::tm end = day;
    end.tm_min += 1;
    std::mktime(&end);
    char from[32], to[32];
    std::strftime(from, sizeof from, "%m/%d/%Y @ %H:%M", &day);
    std::strftime(to, sizeof to, "%m/%d/%Y @ %H:%M", &end);
    return {start, std::string(from) + " -> " + to + rule + " |" + message + '\n'};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: make_reminders COUNT SCHEMA DATABASE REMIND_FILE CALCURSE_FOLDER\n");
        return 2;
    }
    const long count = std::stol(argv[1]);
    std::stringstream schema;
    schema << std::ifstream(argv[2]).rdbuf();
    sqlite3 *db = nullptr;
    // Made once per run and thrown away after it: no need to survive a crash.
    schema << "pragma synchronous = off;";
    if (sqlite3_open(argv[3], &db) != SQLITE_OK || sqlite3_exec(db, schema.str().c_str(), nullptr, nullptr, nullptr) != SQLITE_OK
        || sqlite3_exec(db, "begin", nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "make_reminders: %s\n", sqlite3_errmsg(db));
        return 1;
    }
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db, "insert into tblReminders (Option, StartDate, StartTime, Reminder, Weekdays) values (?, ?, ?, ?, ?)",
                       -1, &insert, nullptr);
    std::ofstream remind(argv[4]);
    const bool withCalcurse = std::string(argv[5]) != "-";
    std::vector<CalcurseItem> calcurse;
    static const char *const codes[7] = {"Mon", "Tue", " Wed", "Thu", "Fri", "Sat", "Sun"};
    std::mt19937 random(42);
    for (long i = 0; i < count; ++i) {
        const int option = 1 + int(i % 3);
        std::tm day{};
        day.tm_year = 125;
        day.tm_mon = 0;
        day.tm_mday = 1 + int(random() % 1100);
        day.tm_isdst = -1;
        day.tm_hour = 12; // a mid-day normalisation never lands on a skipped hour
        std::mktime(&day);
        const int hour = int(random() % 24), minute = int(random() % 60), second = int(random() % 60);
        bool ticked[7] = {};
        if (option == 3) {
            ticked[random() % 7] = true;
            ticked[random() % 7] = true;
        }
        std::string weekdays, remindDays;
        for (int d = 0; d < 7; ++d) {
            if (ticked[d]) {
                if (!weekdays.empty())
                    weekdays += ',';
                weekdays += codes[d];
                remindDays += std::string(codes[d] + (d == 2)) + " ";
            }
        }
        char date[16], time[16];
        std::strftime(date, sizeof date, "%Y-%m-%d", &day);
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", hour, minute, second);
        const std::string message = "Reminder number " + std::to_string(i);
        sqlite3_bind_int(insert, 1, option);
        sqlite3_bind_text(insert, 2, date, -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 3, time, -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 4, message.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 5, weekdays.c_str(), -1, SQLITE_STATIC);
        if (sqlite3_step(insert) != SQLITE_DONE) {
            std::fprintf(stderr, "make_reminders: %s\n", sqlite3_errmsg(db));
            return 1;
        }
        sqlite3_reset(insert);
        const std::string at = std::string(time, 5);
        if (option == 1)
            remind << "REM " << date << " AT " << at << " MSG " << message << '\n';
        else if (option == 2)
            remind << "REM " << date << " *1 AT " << at << " MSG " << message << '\n';
        else
            remind << "REM " << remindDays << "FROM " << date << " AT " << at << " MSG " << message << '\n';
        // calcurse repeats weekly from the first day itself, so a weekly
        // reminder becomes one weekly item per chosen day, each starting on
        // its first such day.
        if (withCalcurse && option != 3)
            calcurse.push_back(calcurseItem(day, hour, minute, option == 2 ? " {1D}" : "", message));
        for (int d = 0; withCalcurse && option == 3 && d < 7; ++d) {
            std::tm first = day;
            first.tm_mday += ((d + 1) % 7 - day.tm_wday + 7) % 7;
            if (ticked[d])
                calcurse.push_back(calcurseItem(first, hour, minute, " {1W}", message));
        }
    }
    if (withCalcurse) {
        // In the order calcurse keeps them itself: read in any other order,
        // its list takes minutes to build.
        std::stable_sort(calcurse.begin(), calcurse.end(),
                         [](const CalcurseItem &a, const CalcurseItem &b) { return a.start < b.start; });
        std::ofstream apts(std::string(argv[5]) + "/apts");
        for (const CalcurseItem &item : calcurse)
            apts << item.line;
        std::ofstream(std::string(argv[5]) + "/todo");
    }
    sqlite3_finalize(insert);
    const bool committed = sqlite3_exec(db, "commit", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return committed ? 0 : 1;
}
