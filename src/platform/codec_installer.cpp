#include "platform/codec_installer.h"

#include <QtGlobal>

namespace kestrane {

namespace {

// Where the Debian package of the helper installs it.
constexpr char16_t kDefaultHelper[] = u"/usr/libexec/gst-install-plugins-helper";

} // namespace

CodecInstallerCommand codecInstallerCommand(const QString& applicationId, const QString& description,
                                            const QString& caps, quintptr transientFor)
{
    CodecInstallerCommand command;
    command.program = qEnvironmentVariable("GST_INSTALL_PLUGINS_HELPER");
    if (command.program.isEmpty())
        command.program = QString::fromUtf16(kDefaultHelper);
    if (transientFor != 0)
        command.arguments << u"--transient-for="_qs + QString::number(transientFor);
    // One detail string per decoder: "gstreamer|<api>|<application>|<description>|decoder-<caps>".
    command.arguments << u"gstreamer|1.0|%1|%2|decoder-%3"_qs.arg(applicationId, description, caps);
    return command;
}

} // namespace kestrane
