// Which files go to the sound effect: a complete plain PCM WAV file only.
// Anything the effect's decoder might wait on for ever is turned away.
#include "formats/WaveFile.h"

#include <QBuffer>
#include <QTest>
#include <QtEndian>

using namespace vestrona;

namespace {

QByteArray le16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const char *id, const QByteArray &body, quint32 statedSize)
{
    return QByteArray(id, 4) + le32(statedSize) + body + (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

QByteArray chunk(const char *id, const QByteArray &body)
{
    return chunk(id, body, quint32(body.size()));
}

QByteArray fmtChunk(quint16 format, quint16 channels, quint32 rate, quint16 bits)
{
    const quint16 blockAlign = quint16(channels * bits / 8);
    return chunk("fmt ", le16(format) + le16(channels) + le32(rate) + le32(rate * blockAlign) + le16(blockAlign)
                             + le16(bits));
}

QByteArray riff(const QByteArray &chunks)
{
    return "RIFF" + le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

const QByteArray kSamples(4000, '\x10');
const QByteArray kMonoFmt = fmtChunk(1, 1, 8000, 16);

} // namespace

class TestWaveFile : public QObject {
    Q_OBJECT

private slots:
    void isCompletePcmWave_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("complete");
        QTest::newRow("16-bit mono") << riff(kMonoFmt + chunk("data", kSamples)) << true;
        QTest::newRow("8-bit stereo") << riff(fmtChunk(1, 2, 44100, 8) + chunk("data", kSamples)) << true;
        QTest::newRow("a list chunk of odd length before the samples")
            << riff(kMonoFmt + chunk("LIST", "INFOabc") + chunk("data", kSamples)) << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("text named .wav") << QByteArray("Shopping list\n").repeated(200) << false;
        QTest::newRow("a word") << QByteArray("hello") << false;
        QTest::newRow("the RIFF header only") << riff({}) << false;
        QTest::newRow("cut inside the format") << riff(kMonoFmt).left(28) << false;
        QTest::newRow("no samples chunk") << riff(kMonoFmt) << false;
        QTest::newRow("samples before the format") << riff(chunk("data", kSamples) + kMonoFmt) << false;
        QTest::newRow("samples cut short") << riff(kMonoFmt + chunk("data", kSamples, 8000)) << false;
        QTest::newRow("no whole frame") << riff(fmtChunk(1, 2, 8000, 16) + chunk("data", "ab")) << false;
        QTest::newRow("a chunk longer than the file")
            << riff(kMonoFmt + chunk("LIST", "abcd", 0xFFFFFFF0u) + chunk("data", kSamples)) << false;
        QTest::newRow("24-bit") << riff(fmtChunk(1, 1, 8000, 24) + chunk("data", kSamples.left(3999))) << false;
        QTest::newRow("float") << riff(fmtChunk(3, 1, 8000, 32) + chunk("data", kSamples)) << false;
        QTest::newRow("six channels") << riff(fmtChunk(1, 6, 8000, 16) + chunk("data", kSamples.left(3996))) << false;
        QTest::newRow("no sample rate") << riff(fmtChunk(1, 1, 0, 16) + chunk("data", kSamples)) << false;
        QTest::newRow("big-endian RIFX") << "RIFX" + riff(kMonoFmt + chunk("data", kSamples)).mid(4) << false;
        QTest::newRow("endless small chunks")
            << riff(kMonoFmt + chunk("junk", "xx").repeated(100) + chunk("data", kSamples)) << false;
    }

    void isCompletePcmWave()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, complete);
        QBuffer file(&bytes);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(vestrona::isCompletePcmWave(file), complete);
    }
};

QTEST_GUILESS_MAIN(TestWaveFile)
#include "test_wave_file.moc"
