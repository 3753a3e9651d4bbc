// kestrane-saver: the screen saver of The Kestrane Omnivar, installed as Kestrane2002.scr.
//
//   kestrane-saver [-root] [-window-id ID] [-window] [-trace]
//
// It shows the photographs of the folder the installer recorded (KestranesDir) one after another,
// each for the recorded number of seconds (Interval), read from the same settings store and
// application name the installer writes them to. Like other X11 screen savers it draws into the
// window given by -window-id or by XSCREENSAVER_WINDOW, or into the root window with -root;
// otherwise it runs as a full-screen window of its own that ends on any key or mouse movement.
// -trace prints what is shown, one line each, for tests and the curious.
#include "common/picture_file.h"
#include "disk/saver_rules.h"
#include "platform/drive_map.h"
#include "platform/host_file_system.h"
#include "platform/qt/qt_settings_store.h"
#include "saver_canvas.h"
#include "saver_show.h"
#include "saver_window.h"
#include "x11_target.h"

#include <QApplication>
#include <QCollator>
#include <QScreen>

#include <cstdio>

using namespace kestrane;
using namespace kestrane::saver;

namespace {

constexpr char16_t kNothingToShow[] = u"The Kestrane Omnivar Screen Saver has no photos to show.\n\n"
                                      u"Install it again from the File menu of The Kestrane Omnivar.";

struct Options
{
    bool root = false;
    bool ownWindow = false;
    bool trace = false;
    quint32 windowId = 0;
};

quint32 parseWindowId(const QString& text)
{
    bool ok = false;
    const quint32 id = text.trimmed().toUInt(&ok, 0);
    return ok ? id : 0;
}

bool parse(const QStringList& args, Options* options)
{
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == u"-root" || arg == u"--root") {
            options->root = true;
        } else if (arg == u"-window" || arg == u"--window") {
            options->ownWindow = true;
        } else if (arg == u"-trace" || arg == u"--trace") {
            options->trace = true;
        } else if ((arg == u"-window-id" || arg == u"--window-id") && i + 1 < args.size()) {
            options->windowId = parseWindowId(args.at(++i));
            if (!options->windowId)
                return false;
        } else {
            return false;
        }
    }
    return true;
}

void trace(const Options& options, const QString& line)
{
    if (!options.trace)
        return;
    std::fprintf(stdout, "%s\n", qPrintable(line));
    std::fflush(stdout);
}

// The photographs of the recorded folder, in the order of their names.
QStringList photosIn(const FileSystem& fs, QString folder)
{
    if (folder.isEmpty())
        return {};
    if (!folder.endsWith(u'\\') && !folder.endsWith(u'/'))
        folder += u'\\';
    QStringList names = fs.list(folder + u"*.jpg"_qs);
    QCollator order;
    order.setNumericMode(true);
    order.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), order);
    for (QString& name : names)
        name.prepend(folder);
    return names;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Options options;
    if (!parse(app.arguments(), &options)) {
        std::fprintf(stderr, "usage: kestrane-saver [-root] [-window-id ID] [-window] [-trace]\n");
        return 2;
    }

    const QtSettingsStore store;
    const SaverSettings settings = readSaverSettings(store);
    trace(options, u"settings interval=%1 folder=%2"_qs.arg(settings.intervalSeconds).arg(settings.folder));
    const HostFileSystem fs(DriveMap::fromSystem(), QString());
    SaverShow show(photosIn(fs, settings.folder), settings.intervalSeconds * 1000,
                   [&fs](const QString& path) { return readPicture(fs, path); });
    SaverCanvas canvas;
    QObject::connect(&show, &SaverShow::photoShown, &canvas, [&](const QString& path, const QImage& image) {
        trace(options, u"show "_qs + path.mid(std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/')) + 1));
        canvas.showPhoto(image);
    });
    QObject::connect(&show, &SaverShow::nothingToShow, &canvas, [&] {
        trace(options, u"message"_qs);
        canvas.showMessage(QString::fromUtf16(kNothingToShow));
    });

    // Where to draw: the window handed over, the daemon's window, the root window, or our own.
    quint32 target = options.windowId;
    if (!target && !options.ownWindow)
        target = parseWindowId(qEnvironmentVariable("XSCREENSAVER_WINDOW"));
    if (!target && options.root)
        target = X11Target::rootWindow();

    std::unique_ptr<X11Target> foreign;
    std::unique_ptr<SaverWindow> window;
    if (target) {
        QString error;
        foreign = X11Target::open(target, &error);
        if (!foreign) {
            std::fprintf(stderr, "kestrane-saver: %s\n", qPrintable(error));
            return 1;
        }
        const auto draw = [&] { foreign->draw(canvas.frame(foreign->size())); };
        QObject::connect(&canvas, &SaverCanvas::changed, foreign.get(), draw);
        QObject::connect(foreign.get(), &X11Target::needsDrawing, foreign.get(), draw);
    } else {
        window = std::make_unique<SaverWindow>(canvas);
        QObject::connect(window.get(), &SaverWindow::userReturned, &app, &QCoreApplication::quit);
        if (QScreen* screen = app.primaryScreen())
            window->setGeometry(screen->geometry());
        window->showFullScreen();
    }
    show.start();
    return app.exec();
}
