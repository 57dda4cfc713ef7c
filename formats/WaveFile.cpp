#include "formats/WaveFile.h"

#include <QIODevice>
#include <QtEndian>

namespace vestrona {

namespace {
constexpr qint64 kChunkHeaderSize = 8;
constexpr quint32 kPcmFormat = 1;
// Chunks before the samples ("LIST", "fact", …) are skipped; a file with
// more than this many is no alarm sound but a trap.
constexpr int kMostChunks = 64;

struct ChunkHeader {
    QByteArray id;
    quint32 size = 0;
};

bool readChunkHeader(QIODevice &file, ChunkHeader &chunk)
{
    const QByteArray bytes = file.read(kChunkHeaderSize);
    if (bytes.size() != kChunkHeaderSize)
        return false;
    chunk.id = bytes.left(4);
    chunk.size = qFromLittleEndian<quint32>(bytes.constData() + 4);
    return true;
}

bool isPlainPcm(const QByteArray &fmt)
{
    if (fmt.size() < 16)
        return false;
    const char *at = fmt.constData();
    const quint16 format = qFromLittleEndian<quint16>(at);
    const quint16 channels = qFromLittleEndian<quint16>(at + 2);
    const quint32 sampleRate = qFromLittleEndian<quint32>(at + 4);
    const quint16 blockAlign = qFromLittleEndian<quint16>(at + 12);
    const quint16 bits = qFromLittleEndian<quint16>(at + 14);
    return format == kPcmFormat && (channels == 1 || channels == 2) && sampleRate >= 1000 && sampleRate <= 192000
        && (bits == 8 || bits == 16) && blockAlign == channels * bits / 8;
}
} // namespace

bool isCompletePcmWave(QIODevice &file)
{
    if (!file.isReadable() || file.isSequential() || !file.seek(0))
        return false;
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return false;
    quint16 blockAlign = 0;
    for (int i = 0; i < kMostChunks; ++i) {
        ChunkHeader chunk;
        if (!readChunkHeader(file, chunk))
            return false;
        const qint64 start = file.pos();
        const qint64 left = file.size() - start;
        if (chunk.size > left)
            return false;
        if (chunk.id == "fmt ") {
            const QByteArray fmt = file.read(chunk.size);
            if (!isPlainPcm(fmt))
                return false;
            blockAlign = qFromLittleEndian<quint16>(fmt.constData() + 12);
        } else if (chunk.id == "data") {
            return blockAlign != 0 && chunk.size >= blockAlign;
        }
        // Chunks are padded to an even length.
        if (!file.seek(start + chunk.size + (chunk.size & 1)))
            return false;
    }
    return false;
}

} // namespace vestrona
