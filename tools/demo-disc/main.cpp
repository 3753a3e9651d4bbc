// kestrane-demo-disc FOLDER [--program-folder DIR] [--small]
// kestrane-demo-disc --program-folder DIR
// Writes the demo disc into FOLDER (and the program folder's start-up sound into DIR); prints
// nothing but errors. The second form writes the start-up sound alone, which the package installs.
#include "demo_disc.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "kestrane-demo-disc: %s\n", qPrintable(message));
    return 1;
}

// Qt's own chatter (for example about a missing runtime folder) is not an error of ours.
void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char** argv)
{
    // The pictures are drawn off screen: no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietHandler);
    QGuiApplication app(argc, argv);

    QString folder;
    QString programFolder;
    kestrane::demo::Options options;
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--small")) {
            options.small = true;
        } else if (args[i] == QLatin1String("--program-folder")) {
            if (++i >= args.size())
                return fail(QStringLiteral("--program-folder needs a folder"));
            programFolder = args[i];
        } else if (args[i].startsWith(QLatin1String("--")) || !folder.isEmpty()) {
            return fail(QStringLiteral("usage: kestrane-demo-disc FOLDER [--program-folder DIR] [--small]"));
        } else {
            folder = args[i];
        }
    }
    if (folder.isEmpty() && programFolder.isEmpty())
        return fail(QStringLiteral("usage: kestrane-demo-disc FOLDER [--program-folder DIR] [--small]"));

    QString error;
    if (!folder.isEmpty() && !kestrane::demo::writeDemoDisc(folder, options, &error))
        return fail(error);
    if (!programFolder.isEmpty() && !kestrane::demo::writeProgramFolder(programFolder, &error))
        return fail(error);
    return 0;
}
