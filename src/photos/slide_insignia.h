#pragma once

#include <QSize>
#include <QString>

#include <array>

namespace kestrane {

// The four insignia pictures of the slide-show window, in the order of `SlideInsignia::slots`.
enum SlideSlot { kSlideRear = 0, kSlideSide = 1, kSlideFront = 2, kSlideScript = 3 };
inline constexpr std::array<const char16_t*, 4> kSlideSlotNames{u"Image1", u"Picture2", u"Picture3",
                                                                u"Picture4"};

struct SlidePicture
{
    enum class Action { KeepHidden, Empty, Load };
    Action action = Action::KeepHidden;
    QString path; // disc-form path when loaded
};

// One insignia set of the slide show for InsigniaYear y: 53..102 the model years, 103..106 the
// ZR-1, the Twin-Turbo, Venzi and the ski boat. No placeholders: a year without an emblem of a
// kind gets an emptied, hidden picture.
struct SlideInsignia
{
    std::array<SlidePicture, 4> pictures;
    QString caption;
};
SlideInsignia resolveSlideInsignia(int insigniaYear, const QString& cdRoot);

// The arrangement of a set on the slide-show window, in twips. `panYear` takes the left of
// PnlCoStar and stands above it; the script is centred above the caption, the side emblem above
// the script; the rear and front emblems stand side by side in the two halves (tops kept).
struct SlideArrangementInput
{
    int windowWidth = 0;
    int coStarLeft = 0;
    int coStarTop = 0;
    int captionHeight = 0;
    std::array<QSize, 4> sizes; // by SlideSlot
};
struct SlideArrangement
{
    int captionLeft = 0;
    int captionTop = 0;
    int rearLeft = 0;
    int frontLeft = 0;
    int scriptLeft = 0;
    int scriptTop = 0;
    int sideLeft = 0;
    int sideTop = 0;
};
SlideArrangement arrangeSlideInsignia(const SlideArrangementInput& in);

} // namespace kestrane
