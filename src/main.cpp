#include "platform/qt/qt_platform.h"
#include "shell/command_line.h"
#include "shell/ui/application.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char** argv)
{
    // Movies play through GStreamer, which decodes the disc's video codec; Qt may offer other back ends.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
    // Read before the application object: --help, --version and a bad --disc need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const kestrane::CommandLineRequest request = kestrane::parseCommandLine(arguments);
    switch (request.action) {
    case kestrane::CommandLineRequest::Action::Help:
    case kestrane::CommandLineRequest::Action::Version:
        std::fputs(qPrintable(request.output), stdout);
        return request.exitCode;
    case kestrane::CommandLineRequest::Action::Fail:
        std::fputs(qPrintable(request.output), stderr);
        return request.exitCode;
    case kestrane::CommandLineRequest::Action::Run:
        break;
    }

    QApplication app(argc, argv);
    kestrane::nameApplication();
    // The desktop entry and icon that an installed program brings (none in the build tree).
    QGuiApplication::setDesktopFileName(u"org.kestrane.omnivar"_qs);
    QApplication::setWindowIcon(QIcon::fromTheme(u"org.kestrane.omnivar"_qs));

    kestrane::QtPlatform platform(request.discFolder);
    kestrane::Application program(platform.platform());
    if (!program.start(app.arguments().mid(1)))
        return 0;
    return QApplication::exec();
}
