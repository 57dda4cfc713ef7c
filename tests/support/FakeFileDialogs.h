#pragma once

#include "ui/FileDialogs.h"

#include <QList>
#include <QStringList>

namespace vestrona::test {

// Answers file dialogs from what the test put in; records what was asked.
class FakeFileDialogs final : public FileDialogs {
public:
    struct Request {
        QString kind; // "save", "open" or "openMany"
        QString title;
        QString filter;
    };

    QString getSaveFileName(const QString &title, const QString &filter) override
    {
        requests.append({QStringLiteral("save"), title, filter});
        return nextFiles.isEmpty() ? QString() : nextFiles.takeFirst().value(0);
    }
    QString getOpenFileName(const QString &title, const QString &filter) override
    {
        requests.append({QStringLiteral("open"), title, filter});
        return nextFiles.isEmpty() ? QString() : nextFiles.takeFirst().value(0);
    }
    QStringList getOpenFileNames(const QString &title, const QString &filter) override
    {
        requests.append({QStringLiteral("openMany"), title, filter});
        return nextFiles.isEmpty() ? QStringList() : nextFiles.takeFirst();
    }

    // One entry per dialog to come; an empty entry (or none) is a cancel.
    QList<QStringList> nextFiles;
    QList<Request> requests;
};

} // namespace vestrona::test
