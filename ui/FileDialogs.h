#pragma once

#include <QString>
#include <QStringList>

namespace vestrona {

// The file dialog of the main window. Filters are given in the program's
// "Description|pattern|Description|pattern|" form. Cancel gives "" or an
// empty list.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QString getSaveFileName(const QString &title, const QString &filter) = 0;
    virtual QString getOpenFileName(const QString &title, const QString &filter) = 0;
    virtual QStringList getOpenFileNames(const QString &title, const QString &filter) = 0;
};

// "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|" as a Qt name filter list.
QString toQtNameFilters(const QString &filter);

// A name typed without a suffix gets the one of the chosen filter when that
// filter has a single pattern: "plan" with "iCalendar (*.ics)" is "plan.ics".
QString withFilterSuffix(const QString &path, const QString &nameFilter);

class QtFileDialogs final : public FileDialogs {
public:
    QString getSaveFileName(const QString &title, const QString &filter) override;
    QString getOpenFileName(const QString &title, const QString &filter) override;
    QStringList getOpenFileNames(const QString &title, const QString &filter) override;
};

} // namespace vestrona
