#include "documents/document_names.h"

#include "state/app_state.h"

#include <QDir>

namespace kestrane {

namespace {

constexpr QStringView kCrLf = u"\r\n";

struct NarrationRow
{
    QStringView key;
    QStringView file;
};

// Keys whose narration file is not simply the key itself.
constexpr NarrationRow kNarrationRows[] = {
    {u"1990-1995 ZR-1 ", u"ZR1.wav"},
    {u"Malibu Kestrane Ski Boat ", u"skboat.wav"},
    {u"Halvard Twin-Turbo ", u"halvard.wav"},
};

} // namespace

QString captionFor(QStringView title)
{
    return documents::kCaptionPrefix.toString() + title.toString();
}

QString keyDigits(QStringView key)
{
    return key.mid(2, 2).toString();
}

QString yearPart(QStringView key)
{
    if (key.startsWith(u"20"))
        return u"a"_qs + key.mid(3, 1).toString();
    return keyDigits(key);
}

QString captionYear(QStringView key)
{
    return (key.startsWith(u"20") ? u"20"_qs : u"19"_qs) + keyDigits(key);
}

QString narrationPath(const QString& cdRoot, QStringView readerCaption, QStringView selectionKey)
{
    const QString folder = cdRoot + u"\\wav\\"_qs;
    if (readerCaption == documents::kIntroductionCaption || selectionKey == QStringView(kNoSelection))
        return folder + u"intro.wav"_qs;
    for (const NarrationRow& row : kNarrationRows) {
        if (selectionKey == row.key)
            return folder + row.file.toString();
    }
    // A category title keeps its trailing blanks inside the name.
    return folder + selectionKey.toString() + u".wav"_qs;
}

QString printQuestion(QStringView readerCaption)
{
    return u"Would you like to print the "_qs + kCrLf.toString() + kCrLf.toString() +
           readerCaption.toString() + u"?"_qs;
}

QString printCompleteText(const QString& outputFile)
{
    QString text = u"Printing complete!"_qs;
    // With no printer installed the job went to a file: say where, or the printout is lost.
    if (!outputFile.isEmpty())
        text += kCrLf.toString() + kCrLf.toString() +
                u"No printer is installed; the document was saved as "_qs +
                QDir::toNativeSeparators(outputFile);
    return text;
}

QString printFailedText()
{
    return u"The document could not be printed."_qs;
}

QString nostalgiaSorryText()
{
    const QString crlf = kCrLf.toString();
    return u"Sorry!"_qs + crlf + crlf +
           u"Nostalgia will be included in the final release of the Kestrane Omnivar 2002"_qs + crlf + crlf +
           u"Try 1956 to preview this feature."_qs + crlf;
}

} // namespace kestrane
