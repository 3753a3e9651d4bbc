#include "shell/command_line.h"

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
    const QCommandLineOption disc(
        u"disc"_qs, u"Reads the disc from <folder>: a copied disc or a mounted disc image."_qs, u"folder"_qs);
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
    if (parser.isSet(disc)) {
        const QString folder = parser.value(disc);
        const QFileInfo info(folder);
        if (folder.isEmpty() || !info.exists())
            return fail(program, u"--disc: the folder \"%1\" does not exist."_qs.arg(folder));
        if (!info.isDir())
            return fail(program, u"--disc: \"%1\" is not a folder."_qs.arg(folder));
        if (!info.isReadable() || !info.isExecutable())
            return fail(program, u"--disc: the folder \"%1\" cannot be read."_qs.arg(folder));
        request.discFolder = QDir::cleanPath(info.absoluteFilePath());
    }
    return request;
}

} // namespace kestrane
