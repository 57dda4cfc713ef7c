#include "ui/MessageBoxReporter.h"

#include <QMessageBox>

namespace vestrona {

namespace {
// Message texts keep Windows line ends ("\r\n", and "\r" alone); a label wants "\n".
QString forDisplay(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// A short text makes a box so narrow that the window manager cuts its title.
void keepTitleReadable(QMessageBox &box)
{
    box.setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { min-width: 220px; }"));
}

QString titleOrAppTitle(const QString &title)
{
    return title.isEmpty() ? appTitle() : title;
}
} // namespace

void MessageBoxReporter::showMessage(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, titleOrAppTitle(title), forDisplay(text), QMessageBox::Ok);
    keepTitleReadable(box);
    box.exec();
}

Reporter::Answer MessageBoxReporter::askYesNo(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, titleOrAppTitle(title), forDisplay(text), QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    keepTitleReadable(box);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void MessageBoxReporter::showError(const ErrorReport &error)
{
    QMessageBox::warning(nullptr, QString::fromLatin1(kErrorBoxTitle), forDisplay(applicationErrorText(error)));
}

} // namespace vestrona
