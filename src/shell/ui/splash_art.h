#pragma once

#include <QImage>
#include <QSize>

namespace kestrane {

// The splash picture, drawn rather than stored: the product's name over a night road.
// `devicePixelRatio`: the screen's pixels per unit of the window, so that it stays sharp.
QImage drawSplashPicture(const QSize& size, qreal devicePixelRatio = 1.0);

} // namespace kestrane
