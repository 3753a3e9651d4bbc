#include "disc_fixture.h"

#include "platform/qt/qt_audio_device.h"

#include <QBuffer>
#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

TEST(QtAudioDevice, only_readable_wave_files_open)
{
    struct Case
    {
        const char* name;
        QByteArray data;
        bool wave;
    };
    const QByteArray wave = waveData();
    const Case cases[] = {
        {"a PCM wave", wave, true},
        {"empty", {}, false},
        {"a truncated header", wave.left(10), false},
        {"RIFF but not WAVE", QByteArray(wave).replace(8, 4, "AVI "), false},
        {"no data chunk", wave.left(36), false},
        {"a format chunk too short", QByteArray(wave).replace(16, 4, QByteArray("\x04\0\0\0", 4)), false},
        {"a chunk size past the end", QByteArray(wave.left(16)) + QByteArray("\xff\xff\xff\x7f", 4), false},
        {"text", "{\\rtf1 not a sound}", false},
    };
    for (const Case& c : cases) {
        QByteArray data = c.data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        EXPECT_EQ(kestrane::isWaveFile(buffer), c.wave) << c.name;
    }
}

// The test machine has no sound card: every call must return at once and play silently.
TEST(QtAudioDevice, without_a_sound_device_nothing_crashes_or_blocks)
{
    TestDisc disc;
    const QString wave = disc.write(u"E:\\wav\\a.wav"_qs, waveData(8000));
    const QString text = disc.write(u"E:\\wav\\b.wav"_qs, "not a wave file");
    kestrane::QtAudioDevice device;

    EXPECT_FALSE(device.open(disc.fs.programFolder() + u"/wav/missing.wav"_qs));
    EXPECT_FALSE(device.isOpen());
    device.play();
    device.close();
    EXPECT_FALSE(device.open(text));

    ASSERT_TRUE(device.open(wave));
    EXPECT_TRUE(device.isOpen());
    device.play();
    ASSERT_TRUE(device.open(wave)); // a second open replaces the first
    device.play();
    QCoreApplication::processEvents();
    device.close();
    EXPECT_FALSE(device.isOpen());
    device.close();
}

} // namespace
