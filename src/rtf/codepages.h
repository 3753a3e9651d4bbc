#pragma once

#include <QByteArrayView>
#include <QString>

namespace rtf {

constexpr int kSymbolCodePage = 42; // the Symbol font's own encoding, not a Windows code page

// Code page that a font's \fcharset names; 0 when the charset names none (use the document's).
int codePageForCharset(int charset);

// Decodes bytes of a Windows code page (or kSymbolCodePage) to Unicode; unknown code pages
// fall back to 1252.
QString decodeBytes(QByteArrayView bytes, int codePage);

// The real character for a Symbol-font byte (also for U+F0xx values), or 0 if none.
char16_t symbolToUnicode(int byte);

} // namespace rtf
