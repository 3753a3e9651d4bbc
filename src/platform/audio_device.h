#pragma once

#include <memory>

namespace kestrane {

class WaveDecoder;

// A wave-audio output that plays one decoded sound at a time, without blocking the caller.
class AudioDevice
{
public:
    virtual ~AudioDevice() = default;
    // Takes the sound (replacing any other); false when the output cannot play its format.
    virtual bool open(std::unique_ptr<WaveDecoder> sound) = 0;
    // Starts playback and returns at once; a sound that played to its end starts again. False
    // when the output refused the sound. Nothing happens (true) when no sound is open.
    virtual bool play() = 0;
    // Stops playback and releases the sound.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
};

} // namespace kestrane
