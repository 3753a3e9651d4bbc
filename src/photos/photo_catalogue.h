#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace kestrane {

struct AppContext;
struct AppState;

// Picture indexes are 16-bit: the count and the closing empty entry must stay within 32,767.
inline constexpr qint16 kMaxPictures = 32766;

inline constexpr char16_t kPhotoFolder[] = u"\\kestranes\\";
inline constexpr char16_t kClipArtFolder[] = u"\\clipart\\";

// Rebuilds PhotoFiles, PhotoNumbers, PhotoCount, ClipFiles and ClipCount from the photo root's
// and the CD root's folders. A listing that fails is reported as ER037; Retry repeats it, Cancel
// ends the program (check AppControl::endRequested afterwards). PhotoCursor is left alone.
void LoadPhotoArray(AppContext& context);

// The names of one folder in ascending character-code order, cut to the first kMaxPictures.
QStringList sortedPictureNames(QStringList names);
// The running number of each name among the names that share its first two characters,
// for names in catalogue order.
QStringList runningNumbers(const QStringList& sortedNames);

// The file name of a catalogue path (everything after its last backslash).
QString pictureFileName(const QString& path);
// The selection code of a photograph: the first two characters of its file name.
QString photoCode(const QString& path);

// The slide caption of a photograph: the category's caption, "2000".."2002" for A0..A2,
// else "19" and the code.
QString slideCaption(const QString& photoPath);
// The caption of the photograph at PhotoCursor; an index outside the list reads as an empty name.
QString ShowSlideCaption(const AppState& state);

} // namespace kestrane
