#pragma once

#include <QString>

namespace kestrane {

// The unit the copy gauges count in: the job's total falls by one chunk for each full chunk of a
// file copied, and a file's gauge moves chunk by chunk.
inline constexpr qint64 kCopyChunk = 25'000;

// The two copy jobs of the hard drive: photos and movies.
struct CopyJobKind
{
    bool photos;
    const char16_t* heading; // Label2
    const char16_t* button;  // cmdCopy
    qint64 total;            // bytes the job needs free, and the overall gauge's 100
    const char16_t* folder;  // below the program folder and the CD root
    const char16_t* pattern; // its files
    const char16_t* done;    // after a copy without failures
    const char16_t* removeQuestion;
    const char16_t* removed; // after a removal that left nothing behind
    const char16_t* noun;    // "photos", "movies"
    const char16_t* stay;    // what becomes of the files a job left on the disc
};

const CopyJobKind& copyJobKind(bool photos);

inline constexpr char16_t kCopyingFile[] = u"Copying file:";
inline constexpr char16_t kCopyAgainQuestion[] =
    u"These files have already been copied\r\nto your hard drive.\r\n\r\nWould you like to copy them again?";
inline constexpr char16_t kFreeSpaceUnknown[] = u"Internal GetDisk error!";

// A figure as the pattern "###,###,###" shows it: thousands separated by commas, nothing at all for 0.
QString formatFigure(qint64 value);

// The free bytes the copy panel reckons with: (free clusters \ 1024) x cluster bytes x 1000, a
// little under the true figure; -1 when the space is unknown.
qint64 freeSpaceFigure(qint64 freeClusters, qint64 clusterBytes);

// Whether `freeBytes` (negative: unknown) covers the job's total; exactly enough is enough.
bool enoughSpace(qint64 freeBytes, qint64 needed);
// The refusal when it does not.
QString notEnoughSpaceMessage(qint64 freeBytes, qint64 needed);

// A file that could not be copied: both paths and the system's reason.
QString copyFailedMessage(const QString& source, const QString& target, const QString& reason);
// The end of a job in which `failed` of `count` files could not be copied.
QString copyIncompleteMessage(const CopyJobKind& kind, int failed, int count);
// Why a job ends before its last file: every file after it would fail the same way.
enum class CopyStop { None, NoRoom, DiscGone };
// The stop a failed file calls for, from the system's reason and whether the disc still lists
// the job's files.
CopyStop stopAfterFailure(const QString& reason, bool discReadable);
// The one message of a job that stopped after `copied` of `count` files.
QString copyStoppedMessage(const CopyJobKind& kind, CopyStop why, int copied, int count);
// The end of a removal that left `left` files in `folder` (a host path).
QString removalIncompleteMessage(const CopyJobKind& kind, int left, const QString& folder);
// The target folder exists but is not a folder, or cannot be made.
QString folderFailedMessage(const QString& folder);

// The value a gauge shows for a percentage: the nearest whole number, within 0..100.
int gaugeValue(double percent);

// The two gauges of a job by the chunk arithmetic: a file's gauge moves with each full chunk of
// it (25,000 × k / length × 100) and reaches 100 at its end; the job's gauge is 100 less the
// share of the fixed total not yet counted off, and the last part of a file shorter than a chunk
// moves neither the job's total nor its gauge.
class CopyGauges
{
public:
    explicit CopyGauges(qint64 jobTotal);

    void startFile(qint64 length);
    // `bytes` of the current file are copied; counts off the chunks completed since the last call.
    void copied(qint64 bytes);
    void finishFile();

    double filePercent() const { return m_filePercent; }
    double overallPercent() const;
    int fileGauge() const { return gaugeValue(m_filePercent); }
    int overallGauge() const { return gaugeValue(overallPercent()); }
    qint64 remainingBytes() const { return m_remaining; }

private:
    qint64 m_total;
    qint64 m_remaining;
    qint64 m_length = 0;
    qint64 m_chunks = 0;      // full chunks of the current file counted off
    double m_filePercent = 0; // a new file keeps the last value until its first full chunk
};

} // namespace kestrane
