#include "platform/host_component_installer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>

namespace kestrane {

namespace {

constexpr qint64 kChunk = 64 * 1024;

// Escapes a desktop entry's string value: a backslash stands for itself only doubled.
QString entryString(const QString& value)
{
    return QString(value).replace(u'\\', u"\\\\"_qs);
}

bool writeEntry(const QString& path, const QString& text, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

// Copies a program through a temporary file, so a failure keeps the older copy whole.
bool copyProgram(const QString& from, const QString& to, QString* error)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        *error = source.errorString();
        return false;
    }
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly)) {
        *error = target.errorString();
        return false;
    }
    QByteArray buffer(kChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 n = source.read(buffer.data(), kChunk);
        if (n < 0 || (n > 0 && target.write(buffer.constData(), n) != n)) {
            *error = n < 0 ? source.errorString() : target.errorString();
            target.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
    }
    if (!target.commit()) {
        *error = target.errorString();
        return false;
    }
    constexpr QFileDevice::Permissions executable =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadUser |
        QFileDevice::WriteUser | QFileDevice::ExeUser | QFileDevice::ReadGroup | QFileDevice::ExeGroup |
        QFileDevice::ReadOther | QFileDevice::ExeOther;
    if (!QFile::setPermissions(to, executable)) {
        *error = QFile(to).errorString();
        return false;
    }
    return true;
}

} // namespace

QString desktopExecArgument(const QString& argument)
{
    static const QString reserved = u" \t\n\"'\\><~|&;$*?#()`"_qs;
    const bool plain = !argument.isEmpty() && std::none_of(argument.begin(), argument.end(),
                                                           [](QChar c) { return reserved.contains(c); });
    if (plain)
        return argument;
    QString quoted = u"\""_qs;
    for (QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    return quoted + u'"';
}

HostComponentInstaller::HostComponentInstaller(QString componentFolder, QString entryFolder,
                                               QString executableFolder)
    : m_componentFolder(std::move(componentFolder)), m_entryFolder(std::move(entryFolder)),
      m_executableFolder(std::move(executableFolder))
{
}

QString HostComponentInstaller::defaultEntryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           u"/applications/screensavers"_qs;
}

QString HostComponentInstaller::bundledProgram(const QString& fileName) const
{
    if (m_executableFolder.isEmpty())
        return {};
    const QString path = m_executableFolder + u'/' + fileName;
    return QFileInfo(path).isFile() ? path : QString();
}

QString HostComponentInstaller::installScreenSaver(const QString& sourceHostPath, const QString& fileName,
                                                   const DesktopEntry& entry, QString* error)
{
    QString reason;
    const QString installed = m_componentFolder + u'/' + fileName;
    const bool done = [&] {
        if (!QFileInfo(sourceHostPath).isFile()) {
            reason = qt_error_string(ENOENT);
            return false;
        }
        if (!QDir().mkpath(m_componentFolder) || !QDir().mkpath(m_entryFolder)) {
            reason = qt_error_string(EACCES);
            return false;
        }
        if (!copyProgram(sourceHostPath, installed, &reason))
            return false;
        const QString exec = desktopExecArgument(installed) + u" -root"_qs;
        const QString text = u"[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=%1\n"
                             "Comment=%2\n"
                             "TryExec=%3\n"
                             "Exec=%4\n"
                             "Categories=Screensaver;\n"
                             "NoDisplay=true\n"_qs.arg(entryString(entry.name), entryString(entry.comment),
                                                       entryString(installed), entryString(exec));
        return writeEntry(m_entryFolder + u'/' + entry.id + u".desktop"_qs, text, &reason);
    }();
    if (!done) {
        if (error)
            *error = reason;
        return {};
    }
    return installed;
}

} // namespace kestrane
