#pragma once

#include "common/error_reporter.h"

#include <QString>
#include <QStringView>

namespace kestrane {

namespace documents {

// cmdAd reports anything that goes wrong with this code; cmdBrochure answers with its own box.
inline constexpr ErrorCode kErrAdvertisement = ErrorCode::ER044;

// "The Kestrane Omnivar" and four blanks: captions of the large-image viewer.
inline constexpr QStringView kViewerCaptionPrefix = u"The Kestrane Omnivar    ";

inline constexpr QStringView kAdsFolder = u"\\ads\\";
inline constexpr QStringView kBrochuresFolder = u"\\Brochures\\";

} // namespace documents

// The model years in which the marque was not advertised.
bool hasNoAdvertisement(QStringView key);

// What cmdAd shows for a selection.
struct AdvertisementChoice
{
    QString file;    // the picture's name in the ads folder
    QString caption; // the viewer's caption
};

// The advertisement of `key`. The dealer's own advertisement needs its page on show, which the
// dealer caption in `documentCaption` says; otherwise "Dalworth" is an ordinary key.
AdvertisementChoice advertisementFor(QStringView key, QStringView documentCaption);

// cmdBrochure: "br" + the first four characters of the key + ".jpg", for categories too.
QString brochureFile(QStringView key);
QString brochureCaption(QStringView key);

// The exclamation boxes of the two buttons.
QString noAdvertisementText();
QString noBrochureText();

} // namespace kestrane
