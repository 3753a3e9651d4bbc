#include "periphery/about_info.h"

#include "platform/file_system.h"

#include <QFile>

namespace kestrane {

namespace {

constexpr QStringView kMakerSection = u"Maker";
constexpr QStringView kSitesSection = u"Websites";
constexpr char kBuiltInFile[] = ":/about/about.ini";

QString unquoted(QStringView value)
{
    if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
        return value.mid(1, value.size() - 2).toString();
    return value.toString();
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

void assign(QString& field, const QString& value)
{
    if (!value.isEmpty())
        field = value;
}

} // namespace

QString aboutFilePath(const QString& programFolder)
{
    return programFolder + u"\\about\\about.ini"_qs;
}

AboutInfo parseAboutInfo(const QByteArray& text, const AboutInfo& defaults)
{
    AboutInfo info = defaults;
    QString section;
    QString content = QString::fromUtf8(text);
    // Editors that save UTF-8 may put a byte-order mark before the first section.
    if (content.startsWith(QChar(0xFEFF)))
        content.remove(0, 1);
    for (QStringView line : QStringView(content).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.front() == u';' || line.front() == u'#')
            continue;
        if (line.front() == u'[' && line.back() == u']') {
            section = line.mid(1, line.size() - 2).trimmed().toString();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            continue;
        const QStringView name = line.left(equals).trimmed();
        const QString value = unquoted(line.mid(equals + 1).trimmed());
        if (sameName(section, kMakerSection)) {
            if (sameName(name, u"Name"))
                assign(info.makerName, value);
            else if (sameName(name, u"Street"))
                assign(info.makerStreet, value);
            else if (sameName(name, u"Town"))
                assign(info.makerTown, value);
            else if (sameName(name, u"Copyright"))
                assign(info.copyrightLine, value);
        } else if (sameName(section, kSitesSection)) {
            for (int i = 0; i < kWebSiteCount; ++i)
                if (sameName(name, QStringView(webSiteKey(WebSite(i)))))
                    assign(info.sites[size_t(i)], value);
        }
    }
    return info;
}

AboutInfo builtInAboutInfo()
{
    QFile file(QString::fromLatin1(kBuiltInFile));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseAboutInfo(file.readAll());
}

AboutInfo loadAboutInfo(const FileSystem& fileSystem)
{
    const AboutInfo builtIn = builtInAboutInfo();
    QByteArray text;
    if (!fileSystem.readAll(aboutFilePath(fileSystem.dataFolder()), &text))
        return builtIn;
    return parseAboutInfo(text, builtIn);
}

QString makerCaption(const AboutInfo& info)
{
    return info.makerName + u'\n' + info.makerStreet + u'\n' + info.makerTown;
}

QString copyrightCaption(const AboutInfo& info)
{
    return u"\u00A9"_qs + info.copyrightLine;
}

QString addressCaption(const QString& address)
{
    QString caption = address;
    for (QStringView scheme : {QStringView(u"https://"), QStringView(u"http://")})
        if (caption.startsWith(scheme, Qt::CaseInsensitive)) {
            caption.remove(0, scheme.size());
            break;
        }
    if (caption.endsWith(u'/'))
        caption.chop(1);
    return caption;
}

} // namespace kestrane
