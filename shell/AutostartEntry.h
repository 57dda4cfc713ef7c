#pragma once

#include <QString>

namespace vestrona {

// The program's entry in the user's own logon start list: a desktop entry
// file in the autostart folder of the user's configuration folder, named
// after the program file, starting that very file and showing the icon of
// the installed program.
class AutostartEntry {
public:
    AutostartEntry(QString configFolder, QString programPath);

    QString folder() const;
    QString filePath() const;
    QString contents() const;

    // Writes the entry, creating the folder when needed; throws AppError.
    void add() const;
    // Removes the entry; no entry is nothing to do. Throws AppError.
    void remove() const;

private:
    void requireProgramFile() const;

    QString mConfigFolder;
    QString mProgramPath;
};

// One argument of a desktop entry's Exec key, quoted and escaped so that the
// launcher hands exactly `argument` to the program.
QString desktopExecArgument(const QString &argument);

} // namespace vestrona
