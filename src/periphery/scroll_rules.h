#pragma once

#include <QSize>
#include <QStringView>

#include <optional>

namespace kestrane {

// One scroll bar of the large-image viewer for a picture (picChild) in its viewport (picParent),
// extents in whole pixels along the bar.
struct ScrollBarSetup
{
    int maximum = 0;      // picture minus viewport; zero or less when the picture fits
    bool enabled = false; // only when the picture is larger than the viewport
    int largeChange = 1;  // (maximum \ (picture \ viewport)) \ 6, at least 1
};

ScrollBarSetup scrollBarSetup(int pictureExtent, int viewportExtent);

// The whole-screen view of an advertisement or brochure (Image1) on a screen of `screen` pixels:
// the keys whose pictures are landscape pages take the screen's width, the others a portrait page
// 0.77 times as wide as the screen is high, centred. Nothing for the keys whose pictures have no
// such view.
struct WholeScreenView
{
    int left = 0;
    int width = 0;
    int height = 0;
};
std::optional<WholeScreenView> wholeScreenView(QStringView key, QSize screen);

} // namespace kestrane
