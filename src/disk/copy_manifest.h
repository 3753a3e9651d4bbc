#pragma once

#include "disk/copy_job.h"

#include <QList>
#include <QString>

namespace kestrane {

class FileSystem;

// The list a complete copy of the photographs leaves beside them, written after the last file:
// each name and its length, one a line. Without it (a copy cut short, a disk that filled up) the
// folder is not "the copy" and the photographs are read from the disc.
inline constexpr char16_t kCopyManifestName[] = u"copied.lst";

// Where the list of a copy folder (disc form, "...\kestranes") is kept.
QString copyManifestPath(const QString& folder);

// Records the copied set; false when the list could not be written.
bool writeCopyManifest(FileSystem& fileSystem, const QString& folder, const QList<CopyItem>& items);

// True only when the folder's list is there, names at least one file, and every file it names is
// there with its length: a list that is damaged or names a file since lost does not count.
bool copySetComplete(const FileSystem& fileSystem, const QString& folder);

// Removes what copies cut short by the end of the program left in the program folder's copy
// folders (their hidden partial files).
void removeUnfinishedCopies(FileSystem& fileSystem);

} // namespace kestrane
