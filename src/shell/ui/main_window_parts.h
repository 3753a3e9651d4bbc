#pragma once

// Form1's design tables shared by its construction and its layout.
#include "common/control_names.h"

#include <array>

namespace kestrane::form1 {

struct PageButton
{
    const char16_t* name;
    const char16_t* caption;
    int row;
    int column;
    int span;
};

// Three rows of five columns in Frame1: documents, insignia, pictures. cmdAd ends the last row,
// so its right edge is the photograph's and rtbDetails, placed by it, stays over the photograph.
inline constexpr std::array<PageButton, 13> kPageButtons = {{
    {names::cmdDesc, u"Description", 0, 0, 1},
    {names::cmdStats, u"Statistics", 0, 1, 1},
    {names::cmdOptions, u"Options", 0, 2, 1},
    {names::cmdColors, u"Colors", 0, 3, 1},
    {names::cmdNostalgia, u"Nostalgia", 0, 4, 1},
    {names::cmdScript, u"Script", 1, 0, 1},
    {names::cmdEmblem, u"Nose Emblem", 1, 1, 1},
    {names::cmdEmbRear, u"Rear Emblem", 1, 2, 1},
    {names::cmdEmbSide, u"Side Emblem", 1, 3, 1},
    {names::cmdClipArt, u"Clip Art", 1, 4, 1},
    {names::cmdSlide, u"Slide Show", 2, 0, 2},
    {names::cmdBrochure, u"Brochure", 2, 2, 1},
    {names::cmdAd, u"Advertisement", 2, 3, 2},
}};

inline constexpr std::array<const char16_t*, 3> kGroupHeadings = {u"Documents", u"Insignia", u"Pictures"};

} // namespace kestrane::form1
