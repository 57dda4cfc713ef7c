#include "ui/MessageBoxReporter.h"

#include <QMessageBox>

namespace vestrona {

namespace {
// Message texts keep Windows line ends ("\r\n", and "\r" alone); a label wants "\n".
QString forDisplay(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QString titleOrAppTitle(const QString &title)
{
    return title.isEmpty() ? appTitle() : title;
}
} // namespace

void MessageBoxReporter::showMessage(const QString &text, const QString &title)
{
    QMessageBox::information(nullptr, titleOrAppTitle(title), forDisplay(text));
}

Reporter::Answer MessageBoxReporter::askYesNo(const QString &text, const QString &title)
{
    const auto button = QMessageBox::question(nullptr, titleOrAppTitle(title), forDisplay(text),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void MessageBoxReporter::showError(const QString &text)
{
    QMessageBox::warning(nullptr, QString::fromLatin1(kErrorBoxTitle), forDisplay(text));
}

} // namespace vestrona
