#include "rtf/tokenizer.h"

#include <algorithm>
#include <array>
#include <limits>

namespace rtf {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

constexpr int kMaxWordLength = 32;

// The bytes that end a run of literal text.
constexpr auto kEndsText = [] {
    std::array<bool, 256> ends{};
    for (const unsigned char c : {'{', '}', '\\', '\r', '\n', '\0'})
        ends[c] = true;
    return ends;
}();

Tokenizer::Token make(Tokenizer::Type type)
{
    Tokenizer::Token tok;
    tok.type = type;
    return tok;
}

} // namespace

bool Tokenizer::lookingAt(std::string_view text) const
{
    if (m_data.size() - m_pos < qsizetype(text.size()))
        return false;
    return std::string_view(m_data.data() + m_pos, text.size()) == text;
}

Tokenizer::Token Tokenizer::next()
{
    const char* d = m_data.data();
    const qsizetype n = m_data.size();
    while (m_pos < n) {
        const char c = d[m_pos];
        if (c == '{') {
            ++m_pos;
            return make(Type::GroupOpen);
        }
        if (c == '}') {
            ++m_pos;
            return make(Type::GroupClose);
        }
        if (c == '\\') {
            const Token tok = readControl();
            if (tok.type == Type::Symbol && tok.symbol == 0)
                continue; // an unparsable escape yields nothing
            return tok;
        }
        if (c == '\r' || c == '\n' || c == '\0') {
            ++m_pos;
            continue;
        }
        const qsizetype start = m_pos;
        while (m_pos < n && !kEndsText[static_cast<unsigned char>(d[m_pos])])
            ++m_pos;
        Token tok = make(Type::Text);
        tok.bytes = m_data.sliced(start, m_pos - start);
        return tok;
    }
    return make(Type::End);
}

Tokenizer::Token Tokenizer::readControl()
{
    const char* d = m_data.data();
    const qsizetype n = m_data.size();
    ++m_pos; // the backslash
    if (m_pos >= n)
        return make(Type::End);
    const char c = d[m_pos];
    if (!isLetter(c)) {
        ++m_pos;
        if (c == '\'') {
            // Take what parses: one or two hex digits, or nothing at all.
            int value = -1;
            if (m_pos < n && hexValue(d[m_pos]) >= 0) {
                value = hexValue(d[m_pos++]);
                if (m_pos < n && hexValue(d[m_pos]) >= 0)
                    value = value * 16 + hexValue(d[m_pos++]);
            }
            if (value < 0)
                return make(Type::Symbol);
            Token tok = make(Type::Hex);
            tok.hex = std::uint8_t(value);
            return tok;
        }
        Token tok = make(Type::Symbol);
        tok.symbol = (c == '\r' || c == '\n') ? '\n' : c;
        return tok;
    }

    const qsizetype start = m_pos;
    while (m_pos < n && isLetter(d[m_pos]))
        ++m_pos;
    Token tok = make(Type::Word);
    tok.word = std::string_view(d + start, size_t(std::min<qsizetype>(m_pos - start, kMaxWordLength)));

    bool negative = false;
    if (m_pos + 1 < n && d[m_pos] == '-' && isDigit(d[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < n && isDigit(d[m_pos])) {
        long long value = 0;
        while (m_pos < n && isDigit(d[m_pos])) {
            if (value < (1LL << 40))
                value = value * 10 + (d[m_pos] - '0');
            ++m_pos;
        }
        if (negative)
            value = -value;
        value =
            std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        tok.hasParam = true;
        tok.param = int(value);
    }
    if (m_pos < n && d[m_pos] == ' ')
        ++m_pos;

    if (tok.word == "bin") {
        // The data is raw bytes, braces included: clamp to what is left.
        const qsizetype want = tok.hasParam && tok.param > 0 ? tok.param : 0;
        const qsizetype len = std::min(want, n - m_pos);
        Token bin = make(Type::Binary);
        bin.bytes = m_data.sliced(m_pos, len);
        m_pos += len;
        return bin;
    }
    return tok;
}

void Tokenizer::skipGroup()
{
    int depth = 1;
    while (depth > 0) {
        const Token tok = next();
        switch (tok.type) {
        case Type::End:
            return;
        case Type::GroupOpen:
            ++depth;
            break;
        case Type::GroupClose:
            --depth;
            break;
        default:
            break;
        }
    }
}

} // namespace rtf
