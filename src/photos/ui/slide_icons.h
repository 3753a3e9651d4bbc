#pragma once

#include <QIcon>

namespace kestrane {

// The pictures of the slide show's seven buttons, drawn so that they stay sharp at any scale.
enum class SlideButton { Bkwd, Fwd, Play, Pause, JumpBkwd, JumpFwd, Exit };
QIcon slideButtonIcon(SlideButton button);

} // namespace kestrane
