#pragma once

#include <QString>

namespace kestrane {

// How the desktop lists an installed program.
struct DesktopEntry
{
    QString id; // file name of the entry, without ".desktop"
    QString name;
    QString comment;
};

// Installs the program's own components for the user: a program is copied into the per-user folder
// of installed components (what the original system folder was to the product) and announced to
// desktop tools by a desktop entry.
class ComponentInstaller
{
public:
    virtual ~ComponentInstaller() = default;

    // The host folder that holds installed components.
    virtual QString componentFolder() const = 0;
    // Host path of a program shipped beside the running executable, or empty when there is none
    // (the program folder may have been moved away from the executable).
    virtual QString bundledProgram(const QString& fileName) const = 0;
    // Copies the program at `sourceHostPath` into the component folder as `fileName`, replacing an
    // older one, makes it executable and writes its screen-saver desktop entry. Returns the installed
    // host path, or empty with the system's reason in *error.
    virtual QString installScreenSaver(const QString& sourceHostPath, const QString& fileName,
                                       const DesktopEntry& entry, QString* error) = 0;
};

} // namespace kestrane
