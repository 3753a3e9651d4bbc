#include "periphery/system_info.h"

#include "platform/dialogs.h"
#include "platform/registry_value.h"
#include "platform/services.h"
#include "state/app_context.h"

namespace kestrane {

namespace {

// The first tool of the table on the search path, with its argument; an empty program when none.
QStringList firstToolOnSearchPath(Processes& processes)
{
    for (const SystemInfoTool& tool : kSystemInfoTools) {
        const QString path = processes.findProgram(QString::fromUtf16(tool.program));
        if (path.isEmpty())
            continue;
        QStringList command{path};
        if (tool.argument)
            command << QString::fromUtf16(tool.argument);
        return command;
    }
    return {};
}

} // namespace

bool StartSystemInformation(AppContext& context)
{
    Platform& platform = context.platform;
    QStringList command;
    QString registered;
    if (GetRegistryValue(*platform.settings, QString::fromUtf16(kAppTitle),
                         QString::fromUtf16(kSystemInfoSection), QString::fromUtf16(kSystemInfoPathKey),
                         registered) &&
        !registered.trimmed().isEmpty())
        command = {registered.trimmed()};
    else
        command = firstToolOnSearchPath(*platform.processes);

    // A tool found but gone, or one that cannot run here, is as unavailable as none; the next one
    // in the table is not tried, as the lookup named this one.
    if (!command.isEmpty() && platform.processes->start(command.front(), command.mid(1)))
        return true;
    MessageBoxRequest box;
    box.text = QString::fromUtf16(kSystemInfoUnavailable);
    box.title = QString::fromUtf16(kAppTitle);
    platform.dialogs->messageBox(box);
    return false;
}

} // namespace kestrane
