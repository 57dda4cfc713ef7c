#include "core/PathHelpers.h"

#include "core/AppError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vestrona {

QString joinPath(const QString &folder, const QString &relativeName)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + relativeName;
    return folder + QLatin1Char('/') + relativeName;
}

QString FileNameFromPath(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.mid(slash + 1);
}

namespace {
QString collapsePairs(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        out.append(text[i]);
        if (text[i] == QLatin1Char('/') && i + 1 < text.size() && text[i + 1] == QLatin1Char('/'))
            ++i;
    }
    return out;
}
} // namespace

QString FixPathSlashes(const QString &path)
{
    if (!path.startsWith(QLatin1Char('/')))
        return collapsePairs(path);
    qsizetype k = 0;
    while (k < path.size() && path[k] == QLatin1Char('/'))
        ++k;
    return QLatin1Char('/') + collapsePairs(QStringView(path).mid(k));
}

QString xdgBaseFolder(const char *variable, const QString &defaultUnderHome)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return value;
    // Qt falls back to "/" without HOME: the user's files would go there.
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty() || !QDir::isAbsolutePath(home))
        throw AppError(QCoreApplication::translate(
                           "PathHelpers",
                           "HOME is not set, so Vestrona has no folder of yours to keep your reminders and "
                           "settings in (without HOME, set %1). Nothing was changed.")
                           .arg(QString::fromLatin1(variable)));
    return joinPath(home, defaultUnderHome);
}

bool FileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

bool listingFindsFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

QString shortTitleFor(const QString &productName)
{
    QString title = productName;
    do {
        const qsizetype blank = title.lastIndexOf(QLatin1Char(' '));
        if (blank < 0)
            break;
        title.truncate(blank);
    } while (title.size() > 40);
    return title;
}

void requireRegularFile(const QString &path)
{
    const QFileInfo info(path);
    // A FIFO or a device would block the reader or never end, and replacing
    // one with a file would destroy it.
    if (info.exists() && !info.isFile())
        throw AppError(QCoreApplication::translate("PathHelpers", "%1 is not a regular file.").arg(path));
}

} // namespace vestrona
