#pragma once

#include "common/error_reporter.h"
#include "common/page_buttons.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <array>

namespace kestrane {

// One insignia picture of the year page with its toggle button and error codes.
struct InsigniaInfo
{
    Insignia picture;
    const char16_t* pictureName; // objectName of the picture box
    const char16_t* buttonName;  // objectName of its toggle button
    PageButton button;
    ErrorCode loaderCode; // reported by the loader
    ErrorCode buttonCode; // reported by the toggle button
};

inline constexpr std::array<InsigniaInfo, 5> kInsigniaInfo{{
    {kScriptPicture, u"picScript", u"cmdScript", kScript, ErrorCode::ER021, ErrorCode::ER021},
    {kFrontEmblem, u"picEmblem", u"cmdEmblem", kEmblem, ErrorCode::ER022, ErrorCode::ER022},
    {kRearEmblem, u"picEmbRear", u"cmdEmbRear", kEmbRear, ErrorCode::ER041, ErrorCode::ER041},
    {kSideEmblem, u"picEmbSide", u"cmdEmbSide", kEmbSide, ErrorCode::ER042, ErrorCode::ER042},
    {kClipArtPicture, u"PicClipArt", u"cmdClipArt", kClipArt, ErrorCode::ER024, ErrorCode::ER035},
}};
const InsigniaInfo& insigniaInfo(Insignia picture);

// The order in which the page refresh reloads the pictures that are showing.
inline constexpr std::array<Insignia, 5> kInsigniaRefreshOrder{kClipArtPicture, kScriptPicture, kFrontEmblem,
                                                               kRearEmblem, kSideEmblem};

// The file of a picture for a selection key, below the CD root: "\embfront\emb57f.jpg".
QString insigniaFile(Insignia picture, const QString& key);
// True when the key is a model year or has a file (or placeholder) of its own for the picture;
// false when the file name would be built from a title's characters as if they were a year's.
bool hasOwnInsigniaFile(Insignia picture, const QString& key);

// Where a loader places its picture, in the coordinates of the picture's parent: `photo` is
// Image4's geometry, `frameTop` the top of Frame1, `designed` the picture's designed position.
QPoint insigniaPosition(Insignia picture, const QRect& photo, int frameTop, const QSize& size,
                        const QPoint& designed);

} // namespace kestrane
