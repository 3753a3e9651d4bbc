#include "rtf/reader.h"

#include "rtf/codepages.h"
#include "rtf/rtf_reader.h"

#include <QTextImageFormat>

#include <algorithm>

namespace rtf {

model::Document Reader::read()
{
    using T = Tokenizer::Type;
    while (!m_finished) {
        const Tokenizer::Token tok = m_tokens.next();
        if (tok.type == T::End)
            break;
        if (m_unicodeSkipLeft > 0) {
            // After \uN its fallback is skipped: literal characters and \'hh count, and a brace
            // ends the skip. Control words are still obeyed, so a writer that puts \tab or \par
            // right after \u loses no layout.
            if (tok.type == T::GroupOpen || tok.type == T::GroupClose) {
                m_unicodeSkipLeft = 0;
            } else if (tok.type == T::Text) {
                const qsizetype n = std::min<qsizetype>(m_unicodeSkipLeft, tok.bytes.size());
                m_unicodeSkipLeft -= int(n);
                if (n < tok.bytes.size())
                    handleText(tok.bytes.sliced(n));
                continue;
            } else if (tok.type == T::Hex ||
                       (tok.type == T::Symbol &&
                        (tok.symbol == '\\' || tok.symbol == '{' || tok.symbol == '}'))) {
                --m_unicodeSkipLeft;
                continue;
            }
        }
        switch (tok.type) {
        case T::GroupOpen:
            openGroup();
            break;
        case T::GroupClose:
            closeGroup();
            break;
        case T::Word:
            flushBytes();
            handleWord(tok.word, tok.hasParam, tok.param);
            break;
        case T::Symbol:
            flushBytes();
            handleSymbol(tok.symbol);
            break;
        case T::Text:
            handleText(tok.bytes);
            break;
        case T::Hex:
            handleHex(tok.hex);
            break;
        case T::Binary:
            flushBytes();
            if (st().dest == Destination::Picture && m_inPicture)
                m_picture.data.append(tok.bytes.data(), tok.bytes.size());
            break;
        case T::End:
            break;
        }
    }
    flushBytes();
    if (m_inPicture)
        finishPicture();
    while (!m_fields.empty())
        finishField();
    if (!m_para.isEmpty())
        endParagraph();
    closeTable();

    const FontDef* def = nullptr;
    if (auto it = m_fonts.find(m_defaultFont); it != m_fonts.end())
        def = &it->second;
    if (def && !def->name.isEmpty()) {
        m_doc.defaultFont.setFamilies({def->name});
        m_doc.defaultFont.setStyleHint(def->family);
    }
    m_doc.defaultFont.setPointSizeF(12);
    m_doc.defaultTabPixels = std::clamp(m_defaultTab, 15, 14400) / kTwipsPerPixel;
    return std::move(m_doc);
}

void Reader::openGroup()
{
    flushBytes();
    if (int(m_stack.size()) > kMaxDepth) {
        ++m_overflowDepth;
        return;
    }
    // The last group before \upr's \*\ud part holds the same text in the ANSI code page.
    const bool uprChild = st().upr && !m_tokens.lookingAt("\\*\\ud");
    m_stack.push_back(st());
    st().starred = false;
    st().upr = false;
    if (m_tokens.lookingAt("*\\")) {
        m_tokens.advance(1); // some writers drop the backslash of \*
        st().starred = true;
    }
    if (uprChild)
        skipGroup();
}

void Reader::closeGroup()
{
    flushBytes();
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_stack.size() <= 1)
        return; // an unbalanced '}' closes nothing
    if (m_inPicture && m_picture.depth == depth())
        finishPicture();
    if (!m_fields.empty() && m_fields.back().depth == depth())
        finishField();
    if (st().dest == Destination::FontTable && !m_fontName.isEmpty())
        addFontTableText(";");
    if (st().dest == Destination::FontTable || st().dest == Destination::ColorTable)
        m_charFormats.clear(); // they name other fonts and colours now
    m_stack.pop_back();
    // What follows the document's own group is not part of it.
    if (m_stack.size() == 1)
        m_finished = true;
}

void Reader::skipGroup()
{
    // The tokenizer consumes the rest, \bin data and all, so a '}' hidden in it closes nothing.
    flushBytes();
    if (m_stack.size() <= 1)
        return;
    m_tokens.skipGroup();
    m_stack.pop_back();
}

void Reader::handleText(QByteArrayView bytes)
{
    switch (st().dest) {
    case Destination::Normal:
    case Destination::FieldInst:
        m_pendingBytes.append(bytes.data(), bytes.size());
        break;
    case Destination::FontTable:
        addFontTableText(bytes);
        break;
    case Destination::ColorTable:
        addColorTableText(bytes);
        break;
    case Destination::Picture:
        for (const char c : bytes) {
            int v = -1;
            if (c >= '0' && c <= '9')
                v = c - '0';
            else if (c >= 'a' && c <= 'f')
                v = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                v = c - 'A' + 10;
            if (v < 0)
                continue;
            if (m_picture.pendingNibble < 0) {
                m_picture.pendingNibble = v;
            } else {
                m_picture.data.append(char(m_picture.pendingNibble * 16 + v));
                m_picture.pendingNibble = -1;
            }
        }
        break;
    case Destination::Skip:
        break;
    }
}

void Reader::handleHex(std::uint8_t byte)
{
    const char c = char(byte);
    switch (st().dest) {
    case Destination::Normal:
    case Destination::FieldInst:
        m_pendingBytes.append(c);
        break;
    case Destination::FontTable:
        addFontTableText(QByteArrayView(&c, 1));
        break;
    default:
        break;
    }
}

const FontDef* Reader::currentFont() const
{
    const int f = st().chr.font >= 0 ? st().chr.font : m_defaultFont;
    const auto it = m_fonts.find(f);
    return it == m_fonts.end() ? nullptr : &it->second;
}

int Reader::currentCodePage() const
{
    const FontDef* font = currentFont();
    if (font && font->codePage)
        return font->codePage;
    return m_ansiCodePage;
}

void Reader::flushBytes()
{
    if (m_pendingBytes.isEmpty())
        return;
    const QString text = decodeBytes(m_pendingBytes, currentCodePage());
    m_pendingBytes.truncate(0); // keeps its buffer for the next run of text
    emitText(text);
}

void Reader::emitText(const QString& input)
{
    // Qt would split blocks at these; RTF has its own paragraph marks.
    QString text = input;
    const auto special = [](QChar c) { return c == u'\r' || c == u'\n' || c == QChar(0x2029) || c.isNull(); };
    if (std::any_of(input.begin(), input.end(), special)) {
        text.remove(QChar(0));
        text.replace(u'\r', QChar(0x2028))
            .replace(u'\n', QChar(0x2028))
            .replace(QChar(0x2029), QChar(0x2028));
    }
    if (text.isEmpty())
        return;
    if (st().dest == Destination::FieldInst) {
        if (!m_fields.empty() && m_fields.back().instruction.size() < 4096)
            m_fields.back().instruction += text;
        return;
    }
    if (st().dest != Destination::Normal || st().chr.hidden)
        return;
    m_sectionBreakPending = false;
    m_emitted += text.size();
    auto& frags = m_para.fragments;
    if (!frags.empty() && !frags.back().text.isEmpty() && m_lastFragmentState == st().chr) {
        frags.back().text += text;
        return;
    }
    frags.push_back({text, charFormat(st().chr)});
    m_lastFragmentState = st().chr;
}

void Reader::emitChar(char32_t c)
{
    flushBytes();
    emitText(QString::fromUcs4(&c, 1));
}

void Reader::emitUnicode(int value)
{
    flushBytes();
    if (value < 0)
        value += 65536;
    if (value < 0 || value > 0xFFFF)
        value = 0xFFFD;
    const FontDef* font = currentFont();
    if (font && font->symbol)
        if (const char16_t mapped = symbolToUnicode(value))
            value = mapped;
    // Surrogate pairs arrive as two \u, so code units are appended as they come.
    emitText(QString(QChar(char16_t(value))));
}

void Reader::addFontTableText(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (c != ';') {
            if (m_fontName.size() < 256)
                m_fontName.append(c);
            continue;
        }
        FontDef& def = m_fonts[m_fontTableEntry];
        const int cp = def.codePage ? def.codePage : m_ansiCodePage;
        def.name = decodeBytes(m_fontName, cp == kSymbolCodePage ? 1252 : cp).trimmed();
        if (def.name.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0) {
            def.symbol = true;
            def.codePage = kSymbolCodePage;
        }
        if (def.codePage == kSymbolCodePage && !def.symbol)
            def.codePage = 0; // other symbol fonts have no Unicode mapping: keep the bytes
        m_fontName.clear();
    }
}

void Reader::addColorTableText(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (c != ';')
            continue;
        if (m_colors.size() < 4096)
            m_colors.push_back(m_colorSet ? QColor(m_red, m_green, m_blue) : QColor());
        m_red = m_green = m_blue = 0;
        m_colorSet = false;
    }
}

} // namespace rtf
