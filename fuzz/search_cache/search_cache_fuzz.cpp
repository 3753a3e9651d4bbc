// Feeds arbitrary bytes to the search-index cache reader as the file in the user's cache folder,
// then queries what it accepted.
#include "search/search_index.h"

#include <QByteArray>
#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first byte chooses whether the key matches the cache's own, so both paths are reached.
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    kestrane::SearchIndex index;
    const QByteArray key = (data[0] & 1) ? QByteArray("key") : QByteArray();
    if (!kestrane::SearchIndex::deserialize(bytes, key, &index))
        return 0;
    index.finish();
    for (int i = 0; i < index.size(); ++i) {
        if (index.document(i).errorCode > kestrane::ErrorCode::ER060)
            __builtin_trap();
    }
    index.query(u"kes");
    index.query(u"a b");
    return 0;
}
