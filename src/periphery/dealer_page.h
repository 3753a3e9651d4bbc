#pragma once

#include "common/error_reporter.h"
#include "common/page_buttons.h"

#include <QString>
#include <QStringView>

namespace kestrane {

// The dealer page of the dealer edition. Its selection key, document and caption are the ones the
// year documents recognise it by (documents/document_names.h).
namespace dealer {

inline constexpr ErrorCode kErrDealerPage = ErrorCode::ER057;
inline constexpr QStringView kPicture = u"\\dalworth\\dalworth3.jpg";
// cmdDesc's caption on the dealer page: the photo browser and the play list know the page by it.
inline constexpr QStringView kGreeting = u"Hello!";
inline constexpr QStringView kWebCaption = u"Dalworth Website";
inline constexpr QStringView kShowNamesCaption = u"Show File &Names";

// The page buttons that have nothing to show for the dealer; cmdAd shows the dealer's
// advertisement and cmdDesc the dealer's document.
inline constexpr PageButtons kDisabledButtons =
    kNostalgia | kBrochure | kOptions | kStats | kColors | kClipArt | kScript | kEmblem | kEmbRear | kEmbSide;
inline constexpr PageButtons kEnabledButtons = kAd;

} // namespace dealer

// The disc-form paths of the dealer's document and picture below the CD root.
QString dealerDocumentPath(const QString& cdRoot);
QString dealerPicturePath(const QString& cdRoot);

} // namespace kestrane
