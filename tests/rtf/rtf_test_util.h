#pragma once

#include "rtf/rtf_reader.h"

#include <QTextDocument>

#include <memory>
#include <ostream>

// Readable failures: gtest prints QStrings as UTF-8.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace rtf::test {

inline std::unique_ptr<QTextDocument> read(const QByteArray& rtf)
{
    auto doc = std::make_unique<QTextDocument>();
    readRtf(rtf, doc.get());
    return doc;
}

inline QString text(const QByteArray& rtf)
{
    return plainText(*read(rtf));
}

struct TextCase
{
    const char* name;
    const char* rtf;
    const char16_t* expected;
};

inline std::ostream& operator<<(std::ostream& os, const TextCase& c)
{
    return os << c.name;
}

} // namespace rtf::test
