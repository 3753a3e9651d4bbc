#pragma once

#include <QString>
#include <QStringList>

namespace kestrane {

// Truth values and picture indexes are 16-bit as the stored data and the callers expect them.
using Flag = qint16;
constexpr Flag kTrue = -1;
constexpr Flag kFalse = 0;

inline constexpr char16_t kAppTitle[] = u"The Kestrane Omnivar 2002"; // title of boxes that pass none
inline constexpr char16_t kBoxTitle[] = u"The Kestrane Omnivar";      // title of boxes that pass one
// The design caption of panYear: nothing is selected yet.
inline constexpr char16_t kNoSelection[] = u"panYear";

// Where the content is and which edition runs: fixed at start-up, moved only by copying.
struct DiscState
{
    QString cdRoot;           // "E:" (no trailing backslash), or the program folder
    QString photoRoot;        // program folder when photos were copied there, else cdRoot
    QString currentSoundFile; // full path of the sound file last loaded
    Flag editionSwitch = 0;   // 0: the standard edition
    Flag initialSelectionFlag = kFalse;
    QString currentFile;         // the current description document
    QString documentWindowTitle; // title of the dealer edition's document window
    quintptr taskbarHandle = 0;  // the taskbar toggle's window, 0 when there is none
};

// The error reporter's record: the code a handler works under and what the last box showed.
struct ErrorState
{
    QString currentErrorCode;
    QString lastErrorMessage;
    QString errorReason;         // the system's words for the failure, shown under the message once
    QString lastErrorAnswer;     // "4" Retry, "2" Cancel
    int runtimeErrorNumber = 0;  // a trapped run-time error still pending in the caller
    Flag lastQuestionAnswer = 0; // answer of the last yes/no question
};

struct SelectionState
{
    QString selectionKey = QString::fromUtf16(kNoSelection); // mirrors the caption of panYear
    QString categoryCode;
    qint16 currentYearButton = 0; // 1..49, 0 for a category
    Flag yearClickFlag = kFalse;
    Flag fileNamesFlag = kFalse;
    // The mouse button last pressed on an insignia picture: "2" the right one, else " ".
    QString lastMouseButton = u" "_qs;
};

// The photo catalogue and the browser's cursor: 1-based lists; entry 0 is unused and entry
// count + 1 is empty.
struct PhotoState
{
    QStringList photoFiles;
    QStringList photoNumbers;
    qint16 photoCount = 0;
    QStringList clipFiles;
    qint16 clipCount = 0;
    qint16 photoCursor = 0;
    QString currentPhoto;
    qint16 shownIndex = 0;
    Flag skipFirstMatch = kFalse;
    Flag lastStepNext = kFalse; // direction of the last photo step
    Flag lastStepBack = kFalse;
};

// The reader contract's shared strings.
struct DocumentState
{
    QString documentPath;
    QString documentCaption;
    QString wavePath;
    QString printAnswer;
    QString twoDigitYear; // characters 3 and 4 of the key, stored by cmdNostalgia
};

struct SlideShowState
{
    qint32 slideInterval = 0; // milliseconds between automatic slides
    Flag slideShowRunning = kFalse;
    qint16 slideCounter1 = 0;
    qint16 slideCounter2 = 0;
    Flag frontHold = kFalse;       // the slide-show window leaves SSCommand1 where it is
    Flag startedFromMain = kFalse; // set by cmdSlide, cleared by the show's Exit button
};

// The screen-saver play list's buttons as the photo browser leaves them.
struct SaverState
{
    bool saverAddEnabled = false;
    bool saverRemoveEnabled = false;
    QString saverPhotoPath; // where the photograph shown would lie in the play list
};

// The movie window's shared string.
struct MediaState
{
    QString movieFolder; // with its trailing backslash: where movies are played from
};

// Copying the disc's photos and movies to the hard drive, shared with the screen-saver installer.
struct DiskState
{
    Flag copyingPhotos = kFalse; // the pending or running copy is of photos (else of movies)
    qint64 remainingBytes = 0;   // the job's fixed total less each full chunk copied
    Flag copyCancelled = kFalse; // the user declined to copy into an existing folder
    Flag copyPending = kFalse;   // the screen-saver installer waits for the photo copy
    QString sourcePath;          // the file being copied
    QString targetPath;
    QStringList movieList; // 1-based: upper-cased names of the disc's movies; entry 0 unused
    qint16 movieCount = 0;
};

// The one process-wide record of shared fields, grouped by the subsystem that owns each group so
// that a routine's signature shows what it touches. No window owns it; windows and routines get a
// reference through the AppContext.
struct AppState
{
    DiscState disc;
    ErrorState errors;
    SelectionState selection;
    PhotoState photos;
    DocumentState documents;
    SlideShowState slides;
    SaverState saver;
    MediaState media;
    DiskState disk;
};

} // namespace kestrane
