#include "media/sound_table.h"

#include <algorithm>

namespace kestrane {

namespace {

// The first index of each column.
constexpr std::array<int, 3> kColumnStarts = {0, 13, 21};

} // namespace

SoundCell soundCell(int index)
{
    int column = 0;
    while (column + 1 < int(kColumnStarts.size()) && index >= kColumnStarts[size_t(column) + 1])
        ++column;
    return {column, index - kColumnStarts[size_t(column)]};
}

QString soundPath(const QString& cdRoot, int index)
{
    if (index < 0 || index >= int(kSounds.size()))
        return {};
    return cdRoot + u"\\wav\\"_qs + QString::fromUtf16(kSounds[size_t(index)].file);
}

QRect soundPanelGeometry(int photoTop, int screenWidthPixels, int pageWidth)
{
    int left = (screenWidthPixels - kSoundPanelWidth) / 2;
    left = std::max(0, std::min(left, pageWidth - kSoundPanelWidth));
    return {left, photoTop + 5, kSoundPanelWidth, kSoundPanelHeight};
}

} // namespace kestrane
