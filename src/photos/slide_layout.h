#pragma once

#include <QRect>
#include <QSize>

namespace kestrane {

// Where the controls of the slide-show window stand, in pixels. The design is laid out in twips
// like the original window: the slide large at the top left, the mode and order choices in a
// column beside it, a row of caption, jumps, the button row and the interval under it, and the
// title and clock panels at the bottom. The compact layout of an 800 x 600 screen scales the slide
// to 0.8 and moves the rows up to the tops the original gave them; larger screens scale the whole
// design.
struct SlideLayout
{
    double scale = 1; // window pixels per design pixel
    int twipsPerPixel = 15;
    bool compact = false;

    QSize client;
    QRect image1;      // the slide, stretched
    QRect stage;       // the part of the window the slides use (Insignias' title picture)
    QRect modes;       // Option1(0..2)
    QRect order;       // Frame3 with optSeq(0..1)
    QRect photoNumber; // pnlPhotoNumber
    QRect panYear;
    QRect beginning; // SSCommand1
    QRect middle;    // SSCommand2
    QRect mmSlide;
    QRect panInterval;
    QRect spinInterval;
    QRect coStar; // PnlCoStar
    QRect statusDate;
    QRect statusDay;
    QRect statusTime;
    QRect exit; // cmdExit

    // Design twips to window pixels, and back.
    int pixels(double twips) const;
    double twips(int pixels) const;
    // Window width in twips that the insignia sets are centred in (the stage and its margins).
    int stageWidthTwips() const;
};

SlideLayout slideLayout(bool compact, double scale, int twipsPerPixel);
// The scale of the design on a screen of that many pixels: 1 up to 1024 x 768, growing with the
// screen up to twice the design.
double slideScale(int screenWidthPixels, int screenHeightPixels);

// Positions the modes give their pictures and caption, in design twips.
inline constexpr int kClipArtTopTwips = 1000;
inline constexpr int kClipCaptionTopTwips = 4200;
inline constexpr int kInsigniaCaptionTopTwips = 3240;
inline constexpr int kInsigniaPictureTopTwips = 120;

} // namespace kestrane
