#include "richtext/disc_fixture.h"
#include "sound_fixture.h"

#include "common/wave_player.h"
#include "platform/wave_decoder.h"

#include <QCoreApplication>

namespace kestrane::test {
namespace {

// Sends the sequence every caller sends; the result of "open" and "play".
bool playSound(WavePlayer& player, const QString& discPath)
{
    player.command(u"close"_qs);
    player.setDeviceType(u"WaveAudio"_qs);
    player.setFileName(discPath);
    return player.command(u"open"_qs) && player.command(u"play"_qs);
}

struct FormatCase
{
    const char* name;
    QStringList encoding; // sox's options
    int rate;
    int channels;
};

// Every format the wave player of 2002 played through the system's codecs, at rates of the time
// and odd ones. Compressed formats fill their last block, so up to a block more frames come out.
TEST(SoundFormats, aWaveFormatOfTheTimePlaysSilenceOrOnlyPartOfItself)
{
    const FormatCase cases[] = {
        {"8-bit PCM", {u"-b"_qs, u"8"_qs, u"-e"_qs, u"unsigned"_qs}, 11025, 1},
        {"16-bit PCM stereo", {u"-b"_qs, u"16"_qs, u"-e"_qs, u"signed"_qs}, 44100, 2},
        {"16-bit PCM at an odd rate", {u"-b"_qs, u"16"_qs, u"-e"_qs, u"signed"_qs}, 37800, 1},
        {"24-bit PCM", {u"-b"_qs, u"24"_qs, u"-e"_qs, u"signed"_qs}, 48000, 1},
        {"32-bit float stereo", {u"-b"_qs, u"32"_qs, u"-e"_qs, u"floating-point"_qs}, 22050, 2},
        {"IMA ADPCM", {u"-e"_qs, u"ima-adpcm"_qs}, 22050, 1},
        {"IMA ADPCM stereo", {u"-e"_qs, u"ima-adpcm"_qs}, 11025, 2},
        {"Microsoft ADPCM", {u"-e"_qs, u"ms-adpcm"_qs}, 8000, 1},
        {"Microsoft ADPCM stereo", {u"-e"_qs, u"ms-adpcm"_qs}, 44100, 2},
        {"u-law", {u"-e"_qs, u"u-law"_qs}, 8000, 1},
        {"A-law stereo", {u"-e"_qs, u"a-law"_qs}, 8000, 2},
        {"GSM 6.10", {u"-e"_qs, u"gsm-full-rate"_qs}, 8000, 1},
        {"GSM 6.10 at 11025 Hz", {u"-e"_qs, u"gsm-full-rate"_qs}, 11025, 1},
    };
    if (QStandardPaths::findExecutable(u"sox"_qs).isEmpty())
        GTEST_SKIP() << "sox is not installed: no sounds to try";
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray wave = soxWave(c.encoding, c.rate, c.channels, 1.5);
        ASSERT_FALSE(wave.isEmpty()) << "sox could not write the file";
        TestDisc disc;
        disc.write(u"E:\\wav\\tone.wav"_qs, wave);
        Heard heard;
        QtAudioDevice device(heard.factory());
        WavePlayer player(device, disc.fs);

        ASSERT_TRUE(playSound(player, u"E:\\wav\\tone.wav"_qs));
        ASSERT_TRUE(heard.waitDrained());
        const qint64 frames = heard.bytes / (2 * c.channels);
        const qint64 written = qint64(c.rate * 1.5);
        EXPECT_GE(frames, written);
        EXPECT_LE(frames, written + 2048);
        // A sine at full scale from sox is about 32000 at its peaks; silence is 0.
        EXPECT_GT(heard.peak, 16000);
    }
}

QByteArray patched(QByteArray data, const char* chunk, int offset, quint32 value, int width = 4)
{
    const qsizetype at = data.indexOf(chunk) + offset;
    for (int i = 0; i < width; ++i)
        data[at + i] = char((value >> (8 * i)) & 0xff);
    return data;
}

TEST(SoundFormats, aDamagedWaveFilePlaysSilenceOrPartOfItselfInsteadOfFailingToOpen)
{
    const QByteArray pcm = waveData(800);
    const QByteArray ima = soxWave({u"-e"_qs, u"ima-adpcm"_qs}, 8000, 1, 0.5);
    struct Case
    {
        const char* name;
        QByteArray data;
        WaveProblem problem;
    };
    std::vector<Case> cases = {
        {"empty", {}, WaveProblem::NotWave},
        {"text", "{\\rtf1 not a sound}", WaveProblem::NotWave},
        {"RIFF but a movie", QByteArray(pcm).replace(8, 4, "AVI "), WaveProblem::NotWave},
        {"a cut-off header", pcm.left(30), WaveProblem::Truncated},
        {"no data chunk", pcm.left(36), WaveProblem::NoData},
        {"the data chunk cut off", pcm.left(pcm.size() - 100), WaveProblem::Truncated},
        {"a data size larger than the file", patched(pcm, "data", 4, 1000000), WaveProblem::Truncated},
        {"a data size past 4 GiB", patched(pcm, "data", 4, 0xffffffffu), WaveProblem::Truncated},
        {"a format chunk too short", patched(pcm, "fmt ", 4, 4), WaveProblem::Truncated},
        {"an empty data chunk", patched(pcm, "data", 4, 0).left(44), WaveProblem::Empty},
        {"a compression no decoder knows", patched(pcm, "fmt ", 8, 0x1234, 2), WaveProblem::Unsupported},
        {"no channels", patched(pcm, "fmt ", 10, 0, 2), WaveProblem::Unsupported},
        {"300 channels", patched(pcm, "fmt ", 10, 300, 2), WaveProblem::Unsupported},
        {"a sample rate of 0", patched(pcm, "fmt ", 12, 0), WaveProblem::Unsupported},
        // What a real file may carry and still play whole.
        {"a tag after the RIFF's end", pcm + "ID3\x03\xff\xff\xff\xff junk", WaveProblem::None},
        {"a cut-off chunk after the sound",
         patched(pcm + QByteArray("LIST\xff\0\0\0abc", 11), "RIFF", 4, 1700), WaveProblem::None},
        {"a RIFF size that is too large", patched(pcm, "RIFF", 4, 99999), WaveProblem::None},
    };
    if (!ima.isEmpty()) {
        cases.push_back({"ADPCM cut off in the middle", ima.left(ima.size() / 2), WaveProblem::Truncated});
        cases.push_back(
            {"ADPCM with a block size of 0", patched(ima, "fmt ", 20, 0, 2), WaveProblem::Unsupported});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WaveProblem problem = WaveProblem::NotWave;
        const std::unique_ptr<WaveDecoder> decoder = WaveDecoder::open(c.data, &problem);
        EXPECT_EQ(problem, c.problem);
        EXPECT_EQ(decoder != nullptr, c.problem == WaveProblem::None);

        // The player says so at "open", before anything reaches the output.
        TestDisc disc;
        disc.write(u"E:\\wav\\a.wav"_qs, c.data);
        Heard heard;
        QtAudioDevice device(heard.factory());
        WavePlayer player(device, disc.fs);
        EXPECT_EQ(playSound(player, u"E:\\wav\\a.wav"_qs), c.problem == WaveProblem::None);
        EXPECT_EQ(device.isOpen(), c.problem == WaveProblem::None);
    }
}

// Stop is "close"; the same sound again is "close", "open", "play"; a "play" after the end
// starts it over; "close" on a closed device and "play" on it change nothing.
TEST(SoundFormats, stopOrReplayOfARealSoundLeavesItPlayingOrSilent)
{
    TestDisc disc;
    disc.write(u"E:\\wav\\a.wav"_qs, waveData(8000));
    Heard heard;
    QtAudioDevice device(heard.factory());
    WavePlayer player(device, disc.fs);
    const qint64 whole = 8000 * 2;

    ASSERT_TRUE(playSound(player, u"E:\\wav\\a.wav"_qs));
    EXPECT_TRUE(player.command(u"close"_qs)); // stopped before the output took anything
    EXPECT_TRUE(player.command(u"play"_qs));
    EXPECT_FALSE(device.isOpen());
    QCoreApplication::processEvents();
    EXPECT_EQ(heard.bytes, 0);

    ASSERT_TRUE(playSound(player, u"E:\\wav\\a.wav"_qs));
    ASSERT_TRUE(heard.waitDrained(1));
    EXPECT_EQ(heard.bytes, whole);
    // "play" again once it has ended: the whole sound once more.
    EXPECT_TRUE(player.command(u"play"_qs));
    ASSERT_TRUE(heard.waitDrained(2));
    EXPECT_EQ(heard.bytes, 2 * whole);
    // The usual replay of the same button.
    ASSERT_TRUE(playSound(player, u"E:\\wav\\a.wav"_qs));
    ASSERT_TRUE(heard.waitDrained(3));
    EXPECT_EQ(heard.bytes, 3 * whole);
    EXPECT_EQ(heard.sinks, 4);
    EXPECT_TRUE(player.command(u"close"_qs));
    EXPECT_TRUE(player.command(u"close"_qs));
}

// The test machine has no sound card: the system's output falls back to the silent one.
TEST(SoundFormats, withoutASoundDeviceTheSystemOutputBlocksOrCrashes)
{
    TestDisc disc;
    disc.write(u"E:\\wav\\a.wav"_qs, waveData(8000));
    QtAudioDevice device;
    WavePlayer player(device, disc.fs);
    EXPECT_TRUE(playSound(player, u"E:\\wav\\a.wav"_qs));
    QCoreApplication::processEvents();
    EXPECT_TRUE(playSound(player, u"E:\\wav\\a.wav"_qs));
    EXPECT_TRUE(player.command(u"close"_qs));
}

} // namespace
} // namespace kestrane::test
