// Runs every file in the folders given on the command line (by default the
// target's regressions and seed corpus) through its entry point once. A crash or sanitizer report ends the process,
// which fails the test; the file being run is printed first so it is known.

#include "fuzzing/FuzzEntry.h"

#include <QDirIterator>
#include <QFile>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QStringList folders;
    for (int i = 1; i < argc; ++i)
        folders << QString::fromLocal8Bit(argv[i]);
    if (folders.isEmpty())
        folders << QStringLiteral(VESTRONA_FUZZ_REGRESSIONS) << QStringLiteral(VESTRONA_FUZZ_CORPUS);

    QTextStream out(stdout);
    int replayed = 0;
    for (const QString &folder : folders) {
        QDirIterator files(folder, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                out << "cannot read " << path << Qt::endl;
                return 1;
            }
            const QByteArray bytes = file.readAll();
            out << "replaying " << path << Qt::endl;
            fuzzOne(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
            ++replayed;
        }
    }
    out << replayed << " inputs replayed" << Qt::endl;
    // An empty replay means the folders moved, not that everything passed.
    return replayed > 0 ? 0 : 1;
}
