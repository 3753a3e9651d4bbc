#include "shell/command_line.h"

#include "platform/disc_image.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace kestrane {

namespace {

// The toolkit's options with a value, and those without: known here only so that they are not
// taken for mistakes. The toolkit reads them itself when the application object is made.
constexpr const char* kToolkitValueOptions[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "title",         "name",   "visual",
    "ncols",       "qmljsdebugger"};
constexpr const char* kToolkitFlagOptions[] = {"reverse", "widgetcount", "cmap", "nograb", "dograb", "sync"};

QString programName(const QStringList& arguments)
{
    return arguments.isEmpty() ? u"kestrane-omnivar"_qs : QFileInfo(arguments.first()).fileName();
}

CommandLineRequest fail(const QString& program, const QString& message)
{
    CommandLineRequest request;
    request.action = CommandLineRequest::Action::Fail;
    request.exitCode = 2;
    request.output =
        program + u": "_qs + message + u"\nTry '"_qs + program + u" --help' for more information.\n"_qs;
    return request;
}

} // namespace

CommandLineRequest parseCommandLine(const QStringList& arguments)
{
    const QString program = programName(arguments);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        u"The Kestrane Omnivar 2002: a multimedia reference of the Kestrane, model years 1953 to 2002.\n"
        "Without --disc the program looks for the disc on the mounted media (or in KESTRANE_DRIVES)."_qs);
    const QCommandLineOption help({u"h"_qs, u"help"_qs}, u"Shows this help and ends."_qs);
    const QCommandLineOption version({u"v"_qs, u"version"_qs}, u"Shows the program's version and ends."_qs);
    const QCommandLineOption disc(u"disc"_qs,
                                  u"Reads the disc from <path>: a folder (a copied disc), a disc image "
                                  "(ISO, UDF, BIN/CUE, NRG) or a drive's device such as /dev/sr0."_qs,
                                  u"path"_qs);
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(disc);
    for (const char* name : kToolkitValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), u"value"_qs);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kToolkitFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.addPositionalArgument(
        u"HWI"_qs, u"Uses the program folder as the disc (the whole command line)."_qs, u"[HWI]"_qs);
    parser.addPositionalArgument(u"path"_qs, u"The same as --disc <path>."_qs, u"[path]"_qs);

    if (!parser.parse(arguments.isEmpty() ? QStringList{program} : arguments))
        return fail(program, parser.errorText());

    CommandLineRequest request;
    if (parser.isSet(help)) {
        request.action = CommandLineRequest::Action::Help;
        QString text = parser.helpText();
        text.replace(u"<executable_name>"_qs, program);
        request.output = text;
        return request;
    }
    if (parser.isSet(version)) {
        request.action = CommandLineRequest::Action::Version;
        request.output = program + u' ' + QStringLiteral(KESTRANE_VERSION) + u'\n';
        return request;
    }
    // A bare path (the file manager's "Open With") stands for --disc; other words are ignored as before.
    QString location;
    if (parser.isSet(disc)) {
        location = parser.value(disc);
    } else {
        const QStringList words = parser.positionalArguments();
        for (const QString& word : words) {
            if (word != u"HWI"_qs && !word.isEmpty() && QFileInfo::exists(word)) {
                location = word;
                break;
            }
        }
        if (location.isEmpty())
            return request;
    }
    const QFileInfo info(location);
    if (location.isEmpty() || !info.exists())
        return fail(program, u"--disc: \"%1\" does not exist."_qs.arg(location));
    if (!info.isReadable() || (info.isDir() && !info.isExecutable()))
        return fail(program, u"--disc: \"%1\" cannot be read."_qs.arg(location));
    if (!info.isDir() && !DiscImage::open(info.absoluteFilePath()))
        return fail(program, u"--disc: \"%1\" is neither a folder nor a disc image."_qs.arg(location));
    request.discFolder = QDir::cleanPath(info.absoluteFilePath());
    return request;
}

} // namespace kestrane
