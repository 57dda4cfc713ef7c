#include "core/Reporter.h"

#include "core/PathHelpers.h"

#include <QCoreApplication>

namespace vestrona {

namespace {
constexpr auto kErrorLocationPrefix = "Vestrona2021/08/31";
constexpr auto kSupportAddress = "support@tolvane.example";
} // namespace

QString applicationErrorText(const ErrorReport &error)
{
    return error.description + QStringLiteral("\r\n") + QCoreApplication::translate("Reporter", "in ")
        + QString::fromLatin1(kErrorLocationPrefix) + QLatin1Char('.') + error.location + QLatin1Char(' ')
        + QCoreApplication::translate("Reporter", "at line ") + QString::number(error.line) + QStringLiteral("\r\r")
        + QCoreApplication::translate("Reporter", "Please email screenshot of this message to ")
        + QString::fromLatin1(kSupportAddress);
}

QString appTitle()
{
    static const QString title = shortTitleFor(QString::fromLatin1(kProductName));
    return title;
}

} // namespace vestrona
