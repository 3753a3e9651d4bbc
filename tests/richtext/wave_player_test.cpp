#include "disc_fixture.h"

#include "common/wave_player.h"
#include "platform/fakes/fake_audio_device.h"

#include <gtest/gtest.h>

namespace {

using kestrane::FakeAudioDevice;
using kestrane::WavePlayer;

struct Step
{
    const char* command; // "close", "open", "play", or "file=<disc path>", "type=<device type>"
    bool result = true;
};

struct PlayerCase
{
    const char* name;
    std::vector<Step> steps;
    QStringList deviceCalls; // FIRST and SECOND stand for the opening of the two sounds
    bool playing;
    bool failOpen = false;
};

void PrintTo(const PlayerCase& c, std::ostream* os)
{
    *os << c.name;
}

class WavePlayerTest : public ::testing::TestWithParam<PlayerCase>
{
};

TEST_P(WavePlayerTest, the_player_drives_the_device_exactly_as_the_commands_say)
{
    const PlayerCase c = GetParam();
    TestDisc disc;
    disc.write(u"E:\\wav\\1957.wav"_qs, waveData(800));
    disc.write(u"E:\\wav\\intro.wav"_qs, waveData(400));
    disc.write(u"E:\\wav\\text.wav"_qs, "{\\rtf1 not a sound}");
    // What the device is handed: the decoded sound of the file named, read through the disc.
    const QString first = u"open 8000 Hz 1 ch 800 frames"_qs;
    const QString second = u"open 8000 Hz 1 ch 400 frames"_qs;
    FakeAudioDevice device;
    device.setFailOpen(c.failOpen);
    WavePlayer player(device, disc.fs);
    for (const Step& step : c.steps) {
        const QString command = QString::fromUtf8(step.command);
        if (command.startsWith(u"file="))
            player.setFileName(command.mid(5));
        else if (command.startsWith(u"type="))
            player.setDeviceType(command.mid(5));
        else
            EXPECT_EQ(player.command(command), step.result) << command.toStdString();
    }
    QStringList expected;
    for (const QString& call : c.deviceCalls)
        expected << QString(call).replace(u"FIRST"_qs, first).replace(u"SECOND"_qs, second);
    EXPECT_EQ(device.calls(), expected);
    EXPECT_EQ(device.isPlaying(), c.playing);
}

const char* kFirst = "file=E:\\wav\\1957.wav";
const char* kSecond = "file=E:\\wav\\intro.wav";

INSTANTIATE_TEST_SUITE_P(
    Commands, WavePlayerTest,
    ::testing::Values(
        PlayerCase{"the_usual_sequence_plays",
                   {{"close"}, {"type=WaveAudio"}, {kFirst}, {"open"}, {"play"}},
                   {u"FIRST"_qs, u"play"_qs},
                   true},
        PlayerCase{"a_second_sound_stops_the_first",
                   {{"close"},
                    {"type=WaveAudio"},
                    {kFirst},
                    {"open"},
                    {"play"},
                    {"close"},
                    {"type=WaveAudio"},
                    {kSecond},
                    {"open"},
                    {"play"}},
                   {u"FIRST"_qs, u"play"_qs, u"close"_qs, u"SECOND"_qs, u"play"_qs},
                   true},
        PlayerCase{"an_open_without_close_still_stops_the_first",
                   {{"type=WaveAudio"}, {kFirst}, {"open"}, {"play"}, {kSecond}, {"open"}, {"play"}},
                   {u"FIRST"_qs, u"play"_qs, u"close"_qs, u"SECOND"_qs, u"play"_qs},
                   true},
        PlayerCase{"close_with_nothing_open_does_nothing", {{"close"}, {"close"}}, {}, false},
        PlayerCase{"play_on_a_closed_device_does_nothing",
                   {{"type=WaveAudio"}, {kFirst}, {"play"}, {"open"}, {"close"}, {"play"}},
                   {u"FIRST"_qs, u"close"_qs},
                   false},
        PlayerCase{"a_missing_file_fails_open",
                   {{"close"}, {"type=WaveAudio"}, {"file=E:\\wav\\none.wav"}, {"open", false}, {"play"}},
                   {},
                   false},
        PlayerCase{"a_file_that_is_no_sound_fails_open_before_the_device",
                   {{"close"}, {"type=WaveAudio"}, {"file=E:\\wav\\text.wav"}, {"open", false}, {"play"}},
                   {},
                   false},
        PlayerCase{"another_device_type_fails_open",
                   {{"type=CDAudio"}, {kFirst}, {"open", false}, {"play"}},
                   {},
                   false},
        PlayerCase{"a_file_the_device_cannot_read_fails_open",
                   {{"type=WaveAudio"}, {kFirst}, {"open", false}, {"play"}},
                   {u"FIRST"_qs},
                   false,
                   true},
        PlayerCase{"commands_ignore_letter_case",
                   {{"type=waveaudio"}, {kFirst}, {"Open"}, {"PLAY"}, {"Close"}},
                   {u"FIRST"_qs, u"play"_qs, u"close"_qs},
                   false},
        PlayerCase{"an_unknown_command_is_an_error", {{"record", false}}, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
