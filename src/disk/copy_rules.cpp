#include "disk/copy_rules.h"

#include "platform/file_system.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kestrane {

namespace {

constexpr std::array<CopyJobKind, 2> kJobs = {{
    {true, u"Copy photos from CD-ROM to hard drive", u"Copy Photos", 120'000'000, u"\\kestranes\\", u"*.jpg",
     u"Photos successfully copied!\r\n",
     u"Would you like to remove all Kestrane Omnivar photos from your hard drive?",
     u"All Photos Successfully Removed!\r\n\r\n"
     u"You must now exit and re-enter the Kestrane Omnivar to allow \r\n"
     u"the software to find the photos on the cdrom drive.\r\n\r\n"
     u"You must also re-install the Kestrane Omnivar Screen Saver \r\n"
     u"if you have previously installed it.",
     u"photos", u"The photos will go on being read from the CD-ROM."},
    {false, u"Copy Movies from CD-ROM to hard drive", u"Copy Movies", 440'000'000, u"\\movies\\", u"*.avi",
     u"Movies successfully copied!\r\n",
     u"Would you like to remove all Kestrane Omnivar movies from your hard drive?",
     u"All movies successfully removed!", u"movies",
     u"The movies that were not copied will go on being played from the CD-ROM."},
}};

QString text(const char16_t* s)
{
    return QString::fromUtf16(s);
}

} // namespace

const CopyJobKind& copyJobKind(bool photos)
{
    return kJobs[photos ? 0 : 1];
}

QString formatFigure(qint64 value)
{
    if (value == 0)
        return {};
    QString digits = QString::number(value < 0 ? -value : value);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return value < 0 ? u'-' + digits : digits;
}

qint64 freeSpaceFigure(qint64 freeClusters, qint64 clusterBytes)
{
    if (freeClusters < 0 || clusterBytes <= 0)
        return -1;
    return freeClusters / 1024 * clusterBytes * 1000;
}

bool enoughSpace(qint64 freeBytes, qint64 needed)
{
    return std::max<qint64>(freeBytes, 0) >= needed;
}

QString notEnoughSpaceMessage(qint64 freeBytes, qint64 needed)
{
    const qint64 have = std::max<qint64>(freeBytes, 0);
    return u"Not enough available hard disk space to perform copy.\r\n\r\n"
           "Free some up and try again.\r\n\r\n"
           "You have:  %1 bytes\r\n\r\n"
           "You need:   %2 bytes more\r\n\r\n"
           "For a total of:   %3 bytes free.\r\n"_qs.arg(formatFigure(have), formatFigure(needed - have),
                                                         formatFigure(needed));
}

QString copyFailedMessage(const QString& source, const QString& target, const QString& reason)
{
    return u"Unable to copy the file\r\n%1\r\nto\r\n%2\r\n\r\n%3"_qs.arg(source, target, reason);
}

QString copyIncompleteMessage(const CopyJobKind& kind, int failed, int count)
{
    return u"%1 of the %2 %3 could not be copied to your hard drive.\r\n\r\n"
           "%4 Make room or check the folder, then copy them again."_qs.arg(failed)
               .arg(count)
               .arg(text(kind.noun), text(kind.stay));
}

CopyStop stopAfterFailure(const QString& reason, bool discReadable)
{
    if (isOutOfRoom(reason))
        return CopyStop::NoRoom;
    return discReadable ? CopyStop::None : CopyStop::DiscGone;
}

QString copyStoppedMessage(const CopyJobKind& kind, CopyStop why, int copied, int count)
{
    const bool full = why == CopyStop::NoRoom;
    return u"%1\r\n\r\n%2 of the %3 %4 %5 copied to your hard drive before the copy stopped. %6\r\n\r\n"
           "%7, then copy them again."_qs
               .arg(full ? u"Your hard drive is full."_qs : u"The CD-ROM can no longer be read."_qs)
               .arg(copied)
               .arg(count)
               .arg(text(kind.noun), copied == 1 ? u"was"_qs : u"were"_qs, text(kind.stay),
                    full ? u"Make room on the hard drive"_qs : u"Put the disc back in its drive"_qs);
}

QString removalIncompleteMessage(const CopyJobKind& kind, int left, const QString& folder)
{
    return u"%1 %2 could not be removed from your hard drive.\r\n\r\nThey are still in the folder\r\n%3"_qs
        .arg(left)
        .arg(left == 1 ? text(kind.noun).chopped(1) : text(kind.noun), folder);
}

QString folderFailedMessage(const QString& folder)
{
    return u"Unable to create the folder\r\n%1\r\n\r\nMake sure the hard drive is writeable."_qs.arg(folder);
}

int gaugeValue(double percent)
{
    if (!(percent > 0))
        return 0;
    // The gauge takes the nearest whole number, a half going to the even one.
    return int(std::min(100.0, std::nearbyint(percent)));
}

CopyGauges::CopyGauges(qint64 jobTotal) : m_total(jobTotal), m_remaining(jobTotal) {}

void CopyGauges::startFile(qint64 length)
{
    m_length = length;
    m_chunks = 0;
}

void CopyGauges::copied(qint64 bytes)
{
    const qint64 chunks = std::min(bytes, m_length) / kCopyChunk;
    if (chunks <= m_chunks)
        return;
    m_remaining -= (chunks - m_chunks) * kCopyChunk;
    m_chunks = chunks;
    m_filePercent = double(kCopyChunk * m_chunks) / double(m_length) * 100.0;
}

void CopyGauges::finishFile()
{
    m_filePercent = 100;
}

double CopyGauges::overallPercent() const
{
    return 100.0 - double(m_remaining) / double(m_total) * 100.0;
}

} // namespace kestrane
