#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

namespace vestrona {

// Hands `text` to `write` in pieces, backslash, CR, LF and TAB replaced by
// \\, \r, \n and \t; a text with none of them is handed over whole.
template <class Write>
void writeBackslashEscaped(QStringView text, Write &&write)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        // Everything above the backslash is a plain character; most are.
        if (c > u'\\')
            continue;
        const char *escape = c == u'\\' ? "\\\\" : c == u'\r' ? "\\r" : c == u'\n' ? "\\n" : c == u'\t' ? "\\t" : nullptr;
        if (!escape)
            continue;
        write(text.sliced(start, i - start));
        write(QLatin1StringView(escape, 2));
        start = i + 1;
    }
    write(text.sliced(start));
}

// The text with backslash, CR, LF and TAB written as \\, \r, \n and \t, so
// that it stays on one line and the reader can undo the escapes exactly.
// Both a line of vestrona-cli's output and a desktop entry's string value
// are written this way.
QString backslashEscaped(const QString &text);

} // namespace vestrona
