#pragma once

#include <QString>

class QWidget;

namespace kestrane {

// An embedded player that opens and plays a movie file by path.
class VideoPlayer
{
public:
    virtual ~VideoPlayer() = default;
    virtual bool open(const QString& hostPath) = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual void close() = 0;
    virtual bool isPlaying() const = 0;
    // The surface that shows the picture (owned by the player's window), or nullptr for a silent double.
    virtual QWidget* surface() = 0;
};

} // namespace kestrane
