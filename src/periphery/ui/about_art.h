#pragma once

#include <QImage>
#include <QSize>

namespace kestrane {

// The about box's pictures, drawn rather than stored so that they stay sharp at any scale.
// The product's crest: a kestrel's wing and the marque's letter on a red disc in a chrome ring.
QImage drawAboutLogo(const QSize& size, qreal devicePixelRatio = 1.0);
// The maker's mark: a monogram on a blue tile.
QImage drawMakerMark(const QSize& size, qreal devicePixelRatio = 1.0);

} // namespace kestrane
