#include "platform/fakes/fake_platform.h"
#include "shell/main_window_rules.h"
#include "state/app_context.h"

#include <gtest/gtest.h>

using namespace kestrane;

TEST(EscapeAmpersands, DoublesEveryAmpersandAndNothingElse)
{
    const struct
    {
        const char16_t* text;
        const char16_t* escaped;
    } cases[] = {
        {u"Kestrane &Capers", u"Kestrane &&Capers"},
        {u"A&B &C", u"A&&B &&C"},
        {u"No ampersand", u"No ampersand"},
        {u"Ends in &", u"Ends in &&"},
        {u"&&", u"&&&&"},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EscapeAmpersands(QString::fromUtf16(c.text)), QString::fromUtf16(c.escaped));
}

TEST(ScreenResolutionMessage, FirstLineHasTheSignBlankBeforeEachNumberAndTheOldSpelling)
{
    const struct
    {
        int width, height, twipsPerPixel;
        const char16_t* firstLine;
    } cases[] = {
        {1024, 768, 15, u"Your current screen resolution is set at  1024 by 768 pixles."},
        // Large fonts: the size in twips divided by 15, fractions kept.
        {800, 600, 12, u"Your current screen resolution is set at  640 by 480 pixles."},
        {1366, 768, 12, u"Your current screen resolution is set at  1092.8 by 614.4 pixles."},
    };
    for (const auto& c : cases) {
        FakeScreen screen;
        screen.widthPixels = c.width;
        screen.heightPixels = c.height;
        screen.twipsPerPixel = c.twipsPerPixel;
        const MessageBoxRequest box = screenResolutionMessage(screen);
        EXPECT_EQ(box.text.section(u"\r\n"_qs, 0, 0), QString::fromUtf16(c.firstLine));
        EXPECT_EQ(box.icon, MsgIcon::Exclamation);
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
        EXPECT_EQ(box.title, u"The Kestrane Omnivar 2002"_qs);
    }
}

TEST(ScreenResolutionMessage, TheAdviceKeepsItsLinesAndBreaks)
{
    FakeScreen screen;
    screen.widthPixels = 1024;
    screen.heightPixels = 768;
    const QStringList lines = screenResolutionMessage(screen).text.split(u"\r\n"_qs);
    ASSERT_EQ(lines.size(), 19);
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[2], u"The optimum setting for the Kestrane Omnivar is 800 by 600 pixels."_qs);
    EXPECT_EQ(lines[6], u"To change your resolution and font size settings perform the following steps:"_qs);
    EXPECT_EQ(lines[11],
              u"    5)  You may also want to set the Colors to the highest level allowed by your"_qs);
    EXPECT_EQ(lines[12], u"         graphics card."_qs);
    EXPECT_EQ(lines[15], u"          Select Small Fonts from the font size drop-down list box."_qs);
    EXPECT_EQ(lines[16], QString());
    EXPECT_EQ(lines[17],
              u"You may now have to re-start your computer for the new settings to take affect."_qs);
    // The text ends with one line break.
    EXPECT_EQ(lines[18], QString());
}

TEST(ScreenResolutionMessage, TheOptimumScreenGetsThePraiseWithoutIcon)
{
    FakeScreen screen;
    const MessageBoxRequest box = screenResolutionMessage(screen);
    EXPECT_EQ(box.text, u"Your current screen resolution is set at 800x600.\r\n\r\n"
                        "This is the optimum setting for the Kestrane Omnivar!"_qs);
    EXPECT_EQ(box.icon, MsgIcon::None);
}

TEST(Placement, MissingOrUnreadableValuesFallBackToTheirKeysDefaults)
{
    FakeSettingsStore settings;
    FakeScreen screen;
    screen.widthPixels = 1024;
    screen.heightPixels = 768;
    WindowPlacement first = readPlacement(settings, screen);
    EXPECT_EQ(first.left, 0);
    EXPECT_EQ(first.top, 0);
    EXPECT_EQ(first.width, 1024 * 15);
    EXPECT_EQ(first.height, 768 * 15);

    // A value that is not a number is no crash: only its own key falls back.
    const QString prefix = u"The Kestrane Omnivar 2002/Settings/"_qs;
    settings.values[prefix + u"MainLeft"_qs] = u"left"_qs;
    settings.values[prefix + u"MainTop"_qs] = u"1500"_qs;
    settings.values[prefix + u"MainWidth"_qs] = u""_qs;
    settings.values[prefix + u"MainHeight"_qs] = u" 9000 "_qs;
    const WindowPlacement mended = readPlacement(settings, screen);
    EXPECT_EQ(mended.left, 0);
    EXPECT_EQ(mended.top, 1500);
    EXPECT_EQ(mended.width, 1024 * 15);
    EXPECT_EQ(mended.height, 9000);

    // Numbers no screen has, from a damaged file, are no placement either (nor a pixel count that
    // overflows).
    settings.values[prefix + u"MainLeft"_qs] = u"1e300"_qs;
    settings.values[prefix + u"MainTop"_qs] = u"nan"_qs;
    settings.values[prefix + u"MainWidth"_qs] = u"-9000"_qs;
    settings.values[prefix + u"MainHeight"_qs] = u"inf"_qs;
    const WindowPlacement wild = readPlacement(settings, screen);
    EXPECT_EQ(wild.left, 0);
    EXPECT_EQ(wild.top, 0);
    EXPECT_EQ(wild.width, 1024 * 15);
    EXPECT_EQ(wild.height, 768 * 15);
    settings.values[prefix + u"MainLeft"_qs] = u"-1500"_qs; // a screen to the left
    EXPECT_EQ(readPlacement(settings, screen).left, -1500);
}

TEST(Placement, IsWrittenAsDecimalTwipsInKeyOrder)
{
    FakeSettingsStore settings;
    writePlacement(settings, {150, 300, 11994, 9100.5});
    EXPECT_EQ(settings.writes,
              (QStringList{u"MainLeft"_qs, u"MainTop"_qs, u"MainWidth"_qs, u"MainHeight"_qs}));
    const QString prefix = u"The Kestrane Omnivar 2002/Settings/"_qs;
    EXPECT_EQ(settings.values[prefix + u"MainLeft"_qs], u"150"_qs);
    EXPECT_EQ(settings.values[prefix + u"MainWidth"_qs], u"11994"_qs);
    EXPECT_EQ(settings.values[prefix + u"MainHeight"_qs], u"9100.5"_qs);
}

TEST(TaskbarToggle, HidesThenShowsAndAnyResizeBringsItBack)
{
    FakePlatform fake;
    AppState state;
    AppContext context{state, fake.platform()};
    fake.windowManager.taskbar = 42;

    WindowPlacement covered;
    int covers = 0;
    auto cover = [&](const WindowPlacement& p) {
        covered = p;
        ++covers;
    };
    // The designer caption is replaced by the first resize.
    QString caption = taskbarAfterResize(context, u"HideStatus&Bar"_qs);
    EXPECT_EQ(caption, u"HideStatusBar"_qs);
    fake.windowManager.log.clear();

    caption = toggleTaskbar(context, caption, cover);
    EXPECT_EQ(caption, u"ShowStatusBar"_qs);
    EXPECT_EQ(fake.windowManager.log, (QStringList{u"find Shell_TrayWnd"_qs, u"show 42 0"_qs}));
    EXPECT_EQ(covers, 1);
    EXPECT_EQ(covered.left, 0);
    EXPECT_EQ(covered.top, 0);
    EXPECT_EQ(covered.width, 800 * 15 + 100);
    EXPECT_EQ(covered.height, 600 * 15 + 100);

    fake.windowManager.log.clear();
    caption = taskbarAfterResize(context, caption);
    EXPECT_EQ(caption, u"HideStatusBar"_qs);
    EXPECT_EQ(fake.windowManager.log, QStringList{u"show 42 1"_qs});
    // Shown already: a further resize does nothing.
    fake.windowManager.log.clear();
    EXPECT_EQ(taskbarAfterResize(context, caption), u"HideStatusBar"_qs);
    EXPECT_TRUE(fake.windowManager.log.isEmpty());

    caption = toggleTaskbar(context, toggleTaskbar(context, caption, cover), cover);
    EXPECT_EQ(caption, u"HideStatusBar"_qs);
    EXPECT_EQ(fake.windowManager.log.last(), u"show 42 1"_qs);
    EXPECT_EQ(covers, 2);
}

TEST(TaskbarToggle, WithoutATaskbarTheWindowStillCoversTheScreenAndTheCaptionToggles)
{
    FakePlatform fake;
    AppState state;
    AppContext context{state, fake.platform()};
    int covers = 0;
    const QString caption =
        toggleTaskbar(context, u"HideStatusBar"_qs, [&](const WindowPlacement&) { ++covers; });
    EXPECT_EQ(caption, u"ShowStatusBar"_qs);
    EXPECT_EQ(covers, 1);
    EXPECT_EQ(state.disc.taskbarHandle, 0u);
    EXPECT_EQ(toggleTaskbar(context, caption, {}), u"HideStatusBar"_qs);
}
