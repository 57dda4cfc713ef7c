#include "benchmarks/BenchSupport.h"

#include "store/RegionalSettings.h"
#include "store/Statements.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <stdexcept>

namespace vestrona::bench {

void StderrReporter::showMessage(const QString &text, const QString &)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

Reporter::Answer StderrReporter::askYesNo(const QString &text, const QString &)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
    return Answer::No;
}

void StderrReporter::showError(const QString &text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

void createEmptyDatabase(const QString &path)
{
    QFile schema(QStringLiteral(VESTRONA_SCHEMA_FILE));
    if (!schema.open(QIODevice::ReadOnly))
        throw std::runtime_error("schema.sql not found");
    const QString name = QStringLiteral("bench-create-") + path;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open())
            throw std::runtime_error(db.lastError().text().toStdString());
        for (const QString &statement : QString::fromUtf8(schema.readAll()).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            if (statement.trimmed().isEmpty())
                continue;
            QSqlQuery q(db);
            if (!q.exec(statement))
                throw std::runtime_error(q.lastError().text().toStdString());
        }
    }
    QSqlDatabase::removeDatabase(name);
}

FilledDatabase::FilledDatabase(int count, Kinds kinds) : mPath(mDir.filePath(QStringLiteral("dbReminders.mdb")))
{
    createEmptyDatabase(mPath);
    const RegionalSettings regional = RegionalSettings::usEnglish();
    Connection conn(regional);
    conn.Open(mPath);
    std::mt19937 random(42);
    const QDate first(2025, 1, 1);
    const QTime quietAround = QTime::currentTime();
    conn.beginTransaction();
    for (int i = 0; i < count; ++i) {
        ReminderValues v;
        v.option = kinds == Kinds::EveryDay ? 2 : 1 + i % 3;
        v.date = first.addDays(int(random() % 1100));
        v.time = QTime(int(random() % 24), int(random() % 60), int(random() % 60));
        if (kinds == Kinds::EveryDay && std::abs(v.time.secsTo(quietAround)) < 5 * 60)
            v.time = v.time.addSecs(10 * 60);
        v.message = QStringLiteral("Reminder number %1").arg(i);
        if (v.option == 3) {
            bool days[7] = {};
            days[random() % 7] = true;
            days[random() % 7] = true;
            v.weekdays = weekdaysText(days);
        }
        conn.Execute(editorInsertStatement(v, regional));
    }
    conn.commit();
}

} // namespace vestrona::bench
