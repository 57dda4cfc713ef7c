#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringDecoder>

namespace vestrona {

// One physical line of a text file and the line end that closed it: "\r\n",
// "\n", "\r", or "" for a last line without one.
struct TextLine {
    QString text;
    QString ending;
};

// Reads a text file line by line as it goes, holding no more of it than the
// line being read; lines end in CR LF, LF or CR alone. A line that is not
// valid UTF-8 is read as Windows-1252, so backups made by Windows
// installations load; a file that starts with a UTF-16 byte order mark is
// UTF-16. An empty file has no lines. Throws AppError when the file cannot
// be read, is not a regular file (a FIFO, a device), is larger than 256 MB
// or holds a line longer than 1 MB (512 K units in UTF-16).
class TextLineReader {
public:
    explicit TextLineReader(const QString &path);

    // The next line; false after the last one.
    bool next(TextLine &line);
    // Goes past the next line, its length checked but its text not decoded;
    // false after the last one.
    bool skip();
    // The number of the line last read or skipped, counted from 1.
    int lineNumber() const { return mLineNumber; }

private:
    bool advance(TextLine *line);
    void readChunk();
    qsizetype buffered() const { return mUtf16 ? mUnits.size() : mBytes.size(); }

    QString mPath;
    QFile mFile;
    bool mUtf16 = false;
    QStringDecoder mUtf16Decoder;
    // What was read but not yet handed out, from mPos on: bytes, or UTF-16
    // units for a UTF-16 file, where CR and LF are whole units.
    QByteArray mBytes;
    QString mUnits;
    qsizetype mPos = 0;
    qint64 mBytesRead = 0;
    bool mAtEnd = false;
    int mLineNumber = 0;
};

} // namespace vestrona
