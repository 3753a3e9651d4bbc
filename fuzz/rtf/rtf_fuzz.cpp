// Feeds arbitrary bytes to the RTF reader, then extracts the text and lays the document out.
#include "rtf/rtf_reader.h"

#include <QAbstractTextDocumentLayout>
#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Every input gets the header, so the fuzzer spends its time inside documents.
    QByteArray input("{\\rtf1 ");
    input.append(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument doc;
    if (!rtf::readRtf(input, &doc).ok)
        return 0;
    rtf::plainText(doc);
    doc.setPageSize(QSizeF(600, 800));
    doc.documentLayout()->documentSize();
    return 0;
}
