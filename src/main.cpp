#include "platform/qt/qt_platform.h"
#include "shell/ui/application.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Movies play through GStreamer, which decodes the disc's video codec; Qt may offer other back ends.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
    QApplication app(argc, argv);
    kestrane::nameApplication();

    kestrane::QtPlatform platform;
    kestrane::Application program(platform.platform());
    if (!program.start(app.arguments().mid(1)))
        return 0;
    return QApplication::exec();
}
