#pragma once

#include <QString>
#include <QStringList>

namespace kestrane {

// The platform's installer of missing media decoders: the plug-in install helper that desktop
// players start when the media back end lacks a decoder. It asks the package manager for the
// decoders named in its arguments, shows its own window and exits when it is done.
struct CodecInstallerCommand
{
    QString program;
    QStringList arguments;
};

// The helper's command for one decoder, `caps` in the back end's notation (for example
// "video/x-indeo, indeoversion=(int)5"), `description` as the helper shows it to the user.
// `transientFor` is the native id of the window the helper's window should stay above, 0 for none.
// GST_INSTALL_PLUGINS_HELPER names another helper, as it does for the media back end itself.
CodecInstallerCommand codecInstallerCommand(const QString& applicationId, const QString& description,
                                            const QString& caps, quintptr transientFor = 0);

} // namespace kestrane
