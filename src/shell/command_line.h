#pragma once

#include <QString>
#include <QStringList>

namespace kestrane {

// What the command line asks for. Parsed before any window exists, so that --help, --version and a
// bad --disc answer on the terminal even where no display is.
struct CommandLineRequest
{
    enum class Action { Run, Help, Version, Fail };
    Action action = Action::Run;
    QString discFolder; // --disc or a bare path: a folder, disc image or drive for drive D (absolute)
    QString output;     // the help or version text for stdout, or the error for stderr
    int exitCode = 0;   // for Help, Version and Fail: 0, 0 and 2
};

// `arguments` as the process got them, the program's name first. The window system's own options
// (-platform, -style, ...) are let through for the toolkit; everything else after the program's
// name is ignored as before, and "HWI" keeps its own whole-command-line rule (isHwiCommandLine).
CommandLineRequest parseCommandLine(const QStringList& arguments);

} // namespace kestrane
