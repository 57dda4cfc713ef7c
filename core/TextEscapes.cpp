#include "core/TextEscapes.h"

namespace vestrona {

QString backslashEscaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    writeBackslashEscaped(text, [&out](auto piece) { out.append(piece); });
    return out;
}

} // namespace vestrona
