#include "rtf/rtf_reader.h"

#include "rtf/build_document.h"
#include "rtf/reader.h"

#include <QTextDocument>

namespace rtf {

ReadResult readRtf(const QByteArray& data, QTextDocument* target)
{
    if (!target)
        return {false, QStringLiteral("no document to read into")};
    QByteArrayView view(data);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    while (!view.isEmpty() &&
           (view.front() == ' ' || view.front() == '\t' || view.front() == '\r' || view.front() == '\n'))
        view = view.sliced(1);
    if (view.isEmpty())
        return {false, QStringLiteral("empty file")};
    if (!view.startsWith("{\\rtf"))
        return {false, QStringLiteral("not an RTF document")};
    Reader reader(view);
    buildDocument(reader.read(), target);
    return {true, {}};
}

} // namespace rtf
