#pragma once

#include "common/error_reporter.h"

#include <QString>
#include <QStringView>

namespace kestrane {

namespace periphery {

// A missing or unreadable illustration.
inline constexpr ErrorCode kErrIllustration = ErrorCode::ER044;

// The illustrations of the series are numbered 1..53; Command1(0) stands apart without one.
inline constexpr int kIllustrationCount = 53;

// The large-image viewer's caption while it shows an illustration of the series; clicks on the
// picture do nothing under it.
inline constexpr QStringView kSeriesCaption =
    u"The Kestrane Omnivar    Penrow: The Illustrated Kestrane Series";

inline constexpr QStringView kOverSizeFolder = u"\\OverSize\\";

// SSpnlPenrow's place and size on Form1, in pixels.
inline constexpr int kPanelWidth = 800;
inline constexpr int kPanelHeight = 560;

} // namespace periphery

// The title of illustration n (1..53), as stored: a doubled ampersand stands for one.
QString illustrationTitle(int n);

// The stored caption of Label12(n): the number and the title with the index's blanks, "  1  1953
// Kestrane" for 1..9, "10  Q-Kestrane" for 10..39, "40 1970 XP-882 Mid-Engine" from 40.
QString illustrationLabel(int n);

// The file of Command1(n) in \OverSize\: "st00" + n below 10, "st0" + n from 10.
QString illustrationFile(int n);

// The panel's left edge: centred on Frame1.
int penrowPanelLeft(int frameWidth);

} // namespace kestrane
