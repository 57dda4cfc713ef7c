#include "formats/TextLineReader.h"

#include "core/AppError.h"
#include "core/RegularFile.h"

#include <QCoreApplication>

#include <cstring>

namespace vestrona {

namespace {

constexpr qint64 kMaxFileBytes = 256LL * 1024 * 1024;
constexpr qsizetype kMaxLineBytes = 1024 * 1024;
constexpr qint64 kReadChunkBytes = 64 * 1024;

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five codes it
// leaves undefined are kept as the C1 controls Latin-1 gives them.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QChar(byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t(byte));
    }
    return text;
}

// Decided line by line: a file pieced together from several sources often
// holds one stray Windows-1252 byte, and that must not garble the accented
// letters of every other line.
QString decodeLine(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
}

char16_t unitOf(char c)
{
    return static_cast<unsigned char>(c);
}

char16_t unitOf(QChar c)
{
    return c.unicode();
}

// Where the line starting at `from` ends and how long its line end is; `at`
// is -1 while the buffer holds no whole line. A CR at the very end counts
// only `atEnd`, since the LF that would pair with it may come next.
struct LineEnd {
    qsizetype at = -1;
    qsizetype size = 0;
};

// The first CR or LF at or after `from`, or the size when there is none.
qsizetype findBreak(const QString &units, qsizetype from)
{
    const QChar *data = units.constData();
    for (qsizetype i = from; i < units.size(); ++i) {
        if (data[i] == u'\n' || data[i] == u'\r')
            return i;
    }
    return units.size();
}

// The same in bytes, where memchr finds them many bytes at a time.
qsizetype findBreak(const QByteArray &bytes, qsizetype from)
{
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    const void *lf = std::memchr(data + from, '\n', size_t(size - from));
    const qsizetype end = lf ? static_cast<const char *>(lf) - data : size;
    const void *cr = std::memchr(data + from, '\r', size_t(end - from));
    return cr ? static_cast<const char *>(cr) - data : end;
}

template <class Buffer>
LineEnd findLineEnd(const Buffer &buffer, qsizetype from, bool atEnd)
{
    const qsizetype size = buffer.size();
    const qsizetype i = findBreak(buffer, from);
    if (i < size) {
        if (unitOf(buffer.at(i)) == u'\n')
            return {i, 1};
        if (i + 1 < size)
            return {i, unitOf(buffer.at(i + 1)) == u'\n' ? 2 : 1};
        return atEnd ? LineEnd{i, 1} : LineEnd{};
    }
    if (atEnd && from < size)
        return {size, 0};
    return {};
}

QString endingText(LineEnd end, char16_t first)
{
    if (end.size == 2)
        return QStringLiteral("\r\n");
    if (end.size == 0)
        return QString();
    return first == u'\n' ? QStringLiteral("\n") : QStringLiteral("\r");
}

[[noreturn]] void failReading(const QString &path, const QString &why)
{
    throw AppError(QCoreApplication::translate("TextLineReader", "The file %1 cannot be read: %2.").arg(path, why));
}

[[noreturn]] void failNotBackup(const QString &path, const QString &why)
{
    throw AppError(QCoreApplication::translate("TextLineReader", "The file %1 is not a backup file: %2.").arg(path, why));
}

[[noreturn]] void failTooLarge(const QString &path)
{
    failNotBackup(path, QCoreApplication::translate("TextLineReader", "it is larger than %1 MB")
                            .arg(kMaxFileBytes / (1024 * 1024)));
}

} // namespace

TextLineReader::TextLineReader(const QString &path) : mPath(path), mFile(path)
{
    if (!openRegularFile(mFile, QIODevice::ReadOnly))
        failReading(path, mFile.errorString());
    if (mFile.size() > kMaxFileBytes)
        failTooLarge(path);
    mBytes = mFile.read(2);
    if (mFile.error() != QFileDevice::NoError)
        failReading(path, mFile.errorString());
    mBytesRead = mBytes.size();
    if (mBytes.startsWith("\xff\xfe") || mBytes.startsWith("\xfe\xff")) {
        mUtf16 = true;
        mUtf16Decoder = QStringDecoder(mBytes.startsWith("\xff\xfe") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        mBytes.clear();
    }
}

bool TextLineReader::next(TextLine &line)
{
    return advance(&line);
}

bool TextLineReader::skip()
{
    return advance(nullptr);
}

bool TextLineReader::advance(TextLine *line)
{
    const qsizetype maxLength = mUtf16 ? kMaxLineBytes / 2 : kMaxLineBytes;
    for (;;) {
        const LineEnd end = mUtf16 ? findLineEnd(mUnits, mPos, mAtEnd) : findLineEnd(mBytes, mPos, mAtEnd);
        // A line too long to be a reminder is refused as soon as it is, not
        // only once its end has been read; an unfinished one may end in the
        // CR that is held back.
        if (end.at < 0 ? buffered() - mPos > maxLength + 1 : end.at - mPos > maxLength)
            failNotBackup(mPath, QCoreApplication::translate("TextLineReader", "line %1 is longer than %2 MB")
                                     .arg(mLineNumber + 1)
                                     .arg(kMaxLineBytes / (1024 * 1024)));
        if (end.at >= 0) {
            ++mLineNumber;
            if (line) {
                if (mUtf16) {
                    line->text = mUnits.sliced(mPos, end.at - mPos);
                    line->ending = endingText(end, end.size ? mUnits.at(end.at).unicode() : 0);
                } else {
                    line->text = decodeLine(QByteArrayView(mBytes).sliced(mPos, end.at - mPos));
                    line->ending = endingText(end, end.size ? unitOf(mBytes.at(end.at)) : 0);
                }
            }
            mPos = end.at + end.size;
            return true;
        }
        if (mAtEnd)
            return false;
        readChunk();
    }
}

void TextLineReader::readChunk()
{
    if (mUtf16)
        mUnits.remove(0, mPos);
    else
        mBytes.remove(0, mPos);
    mPos = 0;
    const QByteArray chunk = mFile.read(kReadChunkBytes);
    if (mFile.error() != QFileDevice::NoError)
        failReading(mPath, mFile.errorString());
    mBytesRead += chunk.size();
    // A file that grows while it is read is still held to the bound.
    if (mBytesRead > kMaxFileBytes)
        failTooLarge(mPath);
    mAtEnd = chunk.isEmpty();
    if (mUtf16)
        mUnits += mUtf16Decoder.decode(chunk);
    else
        mBytes += chunk;
}

} // namespace vestrona
