#include "core/Reporter.h"

namespace vestrona {

namespace {
QString &titleStorage()
{
    static QString title = QString::fromLatin1(kProductName);
    return title;
}
} // namespace

QString applicationErrorText(const QString &description, const QString &location, int line)
{
    return description + QStringLiteral("\r\n") + QStringLiteral("in ")
        + QString::fromLatin1(kErrorLocationPrefix) + QLatin1Char('.') + location + QLatin1Char(' ')
        + QStringLiteral("at line ") + QString::number(line) + QStringLiteral("\r\r")
        + QStringLiteral("Please email screenshot of this message to ")
        + QString::fromLatin1(kSupportAddress);
}

QString appTitle()
{
    return titleStorage();
}

void setAppTitleText(const QString &title)
{
    titleStorage() = title;
}

} // namespace vestrona
