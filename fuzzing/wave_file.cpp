// A sound file is whatever the user picks in the file dialog: any bytes.
// The check that decides whether Qt's sound effect may have a file reads
// only headers the file itself sizes, so it must end on any input without
// reading past the bytes it was given, and what it passes must at least
// hold a RIFF/WAVE header and one chunk header beyond it.

#include "fuzzing/FuzzEntry.h"

#include "formats/WaveFile.h"

#include <QBuffer>
#include <QByteArray>

int fuzzOne(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer file(&bytes);
    fuzzCheck(file.open(QIODevice::ReadOnly), "the buffer opens");
    if (vestrona::isCompletePcmWave(file))
        fuzzCheck(bytes.size() >= 44 && bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE",
                  "a passed file has a RIFF/WAVE header, a format and a samples chunk");
    return 0;
}
