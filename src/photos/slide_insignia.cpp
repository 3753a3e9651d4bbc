#include "photos/slide_insignia.h"

#include <cmath>

namespace kestrane {

namespace {

SlidePicture load(const QString& cdRoot, const QString& file)
{
    return {SlidePicture::Action::Load, cdRoot + file};
}

const SlidePicture kEmptied{SlidePicture::Action::Empty, {}};

} // namespace

SlideInsignia resolveSlideInsignia(int y, const QString& cdRoot)
{
    SlideInsignia set;
    auto& p = set.pictures;
    if (y <= 102) {
        const QString dd = y <= 99 ? QString::number(y).rightJustified(2, u'0') : QString::number(y).mid(1);
        if (y == 53 || y == 54 || y == 55 || y == 74)
            p[kSlideRear] = kEmptied;
        else
            p[kSlideRear] = load(cdRoot, u"\\embrear\\emb"_qs + dd + u"r.jpg"_qs);
        if ((y >= 53 && y <= 56) || y == 81)
            p[kSlideSide] = kEmptied;
        else if (y == 91 || y == 92 || y == 94 || y == 95)
            p[kSlideSide] = load(cdRoot, u"\\embside\\emb91s.jpg"_qs);
        else
            p[kSlideSide] = load(cdRoot, u"\\embside\\emb"_qs + dd + u"s.jpg"_qs);
        p[kSlideFront] = load(cdRoot, u"\\embfront\\emb"_qs + dd + u"f.jpg"_qs);
        p[kSlideScript] = load(cdRoot, u"\\scripts\\scri"_qs + dd + u".jpg"_qs);
        set.caption = (y <= 99 ? u"19"_qs : u"20"_qs) + dd + u" "_qs;
    } else if (y == 103) {
        p[kSlideRear] = load(cdRoot, u"\\embrear\\embzr1r.jpg"_qs);
        p[kSlideSide] = load(cdRoot, u"\\embside\\embzr1s.jpg"_qs);
        p[kSlideFront] = load(cdRoot, u"\\embfront\\embzr1f.jpg"_qs);
        p[kSlideScript] = load(cdRoot, u"\\scripts\\scrizr1.jpg"_qs);
        set.caption = u"1990-1995 ZR-1 "_qs;
    } else if (y == 104) {
        p[kSlideFront] = load(cdRoot, u"\\embfront\\embhvf.jpg"_qs);
        p[kSlideScript] = load(cdRoot, u"\\scripts\\scrihv.jpg"_qs);
        set.caption = u"Halvard Twin-Turbo "_qs;
    } else if (y == 105) {
        p[kSlideScript] = load(cdRoot, u"\\scripts\\scrivz.jpg"_qs);
        set.caption = u"Venzi Automotive Concepts "_qs;
    } else {
        p[kSlideRear] = load(cdRoot, u"\\embrear\\emb96r.jpg"_qs);
        p[kSlideFront] = load(cdRoot, u"\\embfront\\emb96f.jpg"_qs);
        p[kSlideScript] = load(cdRoot, u"\\scripts\\scrisk.jpg"_qs);
        set.caption = u"Malibu Kestrane Ski Boat "_qs;
    }
    return set;
}

SlideArrangement arrangeSlideInsignia(const SlideArrangementInput& in)
{
    // Positions are single-precision twips in the window's design; round once at the end.
    const double w = in.windowWidth;
    auto width = [&](SlideSlot s) { return double(in.sizes[s].width()); };
    auto height = [&](SlideSlot s) { return in.sizes[s].height(); };
    auto round = [](double v) { return int(std::lround(v)); };

    SlideArrangement a;
    a.captionLeft = in.coStarLeft;
    a.captionTop = in.coStarTop - in.captionHeight - 100;
    a.rearLeft = round((w * 0.5 - width(kSlideRear)) * 0.5);
    a.frontLeft = round(w / 2 + (w * 0.5 - width(kSlideFront)) * 0.5);
    a.scriptTop = a.captionTop - height(kSlideScript) - 500;
    a.scriptLeft = round((w - width(kSlideScript)) * 0.5 - 100);
    a.sideTop = a.scriptTop - height(kSlideSide) - 60;
    a.sideLeft = round((w - width(kSlideSide)) * 0.5);
    return a;
}

} // namespace kestrane
