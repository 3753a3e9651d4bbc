#pragma once

#include "platform/component_installer.h"

namespace kestrane {

// Installs into host folders: the component folder, the folder of screen-saver desktop entries
// ("applications/screensavers" of the user's data folder) and the executable's folder for bundled
// programs (empty: none). Tests point all three into a temporary folder.
class HostComponentInstaller : public ComponentInstaller
{
public:
    HostComponentInstaller(QString componentFolder, QString entryFolder, QString executableFolder);

    // The user's folder of screen-saver desktop entries.
    static QString defaultEntryFolder();

    QString componentFolder() const override { return m_componentFolder; }
    QString entryFolder() const { return m_entryFolder; }
    QString bundledProgram(const QString& fileName) const override;
    QString installScreenSaver(const QString& sourceHostPath, const QString& fileName,
                               const DesktopEntry& entry, QString* error) override;

private:
    QString m_componentFolder;
    QString m_entryFolder;
    QString m_executableFolder;
};

// One argument of a desktop entry's Exec key, quoted and escaped when it needs to be.
QString desktopExecArgument(const QString& argument);

} // namespace kestrane
