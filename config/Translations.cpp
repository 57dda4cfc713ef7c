#include "config/Translations.h"

#include "config/DataLocation.h"
#include "core/PathHelpers.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace vestrona {

QStringList Translations::folders(const QString &programFolder)
{
    const QString name = QStringLiteral("translations");
    return {joinPath(programFolder, name), joinPath(DataLocation::sharedFolder(programFolder), name)};
}

QString Translations::qtFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

QString Translations::install(const QLocale &locale, const QStringList &ownFolders, const QString &qtFolder)
{
    QCoreApplication::removeTranslator(&mOwn);
    QCoreApplication::removeTranslator(&mQt);
    QString used;
    for (const QString &folder : ownFolders) {
        if (mOwn.load(locale, QStringLiteral("vestrona"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(&mOwn);
            used = mOwn.filePath();
            break;
        }
    }
    // Qt's catalogue only beside one of the program's own: half a window in
    // the user's language and the standard buttons in another reads worse
    // than all of it in English.
    if (!used.isEmpty() && mQt.load(locale, QStringLiteral("qt"), QStringLiteral("_"), qtFolder))
        QCoreApplication::installTranslator(&mQt);
    return used;
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&mOwn);
    QCoreApplication::removeTranslator(&mQt);
}

} // namespace vestrona
