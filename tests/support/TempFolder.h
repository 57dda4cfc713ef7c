#pragma once

#include <QTemporaryDir>
#include <QString>

namespace vestrona::test {

// A throw-away folder that tests use as program folder or settings folder.
class TempFolder {
public:
    TempFolder() { mDir.setAutoRemove(true); }
    QString path() const { return mDir.path(); }
    QString file(const QString &name) const { return mDir.filePath(name); }
    bool isValid() const { return mDir.isValid(); }

private:
    QTemporaryDir mDir;
};

} // namespace vestrona::test
