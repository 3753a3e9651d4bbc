// Feeds arbitrary bytes to the about.ini parser over the built-in copy, then builds every caption.
#include "periphery/about_info.h"

#include <QByteArray>
#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const kestrane::AboutInfo builtIn = kestrane::builtInAboutInfo();
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const kestrane::AboutInfo info = kestrane::parseAboutInfo(text, builtIn);
    kestrane::makerCaption(info);
    kestrane::copyrightCaption(info);
    for (const QString& site : info.sites) {
        // The built-in copy fills every gap: an address is never lost to a damaged file.
        if (site.isEmpty())
            __builtin_trap();
        kestrane::addressCaption(site);
    }
    return 0;
}
