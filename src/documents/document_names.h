#pragma once

#include "common/error_reporter.h"

#include <QString>
#include <QStringView>

namespace kestrane {

// Constants of the document handlers, in their own namespace: other subsystems have names alike.
namespace documents {

// Error codes of the document handlers.
inline constexpr ErrorCode kErrDescription = ErrorCode::ER002;
inline constexpr ErrorCode kErrOptions = ErrorCode::ER026;
inline constexpr ErrorCode kErrStatistics = ErrorCode::ER027;
inline constexpr ErrorCode kErrColors = ErrorCode::ER029;
inline constexpr ErrorCode kErrNarration = ErrorCode::ER032;

// The two spellings of the documents folder; the disc's file system ignores letter case but the
// paths the program stores keep the spelling of the handler that built them.
inline constexpr QStringView kRichTextFolder = u"\\richtext\\";
inline constexpr QStringView kRichTextFolderCaps = u"\\RichText\\";

// "The Kestrane Omnivar" and five blanks: every document caption starts with it.
inline constexpr QStringView kCaptionPrefix = u"The Kestrane Omnivar     ";
inline constexpr QStringView kDealerKey = u"Dalworth";
inline constexpr QStringView kDealerCaption = u"The Kestrane Omnivar     Dalworth - Tressel";
inline constexpr QStringView kDealerDocument = u"\\dalworth\\dalworth.rtf";
inline constexpr QStringView kIntroductionCaption = u"The Kestrane Omnivar     Introduction";

// Margins of the reader's printout, one inch on every side.
inline constexpr qint32 kReaderMarginTwips = 1440;

} // namespace documents

// The caption of a document titled `title`.
QString captionFor(QStringView title);

// Characters 3 and 4 of a key (fewer when the key is shorter), as the year rules read them.
QString keyDigits(QStringView key);

// The year part of a file name: "a" + the 4th character for keys starting with "20" (2001 gives
// "a1"), else characters 3 and 4 (1957 gives "57"; a category title gives two of its letters).
QString yearPart(QStringView key);

// "19" or "20" + characters 3 and 4: the year as the captions of year documents show it.
QString captionYear(QStringView key);

// The narration file (the reader's WavePath) for its caption and the selection key.
QString narrationPath(const QString& cdRoot, QStringView readerCaption, QStringView selectionKey);

// Texts of the reader's boxes.
QString printQuestion(QStringView readerCaption);
QString printCompleteText(const QString& outputFile);
QString printFailedText();
QString nostalgiaSorryText();

} // namespace kestrane
