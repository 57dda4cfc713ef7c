// Writes the program's own alarm sound: a repeating two-tone chime,
// synthesized here so no third-party recording ships with the program.
#include <QFile>
#include <QtEndian>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;

void appendTone(std::vector<qint16> &samples, double frequency, double seconds, double amplitude)
{
    const int count = static_cast<int>(seconds * kSampleRate);
    const int fade = kSampleRate / 100; // 10 ms ramps keep the tone free of clicks
    for (int i = 0; i < count; ++i) {
        double envelope = 1.0;
        if (i < fade)
            envelope = double(i) / fade;
        else if (count - i < fade)
            envelope = double(count - i) / fade;
        const double t = double(i) / kSampleRate;
        const double wave = std::sin(2 * std::numbers::pi * frequency * t)
            + 0.3 * std::sin(2 * std::numbers::pi * 2 * frequency * t);
        samples.push_back(static_cast<qint16>(wave / 1.3 * envelope * amplitude * 32767));
    }
}

void appendSilence(std::vector<qint16> &samples, double seconds)
{
    samples.insert(samples.end(), static_cast<size_t>(seconds * kSampleRate), 0);
}

template <class T>
void put(QByteArray &out, T value)
{
    T le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&le), sizeof le);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s TARGET.wav\n", argv[0]);
        return 2;
    }
    std::vector<qint16> samples;
    for (int beep = 0; beep < 2; ++beep) {
        appendTone(samples, 880.0, 0.18, 0.6);
        appendSilence(samples, 0.05);
        appendTone(samples, 1320.0, 0.18, 0.6);
        appendSilence(samples, 0.12);
    }
    appendSilence(samples, 0.3);

    const quint32 dataBytes = quint32(samples.size() * sizeof(qint16));
    QByteArray wav;
    wav.append("RIFF");
    put<quint32>(wav, 36 + dataBytes);
    wav.append("WAVEfmt ");
    put<quint32>(wav, 16);
    put<quint16>(wav, 1); // PCM
    put<quint16>(wav, 1); // mono
    put<quint32>(wav, kSampleRate);
    put<quint32>(wav, kSampleRate * 2);
    put<quint16>(wav, 2);
    put<quint16>(wav, 16);
    wav.append("data");
    put<quint32>(wav, dataBytes);
    for (qint16 s : samples)
        put<qint16>(wav, s);

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(wav) != wav.size()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
