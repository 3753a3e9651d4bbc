#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace kestrane {

enum class VideoState { Stopped, Playing, Paused };

// What a player tells its window while a movie plays. Any member may be empty.
struct VideoEvents
{
    std::function<void(VideoState)> stateChanged;
    std::function<void(qint64)> positionChanged; // milliseconds
    std::function<void(qint64)> durationChanged; // milliseconds
    // The back end cannot read or decode the file it opened (no decoder, a damaged file). Sent
    // once for each file opened, after open() has returned.
    std::function<void()> failed;
    // The movie played to its end.
    std::function<void()> finished;
};

// An embedded player that opens and plays a movie file by path.
class VideoPlayer
{
public:
    virtual ~VideoPlayer() = default;
    virtual bool open(const QString& hostPath) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual void close() = 0;
    virtual bool isPlaying() const = 0;
    virtual qint64 position() const = 0; // milliseconds
    virtual qint64 duration() const = 0; // milliseconds, 0 while unknown
    virtual void setPosition(qint64 milliseconds) = 0;
    virtual float volume() const = 0; // 0..1
    virtual void setVolume(float volume) = 0;
    virtual void setEvents(VideoEvents events) = 0;
    // The surface that shows the picture, or nullptr for a silent double. The player owns it and
    // deletes it first, so the window that lays it out must let the player go before itself.
    virtual QWidget* surface() = 0;
};

} // namespace kestrane
