#pragma once

#include <QPixmap>

namespace kestrane {

// The pictures of the two disk panels, drawn rather than read: the disc need not be in the drive
// to show them. A disc pouring into a drive, and a screen showing a photograph.
QPixmap copyPanelPicture(QSize size);
QPixmap saverPanelPicture(QSize size);

} // namespace kestrane
