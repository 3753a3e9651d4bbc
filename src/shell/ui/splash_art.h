#pragma once

#include <QImage>
#include <QSize>

namespace kestrane {

// The splash picture, drawn rather than stored: the product's name over a night road.
QImage drawSplashPicture(const QSize& size);

} // namespace kestrane
