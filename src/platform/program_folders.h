#pragma once

#include <QString>

namespace kestrane {

// The name of the program's folders on the host: the installed data folder
// (<prefix>/share/kestrane-omnivar), the per-user data folder and the cache folder.
inline constexpr char16_t kProgramDirName[] = u"kestrane-omnivar";

// What the decision below looks at, gathered from the host by gatherProgramFolderFacts().
struct ProgramFolderFacts
{
    QString executableFolder; // the folder of the running executable
    bool executableFolderWritable = false;
    QString overrideFolder;      // KESTRANE_PROGRAM_FOLDER, empty when unset
    QString installedDataFolder; // <executable>/../share/kestrane-omnivar when it exists, else empty
    QString userDataFolder;      // $XDG_DATA_HOME/kestrane-omnivar
};

struct ProgramFolders
{
    // Where the program writes: copied photographs and movies, the play list.
    QString programFolder;
    // Where its own read-only files are: the start-up sound, help, the about configuration.
    QString dataFolder;
    bool installed = false;
};

// An installed program (its executable beside a share/kestrane-omnivar folder, or in a folder it
// cannot write) writes to the per-user data folder and reads its own files from the installed data
// folder. A run from the build tree keeps both in the executable's folder. KESTRANE_PROGRAM_FOLDER
// names the program folder in any case.
ProgramFolders decideProgramFolders(const ProgramFolderFacts& facts);

// The facts of this process: its executable, the environment and the XDG folders.
ProgramFolderFacts gatherProgramFolderFacts();

// The decision for this process; creates the per-user program folder when it is chosen and missing.
ProgramFolders programFolders();

// $XDG_CACHE_HOME/kestrane-omnivar, made when missing: what the program can rebuild at any time.
QString userCacheFolder();

} // namespace kestrane
