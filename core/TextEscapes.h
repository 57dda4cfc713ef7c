#pragma once

#include <QString>

namespace vestrona {

// The text with backslash, CR, LF and TAB written as \\, \r, \n and \t, so
// that it stays on one line and the reader can undo the escapes exactly.
// Both a line of vestrona-cli's output and a desktop entry's string value
// are written this way.
QString backslashEscaped(const QString &text);

} // namespace vestrona
