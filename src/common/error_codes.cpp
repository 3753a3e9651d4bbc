#include "common/error_codes.h"

#include <array>

namespace kestrane {

namespace {

constexpr char16_t kTextFile[] = u" Unable to load text file.";
constexpr char16_t kSlidePhoto[] = u" Unable to load Slide Show photo.";
constexpr char16_t kSlideAny[] = u" Unable to load Slide Show photo or clip art.";
constexpr char16_t kNoDisc[] = u" Unable to detect the Kestrane Omnivar CDROM.";
constexpr char16_t kNoClipArt[] = u" Kestrane clip art not found for year selected.";
constexpr char16_t kDiscLine[] = u"Make sure that the Kestrane Omnivar is in the CDROM drive.";

enum Box : bool { Ok = false, RetryCancel = true };

struct Entry
{
    const char16_t* from;
    const char16_t* to; // same as from for a single code
    const char16_t* text;
    Box box;
};

// Codes with a message of their own; tested before the ranges.
constexpr std::array kExact{
    Entry{u"ER001", u"ER001", kNoDisc, RetryCancel},
    Entry{u"ER003", u"ER003", u" Unable to load Intel Video driver install software.", Ok},
    Entry{u"ER011", u"ER011", kSlidePhoto, Ok},
    Entry{u"ER012", u"ER012", u" Unable to load photo.", Ok},
    Entry{u"ER020", u"ER020", u" Error loading text file.", Ok},
    Entry{u"ER021", u"ER021", u" Unable to load  Script  for year selected.", Ok},
    Entry{u"ER022", u"ER022", u" Unable to load  Nose Emblem  for year selected.", Ok},
    Entry{u"ER023", u"ER023", u" Kestrane photo not found for year selected.", Ok},
    Entry{u"ER024", u"ER024", kNoClipArt, Ok},
    Entry{u"ER032", u"ER032", u" Unable to load sound file: ", Ok},
    Entry{u"ER035", u"ER035", kNoClipArt, Ok},
    Entry{u"ER036", u"ER036", u" 'TO' year may not be earlier than 'FROM' year.", Ok},
    Entry{u"ER037", u"ER037", u" Unable to load the photo array.", RetryCancel},
    Entry{u"ER038", u"ER038", u" Unable to load the 'Sound Effects' file.", Ok},
    Entry{u"ER039", u"ER039", kSlidePhoto, Ok},
    Entry{u"ER040", u"ER040", u" Unable to load file for printing.", Ok},
    Entry{u"ER041", u"ER041", u" Unable to load  Rear Emblem for year selected.", Ok},
    Entry{u"ER042", u"ER042", u" Unable to load  Side Emblem for year selected.", Ok},
    Entry{u"ER044", u"ER044", u" Unable to load image.", Ok},
    Entry{u"ER045", u"ER045", u" Unable to load Kestrane Movie.", Ok},
    Entry{u"ER049", u"ER049", u" Unable to find Screen Saver.", Ok},
    Entry{u"ER055", u"ER055", kNoDisc, RetryCancel},
    Entry{u"ER059", u"ER059", u" You must select both a Start Year and an End Year. ", Ok},
    Entry{u"ER060", u"ER060", u" Unable to copy photo to disk. Make sure target media is writeable.", Ok},
};

// Codes that share a message, as inclusive ranges compared as text.
constexpr std::array kRanges{
    Entry{u"ER002", u"ER002", kTextFile, Ok}, Entry{u"ER004", u"ER010", kTextFile, Ok},
    Entry{u"ER013", u"ER019", kSlideAny, Ok}, Entry{u"ER025", u"ER031", kTextFile, Ok},
    Entry{u"ER033", u"ER034", kTextFile, Ok}, Entry{u"ER043", u"ER043", kTextFile, Ok},
    Entry{u"ER046", u"ER048", kTextFile, Ok}, Entry{u"ER050", u"ER054", kTextFile, Ok},
    Entry{u"ER056", u"ER058", kTextFile, Ok},
};

bool withoutDiscLine(const QString& code)
{
    return code == u"ER036"_qs || code == u"ER059"_qs || code == u"ER060"_qs;
}

} // namespace

ErrorCodeInfo errorCodeInfo(const QString& code)
{
    ErrorCodeInfo info;
    info.discLine = !withoutDiscLine(code);
    for (const Entry& e : kExact) {
        if (code == QStringView(e.from)) {
            info.known = true;
            info.text = QString::fromUtf16(e.text);
            info.retryCancel = e.box == RetryCancel;
            return info;
        }
    }
    for (const Entry& e : kRanges) {
        if (QStringView(code).compare(QStringView(e.from)) >= 0 &&
            QStringView(code).compare(QStringView(e.to)) <= 0) {
            info.known = true;
            info.text = QString::fromUtf16(e.text);
            return info;
        }
    }
    return info;
}

QString composeErrorMessage(const QString& code, const QString& soundFile)
{
    const ErrorCodeInfo info = errorCodeInfo(code);
    QString middle = info.text;
    if (code == u"ER032"_qs)
        middle += soundFile.mid(5); // the path without its drive and first folder letters
    QString message = u"Error number: "_qs + code + u"\r\n\r\n"_qs + middle;
    if (info.discLine)
        message += u"\r\n\r\n"_qs + QString::fromUtf16(kDiscLine);
    return message;
}

} // namespace kestrane
