#pragma once

#include <QtGlobal>

class QIODevice;

namespace vestrona {

// Whether `file`, read from its start, is a complete PCM WAV file in the
// plain layout Qt's sound effect decodes: "RIFF"/"WAVE", a "fmt " chunk of
// 8- or 16-bit PCM with one or two channels, then a "data" chunk that holds
// at least one frame and whose every byte is in the file. Reads the headers
// only; the file's size stands in for the samples. The sound effect waits
// for ever for bytes a cut file never brings, and blocks every later sound
// with it, so nothing else may be handed to it.
bool isCompletePcmWave(QIODevice &file);

} // namespace vestrona
