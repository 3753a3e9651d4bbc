#pragma once

#include <QtGlobal>

#include <array>

namespace kestrane {

// The page buttons of the year page whose state follows the selection, as bits of one set.
enum PageButton : quint16 {
    kDesc = 1u << 0,
    kStats = 1u << 1,
    kOptions = 1u << 2,
    kColors = 1u << 3,
    kScript = 1u << 4,
    kEmblem = 1u << 5,
    kEmbRear = 1u << 6,
    kEmbSide = 1u << 7,
    kClipArt = 1u << 8,
    kNostalgia = 1u << 9,
    kBrochure = 1u << 10,
    kAd = 1u << 11,
};
using PageButtons = quint16;

// The buttons that apply to model years only.
inline constexpr PageButtons kTheNine =
    kOptions | kColors | kScript | kEmblem | kEmbRear | kEmbSide | kClipArt | kNostalgia | kBrochure;
inline constexpr PageButtons kAllPageButtons = kTheNine | kDesc | kStats | kAd;

struct PageButtonName
{
    PageButton button;
    const char16_t* name;
};

inline constexpr std::array<PageButtonName, 12> kPageButtonNames{{
    {kDesc, u"cmdDesc"},
    {kStats, u"cmdStats"},
    {kOptions, u"cmdOptions"},
    {kColors, u"cmdColors"},
    {kScript, u"cmdScript"},
    {kEmblem, u"cmdEmblem"},
    {kEmbRear, u"cmdEmbRear"},
    {kEmbSide, u"cmdEmbSide"},
    {kClipArt, u"cmdClipArt"},
    {kNostalgia, u"cmdNostalgia"},
    {kBrochure, u"cmdBrochure"},
    {kAd, u"cmdAd"},
}};

// The five insignia pictures over the photograph, as bits of one set.
enum Insignia : quint8 {
    kClipArtPicture = 1u << 0,
    kScriptPicture = 1u << 1,
    kFrontEmblem = 1u << 2,
    kRearEmblem = 1u << 3,
    kSideEmblem = 1u << 4,
};
using InsigniaSet = quint8;
inline constexpr InsigniaSet kAllInsignia =
    kClipArtPicture | kScriptPicture | kFrontEmblem | kRearEmblem | kSideEmblem;

} // namespace kestrane
