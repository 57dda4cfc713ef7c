#pragma once

#include <QString>

namespace vestrona {

class SettingsStore;

// The files a run of the program works on.
struct DataFiles {
    QString database;     // the reminder database to open
    QString defaultAlarm; // the alarm sound when the user chose none

    // Both files in one folder: a portable copy of the program, or a test's.
    static DataFiles beside(const QString &folder);
};

// Where a user's reminders live. A database beside the executable wins, so a
// portable copy and the build tree behave as they always did; otherwise each
// user has one in $XDG_DATA_HOME/vestrona, made from the shipped empty
// database on the user's first start and never overwritten.
class DataLocation {
public:
    struct Folders {
        QString program;  // the executable's folder
        QString dataHome; // $XDG_DATA_HOME, see userDataHome()
        QString shared;   // the installed share/vestrona: the empty database and alarm.wav
    };

    DataLocation(Folders folders, SettingsStore &settings);

    // The folders of the program running from `programFolder` for the
    // current user; the shared folder lies where the install put it relative
    // to the executables.
    static Folders forProgram(const QString &programFolder);
    // The installed share/vestrona of the program running from `programFolder`.
    static QString sharedFolder(const QString &programFolder);
    // $XDG_DATA_HOME, or ~/.local/share when it is unset, empty or relative.
    static QString userDataHome();

    // The files the rule picks, without touching anything.
    DataFiles files() const;

    // files(), after making the user's database when this user never had
    // one. A user database that was made once and has gone since is not made
    // again: opening it reports it missing. Throws AppError naming the path
    // when the database cannot be made; nothing that exists is overwritten.
    DataFiles prepare();

private:
    QString besideDatabase() const;
    QString userDatabase() const;
    void makeUserDatabase() const;

    Folders mFolders;
    SettingsStore &mSettings;
};

} // namespace vestrona
