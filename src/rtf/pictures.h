#pragma once

#include <QByteArray>
#include <QImage>
#include <QSizeF>

namespace rtf {

enum class PictureType { Unknown, Png, Jpeg, Dib, DeviceBitmap, Wmf, Emf, Other };

struct PictureData
{
    PictureType type = PictureType::Unknown;
    QByteArray data;
    int width = 0, height = 0;            // \picw \pich: pixels, or HIMETRIC for metafiles
    int goalWidth = 0, goalHeight = 0;    // \picwgoal \pichgoal: twips
    int scaleX = 100, scaleY = 100;       // percent
    int bitsPerPixel = 1, widthBytes = 0; // \wbitmap only
};

struct DecodedPicture
{
    QImage image;      // null: draw a placeholder of `size`
    QSizeF sizePixels; // the shown size at 96 dpi
};

// Decodes what Qt can draw (PNG, JPEG, DIB, device bitmaps, and metafiles that wrap one DIB) and
// works out the shown size. Refuses images too large to hold.
DecodedPicture decodePicture(const PictureData& picture);

} // namespace rtf
