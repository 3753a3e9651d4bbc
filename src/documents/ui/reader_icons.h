#pragma once

#include <QIcon>

namespace kestrane {

// The pictures of the reader's three picture buttons, drawn so that they read at any scale.
QIcon playIcon();
QIcon stopIcon();
QIcon printerIcon();

} // namespace kestrane
