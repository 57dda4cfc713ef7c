#include "ui/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace vestrona {

QString toQtNameFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList names;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            continue;
        // Qt reads the patterns from the parentheses of the description; on
        // Linux "*.*" would miss every file without a dot.
        QString description = parts[i];
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
        names << description.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
    }
    return names.join(QStringLiteral(";;"));
}

QString withFilterSuffix(const QString &path, const QString &nameFilter)
{
    static const QRegularExpression onePattern(QStringLiteral("\\(\\*(\\.[^*?() ]+)\\)$"));
    const QRegularExpressionMatch match = onePattern.match(nameFilter);
    if (path.isEmpty() || !match.hasMatch() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + match.captured(1);
}

QString QtFileDialogs::getSaveFileName(const QString &title, const QString &filter)
{
    // The program asks about overwriting itself, in its own words.
    QString chosenFilter;
    const QString path = QFileDialog::getSaveFileName(nullptr, title, {}, toQtNameFilters(filter), &chosenFilter,
                                                      QFileDialog::DontConfirmOverwrite);
    return withFilterSuffix(path, chosenFilter);
}

QString QtFileDialogs::getOpenFileName(const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(nullptr, title, {}, toQtNameFilters(filter));
}

QStringList QtFileDialogs::getOpenFileNames(const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileNames(nullptr, title, {}, toQtNameFilters(filter));
}

} // namespace vestrona
