#include "platform/program_folders.h"

#include <gtest/gtest.h>

using namespace kestrane;

namespace {

struct FolderCase
{
    const char* name;
    ProgramFolderFacts facts;
    QString programFolder;
    QString dataFolder;
    bool installed;
};

const QString kBuild = u"/src/build"_qs;
const QString kBin = u"/usr/bin"_qs;
const QString kShare = u"/usr/share/kestrane-omnivar"_qs;
const QString kUser = u"/home/u/.local/share/kestrane-omnivar"_qs;
const QString kOverride = u"/tmp/prog"_qs;

} // namespace

// Where the copies go and where the program's own files come from, for each way it is run.
TEST(ProgramFolders, WritesNeverGoIntoAnInstalledProgramsFolderAndTheBuildTreeKeepsItsOwn)
{
    const FolderCase cases[] = {
        {"build tree", {kBuild, true, {}, {}, kUser}, kBuild, kBuild, false},
        {"build tree with override", {kBuild, true, kOverride, {}, kUser}, kOverride, kBuild, false},
        {"installed, read-only bin", {kBin, false, {}, kShare, kUser}, kUser, kShare, true},
        // Root can write to /usr/bin; an installed layout still keeps the copies per user.
        {"installed, writable bin", {kBin, true, {}, kShare, kUser}, kUser, kShare, true},
        {"installed with override", {kBin, false, kOverride, kShare, kUser}, kOverride, kShare, true},
        // A copied executable in a read-only folder without its data: its own files stay beside it.
        {"read-only, no data folder", {u"/opt/k"_qs, false, {}, {}, kUser}, kUser, u"/opt/k"_qs, true},
    };
    for (const FolderCase& c : cases) {
        const ProgramFolders folders = decideProgramFolders(c.facts);
        EXPECT_EQ(folders.programFolder, c.programFolder) << c.name;
        EXPECT_EQ(folders.dataFolder, c.dataFolder) << c.name;
        EXPECT_EQ(folders.installed, c.installed) << c.name;
    }
}

TEST(ProgramFolders, TheOverrideIsMadeAbsoluteAndTheUserFolderLiesUnderXdgDataHome)
{
    qputenv("KESTRANE_PROGRAM_FOLDER", "relative/prog");
    qputenv("XDG_DATA_HOME", "/tmp/xdg-data-home");
    const ProgramFolderFacts facts = gatherProgramFolderFacts();
    qunsetenv("KESTRANE_PROGRAM_FOLDER");
    qunsetenv("XDG_DATA_HOME");
    EXPECT_TRUE(facts.overrideFolder.startsWith(u'/'));
    EXPECT_TRUE(facts.overrideFolder.endsWith(u"/relative/prog"_qs));
    EXPECT_EQ(facts.userDataFolder, u"/tmp/xdg-data-home/kestrane-omnivar"_qs);
    // The test binary does not sit beside a share/kestrane-omnivar folder.
    EXPECT_TRUE(facts.installedDataFolder.isEmpty());
}
