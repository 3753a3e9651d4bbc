// Run with QT_SCALE_FACTOR=2: two device pixels to a unit of the windows.
#include "shell/ui/picture_label.h"
#include "shell/ui/splash_art.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

using namespace kestrane;

TEST(HighDensityScreens, PicturesAreScaledToTheDevicesPixelsNotBlownUpFromTheWindowsUnits)
{
    // One-pixel stripes: sharp only if every device pixel gets its own picture pixel.
    QImage stripes(200, 100, QImage::Format_RGB32);
    for (int y = 0; y < stripes.height(); ++y)
        for (int x = 0; x < stripes.width(); ++x)
            stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));

    PictureLabel label;
    label.resize(100, 50);
    label.setPixmap(QPixmap::fromImage(stripes));
    ASSERT_EQ(label.devicePixelRatioF(), 2.0);
    const QImage shown = label.grab().toImage();
    ASSERT_EQ(shown.size(), QSize(200, 100));
    int contrasts = 0;
    for (int x = 40; x < 160; ++x) {
        const int a = qGray(shown.pixel(x, 50));
        const int b = qGray(shown.pixel(x + 1, 50));
        contrasts += std::abs(a - b) > 200;
    }
    EXPECT_GT(contrasts, 110); // a picture scaled to 100 units and blown up would have none

    const QImage splash = drawSplashPicture(QSize(320, 240), label.devicePixelRatioF());
    EXPECT_EQ(splash.size(), QSize(640, 480));
    EXPECT_EQ(splash.devicePixelRatio(), 2.0);
}
