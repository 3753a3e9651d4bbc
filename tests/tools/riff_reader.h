#pragma once

#include <QByteArray>
#include <QList>
#include <QtEndian>

// Walks RIFF chunks (WAV, AVI) for the tests; refuses sizes that run past their parent.
struct RiffChunk
{
    QByteArray id;        // "RIFF", "LIST", "fmt ", "00dc"...
    QByteArray type;      // list or form type ("AVI ", "hdrl"), empty for plain chunks
    qsizetype offset = 0; // of the chunk header in the file
    QByteArray data;      // payload (after the type code of lists)
    QList<RiffChunk> children;
};

inline quint32 le32(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}
inline quint16 le16(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

// Parses the chunks inside [begin, end); returns false on a truncated or overlong chunk.
inline bool parseChunks(const QByteArray& file, qsizetype begin, qsizetype end, QList<RiffChunk>* out)
{
    qsizetype at = begin;
    while (at < end) {
        if (end - at < 8)
            return false;
        RiffChunk c;
        c.id = file.mid(at, 4);
        c.offset = at;
        const qsizetype size = le32(file, at + 4);
        if (size > end - at - 8)
            return false;
        qsizetype body = at + 8;
        qsizetype bodySize = size;
        if (c.id == "RIFF" || c.id == "LIST") {
            if (size < 4)
                return false;
            c.type = file.mid(body, 4);
            if (!parseChunks(file, body + 4, body + size, &c.children))
                return false;
            body += 4;
            bodySize -= 4;
        }
        c.data = file.mid(body, bodySize);
        out->append(c);
        at += 8 + size + (size % 2);
    }
    return at == end || at == end + 1;
}

inline const RiffChunk* findChunk(const QList<RiffChunk>& chunks, const QByteArray& id,
                                  const QByteArray& type = {})
{
    for (const RiffChunk& c : chunks)
        if (c.id == id && (type.isEmpty() || c.type == type))
            return &c;
    return nullptr;
}
