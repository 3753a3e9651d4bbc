#include "rtf/codepages.h"

#include <QStringDecoder>

#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

namespace rtf {

namespace {

struct CharsetEntry
{
    int charset;
    int codePage;
};

constexpr std::array kCharsets{
    CharsetEntry{0, 1252},   CharsetEntry{2, kSymbolCodePage}, CharsetEntry{77, 10000},
    CharsetEntry{128, 932},  CharsetEntry{129, 949},           CharsetEntry{130, 1361},
    CharsetEntry{134, 936},  CharsetEntry{136, 950},           CharsetEntry{161, 1253},
    CharsetEntry{162, 1254}, CharsetEntry{163, 1258},          CharsetEntry{177, 1255},
    CharsetEntry{178, 1256}, CharsetEntry{186, 1257},          CharsetEntry{204, 1251},
    CharsetEntry{222, 874},  CharsetEntry{238, 1250},          CharsetEntry{254, 437},
    CharsetEntry{255, 850},
};

struct CodecName
{
    int codePage;
    const char* name;
};

constexpr std::array kCodecNames{
    CodecName{437, "IBM437"},        CodecName{850, "IBM850"},        CodecName{874, "windows-874"},
    CodecName{932, "Shift_JIS"},     CodecName{936, "GBK"},           CodecName{949, "windows-949"},
    CodecName{950, "Big5"},          CodecName{1361, "johab"},        CodecName{10000, "macintosh"},
    CodecName{1250, "windows-1250"}, CodecName{1251, "windows-1251"}, CodecName{1252, "windows-1252"},
    CodecName{1253, "windows-1253"}, CodecName{1254, "windows-1254"}, CodecName{1255, "windows-1255"},
    CodecName{1256, "windows-1256"}, CodecName{1257, "windows-1257"}, CodecName{1258, "windows-1258"},
};

// Symbol font bytes 0x20..0xFF; 0 where the font has no glyph.
constexpr char16_t kSymbol[224] = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, 0x0028, 0x0029, 0x2217, 0x002B, 0x002C,
    0x2212, 0x002E, 0x002F, 0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037, 0x0038, 0x0039,
    0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F, 0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6,
    0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1, 0x03A3,
    0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F, 0xF8E5,
    0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC,
    0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6,
    0x007B, 0x007C, 0x007D, 0x223C, 0,      0,      0,      0,      0,      0,      0,      0,      0,
    0,      0,      0,      0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
    0,      0,      0,      0,      0,      0,      0,      0,      0,      0,      0,      0x20AC, 0x03D2,
    0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191, 0x2192,
    0x2193, 0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022, 0x00F7, 0x2260, 0x2261, 0x2248,
    0x2026, 0x23D0, 0x23AF, 0x21B5, 0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229, 0x222A,
    0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209, 0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F,
    0x221A, 0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3, 0x25CA, 0x2329, 0x00AE,
    0x00A9, 0x2122, 0x2211, 0x239B, 0x239C, 0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA,
    0,      0x232A, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB,
    0x23AC, 0x23AD, 0,
};

// Decoders keep state between calls, so each call gets a fresh one made from a cached name check.
const char* codecName(int codePage)
{
    for (const auto& entry : kCodecNames)
        if (entry.codePage == codePage)
            return entry.name;
    return nullptr;
}

QStringDecoder makeDecoder(int codePage)
{
    const char* name = codecName(codePage);
    QStringDecoder decoder(name ? name : "windows-1252", QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        decoder = QStringDecoder("windows-1252", QStringDecoder::Flag::Stateless);
    return decoder;
}

QString decodeWithCodec(QByteArrayView bytes, int codePage)
{
    QStringDecoder decoder = makeDecoder(codePage);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes.data(), bytes.size());
    return decoder.decode(bytes);
}

// The code pages of one byte per character. Opening a decoder costs far more than the few
// bytes a run of text holds, so each of these is decoded once, byte by byte, into a table
// (the whole range: a code page need not keep ASCII's control characters where they are).
constexpr std::array kSingleByteCodePages{437,  850,  874,  1250, 1251, 1252, 1253,
                                          1254, 1255, 1256, 1257, 1258, 10000};

struct SingleByteTable
{
    bool usable = false; // every byte decodes to one UTF-16 unit
    std::array<char16_t, 256> chars{};
};

SingleByteTable makeSingleByteTable(int codePage)
{
    SingleByteTable table;
    QStringDecoder decoder = makeDecoder(codePage);
    for (int b = 0; b <= 0xFF; ++b) {
        const char byte = char(b);
        const QString one = decoder.isValid() ? decoder.decode(QByteArrayView(&byte, 1)) : QString(QChar(b));
        if (one.size() != 1)
            return table;
        table.chars[size_t(b)] = one.front().unicode();
    }
    table.usable = true;
    return table;
}

// Made when a document first needs one: most documents use one code page.
const SingleByteTable* singleByteTable(int codePage)
{
    static std::array<SingleByteTable, kSingleByteCodePages.size()> tables;
    static std::array<std::once_flag, kSingleByteCodePages.size()> made;
    for (size_t i = 0; i < kSingleByteCodePages.size(); ++i) {
        if (kSingleByteCodePages[i] != codePage)
            continue;
        std::call_once(made[i], [i] { tables[i] = makeSingleByteTable(kSingleByteCodePages[i]); });
        return tables[i].usable ? &tables[i] : nullptr;
    }
    return nullptr;
}

} // namespace

int codePageForCharset(int charset)
{
    for (const auto& entry : kCharsets)
        if (entry.charset == charset)
            return entry.codePage;
    return 0;
}

char16_t symbolToUnicode(int byte)
{
    if (byte >= 0xF020 && byte <= 0xF0FF)
        byte -= 0xF000;
    if (byte < 0x20 || byte > 0xFF)
        return 0;
    return kSymbol[byte - 0x20];
}

QString decodeBytes(QByteArrayView bytes, int codePage)
{
    if (codePage == kSymbolCodePage) {
        QString out;
        out.reserve(bytes.size());
        for (const char c : bytes) {
            const char16_t u = symbolToUnicode(static_cast<unsigned char>(c));
            out.append(u ? QChar(u) : QChar(static_cast<unsigned char>(c)));
        }
        return out;
    }
    // Plain ASCII is the same in every code page we meet; skip the decoder for it.
    bool ascii = true;
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return QString::fromLatin1(bytes.data(), bytes.size());

    if (const SingleByteTable* table = singleByteTable(codecName(codePage) ? codePage : 1252)) {
        QString out(bytes.size(), Qt::Uninitialized);
        char16_t* to = reinterpret_cast<char16_t*>(out.data());
        for (const char c : bytes)
            *to++ = table->chars[static_cast<unsigned char>(c)];
        return out;
    }
    return decodeWithCodec(bytes, codePage);
}

} // namespace rtf
