#include "periphery/system_info.h"
#include "platform/fakes/fake_platform.h"
#include "platform/registry_value.h"
#include "state/app_context.h"

#include <gtest/gtest.h>

using namespace kestrane;

namespace {

struct StoredCase
{
    const char* what;
    QString stored; // null: no such value
    bool read;
    QString value; // "before" when the value is to be left as it was
};

} // namespace

TEST(GetRegistryValue, AValueReportedReadThatWasNotOrANumberMisconverted)
{
    const QString nul(QChar(0));
    const StoredCase cases[] = {
        {"missing", QString(), false, u""_qs},
        {"string", u"/usr/bin/tool"_qs, true, u"/usr/bin/tool"_qs},
        {"empty string", u""_qs, true, u""_qs},
        {"string cut at its zero", u"abc"_qs + nul + u"def"_qs, true, u"abc"_qs},
        {"number", u"dword:0000012c"_qs, true, u"300"_qs},
        // The bytes 00 01 00 00 once read as 16 (and, cut at the first zero, as nothing).
        {"number with zero bytes", u"dword:00000100"_qs, true, u"256"_qs},
        {"largest number", u"DWORD:ffffffff"_qs, true, u"4294967295"_qs},
        {"malformed number", u"dword:12zz"_qs, false, u""_qs},
        {"number too long", u"dword:100000000"_qs, false, u""_qs},
        {"raw bytes", u"hex:01,02,03"_qs, true, u"before"_qs},
        {"typed raw bytes", u"hex(7):41,00"_qs, true, u"before"_qs},
        {"string that merely starts with hex", u"hexagon"_qs, true, u"hexagon"_qs},
    };
    for (const StoredCase& c : cases) {
        FakeSettingsStore store;
        if (!c.stored.isNull())
            store.values.insert(u"Root/Software/Tools/Info/Path"_qs, c.stored);
        QString value = u"before"_qs;
        EXPECT_EQ(GetRegistryValue(store, u"Root"_qs, u"Software\\Tools\\Info"_qs, u"Path"_qs, value), c.read)
            << c.what;
        EXPECT_EQ(value, c.value) << c.what;
    }
}

namespace {

struct ToolCase
{
    const char* what;
    QString registered;      // the settings' tool, null for none
    QStringList onPath;      // programs findProgram finds
    QStringList unstartable; // of those, the ones that fail to start
    QString started;         // the start the log shows, empty for none
    bool unavailable;
};

} // namespace

TEST(StartSystemInformation, AToolNotStartedOrTheUnavailableMessageMissing)
{
    const ToolCase cases[] = {
        {"a registered tool",
         u"/opt/info/bin/sysinfo"_qs,
         {u"kinfocenter"_qs},
         {},
         u"start /opt/info/bin/sysinfo"_qs,
         false},
        {"the first tool found",
         QString(),
         {u"kinfocenter"_qs, u"hardinfo"_qs},
         {},
         u"start /bin/kinfocenter"_qs,
         false},
        {"the second found",
         QString(),
         {u"gnome-control-center"_qs, u"hardinfo"_qs},
         {},
         u"start /bin/gnome-control-center info-overview"_qs,
         false},
        {"the second found but the tool missing",
         QString(),
         {u"gnome-control-center"_qs, u"hardinfo"_qs},
         {u"/bin/gnome-control-center"_qs},
         u"start /bin/gnome-control-center info-overview"_qs,
         true},
        {"none", QString(), {}, {}, QString(), true},
        {"a blank registration", u"  "_qs, {u"hardinfo"_qs}, {}, u"start /bin/hardinfo"_qs, false},
        {"a registered tool that does not start",
         u"/gone"_qs,
         {u"kinfocenter"_qs},
         {u"/gone"_qs},
         u"start /gone"_qs,
         true},
    };
    for (const ToolCase& c : cases) {
        FakePlatform fake;
        AppState state;
        AppContext context{state, fake.platform()};
        if (!c.registered.isNull())
            fake.settings.values.insert(u"The Kestrane Omnivar 2002/System Information/Path"_qs,
                                        c.registered);
        for (const QString& program : c.onPath)
            fake.processes.programs.insert(program, u"/bin/"_qs + program);
        fake.processes.unstartable = c.unstartable;

        EXPECT_EQ(StartSystemInformation(context), !c.unavailable) << c.what;
        EXPECT_EQ(fake.processes.log, c.started.isEmpty() ? QStringList() : QStringList{c.started}) << c.what;
        if (c.unavailable) {
            ASSERT_EQ(fake.dialogs.boxes.size(), 1) << c.what;
            const MessageBoxRequest& box = fake.dialogs.boxes.front();
            EXPECT_EQ(box.text, u"System Information Is Unavailable At This Time"_qs);
            EXPECT_EQ(box.title, u"The Kestrane Omnivar 2002"_qs);
            EXPECT_EQ(box.buttons, MsgButtons::Ok);
        } else {
            EXPECT_TRUE(fake.dialogs.boxes.isEmpty()) << c.what;
        }
    }
}
