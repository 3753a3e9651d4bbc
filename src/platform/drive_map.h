#pragma once

#include <QChar>
#include <QMap>
#include <QString>

namespace kestrane {

// Drive letters of the disc world mapped to host folders. A letter without a folder is a
// drive that is not ready.
class DriveMap
{
public:
    DriveMap() = default;

    // "D=/media/cd;E=/other" (blanks around entries are ignored; later entries win).
    static DriveMap parse(const QString& spec);
    // KESTRANE_DRIVES when set; otherwise the mounted removable and optical media, lettered D, E, F...
    static DriveMap fromSystem();

    void set(QChar letter, const QString& folder);
    QString folder(QChar letter) const;
    bool isEmpty() const { return m_folders.isEmpty(); }
    QMap<QChar, QString> entries() const { return m_folders; }

private:
    QMap<QChar, QString> m_folders;
};

} // namespace kestrane
