#pragma once

#include <QString>

namespace kestrane {

// A wave-audio output that plays one file at a time, without blocking the caller.
class AudioDevice
{
public:
    virtual ~AudioDevice() = default;
    // False when the file is missing, unreadable or not a WAV file.
    virtual bool open(const QString& hostPath) = 0;
    // Starts playback and returns at once; nothing happens when no file is open.
    virtual void play() = 0;
    // Stops playback and releases the file.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
};

} // namespace kestrane
