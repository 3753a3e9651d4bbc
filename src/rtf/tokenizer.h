#pragma once

#include <QByteArrayView>
#include <algorithm>
#include <cstdint>
#include <string_view>

namespace rtf {

// Splits RTF bytes into tokens. Never reads past the end and never allocates: every token
// points into the input, so any garbage can be fed to it.
class Tokenizer
{
public:
    enum class Type { GroupOpen, GroupClose, Word, Symbol, Text, Hex, Binary, End };
    struct Token
    {
        Type type = Type::End;
        std::string_view word; // Word: the letters (at most 32)
        bool hasParam = false;
        int param = 0;        // Word: clamped to the int range
        char symbol = 0;      // Symbol: the character after the backslash
        QByteArrayView bytes; // Text: a run of literal bytes; Binary: the \bin data
        std::uint8_t hex = 0; // Hex: the decoded byte
    };

    explicit Tokenizer(QByteArrayView data) : m_data(data) {}

    Token next();
    // Consumes tokens up to and including the '}' that closes the current group.
    void skipGroup();
    bool atEnd() const { return m_pos >= m_data.size(); }
    bool lookingAt(std::string_view text) const;
    void advance(qsizetype n) { m_pos = std::min(m_pos + n, m_data.size()); }
    qsizetype position() const { return m_pos; }

private:
    Token readControl();

    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

} // namespace rtf
