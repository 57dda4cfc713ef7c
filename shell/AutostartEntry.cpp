#include "shell/AutostartEntry.h"

#include "core/AppError.h"
#include "core/PathHelpers.h"
#include "core/Reporter.h"
#include "core/TextEscapes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace vestrona {

namespace {

bool needsQuoting(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    if (argument.isEmpty())
        return true;
    for (const QChar c : argument)
        if (reserved.contains(c))
            return true;
    return false;
}

} // namespace

QString desktopExecArgument(const QString &argument)
{
    QString quoted;
    if (needsQuoting(argument)) {
        quoted += QLatin1Char('"');
        for (const QChar c : argument) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$')
                || c == QLatin1Char('\\'))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        quoted += QLatin1Char('"');
    } else {
        quoted = argument;
    }
    // A lone percent sign would start a field code.
    quoted.replace(QLatin1Char('%'), QLatin1String("%%"));
    // Every string value of a desktop entry is escaped this way; the reader
    // undoes it before the Exec quoting rules apply.
    return backslashEscaped(quoted);
}

AutostartEntry::AutostartEntry(QString configFolder, QString programPath)
    : mConfigFolder(std::move(configFolder))
    , mProgramPath(std::move(programPath))
{
}

QString AutostartEntry::folder() const
{
    return joinPath(mConfigFolder, QStringLiteral("autostart"));
}

QString AutostartEntry::filePath() const
{
    return joinPath(folder(), FileNameFromPath(mProgramPath) + QStringLiteral(".desktop"));
}

QString AutostartEntry::contents() const
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "Exec=%2\n"
                          "Icon=%3\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(QString::fromLatin1(kProductName), desktopExecArgument(mProgramPath), QStringLiteral(VESTRONA_APP_ID));
}

void AutostartEntry::requireProgramFile() const
{
    if (FileNameFromPath(mProgramPath).isEmpty())
        throw AppError(QCoreApplication::translate("AutostartEntry",
                                                   "The program's own file could not be found, so it cannot be entered "
                                                   "in the logon start list."));
}

void AutostartEntry::add() const
{
    requireProgramFile();
    if (!QDir().mkpath(folder()))
        throw AppError(
            QCoreApplication::translate("AutostartEntry", "The autostart folder \"%1\" could not be created.")
                .arg(folder()));

    QSaveFile file(filePath());
    if (!file.open(QIODevice::WriteOnly))
        throw AppError(
            QCoreApplication::translate("AutostartEntry", "The autostart entry \"%1\" could not be written: %2")
                .arg(filePath(), file.errorString()));
    file.write(contents().toUtf8());
    if (!file.commit())
        throw AppError(
            QCoreApplication::translate("AutostartEntry", "The autostart entry \"%1\" could not be written: %2")
                .arg(filePath(), file.errorString()));
}

void AutostartEntry::remove() const
{
    requireProgramFile();
    const QFileInfo entry(filePath());
    if (!entry.exists() && !entry.isSymLink())
        return;
    QFile file(filePath());
    if (!file.remove())
        throw AppError(
            QCoreApplication::translate("AutostartEntry", "The autostart entry \"%1\" could not be removed: %2")
                .arg(filePath(), file.errorString()));
}

} // namespace vestrona
